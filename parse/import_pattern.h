#ifndef KINTREE_PARSE_IMPORT_PATTERN_H_
#define KINTREE_PARSE_IMPORT_PATTERN_H_

#include <string>
#include <string_view>

/// The two groups of an import statement.
struct ImportGroups {
  std::string modifier;  ///< g1: "static " or empty
  std::string name;      ///< g2: the imported name, "*" included
};

/// The patterns that findImport and findImportPackage match, for tests that
/// check them against a regex engine.
extern const char kImportPattern[];
extern const char kImportPackagePattern[];

/// Searches `statement` for "import (static |)NAME;" with the groups and the
/// leftmost match that an ECMAScript search for kImportPattern gives, in
/// linear time; false when there is none.
bool findImport(std::string_view statement, ImportGroups& groups);

/// Searches `statement` for "package NAME;" as an ECMAScript search for
/// kImportPackagePattern does, in linear time, and stores NAME; false when
/// there is none.
bool findImportPackage(std::string_view statement, std::string& name);

/// Searches `statement` for "package NAME;", NAME a run of characters that
/// `inName` accepts (not the blank or ";"), as an ECMAScript search does, in
/// linear time; stores NAME, false when there is none.
bool findPackageStatement(std::string_view statement, bool (*inName)(char), std::string& name);

#endif  // KINTREE_PARSE_IMPORT_PATTERN_H_
