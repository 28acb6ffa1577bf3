#ifndef KINTREE_PUBLISH_VIZ_CLUSTERS_H_
#define KINTREE_PUBLISH_VIZ_CLUSTERS_H_

#include <vector>

class Output;
struct ClassInfo;

/// The packages of the class boxes one graph holds, written before its
/// closing brace as GraphViz clusters, so that --packages draws a labelled
/// box around the classes of each package.
class VizClusters {
 public:
  /// Notes that `record` has a class box in the current graph.
  void add(const ClassInfo& record);
  /// Writes one cluster per package of the noted records, in package
  /// order, each listing its boxes in the order they were noted; records
  /// that no source declares stay outside. Forgets every note.
  void write(Output& out);

 private:
  std::vector<const ClassInfo*> records_;
  std::vector<bool> noted_;  // by sequence
};

#endif  // KINTREE_PUBLISH_VIZ_CLUSTERS_H_
