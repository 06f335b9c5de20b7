#include "platform/sound/mci_command.h"

#include <charconv>

namespace vexo {
namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The words of the string, split at white space; a word in double quotes may
// hold spaces. nullopt when a quote is not closed.
std::optional<std::vector<Text>> SplitWords(const Text& command) {
  std::vector<Text> words;
  size_t i = 0;
  while (i < command.size()) {
    if (IsSpace(command[i])) {
      ++i;
      continue;
    }
    if (command[i] == '"') {
      size_t close = command.find('"', i + 1);
      if (close == Text::npos) return std::nullopt;
      words.push_back(command.substr(i + 1, close - i - 1));
      i = close + 1;
      continue;
    }
    size_t end = i;
    while (end < command.size() && !IsSpace(command[end]))
      ++end;
    words.push_back(command.substr(i, end - i));
    i = end;
  }
  return words;
}

}  // namespace

Text AsciiLower(Text text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::optional<MciCommand> ParseMciCommand(const Text& command) {
  std::optional<std::vector<Text>> words = SplitWords(command);
  if (!words || words->empty()) return std::nullopt;
  MciCommand parsed;
  parsed.verb = AsciiLower((*words)[0]);
  if (words->size() > 1) parsed.device = (*words)[1];
  for (size_t i = 2; i < words->size(); ++i)
    parsed.words.push_back(AsciiLower((*words)[i]));
  return parsed;
}

std::optional<int> ParseMciInteger(const Text& word) {
  if (word.empty()) return std::nullopt;
  int value = 0;
  const char* end = word.data() + word.size();
  auto [ptr, error] = std::from_chars(word.data(), end, value);
  if (error != std::errc() || ptr != end || value < 0) return std::nullopt;
  return value;
}

}  // namespace vexo
