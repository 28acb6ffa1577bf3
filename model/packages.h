#ifndef KINTREE_MODEL_PACKAGES_H_
#define KINTREE_MODEL_PACKAGES_H_

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/class_info.h"

/// The package --packages draws a record in. A record that no source
/// declares (a name only referred to) carries the package of the file that
/// referred to it, so it belongs to no package here.
struct PackageGroup {
  enum Kind : uint8_t { Default, Named, Undeclared };
  Kind kind;
  std::string_view name;  ///< the package name for Named, else empty

  bool operator==(const PackageGroup& other) const {
    return kind == other.kind && name == other.name;
  }
  bool operator!=(const PackageGroup& other) const { return !(*this == other); }
  /// The default package first, named ones in byte order, undeclared last.
  bool operator<(const PackageGroup& other) const {
    return kind != other.kind ? kind < other.kind : name < other.name;
  }
};

/// The group of `record`. The declaration reading names a file without a
/// package statement "none"; the Java-aware one leaves it empty.
PackageGroup packageGroup(const ClassInfo& record);

/// The group as a reader sees it: "zoo.animals", "(default package)" or
/// "(not declared)".
std::string packageTitle(const PackageGroup& group);

/// Orders `records` by group, keeping their order within one group.
template <class Record>
void sortByPackage(std::vector<Record*>& records) {
  std::stable_sort(records.begin(), records.end(), [](const ClassInfo* a, const ClassInfo* b) {
    return packageGroup(*a) < packageGroup(*b);
  });
}

#endif  // KINTREE_MODEL_PACKAGES_H_
