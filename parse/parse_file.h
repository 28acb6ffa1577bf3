#ifndef KINTREE_PARSE_PARSE_FILE_H_
#define KINTREE_PARSE_PARSE_FILE_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/java_file.h"
#include "parse/class_parser.h"
#include "parse/import_parser.h"

class ClassList;
class Output;

/// What the parsers read of the options.
struct ParseSettings {
  /// The message level: declaration and import dumps from Log::kStatementDump
  /// on, the import class list from Log::kClassListDump; compared as unsigned.
  uint32_t logLevel = 0;
  /// -M: below 0 declarations are read, else imports shortened by this many
  /// components.
  int32_t importLevel = -1;
  /// --resolve (without -M): the Java-aware reading into FileScan::java.
  bool resolve = false;
};

/// What reading one file found, before the class list takes it; reused
/// from one file to the next.
struct FileScan {
  std::string path;
  ParseSettings settings;
  std::vector<FoundClass> classes;   ///< without -M
  std::vector<FoundImport> imports;  ///< with -M
  JavaFile java;                     ///< with --resolve: read here, resolved after the walk
};

/// Reads the file `path` through `buffer` as `settings` ask: the half of a
/// file's parse that needs nothing of the class list, so any thread may do
/// it.
void scanFile(const std::string& path, const ParseSettings& settings, std::string& buffer,
              FileScan& scan);

/// Records what scanFile found: the half of the parse that changes the
/// class list and writes dumps, done for one file after the other.
void mergeFile(FileScan& scan, ClassList& classes, Output& dumps);

/// Hands one selected file to the parser the settings ask for: class
/// declarations by default, imports once -M set an import level. The file
/// is read into `buffer`, which the next file reuses; dumps go to `dumps`.
void parseFile(const std::string& path, ClassList& classes, const ParseSettings& settings,
               std::string& buffer, Output& dumps);

/// Reads a source file into `buffer` (see readIntoBuffer) and returns a view
/// of its text without a leading UTF-8 byte-order mark; empty when the file
/// cannot be read.
std::string_view loadSource(const std::string& path, std::string& buffer);

#endif  // KINTREE_PARSE_PARSE_FILE_H_
