#ifndef KINTREE_PARSE_PARSE_FILE_H_
#define KINTREE_PARSE_PARSE_FILE_H_

#include <string>

class ClassList;
class ScanContext;

/// Hands one selected file to the parser the run asks for: class
/// declarations by default, imports once -M set an import level.
void parseFile(const std::string& path, ClassList& classes, ScanContext& context);

/// Reads a source file into `text`, without a leading UTF-8 byte-order mark.
/// `text` is empty when the file cannot be read.
void loadSource(const std::string& path, std::string& text);

#endif  // KINTREE_PARSE_PARSE_FILE_H_
