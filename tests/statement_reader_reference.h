#ifndef KINTREE_TESTS_STATEMENT_READER_REFERENCE_H_
#define KINTREE_TESTS_STATEMENT_READER_REFERENCE_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "parse/statement_reader.h"

/// The lines a reading has passed: the caller keeps one per file.
struct ReferenceLines {
  uint32_t current = 0;  ///< number of the line read last
  /// The line of every character of the last statement other than a blank,
  /// in order.
  std::vector<uint32_t> ofCharacters;
};

/// readStatement done the plain way, one character at a time within each
/// line: the reference the fast reader must agree with.
bool referenceReadStatement(SourceStream& input, std::string& statement, std::string_view& line,
                            ReferenceLines& lines);

/// One statement and the line of each of its characters other than blanks.
struct StatementWithLines {
  std::string text;
  std::vector<uint32_t> lines;
  bool operator==(const StatementWithLines& other) const {
    return text == other.text && lines == other.lines;
  }
};

/// Every statement of `source` by readStatement, with the lines its marks tell.
std::vector<StatementWithLines> fastStatements(std::string_view source);
/// Every statement of `source` by referenceReadStatement.
std::vector<StatementWithLines> referenceStatements(std::string_view source);

#endif  // KINTREE_TESTS_STATEMENT_READER_REFERENCE_H_
