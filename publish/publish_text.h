#ifndef KINTREE_PUBLISH_PUBLISH_TEXT_H_
#define KINTREE_PUBLISH_PUBLISH_TEXT_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "publish/publish.h"

class ClassList;
class Inclusion;
class Output;
class TreePrefix;
struct ClassInfo;
struct Options;

/// The plain-text publisher: the indented class tree and the name table.
/// Base of the HTML and GraphViz publishers, which reuse its helpers.
class PublishText : public Publish {
 public:
  PublishText(ClassList& classes, const Options& options, Output& out);

  /// The name table with +n, then the tree unless -t.
  bool publish() override;
  /// The base path line, the tree header and every tree with a shown root.
  void printTree() override;
  /// The tab-separated name table of every record.
  void printNames() override;

  /// Prints the shown children of `parent`, each followed by its own
  /// descendants; a record already on the current descent path is not
  /// entered again, so cycles end.
  void printChildren(TreePrefix& prefix, int fileWidth, size_t skip, int modifierWidth,
                     const ClassInfo& parent, Inclusion& inclusion);
  /// Writes `label` and the record's interface names; returns how many.
  size_t printInterfaces(const ClassInfo& record, std::string_view label);
  /// The index-th -L title, or `fallback` when fewer were given.
  std::string titleAt(size_t index, std::string_view fallback) const;

 protected:
  /// Writes text that comes from the sources or the file system; the HTML
  /// publisher escapes it.
  virtual void writeSource(std::string_view text);
  /// writeSource as a printf "%*.*s" field, padded and cut on the raw text.
  virtual void writeSourceField(std::string_view text, int width, int precision);
  /// Writes every entry of the prefix.
  void printPrefix(const TreePrefix& prefix);
  /// Writes one child line of printChildren.
  void printChildLine(const TreePrefix& prefix, int fileWidth, size_t skip, int modifierWidth,
                      const ClassInfo& child, const ClassInfo& parent);

  ClassList& classes_;
  const Options& options_;
  Output& out_;

 private:
  std::vector<bool> onPath_;  // by sequence, during printChildren
};

/// The common leading part of two texts; an empty text never shortens the other.
std::string commonPrefix(std::string_view a, std::string_view b);

/// commonPrefix of the files of every record in list order, placeholders included.
std::string commonFilePrefix(const ClassList& classes);

#endif  // KINTREE_PUBLISH_PUBLISH_TEXT_H_
