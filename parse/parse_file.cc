#include "parse/parse_file.h"

#include "parse/class_parser.h"
#include "parse/import_parser.h"
#include "parse/java_reader.h"
#include "platform/file_system.h"

void scanFile(const std::string& path, const ParseSettings& settings, std::string& buffer,
              FileScan& scan) {
  scan.path = path;
  scan.settings = settings;
  std::string_view source = loadSource(path, buffer);
  if (settings.resolve) {
    scan.java = JavaFile();
    readJavaFile(source, scan.java);
  } else if (settings.importLevel < 0) {
    readClasses(source, scan.classes);
  } else {
    readImports(source, settings.importLevel, scan.imports);
  }
}

void mergeFile(FileScan& scan, ClassList& classes, Output& dumps) {
  if (scan.settings.importLevel < 0) {
    recordClasses(scan.classes, scan.path, classes, scan.settings, dumps);
  } else {
    recordImports(scan.imports, scan.path, classes, scan.settings, dumps);
  }
}

void parseFile(const std::string& path, ClassList& classes, const ParseSettings& settings,
               std::string& buffer, Output& dumps) {
  FileScan scan;
  scanFile(path, settings, buffer, scan);
  mergeFile(scan, classes, dumps);
}

std::string_view loadSource(const std::string& path, std::string& buffer) {
  std::string_view text;
  readIntoBuffer(path, buffer, text);
  // A byte-order mark is no part of the source text.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return text;
}
