#include "net/url_encode.h"

#include "platform/codepage.h"

namespace vexo {
namespace {

bool IsUnreserved(unsigned char b) {
  return b == '-' || b == '.' || (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') ||
         (b >= 'a' && b <= 'z');
}

}  // namespace

Text UrlEncode(std::string_view text, bool keepUnreserved, bool utf8First) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::string utf8;
  if (utf8First) utf8 = GbkToUtf8(text);
  std::string_view bytes = utf8First ? std::string_view(utf8) : text;

  Text out;
  out.reserve(bytes.size() * 3);
  for (char c : bytes) {
    auto b = static_cast<unsigned char>(c);
    if (keepUnreserved && IsUnreserved(b)) {
      out.push_back(c);
    } else {
      out.push_back('%');
      out.push_back(kHexDigits[b >> 4]);
      out.push_back(kHexDigits[b & 0x0F]);
    }
  }
  return out;
}

std::string GbkToUtf8(std::string_view text) {
  return SystemToUtf8(text);
}

}  // namespace vexo
