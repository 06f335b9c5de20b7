#include "service/text_reply.h"

#include "service/service_constants.h"

namespace vexo::service {

bool IsValidCallback(std::string_view callback) {
  if (callback.size() > kMaxCallbackLength) return false;
  for (const char c : callback) {
    const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                    c == '_' || c == '$' || c == '.';
    if (!ok) return false;
  }
  return true;
}

TextReply JsonpReply(std::string_view callback, std::string json) {
  if (callback.empty()) return {200, kJsonContentType, std::move(json)};
  std::string body;
  body.reserve(callback.size() + json.size() + 2);
  body.append(callback);
  body.push_back('(');
  body += json;
  body.push_back(')');
  return {200, kScriptContentType, std::move(body)};
}

TextReply ErrorReply(int status, std::string_view reason) {
  std::string body = std::to_string(status);
  body.push_back(' ');
  body.append(reason);
  body.push_back('\n');
  return {status, kPlainContentType, std::move(body)};
}

}  // namespace vexo::service
