#pragma once
// A memory stream over a copy of a byte set: what a picture is loaded from and
// saved into. An image object keeps the stream it was loaded from for as long
// as the picture lives.
#include <QByteArray>
#include <cstddef>

#include "imaging/object.h"
#include "platform/text.h"

namespace vexo {

class ImgStream : public ImgObject {
 public:
  ImgStream() = default;
  ~ImgStream() = default;
  ImgStream(ImgStream&&) noexcept = default;
  ImgStream& operator=(ImgStream&&) noexcept = default;

  // Copies `bytes` into a new memory block; releases any earlier block first.
  // An empty byte set gives an empty stream (which still has a handle).
  bool Create(const ByteSet& bytes);
  // Same, from bytes already in Qt's form (a stream written by an encoder).
  bool Create(QByteArray bytes);
  // Frees the memory block. False, and nothing happens, when empty.
  bool Release();
  // Size of the memory block in bytes, 0 when empty.
  std::size_t Size() const;
  // The contents as a byte set (empty when the stream is empty).
  ByteSet Contents() const;
  // The memory block itself.
  const QByteArray& Data() const { return data_; }

 private:
  QByteArray data_;
};

}  // namespace vexo
