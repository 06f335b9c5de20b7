#define PCRE2_CODE_UNIT_WIDTH 8
#include "net/regex_matcher.h"

#include <pcre2.h>

#include <string>
#include <vector>

#include "net/regex_substitution.h"
#include "net/text_between.h"
#include "net/text_search.h"
#include "net/utf16_units.h"
#include "platform/codepage.h"
#include "platform/system_text.h"

namespace vexo {

// The pattern of a search, compiled once (null when it did not compile).
struct RegexMatcher::Compiled {
  Text pattern;
  pcre2_code* code = nullptr;
  ~Compiled() {
    if (code != nullptr) pcre2_code_free(code);
  }
};

// The matches of a search over the UTF-8 form of its subject: for each match
// the start and end offsets of the whole match and of every group.
struct RegexMatcher::Matches {
  std::string subject;
  int groups = 0;
  std::vector<std::size_t> offsets;  // (groups + 1) pairs per match; PCRE2_UNSET if unset
  bool global = true;

  int Count() const { return static_cast<int>(offsets.size() / PairsPerMatch() / 2); }
  std::size_t PairsPerMatch() const { return static_cast<std::size_t>(groups) + 1; }
  // Start and end of group `g` (0: the whole match) of match `n` (from 0).
  std::size_t Start(int n, int g) const { return offsets[Index(n, g)]; }
  std::size_t End(int n, int g) const { return offsets[Index(n, g) + 1]; }
  std::size_t Index(int n, int g) const {
    return (static_cast<std::size_t>(n) * PairsPerMatch() + static_cast<std::size_t>(g)) * 2;
  }
};

namespace {

// Room for the matcher's backtracking on long answers.
constexpr std::size_t kJitStackStart = 32 * 1024;
constexpr std::size_t kJitStackMax = 4 * 1024 * 1024;

struct MatchResources {
  pcre2_match_data* data = nullptr;
  pcre2_match_context* context = nullptr;
  pcre2_jit_stack* stack = nullptr;
  explicit MatchResources(const pcre2_code* code) {
    data = pcre2_match_data_create_from_pattern(code, nullptr);
    context = pcre2_match_context_create(nullptr);
    stack = pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr);
    if (context != nullptr && stack != nullptr) pcre2_jit_stack_assign(context, nullptr, stack);
  }
  ~MatchResources() {
    pcre2_jit_stack_free(stack);
    pcre2_match_context_free(context);
    pcre2_match_data_free(data);
  }
  MatchResources(const MatchResources&) = delete;
  MatchResources& operator=(const MatchResources&) = delete;
};

pcre2_code* CompilePattern(const std::string& utf8, bool caseSensitive, bool multiLine) {
  // ECMAScript behaviour: \u escapes, unset back-references match the empty
  // string, [] matches nothing; "." and the line anchors know only LF.
  std::uint32_t options = PCRE2_UTF | PCRE2_ALT_BSUX | PCRE2_MATCH_UNSET_BACKREF |
                          PCRE2_ALLOW_EMPTY_CLASS | PCRE2_NEVER_BACKSLASH_C;
  if (!caseSensitive) options |= PCRE2_CASELESS;
  options |= multiLine ? PCRE2_MULTILINE : PCRE2_DOLLAR_ENDONLY;
  pcre2_compile_context* context = pcre2_compile_context_create(nullptr);
  if (context == nullptr) return nullptr;
  pcre2_set_newline(context, PCRE2_NEWLINE_LF);
  int error = 0;
  PCRE2_SIZE errorOffset = 0;
  pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(utf8.data()), utf8.size(), options,
                                   &error, &errorOffset, context);
  pcre2_compile_context_free(context);
  if (code != nullptr) pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);  // falls back if unavailable
  return code;
}

// Length of the UTF-8 character at `pos`.
std::size_t Utf8CharLength(const std::string& s, std::size_t pos) {
  std::size_t len = 1;
  while (pos + len < s.size() && (static_cast<unsigned char>(s[pos + len]) & 0xC0) == 0x80)
    ++len;
  return len;
}

// Collects every match (only the first unless global), moving on by one
// character after an empty match as ECMAScript does. False on a matcher error.
bool CollectMatches(const pcre2_code* code, RegexMatcher::Matches& m) {
  MatchResources res(code);
  if (res.data == nullptr) return false;
  auto subject = reinterpret_cast<PCRE2_SPTR>(m.subject.data());
  std::size_t pos = 0;
  std::uint32_t flags = 0;  // the subject is checked for valid UTF-8 once, then trusted
  while (pos <= m.subject.size()) {
    int rc = pcre2_match(code, subject, m.subject.size(), pos, flags, res.data, res.context);
    if (rc == PCRE2_ERROR_NOMATCH) break;
    if (rc < 0) return false;
    flags = PCRE2_NO_UTF_CHECK;
    const PCRE2_SIZE* ov = pcre2_get_ovector_pointer(res.data);
    std::uint32_t pairs = pcre2_get_ovector_count(res.data);
    for (std::size_t g = 0; g < m.PairsPerMatch(); ++g) {
      bool set = g < pairs && ov[2 * g] != PCRE2_UNSET && g < static_cast<std::size_t>(rc);
      m.offsets.push_back(set ? ov[2 * g] : PCRE2_UNSET);
      m.offsets.push_back(set ? ov[2 * g + 1] : PCRE2_UNSET);
    }
    if (!m.global) break;
    std::size_t end = ov[1];
    if (end <= ov[0]) {
      if (ov[0] >= m.subject.size()) break;
      end = ov[0] + Utf8CharLength(m.subject, ov[0]);
    }
    pos = end;
  }
  return true;
}

}  // namespace

RegexMatcher::RegexMatcher() = default;
RegexMatcher::~RegexMatcher() = default;
RegexMatcher::RegexMatcher(const RegexMatcher& other) = default;
RegexMatcher& RegexMatcher::operator=(const RegexMatcher& other) = default;

bool RegexMatcher::Search(std::string_view pattern, std::string_view subject, bool caseSensitive,
                          bool multiLine, bool global, bool quotePlaceholder) {
  compiled_.reset();
  matches_.reset();
  auto compiled = std::make_shared<Compiled>();
  compiled->pattern =
      quotePlaceholder ? ReplaceText(pattern, Sys(kQuotePlaceholderUtf8), "\"") : Text(pattern);
  compiled->code = CompilePattern(SystemToUtf8(compiled->pattern), caseSensitive, multiLine);
  compiled_ = compiled;
  subject_ = Text(subject);
  if (compiled->code == nullptr) return false;

  auto matches = std::make_shared<Matches>();
  matches->subject = SystemToUtf8(subject_);
  matches->global = global;
  std::uint32_t captures = 0;
  pcre2_pattern_info(compiled->code, PCRE2_INFO_CAPTURECOUNT, &captures);
  matches->groups = static_cast<int>(captures);
  if (!CollectMatches(compiled->code, *matches)) return false;
  matches_ = matches;
  return true;
}

Text RegexMatcher::GetPattern() const {
  return compiled_ ? compiled_->pattern : Text();
}

Text RegexMatcher::ReplaceAll(std::string_view replacement) const {
  if (!matches_) return {};
  const Matches& m = *matches_;
  std::string replacementUtf8 = SystemToUtf8(replacement);
  std::string out;
  std::size_t done = 0;
  for (int n = 0; n < m.Count(); ++n) {
    out.append(m.subject, done, m.Start(n, 0) - done);
    std::vector<std::size_t> groupOffsets(m.offsets.begin() + static_cast<long>(m.Index(n, 0)),
                                          m.offsets.begin() + static_cast<long>(m.Index(n + 1, 0)));
    AppendSubstitution(out, replacementUtf8, m.subject, groupOffsets);
    done = m.End(n, 0);
  }
  out.append(m.subject, done);
  return Utf8ToSystem(out);
}

int RegexMatcher::MatchCount() const {
  return matches_ ? matches_->Count() : 0;
}

Text RegexMatcher::MatchText(int n, long* position) const {
  return GroupText(n, 0, position);
}

Text RegexMatcher::SubMatchText(int n, int m, long* position) const {
  if (m < 1) {
    if (position != nullptr) *position = kNoPosition;
    return {};
  }
  return GroupText(n, m, position);
}

Text RegexMatcher::GroupText(int n, int g, long* position) const {
  if (position != nullptr) *position = kNoPosition;
  if (!matches_ || n < 1 || n > matches_->Count() || g > matches_->groups) return {};
  std::string_view subject = matches_->subject;
  std::size_t start = matches_->Start(n - 1, g);
  if (start == PCRE2_UNSET) return {};
  std::size_t end = matches_->End(n - 1, g);
  if (position != nullptr) {
    *position = static_cast<long>(Utf8ToSystem(subject.substr(0, start)).size());
  }
  return Utf8ToSystem(subject.substr(start, end - start));
}

int RegexMatcher::SubMatchCount() const {
  return matches_ && matches_->Count() > 0 ? matches_->groups : 0;
}

long RegexMatcher::FirstIndex(int n) const {
  if (!matches_ || n < 1 || n > matches_->Count()) return -1;
  std::size_t start = matches_->Start(n - 1, 0);
  return static_cast<long>(Utf16Length(std::string_view(matches_->subject).substr(0, start)));
}

}  // namespace vexo
