#include "scan/patterns.h"

#include "scan/replace.h"

std::optional<std::regex> compileWildcard(std::string text) {
  replaceAll(text, "*", ".*");
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
