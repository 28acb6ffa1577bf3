// Arbitrary bytes through the statement reader: every statement it returns
// is finished, normalised and made of input bytes, the reading ends, and
// the statements and the line of each of their characters are those of the
// plain reference reader (literals, comments and text blocks alike), and
// the skip passes over no statement that the class reader must see; at
// every scan level.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/char_class.h"
#include "fuzz/fuzz_support.h"
#include "parse/statement_reader.h"
#include "tests/statement_reader_reference.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  SourceStream input(text);
  std::string_view line;
  std::string statement;
  size_t statements = 0;
  size_t terminators = 0;
  for (char c : text) terminators += c == ';' || c == '{' || c == '}';
  while (readStatement(input, statement, line)) {
    // Each statement consumes at least its own terminator.
    require(++statements <= terminators, "more statements than terminators");
    require(!statement.empty(), "an empty statement");
    char last = statement.back();
    require(last == ';' || last == '{' || last == '}', "a statement without its terminator");
    require(statement.front() != ' ', "a statement with a leading blank");
    for (size_t i = 0; i < statement.size(); ++i) {
      require(statement[i] == ' ' || !isAsciiSpace(statement[i]), "whitespace other than a blank");
      require(i == 0 || statement[i] != ' ' || statement[i - 1] != ' ', "two blanks in a row");
    }
    std::string again = statement;
    require(collapseSpaces(again) == statement, "collapsing twice changed the statement");
    require(line.size() <= size, "the line buffer grew beyond the input");
  }
  std::vector<StatementWithLines> reference = referenceStatements(text);
  forEachScanLevel([&](ScanLevel) {
    require(fastStatements(text) == reference, "the reader and the reference reader differ");
    require(skipDisagreement(text).empty(), "the skip and the reader differ");
  });
  return 0;
}
