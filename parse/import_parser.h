#ifndef KINTREE_PARSE_IMPORT_PARSER_H_
#define KINTREE_PARSE_IMPORT_PARSER_H_

#include <string>

class ClassList;
class ScanContext;

/// Records the package of one source file and the names it imports.
void parseImports(const std::string& path, ClassList& classes, ScanContext& context);

#endif  // KINTREE_PARSE_IMPORT_PARSER_H_
