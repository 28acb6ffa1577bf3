#ifndef KINTREE_PUBLISH_DTREE_WRITER_H_
#define KINTREE_PUBLISH_DTREE_WRITER_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/descent.h"

class ClassList;
class Inclusion;
class Output;
class TreeView;
struct ClassInfo;
struct Options;

/// Writes the node statements of the dtree page (-j): the base path
/// variables p and i, then one d.add(id, parent, label, address) per shown
/// class, depth first under the page's root node 0.
class DtreeWriter {
 public:
  DtreeWriter(const ClassList& classes, const Options& options, Output& out);

  /// The variable lines and every node line; numbers nodes from nextNodeId on.
  void printTree();

  /// The number of the next node; the page's root node is 0.
  int32_t nextNodeId = 1;

 private:
  /// The node lines of the descendants of `record`, whose node is `id`.
  void writeChildNodes(int32_t id, const ClassInfo& record, Inclusion& inclusion,
                       const TreeView& view);
  /// One "d.add(...);" line; `mark` ends the label (see treeMark).
  void writeNode(int32_t id, int32_t parentId, const ClassInfo& record, std::string_view mark);

  const ClassList& classes_;
  const Options& options_;
  Output& out_;
  std::string basePath_;  // empty when too short to be worth a variable
  Descent descent_;
};

#endif  // KINTREE_PUBLISH_DTREE_WRITER_H_
