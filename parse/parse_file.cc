#include "parse/parse_file.h"

#include "app/scan_context.h"
#include "parse/class_parser.h"
#include "parse/import_parser.h"
#include "platform/file_system.h"

void parseFile(const std::string& path, ClassList& classes, ScanContext& context) {
  if (context.importLevel < 0) {
    parseClasses(path, classes, context);
  } else {
    parseImports(path, classes, context);
  }
}

std::string_view loadSource(const std::string& path, std::string& buffer) {
  std::string_view text;
  readIntoBuffer(path, buffer, text);
  // A byte-order mark is no part of the source text.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return text;
}
