#ifndef KINTREE_MODEL_SHOWN_SET_H_
#define KINTREE_MODEL_SHOWN_SET_H_

#include <cstdint>
#include <vector>

#include "model/class_info.h"

class ClassList;
class TreeView;

/// The records one view shows, in list order, each with its position there.
/// Writers that number records (JSON ids, diagram ids) and drop links to
/// records left out read it instead of applying the inclusion rules again.
class ShownSet {
 public:
  /// Position of a record that is not shown.
  static constexpr uint32_t kAbsent = UINT32_MAX;

  /// The records the text tree prints with these switches: every root that
  /// passes the deep test, and below it every child that passes it, each
  /// once, in list order. Clears and sets the printed bits as the tree does.
  /// With a `view` only what it shows (--focus, --depth), and each record
  /// whose children --depth leaves out is marked cut.
  static ShownSet ofTree(const ClassList& classes, bool includeNonPublic, bool includeInterfaces,
                         const TreeView* view = nullptr);

  const std::vector<const ClassInfo*>& records() const { return records_; }
  size_t size() const { return records_.size(); }
  /// The record's position in records(), or kAbsent.
  uint32_t indexOf(const ClassInfo& record) const {
    return record.sequence < index_.size() ? index_[record.sequence] : kAbsent;
  }
  bool contains(const ClassInfo& record) const { return indexOf(record) != kAbsent; }
  /// --depth leaves out some children of this shown record.
  bool cut(const ClassInfo& record) const {
    return record.sequence < cut_.size() && cut_[record.sequence];
  }

 private:
  std::vector<const ClassInfo*> records_;
  std::vector<uint32_t> index_;  // by sequence
  std::vector<bool> cut_;        // by sequence; empty without --depth
};

#endif  // KINTREE_MODEL_SHOWN_SET_H_
