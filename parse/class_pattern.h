#ifndef KINTREE_PARSE_CLASS_PATTERN_H_
#define KINTREE_PARSE_CLASS_PATTERN_H_

#include <string>
#include <string_view>

/// The eight groups of a class or interface declaration header.
struct ClassGroups {
  std::string annotation;  ///< g1: first blank-ended token, or empty
  std::string modifiers;   ///< g2: modifier words
  std::string kind;        ///< g3: "class" or "interface"
  std::string name;        ///< g4: declared simple name
  std::string generic;     ///< g5: generic parameters with leading blanks
  std::string extends;     ///< g6: " extends ..." clause
  std::string implements;  ///< g7: " implements ..." clause
  std::string permits;     ///< g8: " permits ..." clause
  size_t kindAt = 0;       ///< index of g3 in the text
};

/// The declaration pattern that matchClassPattern matches, for tests that
/// check it against a regex engine.
extern const char kClassPattern[];
/// The package pattern that findPackage matches.
extern const char kPackagePattern[];

/// The cheap test that every header statement passes: it ends in "{" and
/// holds a keyword with its blank.
bool mayBeHeader(std::string_view statement);

/// The cheap test that every statement holding a package statement passes:
/// it ends in ";" (the match's ";" follows a name character, so the reader
/// took it as the terminator) and holds "package ".
bool mayBePackage(std::string_view statement);

/// Searches `statement` for a declaration header (leftmost match, ECMAScript
/// priorities) and fills the groups; false when there is none, at once for
/// a statement that fails mayBeHeader.
bool findClassDeclaration(std::string_view statement, ClassGroups& groups);

/// Searches any text for kClassPattern with the groups and the match an
/// ECMAScript search gives, in linear time; false when there is none.
bool matchClassPattern(std::string_view text, ClassGroups& groups);

/// Searches `statement` for "package NAME;" as an ECMAScript search for
/// kPackagePattern does, and stores NAME; false when none, at once for a
/// statement that fails mayBePackage.
bool findPackage(std::string_view statement, std::string& name);

#endif  // KINTREE_PARSE_CLASS_PATTERN_H_
