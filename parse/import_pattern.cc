#include "parse/import_pattern.h"

const char kImportPattern[] = "import (static |)([A-Za-z][A-Za-z0-9_.*]*);";

namespace {

constexpr std::string_view kImport = "import ";
constexpr std::string_view kStatic = "static ";

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool isNameCharacter(char c) {
  return isLetter(c) || (c >= '0' && c <= '9') || c == '_' || c == '.' || c == '*';
}

// Matches "[A-Za-z][A-Za-z0-9_.*]*;" at `start` and returns the index of the
// ";", or npos. The greedy run never needs to give characters back: a shorter
// run is always followed by a name character, which is not ";".
size_t matchNameAndEnd(std::string_view text, size_t start) {
  if (start >= text.size() || !isLetter(text[start])) return std::string_view::npos;
  size_t end = start + 1;
  while (end < text.size() && isNameCharacter(text[end])) ++end;
  if (end < text.size() && text[end] == ';') return end;
  return std::string_view::npos;
}

}  // namespace

bool findImport(std::string_view statement, ImportGroups& groups) {
  // Start positions are tried left to right, and only where "import " stands.
  // Each name run ends at the blank of any later "import ", so no byte is
  // scanned more than a few times over all attempts.
  for (size_t at = statement.find(kImport); at != std::string_view::npos;
       at = statement.find(kImport, at + 1)) {
    size_t after = at + kImport.size();
    // The alternative "static " comes first and wins whenever it matches.
    if (statement.substr(after, kStatic.size()) == kStatic) {
      size_t nameStart = after + kStatic.size();
      size_t end = matchNameAndEnd(statement, nameStart);
      if (end != std::string_view::npos) {
        groups.modifier.assign(kStatic);
        groups.name.assign(statement.substr(nameStart, end - nameStart));
        return true;
      }
    }
    size_t end = matchNameAndEnd(statement, after);
    if (end != std::string_view::npos) {
      groups.modifier.clear();
      groups.name.assign(statement.substr(after, end - after));
      return true;
    }
  }
  return false;
}
