#ifndef KINTREE_PUBLISH_PUBLISH_TEXT_H_
#define KINTREE_PUBLISH_PUBLISH_TEXT_H_

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "model/descent.h"
#include "model/tree_view.h"
#include "publish/publish.h"

class ClassList;
class Output;
struct Options;

/// The plain-text publisher: the indented class tree and the name table.
/// Base of the HTML and GraphViz publishers.
class PublishText : public Publish {
 public:
  PublishText(ClassList& classes, const Options& options, Output& out);

  /// The name table with +n, then the tree unless -t.
  bool publish() override;
  /// The base path line, the tree header and every tree with a shown root.
  void printTree() override;
  /// The tab-separated name table of every record, plain text for every
  /// publisher: it is meant for other tools, not for a page.
  void printNames() override;
  const char* typeName() const override { return "PublishText"; }

  /// The index-th -L title, or `fallback` when fewer were given.
  std::string titleAt(size_t index, std::string_view fallback) const;

 protected:
  /// What the trees show of the records that exist now (--focus, --depth),
  /// made afresh; the descent follows it with the limits of the options.
  const TreeView& prepareView();

  ClassList& classes_;
  const Options& options_;
  Output& out_;
  std::unique_ptr<TreeView> view_;  // of the latest prepareView()
  Descent descent_;                 // for every tree this publisher walks
};

/// The common leading part of two texts; an empty text never shortens the other.
std::string commonPrefix(std::string_view a, std::string_view b);

/// commonPrefix of the files of every record in list order, placeholders included.
std::string commonFilePrefix(const ClassList& classes);

#endif  // KINTREE_PUBLISH_PUBLISH_TEXT_H_
