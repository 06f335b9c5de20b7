#include "imaging/stream.h"

#include <utility>

#include "imaging/status.h"

namespace vexo {

bool ImgStream::Create(const ByteSet& bytes) {
  return Create(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                           static_cast<qsizetype>(bytes.size())));
}

bool ImgStream::Create(QByteArray bytes) {
  data_ = std::move(bytes);
  TakeNewHandle();
  return ImgRecord(kStatusOk);
}

bool ImgStream::Release() {
  if (IsEmpty()) return false;
  data_ = QByteArray();
  ClearHandle();
  return ImgRecord(kStatusOk);
}

std::size_t ImgStream::Size() const {
  return IsEmpty() ? 0 : static_cast<std::size_t>(data_.size());
}

ByteSet ImgStream::Contents() const {
  if (IsEmpty()) return {};
  return ByteSet(data_.begin(), data_.end());
}

}  // namespace vexo
