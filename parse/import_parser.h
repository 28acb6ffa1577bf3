#ifndef KINTREE_PARSE_IMPORT_PARSER_H_
#define KINTREE_PARSE_IMPORT_PARSER_H_

#include <string>

class ClassList;
class Output;
struct ParseSettings;

/// Records the package of one source file and the names it imports, read
/// through `buffer`; the dump levels describe them on `dumps`.
void parseImports(const std::string& path, ClassList& classes, const ParseSettings& settings,
                  std::string& buffer, Output& dumps);

#endif  // KINTREE_PARSE_IMPORT_PARSER_H_
