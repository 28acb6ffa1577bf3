#include "tests/statement_reader_reference.h"

#include <algorithm>

#include "base/char_class.h"
#include "parse/class_pattern.h"
#include "parse/statement_skipper.h"

// The reader as its rules are written: line by line, character by
// character, every comment, literal and text block scanned within its line.

namespace {

/// The reader's states, with the two it never needs to keep between calls.
enum class ReferenceState { Code, CharLiteral, StringLiteral, BlockComment, TextBlock, Complete };

bool isTerminator(char c) { return c == ';' || c == '{' || c == '}'; }

bool tripleQuoteAt(std::string_view line, size_t i) {
  return i + 2 < line.size() && line.substr(i, 3) == "\"\"\"";
}

/// Appends `c`, noting its line unless it is whitespace.
void copy(std::string& statement, char c, ReferenceLines& lines) {
  statement += c;
  if (!isAsciiSpace(c)) lines.ofCharacters.push_back(lines.current);
}

size_t scanLine(std::string& statement, std::string_view line, size_t start, ReferenceState& state,
                ReferenceLines& lines) {
  size_t n = line.size();
  size_t i = start;
  for (; i + 1 < n; ++i) {
    char c = line[i];
    switch (state) {
      case ReferenceState::StringLiteral:
      case ReferenceState::CharLiteral:
        if (c == (state == ReferenceState::StringLiteral ? '"' : '\'')) {
          state = ReferenceState::Code;
          return i;
        }
        if (c == '\\') ++i;  // the escaped character goes with it
        continue;
      case ReferenceState::BlockComment:
        if (c == '*' && line[i + 1] == '/') {
          state = ReferenceState::Code;
          return i + 1;
        }
        continue;
      case ReferenceState::TextBlock:
        if (c == '\\') {
          ++i;
        } else if (tripleQuoteAt(line, i)) {
          state = ReferenceState::Code;
          return i + 2;
        }
        continue;
      default:
        break;
    }
    if (tripleQuoteAt(line, i)) {
      state = ReferenceState::TextBlock;
      i += 2;
    } else if (c == '"') {
      state = ReferenceState::StringLiteral;
    } else if (c == '\'') {
      state = ReferenceState::CharLiteral;
    } else if (c == '/' && line[i + 1] == '*') {
      state = ReferenceState::BlockComment;
      ++i;
    } else if (c == '/' && line[i + 1] == '/') {
      return n;
    } else if (c == '/') {
      // The character after a "/" is copied without being looked at.
      copy(statement, c, lines);
      copy(statement, line[++i], lines);
    } else {
      copy(statement, c, lines);
      if (isTerminator(c)) {
        state = ReferenceState::Complete;
        return i;
      }
    }
  }
  // The last character of the line, when the scan arrives at it: in code it
  // is copied as it is and can only end the statement; a literal's own
  // quote there closes the literal and is copied too. A text block's last
  // character was looked at above.
  if (i + 1 == n) {
    char c = line[i];
    bool closesLiteral = (state == ReferenceState::StringLiteral && c == '"') ||
                         (state == ReferenceState::CharLiteral && c == '\'');
    if (closesLiteral) state = ReferenceState::Code;
    if (state == ReferenceState::Code) {
      copy(statement, c, lines);
      if (isTerminator(c)) state = ReferenceState::Complete;
    }
  }
  return n;
}

}  // namespace

bool referenceReadStatement(SourceStream& input, std::string& statement, std::string_view& line,
                            ReferenceLines& lines) {
  statement.clear();
  lines.ofCharacters.clear();
  ReferenceState state = ReferenceState::Code;
  for (;;) {
    if (line.empty()) {
      if (!input.readLine(line)) return false;
      ++lines.current;
    }
    size_t index = line.size();
    if (!line.empty()) {
      index = scanLine(statement, line, 0, state, lines);
      while (state != ReferenceState::Complete && index + 1 < line.size()) {
        index = scanLine(statement, line, index + 1, state, lines);
      }
    }
    if (state == ReferenceState::Complete) {
      line.remove_prefix(index + 1 < line.size() ? index + 1 : line.size());
      collapseSpaces(statement);
      return true;
    }
    line = std::string_view();
    statement += ' ';
  }
}

std::vector<StatementWithLines> fastStatements(std::string_view source) {
  SourceStream input(source);
  std::string_view line;
  std::string statement;
  std::vector<StatementWithLines> result;
  while (readStatement(input, statement, line)) {
    StatementWithLines read{statement, {}};
    for (size_t i = 0; i < statement.size(); ++i) {
      if (statement[i] != ' ') read.lines.push_back(input.lineOf(i));
    }
    result.push_back(std::move(read));
  }
  return result;
}

std::vector<StatementWithLines> referenceStatements(std::string_view source) {
  SourceStream input(source);
  std::string_view line;
  std::string statement;
  ReferenceLines lines;
  std::vector<StatementWithLines> result;
  while (referenceReadStatement(input, statement, line, lines)) {
    result.push_back({statement, lines.ofCharacters});
  }
  return result;
}

std::string skipDisagreement(std::string_view source) {
  SourceStream plain(source);
  SourceStream skipping(source);
  std::string_view plainLine;
  std::string_view skipLine;
  std::string statement;
  std::string again;
  for (;;) {
    SkippedBraces braces;
    bool more = skipStatements(skipping, skipLine, braces);
    size_t to = skipping.unreadFrom(skipLine);
    // The statements passed over, read one by one.
    SkippedBraces plainBraces;
    while (plain.unreadFrom(plainLine) < to) {
      if (!readStatement(plain, statement, plainLine)) return "skipped past the end";
      if (mayBePackage(statement) || mayBeHeader(statement)) return "skipped " + statement;
      char last = statement.back();
      size_t braceCount = static_cast<size_t>(std::count(statement.begin(), statement.end(), '{') +
                                              std::count(statement.begin(), statement.end(), '}'));
      if (braceCount != (last == ';' ? 0u : 1u)) return "skipped the braces of " + statement;
      if (last == '{') {
        ++plainBraces.opens;
      } else if (last == '}' && plainBraces.opens > 0) {
        --plainBraces.opens;
      } else if (last == '}') {
        ++plainBraces.closes;
      }
    }
    if (plain.unreadFrom(plainLine) != to) return "the streams part after " + statement;
    if (plainBraces.opens != braces.opens || plainBraces.closes != braces.closes) {
      return "other braces before " + std::to_string(to);
    }
    bool read = readStatement(plain, statement, plainLine);
    if (!more) return read ? "skipped to the end past " + statement : "";
    bool readAgain = readStatement(skipping, again, skipLine);
    if (readAgain != read) return "the statements end differently";
    if (!read) return "";
    if (again != statement) return "built " + again + " instead of " + statement;
    for (size_t i = 0; i < statement.size(); ++i) {
      if (statement[i] != ' ' && plain.lineOf(i) != skipping.lineOf(i)) {
        return "other lines for " + statement;
      }
    }
    if (plain.unreadFrom(plainLine) != skipping.unreadFrom(skipLine)) {
      return "the streams part after " + statement;
    }
  }
}

void forEachScanLevel(const std::function<void(ScanLevel)>& check) {
  for (ScanLevel level : {ScanLevel::Portable, ScanLevel::Sse2, ScanLevel::Avx2}) {
    if (level != bestScanLevel() && setScanLevel(level)) check(level);
  }
  setScanLevel(bestScanLevel());
  check(bestScanLevel());
}

std::string RandomSources::next() {
  static const std::vector<std::string> kFragments = {
      "a", "Zq", " ", "\t", "\n", "\r\n", "\r", "\"", "'", "\\", "/", "*", "/*", "*/", "//", ";",
      "{", "}", "/;", "/{", "/}", "x;", "\v", "\f", "/**/", "\\\"", "\xc3", "\"\"\"", "\\\\",
      "\\\"\"\"", "\"\"",
      // Words the skip must not pass over, whole, cut or near misses.
      "class ", "interface ", "package ", "cla", "ss", "inte", "rface", "pack", "age", "Class",
      // Runs that reach across the 16- and 32-byte blocks and the 256-byte
      // stretches the copy works in.
      std::string(17, ' '), "longIdentifierName_0123", "a b\t c  d \f e", std::string(300, 'k')};
  std::string text;
  for (size_t n = below(60); n > 0; --n) text += kFragments[below(kFragments.size())];
  return text;
}
