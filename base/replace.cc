#include "base/replace.h"

#include <regex>

std::string& replaceAll(std::string& text, std::string_view find, std::string_view replacement) {
  // An empty search text would match everywhere without ever advancing.
  if (find.empty()) return text;
  size_t at = text.find(find);
  if (at == std::string::npos) return text;
  std::string result;
  size_t copied = 0;
  while (at != std::string::npos) {
    result.append(text, copied, at - copied);
    result.append(replacement.data(), replacement.size());
    copied = at + find.size();
    at = text.find(find, copied);
  }
  result.append(text, copied, std::string::npos);
  text.swap(result);
  return text;
}

std::string& replaceRegex(std::string& text, const std::string& pattern,
                          const std::string& format) {
  text = std::regex_replace(text, std::regex(pattern, std::regex::ECMAScript), format);
  return text;
}
