#ifndef KINTREE_PARSE_PARSE_FILE_H_
#define KINTREE_PARSE_PARSE_FILE_H_

#include <string>
#include <string_view>

class ClassList;
class ScanContext;

/// Hands one selected file to the parser the run asks for: class
/// declarations by default, imports once -M set an import level.
void parseFile(const std::string& path, ClassList& classes, ScanContext& context);

/// Reads a source file into `buffer` (see readIntoBuffer) and returns a view
/// of its text without a leading UTF-8 byte-order mark; empty when the file
/// cannot be read.
std::string_view loadSource(const std::string& path, std::string& buffer);

#endif  // KINTREE_PARSE_PARSE_FILE_H_
