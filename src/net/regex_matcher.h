#pragma once
// The regular-expression object: one pattern, the matches of its last search
// and a copy of the subject, answering questions about the matches by 1-based
// indices. Patterns follow the ECMAScript dialect (lazy quantifiers, numbered
// groups, "." stops at a line feed); texts are in the system code page.
#include <cstddef>
#include <memory>
#include <string_view>

#include "platform/text.h"

namespace vexo {

// The position output when a match or group has no text in the subject.
inline constexpr long kNoPosition = -2;

class RegexMatcher {
 public:
  RegexMatcher();
  ~RegexMatcher();
  // A copy shares the compiled pattern and the matches and keeps its own copy
  // of the subject.
  RegexMatcher(const RegexMatcher& other);
  RegexMatcher& operator=(const RegexMatcher& other);

  // Searches `subject` for `pattern`, replacing the previous search. True when
  // the pattern compiled (also when nothing matched). With `quotePlaceholder`
  // every "#引号" in the pattern stands for a double quote.
  bool Search(std::string_view pattern, std::string_view subject, bool caseSensitive = false,
              bool multiLine = true, bool global = true, bool quotePlaceholder = false);

  // The pattern of the last search; empty before the first.
  Text GetPattern() const;

  // The subject with every match (only the first when the search was not
  // global) replaced; $1..$99, $&, $`, $' and $$ in the replacement work as in
  // ECMAScript. Empty when the last search failed or none was made.
  Text ReplaceAll(std::string_view replacement = {}) const;

  int MatchCount() const;

  // Match n (from 1); empty when there is no such match. When `position` is
  // given it receives the 0-based byte offset of the text in the subject, -2
  // when there is none.
  Text MatchText(int n, long* position = nullptr) const;

  // Group m (from 1) of match n (from 1); empty for a group that took part in
  // no match or indices outside the matches.
  Text SubMatchText(int n, int m, long* position = nullptr) const;

  // Number of groups of the first match; 0 without a match.
  int SubMatchCount() const;

  // The 0-based start of match n counted in UTF-16 code units of the subject;
  // -1 when there is no such match.
  long FirstIndex(int n) const;

  struct Compiled;
  struct Matches;

 private:
  // Group g of match n (group 0: the whole match).
  Text GroupText(int n, int g, long* position) const;

  std::shared_ptr<const Compiled> compiled_;
  std::shared_ptr<const Matches> matches_;
  Text subject_;
};

}  // namespace vexo
