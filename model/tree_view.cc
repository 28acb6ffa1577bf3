#include "model/tree_view.h"

#include <limits>

#include "base/patterns.h"
#include "model/class_list.h"
#include "model/options.h"
#include "model/packages.h"

namespace {

constexpr uint32_t kUnreached = std::numeric_limits<uint32_t>::max();

/// A --focus pattern matches the name as written and the qualified name.
bool matchesFocus(const ClassInfo& record, const std::regex& pattern) {
  const std::string& name = record.name;
  const std::string& qualified = record.qualifiedName;
  return std::regex_match(name.begin(), name.end(), pattern) ||
         (!qualified.empty() && std::regex_match(qualified.begin(), qualified.end(), pattern));
}

}  // namespace

std::vector<std::string> markFocus(ClassList& classes, const Options& options) {
  const std::vector<std::regex>& patterns = options.focusPatterns;
  std::vector<bool> matched(patterns.size(), false);
  for (const auto& entry : classes.records()) {
    ClassInfo& record = *entry.second;
    record.focused = false;
    for (size_t i = 0; i < patterns.size(); ++i) {
      if (!matchesFocus(record, patterns[i])) continue;
      record.focused = true;
      matched[i] = true;
    }
  }
  std::vector<std::string> unmatched;
  for (size_t i = 0; i < patterns.size(); ++i) {
    if (!matched[i]) unmatched.push_back(options.focusNames[i]);
  }
  return unmatched;
}

TreeView::TreeView(const ClassList& classes, const Options& options) : depth_(options.depth) {
  if (!options.focusPatterns.empty()) selectFocus(classes);
  if (depth_ >= 0) measureLevels(classes);
}

void TreeView::selectFocus(const ClassList& classes) {
  size_t limit = classes.sequenceLimit();
  state_.assign(limit, 0);
  links_.assign(limit, ClassSet());

  // Implementing is a one-way link in the records; below a focused
  // interface its implementers are drawn as its children.
  std::vector<ClassSet> implementers(limit);
  std::vector<const ClassInfo*> pending;
  for (const auto& entry : classes.records()) {
    ClassInfo* record = entry.second.get();
    for (const ClassInfo* implemented : record->interfaces) {
      implementers[implemented->sequence].insert(record);
    }
    if (isFocused(*record)) pending.push_back(record);
  }
  std::vector<const ClassInfo*> focused = pending;

  // Upward along the parents: everything on a path from a root.
  while (!pending.empty()) {
    const ClassInfo* record = pending.back();
    pending.pop_back();
    if (state_[record->sequence] & kUpward) continue;
    state_[record->sequence] |= kUpward;
    for (const ClassInfo* parent : record->parents) pending.push_back(parent);
  }
  // Downward along the children and the implementers.
  pending = focused;
  while (!pending.empty()) {
    const ClassInfo* record = pending.back();
    pending.pop_back();
    if (state_[record->sequence] & kDownward) continue;
    state_[record->sequence] |= kDownward;
    for (const ClassInfo* child : record->children) pending.push_back(child);
    for (const ClassInfo* implementer : implementers[record->sequence]) {
      pending.push_back(implementer);
    }
  }

  for (const auto& entry : classes.records()) {
    const ClassInfo& record = *entry.second;
    uint8_t state = state_[record.sequence];
    if (state == 0) continue;
    ClassSet& links = links_[record.sequence];
    for (ClassInfo* child : record.children) {
      if (state_[child->sequence] != 0) links.insert(child);
    }
    if (state & kDownward) {
      for (ClassInfo* implementer : implementers[record.sequence]) links.insert(implementer);
    }
    for (const ClassInfo* linked : links) {
      if (linked != &record) state_[linked->sequence] |= kLinked;
    }
  }
}

void TreeView::measureLevels(const ClassList& classes) {
  // Breadth first from every record at level 0, so each record gets the
  // smallest level any path draws it at.
  level_.assign(classes.sequenceLimit(), kUnreached);
  std::vector<const ClassInfo*> queue;
  for (const auto& entry : classes.records()) {
    const ClassInfo& record = *entry.second;
    bool start = focusing() ? leadsToFocus(record)
                            : record.parents.empty() || record.parents.contains(&record);
    if (!start) continue;
    level_[record.sequence] = 0;
    queue.push_back(&record);
  }
  for (size_t next = 0; next < queue.size(); ++next) {
    const ClassInfo& record = *queue[next];
    uint32_t level = level_[record.sequence] + 1;
    if (beyondDepth(level)) continue;
    for (const ClassInfo* child : children(record)) {
      if (level_[child->sequence] != kUnreached) continue;
      level_[child->sequence] = level;
      queue.push_back(child);
    }
  }
}

std::vector<ClassInfo*> TreeView::roots(const ClassList& classes, bool ownParentRoots,
                                        bool byPackage) const {
  std::vector<ClassInfo*> found;
  for (const auto& entry : classes.records()) {
    ClassInfo* record = entry.second.get();
    bool root = focusing() ? isFocusRoot(*record)
                           : record->parents.empty() ||
                                 (ownParentRoots && record->parents.contains(record));
    if (root) found.push_back(record);
  }
  if (byPackage) sortByPackage(found);
  return found;
}
