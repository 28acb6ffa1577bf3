#ifndef KINTREE_PARSE_CLASS_PARSER_H_
#define KINTREE_PARSE_CLASS_PARSER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "parse/class_pattern.h"

class ClassList;
class Output;
struct ParseSettings;

/// One declaration header as a file states it, before the class list takes
/// it: reading a file needs nothing of the list, so files are read on any
/// thread and recorded in order.
struct FoundClass {
  ClassGroups groups;
  std::string name;       ///< nesting name: enclosing names and the declared one
  std::string package;    ///< the package in force at the declaration
  std::string statement;  ///< the header statement, for the dump
  uint32_t line = 0;      ///< line of the kind keyword, 1-based
};

/// Reads every declaration header of `source` into `found`, in order.
void readClasses(std::string_view source, std::vector<FoundClass>& found);

/// Records the declarations of the file `path` in the class list, in order;
/// with the statement dump level each one the list takes is described on
/// `dumps`.
void recordClasses(std::vector<FoundClass>& found, const std::string& path, ClassList& classes,
                   const ParseSettings& settings, Output& dumps);

/// Records the declarations found in `source`, the text of the file `path`;
/// with the statement dump level, each one is also described on `dumps`.
void parseClassText(std::string_view source, const std::string& path, ClassList& classes,
                    const ParseSettings& settings, Output& dumps);

/// The non-empty items of a comma-separated type list, split only at commas
/// outside angle brackets.
std::vector<std::string> splitTopLevel(std::string_view list);

/// Index of the first character from `start` at angle-bracket depth zero
/// that is one of `characters`, or std::string_view::npos.
size_t findTopLevel(std::string_view text, std::string_view characters, size_t start);

/// Removes everything from the first "<" to the last ">" after it.
std::string& removeTypeArguments(std::string& name);

#endif  // KINTREE_PARSE_CLASS_PARSER_H_
