#ifndef KINTREE_PARSE_CLASS_PATTERN_H_
#define KINTREE_PARSE_CLASS_PATTERN_H_

#include <string>
#include <string_view>

/// The seven groups of a class or interface declaration header.
struct ClassGroups {
  std::string annotation;  ///< g1: first blank-ended token, or empty
  std::string modifiers;   ///< g2: modifier words
  std::string kind;        ///< g3: "class" or "interface"
  std::string name;        ///< g4: declared simple name
  std::string generic;     ///< g5: generic parameters with leading blanks
  std::string extends;     ///< g6: " extends ..." clause
  std::string implements;  ///< g7: " implements ..." clause
};

/// The declaration header pattern that findClassDeclaration matches, for
/// tests that check it against a regex engine.
extern const char kClassPattern[];

/// Searches `statement` for a declaration header with the groups and the
/// leftmost match that an ECMAScript search for kClassPattern gives, in
/// linear time, and fills the groups; false when there is none.
bool findClassDeclaration(std::string_view statement, ClassGroups& groups);

/// Searches `statement` for "package NAME;" and stores NAME; false when none.
bool findPackage(std::string_view statement, std::string& name);

#endif  // KINTREE_PARSE_CLASS_PATTERN_H_
