#include "model/inclusion.h"

#include <algorithm>
#include <utility>

#include "model/class_list.h"

Inclusion::Inclusion(const ClassList& classes, bool includeNonPublic, bool includeInterfaces)
    : includeNonPublic_(includeNonPublic),
      includeInterfaces_(includeInterfaces),
      verdict_(classes.sequenceLimit(), kUnknown),
      visitIndex_(classes.sequenceLimit(), 0),
      lowLink_(classes.sequenceLimit(), 0),
      onStack_(classes.sequenceLimit(), false),
      reaches_(classes.sequenceLimit(), false),
      stackPosition_(classes.sequenceLimit(), 0),
      seenEpoch_(classes.sequenceLimit(), 0) {}

bool Inclusion::passesOwnTest(const ClassInfo& record) const {
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
  if (verdict_[record.sequence] == kUnknown) evaluate(record);
  return verdict_[record.sequence] == kAccepted;
}

void Inclusion::evaluate(const ClassInfo& start) {
  // Tarjan's strongly connected components over the records not yet
  // printed, without recursion so deep chains cannot exhaust the stack.
  // Records of one component reach each other, so they share a verdict: a
  // component is accepted when one of its records passes its own test or is
  // its own child, or when it leads to an accepted component.
  struct Frame {
    const ClassInfo* record;
    size_t nextChild;
  };
  std::vector<Frame> frames;
  std::vector<const ClassInfo*> component;
  uint32_t counter = 0;

  auto enter = [&](const ClassInfo* record) {
    uint64_t id = record->sequence;
    visitIndex_[id] = lowLink_[id] = ++counter;
    onStack_[id] = true;
    stackPosition_[id] = static_cast<uint32_t>(component.size());
    reaches_[id] = passesOwnTest(*record) || record->children.contains(record);
    component.push_back(record);
    frames.push_back({record, 0});
  };

  enter(&start);
  while (!frames.empty()) {
    Frame& frame = frames.back();
    const ClassInfo* record = frame.record;
    uint64_t id = record->sequence;
    if (frame.nextChild < record->children.size()) {
      const ClassInfo* child = record->children[frame.nextChild++];
      uint64_t childId = child->sequence;
      if (child->flags & kPrinted) continue;
      if (verdict_[childId] != kUnknown) {
        if (verdict_[childId] == kAccepted) reaches_[id] = true;
      } else if (visitIndex_[childId] == 0) {
        enter(child);
      } else if (onStack_[childId]) {
        lowLink_[id] = std::min(lowLink_[id], visitIndex_[childId]);
      }
      continue;
    }

    frames.pop_back();
    if (lowLink_[id] == visitIndex_[id]) {
      size_t base = stackPosition_[id];
      bool accepted = false;
      for (size_t i = base; i < component.size(); ++i) {
        accepted = accepted || reaches_[component[i]->sequence];
      }
      for (size_t i = base; i < component.size(); ++i) {
        uint64_t member = component[i]->sequence;
        onStack_[member] = false;
        visitIndex_[member] = 0;
        verdict_[member] = accepted ? kAccepted : kRejected;
      }
      component.resize(base);
    }
    if (!frames.empty()) {
      uint64_t parentId = frames.back().record->sequence;
      if (verdict_[id] == kAccepted) {
        reaches_[parentId] = true;
      } else if (verdict_[id] == kUnknown) {
        lowLink_[parentId] = std::min(lowLink_[parentId], lowLink_[id]);
      }
    }
  }
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
