#include "platform/codepage.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <utility>

namespace vexo {
namespace {

// iconv descriptors are not thread-safe, so each thread keeps its own, one per
// pair of character sets; they live as long as the thread.
class IconvCache {
 public:
  ~IconvCache() {
    for (auto& entry : handles_) {
      if (entry.second != reinterpret_cast<iconv_t>(-1)) iconv_close(entry.second);
    }
  }
  iconv_t Get(const char* from, const char* to) {
    auto key = std::make_pair(std::string(from), std::string(to));
    auto it = handles_.find(key);
    if (it == handles_.end()) it = handles_.emplace(key, iconv_open(to, from)).first;
    return it->second;
  }

 private:
  std::map<std::pair<std::string, std::string>, iconv_t> handles_;
};

thread_local IconvCache t_iconv;

}  // namespace

namespace {

// What a conversion does with a sequence it cannot convert.
enum class OnInvalid { kQuestionMark, kFail };

bool Convert(std::string_view bytes, const char* from, const char* to, std::string& out,
             OnInvalid on_invalid) {
  out.clear();
  iconv_t cd = t_iconv.Get(from, to);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // reset the shift state

  out.resize(bytes.size() * 2 + 16);
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  std::size_t written = 0;
  while (true) {
    char* outPtr = out.data() + written;
    std::size_t outLeft = out.size() - written;
    std::size_t rc = inLeft == 0 ? iconv(cd, nullptr, nullptr, &outPtr, &outLeft)
                                 : iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    written = out.size() - outLeft;
    if (rc != static_cast<std::size_t>(-1)) {
      if (inLeft == 0) break;
      continue;
    }
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
    } else if ((errno == EILSEQ || errno == EINVAL) && on_invalid == OnInvalid::kFail) {
      out.clear();
      return false;
    } else if (errno == EILSEQ || errno == EINVAL) {
      // An invalid or truncated sequence: one "?" stands for its first byte.
      if (out.size() - written < 1) out.resize(out.size() * 2);
      out[written++] = '?';
      ++in;
      --inLeft;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    } else {
      break;
    }
  }
  out.resize(written);
  return true;
}

}  // namespace

bool ConvertBytes(std::string_view bytes, const char* from, const char* to, std::string& out) {
  return Convert(bytes, from, to, out, OnInvalid::kQuestionMark);
}

bool ConvertBytesStrictly(std::string_view bytes, const char* from, const char* to,
                          std::string& out) {
  return Convert(bytes, from, to, out, OnInvalid::kFail);
}

Text Utf8ToSystem(std::string_view utf8) {
  std::string out;
  ConvertBytes(utf8, "UTF-8", kSystemCharset, out);
  return out;
}

std::string SystemToUtf8(std::string_view text) {
  std::string out;
  ConvertBytes(text, kSystemCharset, "UTF-8", out);
  return out;
}

std::size_t CharLength(const char* p, std::size_t remaining) {
  if (remaining == 0) return 0;
  auto b0 = static_cast<unsigned char>(p[0]);
  if (b0 < 0x81 || b0 == 0xFF || remaining < 2) return 1;
  auto b1 = static_cast<unsigned char>(p[1]);
  if (b1 >= 0x30 && b1 <= 0x39) return remaining >= 4 ? 4 : remaining;
  return 2;
}

bool IsCharBoundary(std::string_view text, std::size_t pos) {
  std::size_t i = 0;
  while (i < pos && i < text.size())
    i += CharLength(text.data() + i, text.size() - i);
  return i == pos;
}

}  // namespace vexo
