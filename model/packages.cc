#include "model/packages.h"

PackageGroup packageGroup(const ClassInfo& record) {
  if (!record.defined) return {PackageGroup::Undeclared, {}};
  const std::string& package = record.package;
  bool unnamed = package.empty() || (package == "none" && record.qualifiedName.empty());
  if (unnamed) return {PackageGroup::Default, {}};
  return {PackageGroup::Named, package};
}

std::string packageTitle(const PackageGroup& group) {
  switch (group.kind) {
    case PackageGroup::Default:
      return "(default package)";
    case PackageGroup::Named:
      return std::string(group.name);
    case PackageGroup::Undeclared:
      return "(not declared)";
  }
  return {};
}
