#include "publish/viz_clusters.h"

#include "model/class_info.h"
#include "model/packages.h"
#include "platform/output.h"
#include "publish/publish_viz.h"

void VizClusters::add(const ClassInfo& record) {
  if (noted_.size() <= record.sequence) noted_.resize(record.sequence + 1, false);
  if (noted_[record.sequence]) return;
  noted_[record.sequence] = true;
  records_.push_back(&record);
}

void VizClusters::write(Output& out) {
  sortByPackage(records_);
  size_t number = 0;
  bool open = false;
  PackageGroup current{PackageGroup::Undeclared, {}};
  for (const ClassInfo* record : records_) {
    noted_[record->sequence] = false;
    PackageGroup group = packageGroup(*record);
    if (group.kind == PackageGroup::Undeclared) continue;
    if (!open || group != current) {
      if (open) out << "}\n";
      out << "subgraph \"cluster_";
      out.unsignedNumber(++number);
      out << "\" {\nlabel=\"" << quoteEscaped(packageTitle(group))
          << "\";\nstyle=rounded;\ncolor=grey50;\n";
      current = group;
      open = true;
    }
    out << '"' << nodeName(*record) << "\";\n";
  }
  if (open) out << "}\n";
  records_.clear();
}
