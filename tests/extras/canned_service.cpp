#include "canned_service.h"

namespace vexo::test {

namespace {

void Replace(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
}

}  // namespace

CannedService::CannedService(std::string lyricsUtf8, std::string pictureUtf8)
    : lyrics_(std::move(lyricsUtf8)), picture_(std::move(pictureUtf8)) {
  auto& http = server_.Http();
  http.Get("/lrc/down", [this](const httplib::Request&, httplib::Response& res) {
    res.set_content(lyrics_, "text/javascript; charset=utf-8");
  });
  http.Get("/pic/down", [this](const httplib::Request&, httplib::Response& res) {
    std::string answer = picture_;
    Replace(answer, "{base}", server_.Url(""));
    res.set_content(answer, "text/javascript; charset=utf-8");
  });
  http.Get("/pictures/(.*)", [this](const httplib::Request& req, httplib::Response& res) {
    std::lock_guard lock(mutex_);
    auto it = files_.find(req.matches[1]);
    if (it == files_.end()) {
      res.status = 404;
      return;
    }
    res.set_content(it->second, "application/octet-stream");
  });
  server_.Start();
}

void CannedService::SetFile(const std::string& name, const ByteSet& bytes) {
  std::lock_guard lock(mutex_);
  files_[name] = std::string(bytes.begin(), bytes.end());
}

std::string CannedService::Address() const {
  return "127.0.0.1:" + std::to_string(server_.Port());
}

std::vector<std::string> CannedService::Targets(std::size_t atLeast) const {
  std::vector<std::string> targets;
  for (const auto& request : server_.Requests(atLeast))
    targets.push_back(request.target);
  return targets;
}

}  // namespace vexo::test
