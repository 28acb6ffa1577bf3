#include "tests/class_pattern_reference.h"

#include <regex>

bool regexClassDeclaration(std::string_view text, ClassGroups& groups) {
  static const std::regex pattern(kClassPattern, std::regex::ECMAScript);
  std::cmatch match;
  if (!std::regex_search(text.data(), text.data() + text.size(), match, pattern)) return false;
  groups.annotation = match[1].str();
  groups.modifiers = match[2].str();
  groups.kind = match[3].str();
  groups.name = match[4].str();
  groups.generic = match[5].str();
  groups.extends = match[6].str();
  groups.implements = match[7].str();
  groups.permits = match[8].str();
  groups.kindAt = static_cast<size_t>(match.position(3));
  return true;
}

bool regexPackage(std::string_view text, std::string& name) {
  static const std::regex pattern(kPackagePattern, std::regex::ECMAScript);
  std::cmatch match;
  if (!std::regex_search(text.data(), text.data() + text.size(), match, pattern)) return false;
  name = match[1].str();
  return true;
}

std::string describeGroups(const ClassGroups& groups) {
  std::string line;
  for (const std::string* group :
       {&groups.annotation, &groups.modifiers, &groups.kind, &groups.name, &groups.generic,
        &groups.extends, &groups.implements, &groups.permits}) {
    line += '[' + *group + ']';
  }
  return line + " at " + std::to_string(groups.kindAt);
}
