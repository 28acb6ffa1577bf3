#ifndef KINTREE_MODEL_DESCENT_H_
#define KINTREE_MODEL_DESCENT_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/class_info.h"
#include "model/tree_view.h"

class ClassList;

/// How the descent reaches a child. A visitor hears of every child, also
/// of one that will not be entered.
enum class Reach : uint8_t {
  Open,   ///< entered when the visitor asks for it
  Cycle,  ///< already on the current path (the start or an ancestor): never entered
  Seen,   ///< with --once, expanded earlier in this output: shown, never entered again
};

/// A depth-first descent along the children links from one start record.
/// It keeps its own frame stack, so a chain hundreds of thousands of levels
/// deep needs no deep recursion, and marks the records on the current path,
/// so a cycle ends. A visitor provides
///
///   bool enter(const ClassInfo& child, const ClassInfo& parent, Reach reach, size_t depth);
///   void leave(const ClassInfo& record, const ClassInfo* parent, size_t depth);
///
/// enter() is called for each child in set order, `depth` being the child's
/// (1 for a child of the start), and answers whether to descend into it; a
/// child is entered only when it is also Open. leave() follows once every
/// child of an entered record is done, and last for the start (depth 0, no
/// parent). A visitor treats every value but Open and Cycle as "shown, not
/// entered".
///
/// Through follow() it walks a TreeView's links instead of the children
/// sets, leaves out the children --depth cuts (the visitor never hears of
/// them) and with --once enters each record once: a record all of whose
/// links were followed counts as expanded, and is Seen when met again.
class Descent {
 public:
  explicit Descent(const ClassList& classes) : classes_(classes) {}

  /// Follows `view` (nullptr: the children sets); with `limited` its depth
  /// limit applies, with `once` each record is expanded once.
  void follow(const TreeView* view, bool limited, bool once);
  /// Forgets which records were expanded, for a new output.
  void forgetExpanded() { ++stamp_; }
  /// With --once: the record's subtree was given whole already.
  bool expanded(const ClassInfo& record) const {
    return once_ && record.sequence < expandedStamp_.size() &&
           expandedStamp_[record.sequence] == stamp_;
  }
  /// During enter(): the level of the offered child (see TreeView).
  uint32_t level() const { return childLevel_; }

  template <class Visitor>
  void run(const ClassInfo& start, Visitor& visitor);

 private:
  struct Frame {
    const ClassInfo* record;
    size_t nextChild;
    uint32_t level;
    bool partial;  // --depth left out some of its links
  };
  /// Sizes the marks for the records that exist now.
  void prepare();
  const ClassSet& links(const ClassInfo& record) const {
    return view_ ? view_->children(record) : record.children;
  }

  const ClassList& classes_;
  const TreeView* view_ = nullptr;
  bool limited_ = false;
  bool once_ = false;
  uint32_t childLevel_ = 0;
  uint32_t stamp_ = 1;
  std::vector<Frame> frames_;
  std::vector<bool> onPath_;             // by sequence
  std::vector<uint32_t> expandedStamp_;  // by sequence: stamp_ once expanded
};

template <class Visitor>
void Descent::run(const ClassInfo& start, Visitor& visitor) {
  prepare();
  frames_.clear();
  frames_.push_back({&start, 0, 0, false});
  onPath_[start.sequence] = true;
  while (!frames_.empty()) {
    Frame& frame = frames_.back();
    const ClassInfo& record = *frame.record;
    const ClassSet& children = links(record);
    if (frame.nextChild == children.size()) {
      onPath_[record.sequence] = false;
      if (once_ && !frame.partial) expandedStamp_[record.sequence] = stamp_;
      frames_.pop_back();
      visitor.leave(record, frames_.empty() ? nullptr : frames_.back().record, frames_.size());
      continue;
    }
    const ClassInfo& child = *children[frame.nextChild++];
    uint32_t level = 0;
    if (limited_) {
      level = view_->levelBelow(child, frame.level);
      if (view_->beyondDepth(level)) {
        frame.partial = true;
        continue;
      }
    }
    Reach reach = onPath_[child.sequence] ? Reach::Cycle
                  : expanded(child)       ? Reach::Seen
                                          : Reach::Open;
    childLevel_ = level;
    // A pushed frame moves the others, so `frame` is not used past here.
    if (visitor.enter(child, record, reach, frames_.size()) && reach == Reach::Open) {
      onPath_[child.sequence] = true;
      frames_.push_back({&child, 0, level, false});
    }
  }
}

#endif  // KINTREE_MODEL_DESCENT_H_
