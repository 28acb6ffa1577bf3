#include "parse/statement_reader.h"

#include <array>

namespace {

bool isTerminator(char c) { return c == ';' || c == '{' || c == '}'; }

// The characters that end a run of plain code: terminators and the
// openers of literals and comments.
constexpr std::array<bool, 256> kSpecial = [] {
  std::array<bool, 256> table{};
  for (unsigned char c : {'"', '\'', '/', ';', '{', '}'}) table[c] = true;
  return table;
}();

bool isSpecial(char c) { return kSpecial[static_cast<unsigned char>(c)]; }

/// Scans a literal closed by `quote` from `i`; returns the index of its
/// closing quote, or the line's length when it stays open. A closing quote
/// that is the line's last character is left to the last-character rule,
/// which copies it: `closedOnLast` tells.
size_t scanLiteral(std::string_view line, size_t i, char quote, bool& closedOnLast) {
  size_t n = line.size();
  closedOnLast = false;
  while (i + 1 < n) {
    if (line[i] == quote) return i;
    if (line[i] == '\\' && line[i + 1] == quote) {
      i += 2;
    } else {
      ++i;
    }
  }
  if (i == n - 1 && line[i] == quote) closedOnLast = true;
  return n;
}

/// Appends `text` to the statement, leaving out whitespace that the final
/// collapse would merge into whitespace already at the statement's end.
void appendCode(std::string& statement, std::string_view text) {
  if (statement.empty() || isJavaSpace(statement.back())) {
    size_t start = 0;
    while (start < text.size() && isJavaSpace(text[start])) ++start;
    text.remove_prefix(start);
  }
  statement.append(text.data(), text.size());
}

}  // namespace

SourceStream::SourceStream(std::string_view text) : text_(text) {}

bool SourceStream::readLine(std::string_view& line) {
  if (position_ >= text_.size()) return false;
  size_t end = text_.find('\n', position_);
  if (end == std::string_view::npos) {
    line = text_.substr(position_);
    position_ = text_.size();
    return true;
  }
  size_t length = end - position_;
  // Text mode: a carriage return directly before the line feed goes with it.
  if (length > 0 && text_[end - 1] == '\r') --length;
  line = text_.substr(position_, length);
  position_ = end + 1;
  return true;
}

size_t SourceStream::closeComment(std::string_view& line, size_t from, bool& crossedLines) {
  // "*/" never spans a line break, so the first one in the rest of the text
  // is the first one that a scan line by line would meet.
  size_t lineStart = static_cast<size_t>(line.data() - text_.data());
  size_t close = text_.find("*/", lineStart + from);
  crossedLines = false;
  if (close == std::string_view::npos) {
    position_ = text_.size();
    return std::string_view::npos;
  }
  if (close + 1 < lineStart + line.size()) return close + 1 - lineStart;
  crossedLines = true;
  size_t start = text_.rfind('\n', close) + 1;  // npos + 1 is 0
  position_ = start;
  readLine(line);
  return close + 1 - start;
}

bool readStatement(SourceStream& input, std::string& statement, std::string_view& line) {
  statement.clear();
  ScanState state = ScanState::Code;
  for (;; line = std::string_view(), statement += ' ') {
    if (line.empty() && !input.readLine(line)) return false;
    size_t n = line.size();
    size_t i = 0;
    if (state != ScanState::Code) {
      // A literal left open by the previous line goes on here.
      if (n == 0) continue;
      char quote = state == ScanState::StringLiteral ? '"' : '\'';
      bool closedOnLast = false;
      i = scanLiteral(line, 0, quote, closedOnLast) + 1;
      if (i > n && !closedOnLast) continue;
      state = ScanState::Code;
      if (i > n) i = n - 1;
    }
    // Code: every character but the last has a look-ahead of one.
    for (;;) {
      size_t j = i;
      while (j + 1 < n && !isSpecial(line[j])) ++j;
      if (j + 1 >= n) {
        // The last character of the line, unless the character before it
        // took it along, is copied as it is: it can only end the statement.
        appendCode(statement, line.substr(i, n - i));
        if (j + 1 == n && isTerminator(line[j])) {
          line = std::string_view();
          collapseSpaces(statement);
          return true;
        }
        break;
      }
      appendCode(statement, line.substr(i, j - i));
      char c = line[j];
      if (isTerminator(c)) {
        statement += c;
        line.remove_prefix(j + 1);
        collapseSpaces(statement);
        return true;
      }
      if (c == '"' || c == '\'') {
        bool closedOnLast = false;
        size_t end = scanLiteral(line, j + 1, c, closedOnLast);
        if (end < n) {
          i = end + 1;
          continue;
        }
        if (closedOnLast) {
          i = n - 1;
          continue;
        }
        state = c == '"' ? ScanState::StringLiteral : ScanState::CharLiteral;
        break;
      }
      char following = line[j + 1];
      if (following == '*') {
        bool crossedLines = false;
        size_t end = input.closeComment(line, j + 2, crossedLines);
        if (end == std::string_view::npos) return false;
        if (crossedLines) statement += ' ';
        n = line.size();
        i = end + 1;
        continue;
      }
      if (following == '/') break;
      // The character after a "/" is copied without being looked at.
      statement += c;
      statement += following;
      i = j + 2;
    }
  }
}

std::string& collapseSpaces(std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && isJavaSpace(text[begin])) ++begin;
  while (end > begin && isJavaSpace(text[end - 1])) --end;
  size_t out = 0;
  bool previousSpace = false;
  for (size_t i = begin; i < end; ++i) {
    char c = text[i];
    if (isJavaSpace(c)) {
      if (previousSpace) continue;
      previousSpace = true;
      text[out++] = ' ';
    } else {
      previousSpace = false;
      text[out++] = c;
    }
  }
  text.resize(out);
  return text;
}
