#include "net/regex_substitution.h"

namespace vexo {
namespace {

constexpr std::size_t kUnset = static_cast<std::size_t>(-1);

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

void AppendGroup(std::string& out, std::string_view subject,
                 const std::vector<std::size_t>& offsets, std::size_t group) {
  std::size_t start = offsets[2 * group];
  if (start == kUnset) return;  // a group that took part in no match gives nothing
  out.append(subject.substr(start, offsets[2 * group + 1] - start));
}

}  // namespace

void AppendSubstitution(std::string& out, std::string_view replacement, std::string_view subject,
                        const std::vector<std::size_t>& offsets) {
  const std::size_t groups = offsets.size() / 2 - 1;
  std::size_t i = 0;
  while (i < replacement.size()) {
    char c = replacement[i];
    if (c != '$' || i + 1 == replacement.size()) {
      out.push_back(c);
      ++i;
      continue;
    }
    char next = replacement[i + 1];
    if (next == '$') {
      out.push_back('$');
      i += 2;
    } else if (next == '&') {
      AppendGroup(out, subject, offsets, 0);
      i += 2;
    } else if (next == '`') {
      out.append(subject.substr(0, offsets[0]));
      i += 2;
    } else if (next == '\'') {
      out.append(subject.substr(offsets[1]));
      i += 2;
    } else if (IsDigit(next)) {
      // Two digits when they name a group, else one.
      std::size_t one = static_cast<std::size_t>(next - '0');
      bool hasSecond = i + 2 < replacement.size() && IsDigit(replacement[i + 2]);
      std::size_t two =
          hasSecond ? one * 10 + static_cast<std::size_t>(replacement[i + 2] - '0') : 0;
      if (hasSecond && two >= 1 && two <= groups) {
        AppendGroup(out, subject, offsets, two);
        i += 3;
      } else if (one >= 1 && one <= groups) {
        AppendGroup(out, subject, offsets, one);
        i += 2;
      } else {
        out.push_back('$');
        ++i;
      }
    } else {
      out.push_back('$');
      ++i;
    }
  }
}

}  // namespace vexo
