#ifndef KINTREE_PUBLISH_PUBLISH_VIZ_H_
#define KINTREE_PUBLISH_PUBLISH_VIZ_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "model/descent.h"
#include "platform/output.h"
#include "publish/publish_text.h"
#include "publish/viz_clusters.h"

/// The GraphViz publisher: one DOT digraph of every tree on standard output,
/// or with -O the trees split into .gv files by tree (-Z) or node budget (-N).
class PublishViz : public PublishText {
 public:
  PublishViz(ClassList& classes, const Options& options, Output& out);

  /// The name table with +n, then the graphs unless -t; false when a graph
  /// file could not be written whole.
  bool publish() override;
  const char* typeName() const override { return "PublishViz"; }

  /// Walks the roots in list order and writes their graphs where -O, -Z
  /// and -N place them; every graph written is closed with "}".
  void printTree() override;

  /// Writes the graph header to the current output and clears headerPending.
  void writeGraphHeader();
  /// Writes the interface box and edge of each interface of `record`;
  /// returns how many interfaces it has.
  size_t writeInterfaceEdges(const ClassInfo& record);
  /// Writes `record` and, depth first, all its descendants; returns the
  /// number of nodes written. A child already on the current descent path
  /// gets its edge but is not entered again.
  uint64_t writeGraphNode(const ClassInfo& record);
  /// The node estimate of -N: interfaces of every visited record plus one
  /// per descendant and path. Ends on cycles like writeGraphNode.
  uint64_t treeSize(const ClassInfo& record);

  bool headerPending = true;  ///< a header is due before the next class lines
  Output outFile;             ///< the open .gv file of split output
  std::string graphName;      ///< follows "digraph "
  std::string graphLabel;     ///< starts the graph label

 private:
  /// Where class lines go now: standard output or outFile.
  Output& current() { return *current_; }
  /// Begins the file for `root`; false when it cannot be opened.
  bool beginFile(const ClassInfo& root);
  /// Writes "}" to the open file and closes it; a failed write is reported
  /// and fails publish().
  void endFile();
  /// Sizes the per-record tables for the records that exist now.
  void prepareTables();
  /// Writes the clusters of --packages and the closing brace of a graph.
  void closeGraph(Output& out);
  /// True the first time it is asked for `record` in the current graph.
  bool firstMention(const ClassInfo& record, std::vector<uint32_t>& stamps);

  Output* current_;
  bool writeFailed_ = false;        // a graph file lost data
  std::string fileName_;            // of outFile while it is open
  std::vector<uint64_t> sizeMemo_;  // treeSize of records with acyclic descent
  std::vector<bool> sizeKnown_;
  /// fileKey of every file name begun in this run.
  std::unordered_set<std::string> begunFiles_;
  Descent sizeDescent_;   // treeSize's own, apart from what the graph expanded
  VizClusters clusters_;  // the boxes of the current graph, for --packages
  // With --once each box gets its lines once per graph: stamps by sequence,
  // equal to graphStamp_ once written in the current graph.
  uint32_t graphStamp_ = 0;
  std::vector<uint32_t> styled_;
  std::vector<uint32_t> boxed_;
  std::vector<uint32_t> dashed_;
};

/// The graph name made from a title: the directory part of a path, "*", "?"
/// and "-" runs and separators turned into "_".
std::string cleanGraphName(std::string text);

/// A copy of `name` with every "." written as the DOT line break "\n", so
/// each part of a dotted name stands on its own line of one box.
std::string dotName(std::string_view name);

/// A record's node: its qualified name in the Java-aware reading, where
/// nesting names repeat across packages; else its dotName.
std::string nodeName(const ClassInfo& record);

/// `text` with every double quote and backslash escaped for a DOT string.
std::string quoteEscaped(std::string_view text);

#endif  // KINTREE_PUBLISH_PUBLISH_VIZ_H_
