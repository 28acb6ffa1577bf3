#include "parse/class_parser.h"

#include <algorithm>

#include "base/log.h"
#include "base/replace.h"
#include "model/class_list.h"
#include "parse/class_pattern.h"
#include "parse/parse_file.h"
#include "parse/statement_reader.h"
#include "parse/statement_skipper.h"
#include "platform/output.h"

namespace {

/// The enclosing names of a declaration: the open braces' entries joined by
/// dots, with a dot at the end when not empty. Empty entries (method bodies
/// and other blocks) give empty components.
std::string nestingPrefix(const std::vector<std::string>& nameStack) {
  std::string prefix;
  for (size_t i = 0; i < nameStack.size(); ++i) {
    if (i > 0) prefix += '.';
    prefix += nameStack[i];
  }
  if (!prefix.empty()) prefix += '.';
  return prefix;
}

/// The items of an extends or implements clause, each without type
/// arguments and with its whitespace normalised.
std::vector<std::string> clauseItems(std::string clause, std::string_view keyword) {
  replaceAll(clause, keyword, "");
  collapseSpaces(clause);
  std::vector<std::string> items = splitTopLevel(clause);
  for (std::string& item : items) collapseSpaces(removeTypeArguments(item));
  return items;
}

void printDump(Output& out, const std::string& statement, const std::string& modifiers,
               const ClassGroups& groups, const std::string& name) {
  std::string extends = groups.extends;
  collapseSpaces(replaceAll(extends, " extends ", ""));
  std::string implements = groups.implements;
  collapseSpaces(replaceAll(implements, " implements ", ""));
  out << statement << '\n';
  out << "  Modifiers       =" << modifiers << '\n';
  out << "  classOrInterface=" << groups.kind << '\n';
  out << "  name            =" << name << '\n';
  out << "  generic         =" << groups.generic << '\n';
  out << "  extends         =" << extends << '\n';
  out << "  implements      =" << implements << '\n';
}

/// Opens an unnamed block for every "{" of `statement` and closes one for
/// every "}", in their order. Statements are short and hold a brace mostly
/// at their end, so two byte searches beat a look at every character.
void followBraces(std::string_view statement, std::vector<std::string>& nameStack) {
  size_t open = statement.find('{');
  size_t close = statement.find('}');
  while (open != close) {  // equal only when neither is left
    if (open < close) {
      nameStack.emplace_back();
      open = statement.find('{', open + 1);
    } else {
      if (!nameStack.empty()) nameStack.pop_back();
      close = statement.find('}', close + 1);
    }
  }
}

/// The index in `original` of the character at `offset` of `original` with
/// every ", " turned into ",".
size_t offsetBeforeCommaBlanks(std::string_view original, size_t offset) {
  size_t at = 0;
  for (size_t i = 0; i < offset; ++i) at += original.compare(at, 2, ", ") == 0 ? 2 : 1;
  return at;
}

}  // namespace

void readClasses(std::string_view source, std::vector<FoundClass>& found) {
  found.clear();
  std::string currentPackage = "none";
  std::vector<std::string> nameStack;
  SourceStream input(source);
  std::string_view line;
  std::string statement;
  std::string normalized;  // a candidate statement after the ", " replacement
  std::string packageName;
  ClassGroups groups;
  for (;;) {
    // Most statements are passed over unbuilt: only their terminators count.
    SkippedBraces braces;
    bool more = skipStatements(input, line, braces);
    nameStack.resize(nameStack.size() - std::min(braces.closes, nameStack.size()));
    nameStack.resize(nameStack.size() + braces.opens);
    if (!more) break;
    if (!readStatement(input, statement, line)) break;
    // The ", " replacement only drops a blank after a comma: it keeps the
    // last character and makes or breaks no keyword with its blank, so the
    // cheap tests may run before it and spare it for most statements. It
    // works on a copy, whose offsets the reader's line marks do not know.
    if (mayBePackage(statement) || mayBeHeader(statement)) {
      normalized.assign(statement);
      replaceAll(normalized, ", ", ",");
      if (findPackage(normalized, packageName)) {
        currentPackage = packageName;
        continue;
      }
      if (findClassDeclaration(normalized, groups)) {
        FoundClass& declaration = found.emplace_back();
        declaration.name = nestingPrefix(nameStack) + groups.name;
        declaration.package = currentPackage;
        declaration.statement = normalized;
        declaration.line = input.lineOf(offsetBeforeCommaBlanks(statement, groups.kindAt));
        // The brace that ends the header opens the body of this name,
        // whether the list takes the record or not.
        nameStack.push_back(groups.name);
        declaration.groups = groups;
        continue;
      }
    }
    followBraces(statement, nameStack);
  }
}

void recordClasses(std::vector<FoundClass>& found, const std::string& path, ClassList& classes,
                   const ParseSettings& settings, Output& dumps) {
  for (FoundClass& declaration : found) {
    ClassGroups& groups = declaration.groups;
    std::string modifiers;
    if (groups.annotation.empty() || groups.annotation[0] != '@') {
      // A first token that is no annotation belongs to the modifiers.
      modifiers = groups.annotation + " " + groups.modifiers;
      groups.annotation.clear();
    } else {
      modifiers = groups.modifiers;
    }
    collapseSpaces(modifiers);

    const std::string& package = declaration.package;
    ClassInfo* record =
        classes.addClass(groups.kind, declaration.name, modifiers, path, package, true);
    if (!record) continue;
    record->meta = groups.annotation;
    record->generic = groups.generic;
    record->line = declaration.line;
    if (!groups.extends.empty()) {
      for (const std::string& parent : clauseItems(groups.extends, " extends ")) {
        classes.linkParent(record, parent, path, package);
      }
    }
    if (!groups.implements.empty()) {
      for (const std::string& item : clauseItems(groups.implements, " implements ")) {
        ClassInfo* implemented = classes.addClass("interface", item, "", path, package, false);
        if (implemented) record->interfaces.insert(implemented);
      }
    }
    if (settings.logLevel >= Log::kStatementDump) {
      printDump(dumps, declaration.statement, modifiers, groups, declaration.name);
    }
  }
}

void parseClassText(std::string_view source, const std::string& path, ClassList& classes,
                    const ParseSettings& settings, Output& dumps) {
  std::vector<FoundClass> found;
  readClasses(source, found);
  recordClasses(found, path, classes, settings, dumps);
}

size_t findTopLevel(std::string_view text, std::string_view characters, size_t start) {
  long depth = 0;
  for (size_t i = start; i < text.size(); ++i) {
    char c = text[i];
    if (c == '<') ++depth;
    if (c == '>') --depth;
    if (depth == 0 && characters.find(c) != std::string_view::npos) return i;
  }
  return std::string_view::npos;
}

std::vector<std::string> splitTopLevel(std::string_view list) {
  std::vector<std::string> items;
  size_t start = 0;
  for (;;) {
    size_t comma = findTopLevel(list, ",", start);
    size_t end = comma == std::string_view::npos ? list.size() : comma;
    if (end > start) items.emplace_back(list.substr(start, end - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return items;
}

std::string& removeTypeArguments(std::string& name) {
  // The same as replacing every match of "<.*>" by nothing: the first match
  // runs from the first "<" to the last ">" after it, and no ">" is left
  // behind it for a second one. The names come from a clause that holds no
  // line breaks, which "." would not cross.
  size_t open = name.find('<');
  if (open == std::string::npos) return name;
  size_t close = name.rfind('>');
  if (close == std::string::npos || close < open) return name;
  name.erase(open, close - open + 1);
  return name;
}
