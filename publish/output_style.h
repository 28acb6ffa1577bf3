#ifndef KINTREE_PUBLISH_OUTPUT_STYLE_H_
#define KINTREE_PUBLISH_OUTPUT_STYLE_H_

#include <string_view>

#include "model/options.h"

/// One literal text per style 0 to 4. GraphViz has no row of its own; a
/// publisher that draws tree lines while the style is GraphViz (a text or
/// HTML publisher after -z) gets empty texts rather than reading past it.
struct StyleRow {
  std::string_view text[5];
  std::string_view operator[](OutputStyle style) const {
    return style >= Graphics && style < GraphViz ? text[style] : std::string_view();
  }
};

extern const StyleRow TreeHeader;      ///< written once before the first tree line
extern const StyleRow LineStart;       ///< opens every tree line
extern const StyleRow FieldSeparator;  ///< follows the file column
extern const StyleRow LineEnd;         ///< closes every tree line
extern const StyleRow BranchTee;       ///< a child that is not the last one
extern const StyleRow BranchCorner;    ///< the last child
extern const StyleRow StemBar;         ///< an ancestor with further children below
extern const StyleRow StemBlank;       ///< an ancestor that was the last child

#endif  // KINTREE_PUBLISH_OUTPUT_STYLE_H_
