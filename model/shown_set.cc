#include "model/shown_set.h"

#include "model/class_list.h"
#include "model/descent.h"
#include "model/inclusion.h"
#include "model/tree_view.h"

namespace {

constexpr uint32_t kNotEntered = UINT32_MAX;

/// Takes what the tree's descent shows, each record once. A record the tree
/// prints again (under another parent, or below a later root) is entered
/// only the first time: the deep test only accepts less as roots get
/// printed, so whatever a second visit would reach, the first one reached.
/// Under --depth a visit at a smaller level reaches further, so it enters
/// again.
struct ShownVisitor {
  Inclusion& inclusion;
  const Descent& descent;
  std::vector<bool>& shown;         // by sequence
  std::vector<uint32_t> enteredAt;  // by sequence: the level it was entered at

  bool enter(const ClassInfo& child, const ClassInfo&, Reach reach, size_t) {
    if (reach == Reach::Cycle || !inclusion.isShownDeep(child)) return false;
    shown[child.sequence] = true;
    // Only an open child is entered; any other reach is shown, not entered.
    uint32_t level = descent.level();
    if (reach != Reach::Open || enteredAt[child.sequence] <= level) return false;
    enteredAt[child.sequence] = level;
    return true;
  }
  void leave(const ClassInfo&, const ClassInfo*, size_t) {}
};

}  // namespace

ShownSet ShownSet::ofTree(const ClassList& classes, bool includeNonPublic, bool includeInterfaces,
                          const TreeView* view) {
  std::vector<bool> shown(classes.sequenceLimit(), false);
  for (const auto& entry : classes.records()) entry.second->flags = 0;
  TreeView whole;
  if (!view) view = &whole;
  Inclusion inclusion(classes, includeNonPublic, includeInterfaces,
                      view->focusing() ? view : nullptr);
  Descent descent(classes);
  descent.follow(view, true, false);
  ShownVisitor visitor{inclusion, descent, shown,
                       std::vector<uint32_t>(classes.sequenceLimit(), kNotEntered)};
  for (ClassInfo* root : view->roots(classes, true, false)) {
    if (!inclusion.isShownDeep(*root)) continue;
    inclusion.markPrinted(*root);
    shown[root->sequence] = true;
    if (visitor.enteredAt[root->sequence] == 0) continue;
    visitor.enteredAt[root->sequence] = 0;
    descent.run(*root, visitor);
  }

  ShownSet set;
  set.index_.assign(classes.sequenceLimit(), kAbsent);
  if (view->depth() >= 0) set.cut_.assign(classes.sequenceLimit(), false);
  for (const auto& entry : classes.records()) {
    const ClassInfo& record = *entry.second;
    if (!shown[record.sequence]) continue;
    set.index_[record.sequence] = static_cast<uint32_t>(set.records_.size());
    set.records_.push_back(&record);
    if (set.cut_.empty()) continue;
    for (const ClassInfo* child : view->children(record)) {
      if (child != &record && !shown[child->sequence] && inclusion.isShownDeep(*child)) {
        set.cut_[record.sequence] = true;
        break;
      }
    }
  }
  return set;
}
