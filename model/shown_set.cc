#include "model/shown_set.h"

#include "model/class_list.h"
#include "model/descent.h"
#include "model/inclusion.h"

namespace {

/// Takes what the tree's descent shows, each record once. A record the tree
/// prints again (under another parent, or below a later root) is entered
/// only the first time: the deep test only accepts less as roots get
/// printed, so whatever a second visit would reach, the first one reached.
struct ShownVisitor {
  Inclusion& inclusion;
  std::vector<bool>& shown;  // by sequence
  std::vector<bool> entered;

  bool enter(const ClassInfo& child, const ClassInfo&, Reach reach, size_t) {
    if (reach == Reach::Cycle || !inclusion.isShownDeep(child)) return false;
    shown[child.sequence] = true;
    // Only an open child is entered; any other reach is shown, not entered.
    if (reach != Reach::Open || entered[child.sequence]) return false;
    entered[child.sequence] = true;
    return true;
  }
  void leave(const ClassInfo&, const ClassInfo*, size_t) {}
};

}  // namespace

ShownSet ShownSet::ofTree(const ClassList& classes, bool includeNonPublic, bool includeInterfaces) {
  std::vector<bool> shown(classes.sequenceLimit(), false);
  for (const auto& entry : classes.records()) entry.second->flags = 0;
  Inclusion inclusion(classes, includeNonPublic, includeInterfaces);
  ShownVisitor visitor{inclusion, shown, std::vector<bool>(classes.sequenceLimit(), false)};
  Descent descent(classes);
  for (const auto& entry : classes.records()) {
    ClassInfo& root = *entry.second;
    bool isRoot = root.parents.empty() || root.parents.contains(&root);
    if (!isRoot || !inclusion.isShownDeep(root)) continue;
    inclusion.markPrinted(root);
    shown[root.sequence] = true;
    if (visitor.entered[root.sequence]) continue;
    visitor.entered[root.sequence] = true;
    descent.run(root, visitor);
  }

  ShownSet set;
  set.index_.assign(classes.sequenceLimit(), kAbsent);
  for (const auto& entry : classes.records()) {
    const ClassInfo& record = *entry.second;
    if (!shown[record.sequence]) continue;
    set.index_[record.sequence] = static_cast<uint32_t>(set.records_.size());
    set.records_.push_back(&record);
  }
  return set;
}
