#include "model/inclusion.h"

#include <algorithm>
#include <utility>

#include "model/class_list.h"

Inclusion::Inclusion(const ClassList& classes, bool includeNonPublic, bool includeInterfaces,
                     const TreeView* view)
    : includeNonPublic_(includeNonPublic),
      includeInterfaces_(includeInterfaces),
      view_(view),
      verdict_(classes.sequenceLimit(), kUnknown),
      visitIndex_(classes.sequenceLimit(), 0),
      lowLink_(classes.sequenceLimit(), 0),
      onStack_(classes.sequenceLimit(), false),
      reaches_(classes.sequenceLimit(), false),
      stackPosition_(classes.sequenceLimit(), 0),
      seenEpoch_(classes.sequenceLimit(), 0),
      descent_(classes) {
  descent_.follow(view, false, false);
}

bool Inclusion::passesOwnTest(const ClassInfo& record) const {
  if (view_ && !view_->selected(record)) return false;
  if (TreeView::isFocused(record)) return true;
  if (!isClassKind(record.kind)) return includeInterfaces_;
  if (includeNonPublic_) return true;
  return record.modifiers.find("public") != std::string::npos;
}

bool Inclusion::isShown(const ClassInfo& record) const {
  if (record.flags & kPrinted) return false;
  return passesOwnTest(record);
}

bool Inclusion::isShownDeep(const ClassInfo& record) {
  if (record.flags & kPrinted) return false;
  if (view_ && !view_->selected(record)) return false;
  if (verdict_[record.sequence] == kUnknown) evaluate(record);
  return verdict_[record.sequence] == kAccepted;
}

void Inclusion::evaluate(const ClassInfo& start) {
  // Tarjan's strongly connected components over the records not yet
  // printed. Records of one component reach each other, so they share a
  // verdict: a component is accepted when one of its records passes its own
  // test or is its own child, or when it leads to an accepted component.
  struct Components {
    Inclusion& in;
    std::vector<const ClassInfo*> members;  // the records of open components
    uint32_t counter = 0;

    void open(const ClassInfo& record) {
      uint64_t id = record.sequence;
      in.visitIndex_[id] = in.lowLink_[id] = ++counter;
      in.onStack_[id] = true;
      in.stackPosition_[id] = static_cast<uint32_t>(members.size());
      const ClassSet& children = in.view_ ? in.view_->children(record) : record.children;
      in.reaches_[id] = in.passesOwnTest(record) || children.contains(&record);
      members.push_back(&record);
    }

    bool enter(const ClassInfo& child, const ClassInfo& parent, Reach, size_t) {
      uint64_t id = parent.sequence;
      uint64_t childId = child.sequence;
      if (child.flags & kPrinted) return false;
      if (in.verdict_[childId] != kUnknown) {
        if (in.verdict_[childId] == kAccepted) in.reaches_[id] = true;
        return false;
      }
      if (in.visitIndex_[childId] == 0) {
        open(child);
        return true;
      }
      if (in.onStack_[childId])
        in.lowLink_[id] = std::min(in.lowLink_[id], in.visitIndex_[childId]);
      return false;
    }

    void leave(const ClassInfo& record, const ClassInfo* parent, size_t) {
      uint64_t id = record.sequence;
      if (in.lowLink_[id] == in.visitIndex_[id]) {
        size_t base = in.stackPosition_[id];
        bool accepted = false;
        for (size_t i = base; i < members.size(); ++i) {
          accepted = accepted || in.reaches_[members[i]->sequence];
        }
        for (size_t i = base; i < members.size(); ++i) {
          uint64_t member = members[i]->sequence;
          in.onStack_[member] = false;
          in.visitIndex_[member] = 0;
          in.verdict_[member] = accepted ? kAccepted : kRejected;
        }
        members.resize(base);
      }
      if (!parent) return;
      uint64_t parentId = parent->sequence;
      if (in.verdict_[id] == kAccepted) {
        in.reaches_[parentId] = true;
      } else if (in.verdict_[id] == kUnknown) {
        in.lowLink_[parentId] = std::min(in.lowLink_[parentId], in.lowLink_[id]);
      }
    }
  };

  Components components{*this, {}};
  components.open(start);
  descent_.run(start, components);
}

void Inclusion::markPrinted(ClassInfo& root) {
  root.flags |= kPrinted;
  // Printing blocks the paths through the root, so whatever reaches it must
  // be decided again: its ancestors, usually none at all for a root.
  ++epoch_;
  std::vector<const ClassInfo*> pending{&root};
  seenEpoch_[root.sequence] = epoch_;
  while (!pending.empty()) {
    const ClassInfo* record = pending.back();
    pending.pop_back();
    verdict_[record->sequence] = kUnknown;
    for (const ClassInfo* parent : record->parents) {
      if (seenEpoch_[parent->sequence] == epoch_) continue;
      seenEpoch_[parent->sequence] = epoch_;
      pending.push_back(parent);
    }
  }
}
