#include "model/shown_set.h"

#include "model/class_list.h"
#include "model/inclusion.h"

ShownSet ShownSet::ofTree(const ClassList& classes, bool includeNonPublic, bool includeInterfaces) {
  // The walk of the text tree without its lines. A record the tree prints
  // more than once (under several parents, or again below a later root) is
  // taken once: the deep test only accepts less as roots get printed, so
  // whatever a second visit would reach, the first one reached already.
  std::vector<bool> seen(classes.sequenceLimit(), false);
  for (const auto& entry : classes.records()) entry.second->flags = 0;
  Inclusion inclusion(classes, includeNonPublic, includeInterfaces);
  std::vector<const ClassInfo*> pending;
  for (const auto& entry : classes.records()) {
    ClassInfo& root = *entry.second;
    bool isRoot = root.parents.empty() || root.parents.contains(&root);
    if (!isRoot || !inclusion.isShownDeep(root)) continue;
    inclusion.markPrinted(root);
    seen[root.sequence] = true;
    pending.push_back(&root);
    while (!pending.empty()) {
      const ClassInfo* record = pending.back();
      pending.pop_back();
      for (const ClassInfo* child : record->children) {
        if (seen[child->sequence] || !inclusion.isShownDeep(*child)) continue;
        seen[child->sequence] = true;
        pending.push_back(child);
      }
    }
  }

  ShownSet shown;
  shown.index_.assign(classes.sequenceLimit(), kAbsent);
  for (const auto& entry : classes.records()) {
    const ClassInfo& record = *entry.second;
    if (!seen[record.sequence]) continue;
    shown.index_[record.sequence] = static_cast<uint32_t>(shown.records_.size());
    shown.records_.push_back(&record);
  }
  return shown;
}
