#include "model/class_set.h"

#include <algorithm>

#include "model/class_info.h"

namespace {
bool bySequence(const ClassInfo* a, const ClassInfo* b) { return a->sequence < b->sequence; }
}  // namespace

void ClassSet::insert(ClassInfo* record) {
  // Records are mostly linked in creation order, so the end is the usual place.
  if (items_.empty() || items_.back()->sequence < record->sequence) {
    items_.push_back(record);
    return;
  }
  auto at = std::lower_bound(items_.begin(), items_.end(), record, bySequence);
  if (at != items_.end() && *at == record) return;
  items_.insert(at, record);
}

bool ClassSet::contains(const ClassInfo* record) const {
  auto at = std::lower_bound(items_.begin(), items_.end(), record, bySequence);
  return at != items_.end() && *at == record;
}
