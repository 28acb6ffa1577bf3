#include "tests/statement_reader_reference.h"

// The reader as its rules are written: line by line, character by
// character, every comment and literal scanned within its line.

namespace {

/// Where the scanner stands within one statement.
enum class ReferenceState { Code, CharLiteral, StringLiteral, BlockComment, Complete };

bool isTerminator(char c) { return c == ';' || c == '{' || c == '}'; }

/// Scans a block comment from `i`; returns the index of the "/" that closes
/// it, or the line's length when it stays open.
size_t scanComment(std::string_view line, size_t i) {
  size_t n = line.size();
  for (; i + 1 < n; ++i) {
    if (line[i] == '*' && line[i + 1] == '/') return i + 1;
  }
  return n;
}

size_t scanLine(std::string& statement, std::string_view line, size_t start,
                ReferenceState& state) {
  size_t n = line.size();
  size_t i = start;

  if (state == ReferenceState::StringLiteral || state == ReferenceState::CharLiteral) {
    char quote = state == ReferenceState::StringLiteral ? '"' : '\'';
    bool closedOnLast = false;
    size_t end = scanLiteral(line, i, quote, closedOnLast);
    if (end < n) {
      state = ReferenceState::Code;
      return end;
    }
    if (!closedOnLast) return n;
    state = ReferenceState::Code;
    i = n - 1;
  } else if (state == ReferenceState::BlockComment) {
    size_t end = scanComment(line, i);
    if (end < n) state = ReferenceState::Code;
    return end;
  }

  // Code: every character but the last has a look-ahead of one.
  while (i + 1 < n) {
    char c = line[i];
    if (c == '"' || c == '\'') {
      bool closedOnLast = false;
      size_t end = scanLiteral(line, i + 1, c, closedOnLast);
      if (end < n) {
        i = end + 1;
        continue;
      }
      if (!closedOnLast) {
        state = c == '"' ? ReferenceState::StringLiteral : ReferenceState::CharLiteral;
        return n;
      }
      i = n - 1;
      break;
    }
    if (c == '/') {
      char following = line[i + 1];
      if (following == '*') {
        size_t end = scanComment(line, i + 2);
        if (end >= n) {
          state = ReferenceState::BlockComment;
          return n;
        }
        i = end + 1;
        continue;
      }
      if (following == '/') {
        state = ReferenceState::Code;
        return n;
      }
      // The character after a "/" is copied without being looked at.
      statement += c;
      statement += following;
      i += 2;
      continue;
    }
    statement += c;
    if (isTerminator(c)) {
      state = ReferenceState::Complete;
      return i;
    }
    ++i;
  }

  // The last character of the line, unless the character before it took it
  // along, is copied as it is: it can only end the statement, never open a
  // literal or a comment.
  if (i + 1 == n) {
    char c = line[i];
    statement += c;
    if (isTerminator(c)) state = ReferenceState::Complete;
  }
  return n;
}

}  // namespace

bool referenceReadStatement(SourceStream& input, std::string& statement, std::string_view& line) {
  statement.clear();
  ReferenceState state = ReferenceState::Code;
  for (;;) {
    if (line.empty() && !input.readLine(line)) return false;
    size_t index = line.size();
    if (!line.empty()) {
      index = scanLine(statement, line, 0, state);
      while (state != ReferenceState::Complete && index + 1 < line.size()) {
        index = scanLine(statement, line, index + 1, state);
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
