#ifndef KINTREE_PUBLISH_SECTION_REPLACEMENTS_H_
#define KINTREE_PUBLISH_SECTION_REPLACEMENTS_H_

#include <string>
#include <string_view>
#include <vector>

/// The parts of `text` between commas: every part that ends at a comma,
/// empty ones included, and the part after the last comma unless empty.
std::vector<std::string> splitAtCommas(std::string_view text);

/// Applies every "find,replacement" entry of -0, in order, to `section`;
/// entries that do not split into exactly two parts are ignored.
void applyReplacements(std::string& section, const std::vector<std::string>& replacements);

#endif  // KINTREE_PUBLISH_SECTION_REPLACEMENTS_H_
