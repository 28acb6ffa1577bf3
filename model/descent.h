#ifndef KINTREE_MODEL_DESCENT_H_
#define KINTREE_MODEL_DESCENT_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/class_info.h"

class ClassList;

/// How the descent reaches a child. A visitor hears of every child, also
/// of one that will not be entered.
enum class Reach : uint8_t {
  Open,   ///< entered when the visitor asks for it
  Cycle,  ///< already on the current path (the start or an ancestor): never entered
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
/// parent). A limit on the descent (a depth, each record expanded once)
/// belongs here as another Reach value: a visitor that treats every value
/// but Open and Cycle as "shown, not entered" needs no change for it.
class Descent {
 public:
  explicit Descent(const ClassList& classes) : classes_(classes) {}

  template <class Visitor>
  void run(const ClassInfo& start, Visitor& visitor);

 private:
  struct Frame {
    const ClassInfo* record;
    size_t nextChild;
  };
  /// Sizes the marks for the records that exist now.
  void prepare();

  const ClassList& classes_;
  std::vector<Frame> frames_;
  std::vector<bool> onPath_;  // by sequence
};

template <class Visitor>
void Descent::run(const ClassInfo& start, Visitor& visitor) {
  prepare();
  frames_.clear();
  frames_.push_back({&start, 0});
  onPath_[start.sequence] = true;
  while (!frames_.empty()) {
    Frame& frame = frames_.back();
    const ClassInfo& record = *frame.record;
    if (frame.nextChild == record.children.size()) {
      onPath_[record.sequence] = false;
      frames_.pop_back();
      visitor.leave(record, frames_.empty() ? nullptr : frames_.back().record, frames_.size());
      continue;
    }
    const ClassInfo& child = *record.children[frame.nextChild++];
    Reach reach = onPath_[child.sequence] ? Reach::Cycle : Reach::Open;
    // A pushed frame moves the others, so `frame` is not used past here.
    if (visitor.enter(child, record, reach, frames_.size()) && reach == Reach::Open) {
      onPath_[child.sequence] = true;
      frames_.push_back({&child, 0});
    }
  }
}

#endif  // KINTREE_MODEL_DESCENT_H_
