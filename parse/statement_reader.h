#ifndef KINTREE_PARSE_STATEMENT_READER_H_
#define KINTREE_PARSE_STATEMENT_READER_H_

#include <cstddef>
#include <string>
#include <string_view>

/// Where the scanner stands within one statement.
enum class ScanState { Code, CharLiteral, StringLiteral };

/// A whole source file held in memory, read line by line. A line ends at a
/// line feed; a carriage return just before it goes with it (text mode).
class SourceStream {
 public:
  explicit SourceStream(std::string_view text);
  /// The next line without its line end; false when the text is exhausted.
  bool readLine(std::string_view& line);
  /// Finds the "*/" that closes a comment, from index `from` of `line` (a
  /// view into this text) on; when it lies on a later line, makes `line`
  /// that line and sets `crossedLines`. Returns the index of its "/" in
  /// `line`, or npos when the text ends first.
  size_t closeComment(std::string_view& line, size_t from, bool& crossedLines);

 private:
  std::string_view text_;
  size_t position_ = 0;
};

/// Reads the next statement: the text up to and including the next ";", "{"
/// or "}" outside comments and literals, with comments and literal contents
/// removed and whitespace collapsed. `line` holds the unread rest of the
/// current line between calls (empty for a new file). False when the input
/// ends before a terminator; the unfinished text is then dropped.
bool readStatement(SourceStream& input, std::string& statement, std::string_view& line);

/// Trims whitespace at both ends and turns every inner run of whitespace
/// into one blank, in place.
std::string& collapseSpaces(std::string& text);

/// Scans a literal closed by `quote` from `i`; returns the index of its
/// closing quote, or the line's length when it stays open. A closing quote
/// that is the line's last character is left to the last-character rule,
/// which copies it: `closedOnLast` tells.
size_t scanLiteral(std::string_view line, size_t i, char quote, bool& closedOnLast);

#endif  // KINTREE_PARSE_STATEMENT_READER_H_
