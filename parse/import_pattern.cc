#include "parse/import_pattern.h"

#include "base/char_class.h"

// Both patterns are a keyword, a run of one character class and ";". Such a
// greedy run never has to give characters back: any shorter run is followed
// by a character of the class, which is not ";". And every run ends at the
// blank of a later keyword, so trying each keyword position in turn scans no
// byte more than a few times. Hence plain loops with the regex's exact
// groups, in linear time and without the recursion of a regex engine.
const char kImportPattern[] = "import (static |)([A-Za-z][A-Za-z0-9_.*]*);";
const char kImportPackagePattern[] = "package ([A-Za-z0-9_.]+);";

namespace {

constexpr std::string_view kImport = "import ";
constexpr std::string_view kStatic = "static ";
constexpr std::string_view kPackage = "package ";

bool isPackageCharacter(char c) { return isWordCharacter(c) || c == '.'; }

bool isImportCharacter(char c) { return isPackageCharacter(c) || c == '*'; }

// Index just past the run of `inClass` characters that starts at `start`.
template <typename CharacterClass>
size_t runEnd(std::string_view text, size_t start, CharacterClass inClass) {
  while (start < text.size() && inClass(text[start])) ++start;
  return start;
}

bool isSemicolonAt(std::string_view text, size_t at) { return at < text.size() && text[at] == ';'; }

// Matches "[A-Za-z][A-Za-z0-9_.*]*;" at `start` and returns the index of the
// ";", or npos.
size_t matchImportName(std::string_view text, size_t start) {
  if (start >= text.size() || !isAsciiLetter(text[start])) return std::string_view::npos;
  size_t end = runEnd(text, start + 1, isImportCharacter);
  return isSemicolonAt(text, end) ? end : std::string_view::npos;
}

}  // namespace

bool findImport(std::string_view statement, ImportGroups& groups) {
  for (size_t at = statement.find(kImport); at != std::string_view::npos;
       at = statement.find(kImport, at + 1)) {
    size_t after = at + kImport.size();
    // The alternative "static " comes first and wins whenever it matches.
    if (statement.substr(after, kStatic.size()) == kStatic) {
      size_t nameStart = after + kStatic.size();
      size_t end = matchImportName(statement, nameStart);
      if (end != std::string_view::npos) {
        groups.modifier.assign(kStatic);
        groups.name.assign(statement.substr(nameStart, end - nameStart));
        return true;
      }
    }
    size_t end = matchImportName(statement, after);
    if (end != std::string_view::npos) {
      groups.modifier.clear();
      groups.name.assign(statement.substr(after, end - after));
      return true;
    }
  }
  return false;
}

bool findImportPackage(std::string_view statement, std::string& name) {
  return findPackageStatement(statement, isPackageCharacter, name);
}

bool findPackageStatement(std::string_view statement, bool (*inName)(char), std::string& name) {
  for (size_t at = statement.find(kPackage); at != std::string_view::npos;
       at = statement.find(kPackage, at + 1)) {
    size_t start = at + kPackage.size();
    size_t end = runEnd(statement, start, inName);
    if (end > start && isSemicolonAt(statement, end)) {
      name.assign(statement.substr(start, end - start));
      return true;
    }
  }
  return false;
}
