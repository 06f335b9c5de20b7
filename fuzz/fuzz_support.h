#pragma once
// What every fuzz target shares: the input cut into texts, and checks whose
// failure the fuzzer reports as a crash with the input that caused it.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/codepage.h"

namespace vexo::fuzz {

// The input as raw bytes.
inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The input cut at NUL bytes into `count` texts (a text of the player never
// holds a NUL, so the separator cannot stand inside one). Missing texts are
// empty; whatever follows the last text's NUL is ignored.
inline std::vector<std::string_view> Texts(const std::uint8_t* data, std::size_t size,
                                           std::size_t count) {
  std::string_view rest = Bytes(data, size);
  std::vector<std::string_view> texts;
  texts.reserve(count);
  while (texts.size() < count) {
    const std::size_t nul = rest.find('\0');
    texts.push_back(rest.substr(0, nul));
    rest = nul == std::string_view::npos ? std::string_view{} : rest.substr(nul + 1);
  }
  return texts;
}

// One byte of a text as a small number (0 when the text is empty), for
// choices such as flags and start positions.
inline unsigned Choice(std::string_view text) {
  return text.empty() ? 0u : static_cast<unsigned char>(text.front());
}

// True when every byte of `text` is part of a character of the system code
// page (a text the service could have sent); broken bytes would come back as
// "?" from the round trip through UTF-8.
inline bool IsWholeText(std::string_view text) {
  return Utf8ToSystem(SystemToUtf8(text)) == text;
}

// True when `text` is ASCII alone.
inline bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A folder of this process's own under the temporary folder, removed with
// all it holds when the run ends.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name)
      : path_(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

[[noreturn]] inline void Fail(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
  std::abort();
}

}  // namespace vexo::fuzz

// A property of the parser's result that must hold for every input.
#define FUZZ_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : ::vexo::fuzz::Fail(#condition, __FILE__, __LINE__))
