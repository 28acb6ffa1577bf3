#ifndef KINTREE_PUBLISH_DTREE_WRITER_H_
#define KINTREE_PUBLISH_DTREE_WRITER_H_

#include <cstdint>
#include <string>
#include <vector>

class ClassList;
class Inclusion;
class Output;
class ScanContext;
struct ClassInfo;

/// Writes the node statements of the dtree page (-j): the base path
/// variables p and i, then one d.add(id, parent, label, address) per shown
/// class, depth first under the page's root node 0.
class DtreeWriter {
 public:
  DtreeWriter(const ClassList& classes, ScanContext& context, Output& out);

  /// The variable lines and every node line; numbers nodes from the
  /// context's nextNodeId on.
  void printTree();

 private:
  /// The node lines of the descendants of `record`, whose node is `id`.
  void writeChildNodes(int32_t id, const ClassInfo& record, Inclusion& inclusion);
  /// One "d.add(...);" line.
  void writeNode(int32_t id, int32_t parentId, const ClassInfo& record);

  const ClassList& classes_;
  ScanContext& context_;
  Output& out_;
  std::string basePath_;      // empty when too short to be worth a variable
  std::vector<bool> onPath_;  // by sequence, during writeChildNodes
};

#endif  // KINTREE_PUBLISH_DTREE_WRITER_H_
