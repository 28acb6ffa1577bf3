#ifndef KINTREE_TESTS_CLASS_PATTERN_REFERENCE_H_
#define KINTREE_TESTS_CLASS_PATTERN_REFERENCE_H_

#include <string>
#include <string_view>

#include "parse/class_pattern.h"

/// The plain std::regex_search of kClassPattern over `text`, the reference
/// the linear matcher must agree with; false when there is no match.
bool regexClassDeclaration(std::string_view text, ClassGroups& groups);

/// The plain std::regex_search of kPackagePattern; false when none.
bool regexPackage(std::string_view text, std::string& name);

/// The groups as one printable line, for reports of differences.
std::string describeGroups(const ClassGroups& groups);

#endif  // KINTREE_TESTS_CLASS_PATTERN_REFERENCE_H_
