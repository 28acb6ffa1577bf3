#include "model/class_list.h"

#include "base/log.h"
#include "base/patterns.h"

ClassInfo* ClassList::addRecord(std::string_view kind, std::string_view name,
                                std::string_view modifiers, std::string_view file,
                                std::string_view package, bool defined) {
  auto record = std::make_unique<ClassInfo>();
  record->kind = kind;
  record->name = name;
  record->modifiers = modifiers;
  record->file = file;
  record->package = package;
  record->defined = defined;
  record->sequence = nextSequence_++;
  ClassInfo* created = record.get();
  // A multimap inserts after the records of an equal key: creation order.
  records_.emplace(std::string(name), std::move(record));
  return created;
}

ClassInfo* ClassList::addClass(std::string_view kind, std::string_view name,
                               std::string_view modifiers, std::string_view file,
                               std::string_view package, bool defined) {
  if (matchesAny(name, ignorePatterns)) {
    Log(Log::kIgnoredNames).stream() << "Ignoring class:" << name;
    return nullptr;
  }
  if (!includePatterns.empty() && !matchesAny(name, includePatterns)) return nullptr;

  auto range = records_.equal_range(name);
  if (range.first == range.second) return addRecord(kind, name, modifiers, file, package, defined);
  if (!defined) return range.first->second.get();

  // A declaration merges into the first record of its package, or into the
  // first placeholder, whatever package that one came from.
  ClassInfo* found = nullptr;
  for (auto it = range.first; it != range.second; ++it) {
    ClassInfo* candidate = it->second.get();
    if (candidate->package == package || !candidate->defined) {
      found = candidate;
      break;
    }
  }
  if (!found) return addRecord(kind, name, modifiers, file, package, defined);
  if (found->defined) {
    Log(Log::kDuplicates).stream()
        << "Duplicate class=" << name << "\n File " << file << "\n  and " << found->file;
  }
  found->defined = true;
  found->kind = kind;
  found->modifiers = modifiers;
  found->file = file;
  found->package = package;
  return found;
}

bool ClassList::refuses(std::string_view name, size_t ignoreCount, size_t includeCount) const {
  if (matchesAny(name, ignorePatterns, ignoreCount)) {
    Log(Log::kIgnoredNames).stream() << "Ignoring class:" << name;
    return true;
  }
  return includeCount != 0 && !matchesAny(name, includePatterns, includeCount);
}

void ClassList::linkParent(ClassInfo* child, std::string_view parentName, std::string_view file,
                           std::string_view package) {
  ClassInfo* parent = addClass("class", parentName, "", file, package, false);
  if (!parent) return;
  child->parents.insert(parent);
  parent->children.insert(child);
}

void ClassList::release() { records_.clear(); }
