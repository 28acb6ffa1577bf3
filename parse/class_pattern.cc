#include "parse/class_pattern.h"

#include <regex>

#include "parse/import_pattern.h"

namespace {

const std::regex& classPattern() {
  static const std::regex pattern(
      "([^ ]*? |)([Aa-z][Aa-z ]*|)(class|interface) ([A-Za-z0-9_]+)( *<.*?>+|)"
      "( extends [A-Za-z0-9_.<>, ]+?|)( implements [A-Za-z0-9_.<>, ]+?|) *[{]",
      std::regex::ECMAScript);
  return pattern;
}

}  // namespace

bool findClassDeclaration(std::string_view statement, ClassGroups& groups) {
  // A header always ends its statement with the brace that opens the body,
  // and names one of the two keywords followed by a blank.
  if (statement.empty() || statement.back() != '{') return false;
  if (statement.find("class ") == std::string_view::npos &&
      statement.find("interface ") == std::string_view::npos) {
    return false;
  }
  std::cmatch match;
  if (!std::regex_search(statement.data(), statement.data() + statement.size(), match,
                         classPattern())) {
    return false;
  }
  groups.annotation = match[1].str();
  groups.modifiers = match[2].str();
  groups.kind = match[3].str();
  groups.name = match[4].str();
  groups.generic = match[5].str();
  groups.extends = match[6].str();
  groups.implements = match[7].str();
  return true;
}

bool findPackage(std::string_view statement, std::string& name) {
  // The same pattern as in import mode, matched in linear time: a regular
  // expression engine recurses once per character of a long name.
  return findImportPackage(statement, name);
}
