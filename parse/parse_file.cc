#include "parse/parse_file.h"

#include "parse/class_parser.h"
#include "parse/import_parser.h"
#include "platform/file_system.h"

void parseFile(const std::string& path, ClassList& classes, const ParseSettings& settings,
               std::string& buffer, Output& dumps) {
  if (settings.importLevel < 0) {
    parseClassText(loadSource(path, buffer), path, classes, settings, dumps);
  } else {
    parseImports(path, classes, settings, buffer, dumps);
  }
}

std::string_view loadSource(const std::string& path, std::string& buffer) {
  std::string_view text;
  readIntoBuffer(path, buffer, text);
  // A byte-order mark is no part of the source text.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return text;
}
