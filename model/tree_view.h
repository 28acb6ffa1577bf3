#ifndef KINTREE_MODEL_TREE_VIEW_H_
#define KINTREE_MODEL_TREE_VIEW_H_

#include <cstdint>
#include <string>
#include <vector>

#include "model/class_info.h"

class ClassList;
struct Options;

/// Sets `focused` on every record whose name, or qualified name when it has
/// one, matches a --focus pattern as a whole (as -i matches); returns the
/// --focus names that matched no record, in command-line order.
std::vector<std::string> markFocus(ClassList& classes, const Options& options);

/// What the trees of a run show under --focus and --depth, worked out in
/// one pass over the records before a publisher descends.
///
/// With --focus the selection is every record on a path from a root to a
/// focused record, the focused records and everything below them, where
/// the records implementing an interface (or one of its sub-interfaces)
/// count as its descendants: a tree follows children() instead of the
/// children sets, and draws those implementers beneath the interface.
/// With --depth a record is drawn at most `depth` levels below the nearest
/// root or focused record above it; records leading to a focused record are
/// at level 0 and never cut. Without either switch it selects everything
/// and follows the children sets.
class TreeView {
 public:
  TreeView(const ClassList& classes, const Options& options);
  /// Whole trees: every record, along the children sets.
  TreeView() = default;

  bool focusing() const { return !links_.empty(); }
  /// The --depth limit, or below 0 for whole trees.
  int32_t depth() const { return depth_; }

  /// The records a tree follows from `record`, in identity order.
  const ClassSet& children(const ClassInfo& record) const {
    return links_.empty() ? record.children : links_[record.sequence];
  }
  /// In the focus selection (every record without --focus).
  bool selected(const ClassInfo& record) const {
    return state_.empty() || state_[record.sequence] != 0;
  }
  /// On a path from a root to a focused record, or focused itself.
  bool leadsToFocus(const ClassInfo& record) const {
    return !state_.empty() && (state_[record.sequence] & kUpward) != 0;
  }
  static bool isFocused(const ClassInfo& record) { return record.focused; }
  /// With --focus: a selected record that no other selected record links
  /// to, where a tree starts (each output has its own rule without).
  bool isFocusRoot(const ClassInfo& record) const {
    return !state_.empty() && state_[record.sequence] != 0 &&
           (state_[record.sequence] & kLinked) == 0;
  }

  /// The level of `child` drawn below a record at `parentLevel`: 0 for a
  /// record leading to a focused one, else one more.
  uint32_t levelBelow(const ClassInfo& child, uint32_t parentLevel) const {
    return leadsToFocus(child) ? 0 : parentLevel + 1;
  }
  /// True when --depth leaves out a child drawn at `level`.
  bool beyondDepth(uint32_t level) const {
    return depth_ >= 0 && level > static_cast<uint32_t>(depth_);
  }
  /// True when --depth keeps one or more of the links of `record` drawn at
  /// `level`.
  bool keepsAny(const ClassInfo& record, uint32_t level) const {
    for (const ClassInfo* child : children(record)) {
      if (!beyondDepth(levelBelow(*child, level))) return true;
    }
    return false;
  }
  /// True when --depth leaves out one or more of the links of `record`
  /// drawn at `level` that `keep` accepts.
  template <class Keep>
  bool cutsBelow(const ClassInfo& record, uint32_t level, Keep keep) const;

  /// The records trees start at, in list order (by package with
  /// `byPackage`): with --focus the focus roots, otherwise the records
  /// without parents and, with `ownParentRoots`, those that are their own
  /// parent.
  std::vector<ClassInfo*> roots(const ClassList& classes, bool ownParentRoots,
                                bool byPackage) const;

  /// The records flat outputs list: selected, and with --depth drawn at
  /// some place within the limit.
  bool shown(const ClassInfo& record) const {
    return selected(record) && (level_.empty() || !beyondDepth(level_[record.sequence]));
  }

 private:
  enum : uint8_t { kUpward = 1, kDownward = 2, kLinked = 4 };

  void selectFocus(const ClassList& classes);
  void measureLevels(const ClassList& classes);

  int32_t depth_ = -1;
  std::vector<uint8_t> state_;   // by sequence: kUpward, kDownward, kLinked; empty without --focus
  std::vector<ClassSet> links_;  // by sequence: what children() follows; empty without --focus
  std::vector<uint32_t> level_;  // by sequence: the smallest level drawn; empty without --depth
};

template <class Keep>
bool TreeView::cutsBelow(const ClassInfo& record, uint32_t level, Keep keep) const {
  if (depth_ < 0) return false;
  for (const ClassInfo* child : children(record)) {
    if (beyondDepth(levelBelow(*child, level)) && keep(*child)) return true;
  }
  return false;
}

#endif  // KINTREE_MODEL_TREE_VIEW_H_
