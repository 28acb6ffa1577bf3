#ifndef KINTREE_BASE_PATTERNS_H_
#define KINTREE_BASE_PATTERNS_H_

#include <cstdint>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

/// A user wildcard as an ECMAScript pattern: every "*" becomes ".*", the rest
/// passes through ("?", ".", brackets keep their regular-expression meaning).
/// Nothing when the result is not a valid pattern, or is too large to
/// compile safely (over 2048 bytes or 200 groups, or a back-reference or
/// repetition count of more than 9 digits).
std::optional<std::regex> compileWildcard(std::string text);

/// True when `text` as a whole matches at least one of `patterns`, or of
/// its first `count` patterns.
bool matchesAny(std::string_view text, const std::vector<std::regex>& patterns,
                size_t count = SIZE_MAX);

#endif  // KINTREE_BASE_PATTERNS_H_
