#ifndef KINTREE_PARSE_IMPORT_PARSER_H_
#define KINTREE_PARSE_IMPORT_PARSER_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "parse/import_pattern.h"

class ClassList;
class Output;
struct ParseSettings;

/// A package statement or an accepted import as a file states it, before
/// the class list takes it (see FoundClass).
struct FoundImport {
  bool isPackage = false;
  bool nothingLeft = false;  ///< a package that shortening left without a record
  ImportGroups import;       ///< the shortened name, and the import's modifier
  std::string statement;     ///< an import's statement, for the dump
};

/// Reads the package statements and the imports that shortening by
/// `importLevel` components keeps, in order.
void readImports(std::string_view source, int32_t importLevel, std::vector<FoundImport>& found);

/// Records what readImports found in the file `path`: a record for the
/// package and one for each import, linked under the package; the dump
/// levels describe them on `dumps`.
void recordImports(const std::vector<FoundImport>& found, const std::string& path,
                   ClassList& classes, const ParseSettings& settings, Output& dumps);

/// Records the package of one source file and the names it imports, read
/// through `buffer`; the dump levels describe them on `dumps`.
void parseImports(const std::string& path, ClassList& classes, const ParseSettings& settings,
                  std::string& buffer, Output& dumps);

#endif  // KINTREE_PARSE_IMPORT_PARSER_H_
