#include "scan/patterns.h"

#include "scan/replace.h"

namespace {
// The regex compiler recurses once per term and once more per group, so a
// huge pattern would exhaust the stack instead of failing; patterns past
// these sizes are refused like invalid ones.
constexpr size_t kMaxPatternBytes = 2048;
constexpr size_t kMaxGroups = 200;
}  // namespace

std::optional<std::regex> compileWildcard(std::string text) {
  replaceAll(text, "*", ".*");
  size_t groups = 0;
  for (char c : text) groups += c == '(';
  if (text.size() > kMaxPatternBytes || groups > kMaxGroups) return std::nullopt;
  try {
    return std::regex(text, std::regex::ECMAScript);
  } catch (const std::regex_error&) {
    return std::nullopt;
  }
}

bool matchesAny(std::string_view text, const std::vector<std::regex>& patterns) {
  for (const std::regex& pattern : patterns) {
    if (std::regex_match(text.begin(), text.end(), pattern)) return true;
  }
  return false;
}
