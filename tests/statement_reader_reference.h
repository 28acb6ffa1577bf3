#ifndef KINTREE_TESTS_STATEMENT_READER_REFERENCE_H_
#define KINTREE_TESTS_STATEMENT_READER_REFERENCE_H_

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "parse/byte_scan.h"
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

/// Reads `source` with skipStatement where it may, as the class reader
/// does, beside a reading of every statement with readStatement; tells the
/// first disagreement, or returns "": a statement skipped that might declare
/// something or holds another brace, a statement built differently or with
/// other lines, or streams that do not stand at the same place afterwards.
std::string skipDisagreement(std::string_view source);

/// Runs `check` at every scan level this processor has, the best last, and
/// leaves the best in use.
void forEachScanLevel(const std::function<void(ScanLevel)>& check);

/// Random sources from fragments that meet every rule of the reader and the
/// skip: quotes, escapes, both comment kinds, terminators, slashes before
/// them, line ends with and without carriage returns, blanks of every kind
/// and the words that make a statement worth building, whole and cut.
class RandomSources {
 public:
  std::string next();

 private:
  size_t below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }

  std::mt19937 random_{20260610};
};

#endif  // KINTREE_TESTS_STATEMENT_READER_REFERENCE_H_
