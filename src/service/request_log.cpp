#include "service/request_log.h"

namespace vexo::service {

namespace {

constexpr std::size_t kMaxLoggedTarget = 300;

void AppendPrintable(std::string& out, std::string_view text, std::size_t limit) {
  for (std::size_t i = 0; i < text.size() && i < limit; ++i) {
    const char c = text[i];
    out.push_back(c >= 0x20 && c < 0x7F ? c : '?');
  }
  if (text.size() > limit) out += "...";
}

}  // namespace

std::string RequestLogLine(std::string_view client, std::string_view method,
                           std::string_view target, int status, std::string_view length) {
  std::string line;
  AppendPrintable(line, client.empty() ? std::string_view("-") : client, kMaxLoggedTarget);
  line += " \"";
  AppendPrintable(line, method, kMaxLoggedTarget);
  line.push_back(' ');
  AppendPrintable(line, target, kMaxLoggedTarget);
  line += "\" ";
  line += std::to_string(status);
  line.push_back(' ');
  AppendPrintable(line, length.empty() ? std::string_view("-") : length, kMaxLoggedTarget);
  return line;
}

}  // namespace vexo::service
