#include "base/patterns.h"

#include <algorithm>

#include "base/char_class.h"
#include "base/replace.h"

namespace {
// The regex compiler recurses once per term and once more per group, so a
// huge pattern would exhaust the stack instead of failing; patterns past
// these sizes are refused like invalid ones.
constexpr size_t kMaxPatternBytes = 2048;
constexpr size_t kMaxGroups = 200;

// The compiler adds up the digits of a back-reference ("\12") or of a
// repetition count ("{3,12}") in a long without checking for overflow; nine
// digits are as many as it can take, in a 32-bit long too.
constexpr size_t kMaxNumberDigits = 9;

/// True when a back-reference or a repetition count has more digits than
/// the compiler can add up safely.
bool holdsHugeNumber(const std::string& text) {
  bool inBraces = false;
  bool counted = false;  // the digits being read form such a number
  size_t digits = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (isAsciiDigit(c)) {
      if (counted && ++digits > kMaxNumberDigits) return true;
      continue;
    }
    digits = 0;
    if (c == '{' || c == '}') inBraces = c == '{';
    counted = inBraces;
    if (c == '\\' && i + 1 < text.size()) {
      if (isAsciiDigit(text[i + 1])) {
        counted = true;  // a back-reference
      } else {
        ++i;  // an escaped character, "\{" among them, is no syntax
      }
    }
  }
  return false;
}
}  // namespace

std::optional<std::regex> compileWildcard(std::string text) {
  replaceAll(text, "*", ".*");
  size_t groups = 0;
  for (char c : text) groups += c == '(';
  if (text.size() > kMaxPatternBytes || groups > kMaxGroups || holdsHugeNumber(text)) {
    return std::nullopt;
  }
  try {
    return std::regex(text, std::regex::ECMAScript);
  } catch (const std::regex_error&) {
    return std::nullopt;
  }
}

bool matchesAny(std::string_view text, const std::vector<std::regex>& patterns, size_t count) {
  count = std::min(count, patterns.size());
  for (size_t i = 0; i < count; ++i) {
    if (std::regex_match(text.begin(), text.end(), patterns[i])) return true;
  }
  return false;
}
