#ifndef KINTREE_PUBLISH_TREE_LINES_H_
#define KINTREE_PUBLISH_TREE_LINES_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "model/options.h"
#include "publish/tree_prefix.h"

class ClassList;
class Descent;
class Inclusion;
class Output;
class TreeView;
struct ClassInfo;
struct PackageGroup;

/// Escapes text from the sources for one output format; nullptr writes it
/// as it is.
using Escape = std::string (*)(std::string_view text);

/// The columns of a class tree.
struct TreeColumns {
  std::string basePath;  ///< the common start of every record's file
  size_t skip = 0;       ///< bytes the file column leaves out
  int fileWidth = 14;
  int modifierWidth = 6;
};

/// The column widths over every record of `classes`, or with `shown` over
/// the records it accepts. With `cutBase` the file column leaves out the
/// directory part of the base path (and is that much narrower); without,
/// basePath stays empty.
TreeColumns measureColumns(const ClassList& classes, bool cutBase,
                           const std::function<bool(const ClassInfo&)>& shown = nullptr);

/// What ends the line of a record that a tree does not expand: " (see
/// above)" when it is `seen` (--once) and has shown links, " ..." when
/// --depth leaves out shown links below its `level`, else nothing.
std::string_view treeMark(const ClassInfo& record, bool seen, uint32_t level, Inclusion& inclusion,
                          const TreeView& view);

/// Writes `label` and the names of the record's interfaces, escaped;
/// returns how many.
size_t writeInterfaces(Output& out, const ClassInfo& record, std::string_view label, Escape escape);

/// Writes the lines of a class tree in one output format: the style's
/// glyphs and cells around them, text from the sources through `escape`.
/// The text tree and the HTML image tree differ only in these.
class TreeLines {
 public:
  TreeLines(Output& out, OutputStyle style, Escape escape, const TreeColumns& columns);

  /// Text from the sources.
  void text(std::string_view text);
  /// Text from the sources as a printf "%*.*s" field, padded and cut on the
  /// raw text, so the columns keep their raw widths and no reference is cut.
  void field(std::string_view text, int width, int precision);
  /// The file column of `record`.
  void fileField(const ClassInfo& record);
  /// writeInterfaces in this format.
  size_t interfaces(const ClassInfo& record, std::string_view label);
  /// One line per shown descendant of `root`, depth first along the
  /// view's links, each drawn with the connections to its ancestors; a
  /// record already on the current path is not entered again, so cycles
  /// end. The descent must follow `view`.
  void children(const ClassInfo& root, Inclusion& inclusion, Descent& descent,
                const TreeView& view);
  /// The line that names the package of the roots after it (--packages).
  void packageLine(const PackageGroup& group);

 private:
  void childLine(const ClassInfo& child, const ClassInfo& parent, std::string_view mark);

  Output& out_;
  OutputStyle style_;
  Escape escape_;
  const TreeColumns& columns_;
  TreePrefix prefix_;
};

#endif  // KINTREE_PUBLISH_TREE_LINES_H_
