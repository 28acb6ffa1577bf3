#include "publish/section_replacements.h"

#include "base/replace.h"

std::vector<std::string> splitAtCommas(std::string_view text) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t comma = text.find(','); comma != std::string_view::npos;
       comma = text.find(',', start)) {
    parts.emplace_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  if (start < text.size()) parts.emplace_back(text.substr(start));
  return parts;
}

void applyReplacements(std::string& section, const std::vector<std::string>& replacements) {
  for (const std::string& entry : replacements) {
    std::vector<std::string> parts = splitAtCommas(entry);
    // An empty search text is skipped by replaceAll itself.
    if (parts.size() == 2) replaceAll(section, parts[0], parts[1]);
  }
}
