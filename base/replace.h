#ifndef KINTREE_BASE_REPLACE_H_
#define KINTREE_BASE_REPLACE_H_

#include <string>
#include <string_view>

/// Replaces every occurrence of `find` in `text`, left to right, never
/// searching inside inserted text. An empty `find` changes nothing.
std::string& replaceAll(std::string& text, std::string_view find, std::string_view replacement);

/// Replaces every match of the ECMAScript `pattern` in `text` by `format`
/// ($1, $&, $$ as in ECMAScript) and stores the result back in `text`.
std::string& replaceRegex(std::string& text, const std::string& pattern, const std::string& format);

#endif  // KINTREE_BASE_REPLACE_H_
