#pragma once
// A text answer of one endpoint, independent of the HTTP library, and the
// JSONP wrapping the player's callbacks need.
#include <string>
#include <string_view>

namespace vexo::service {

struct TextReply {
  int status = 200;
  std::string content_type;
  std::string body;
};

inline constexpr const char* kJsonContentType = "application/json; charset=utf-8";
inline constexpr const char* kScriptContentType = "application/javascript; charset=utf-8";
inline constexpr const char* kPlainContentType = "text/plain; charset=utf-8";

// A JSONP callback name: empty, or at most the callback length limit of
// [A-Za-z0-9_$.] characters.
bool IsValidCallback(std::string_view callback);

// `json` as "callback(json)" for a callback name, as plain JSON without one.
TextReply JsonpReply(std::string_view callback, std::string json);

// A 4xx answer with a one-line reason.
TextReply ErrorReply(int status, std::string_view reason);

}  // namespace vexo::service
