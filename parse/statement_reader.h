#ifndef KINTREE_PARSE_STATEMENT_READER_H_
#define KINTREE_PARSE_STATEMENT_READER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// Where the scanner stands within one statement.
enum class ScanState { Code, CharLiteral, StringLiteral, TextBlock };

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

  /// The whole text.
  std::string_view text() const { return text_; }
  /// The offset in the text of the first unread byte, given the unread rest
  /// `line` of the current line.
  size_t unreadFrom(std::string_view line) const;
  /// Goes on after the byte at offset `at`, which lies at or after
  /// unreadFrom(line), as if the lines up to it had been read: `line` is
  /// emptied, and the next line read is the rest of the line of `at`, or
  /// the line after it when a line feed follows `at`.
  void resumeAfter(size_t at, std::string_view& line);

  /// Forgets the line marks of the previous statement and marks the
  /// current line from offset 0.
  void startStatement();
  /// Notes that the statement's text from `offset` on comes from the
  /// current line.
  void markLine(size_t offset);
  /// The line (1-based) that the character at `offset` of the statement
  /// being read, or read last, came from.
  uint32_t lineOf(size_t offset) const;

 private:
  /// A statement offset and the line its text comes from from there on.
  struct LineMark {
    size_t offset;
    uint32_t line;
  };

  static constexpr size_t kNoOffset = static_cast<size_t>(-1);

  /// Adds the line feeds that resumeAfter passed to the line number.
  void countLines();

  std::string_view text_;
  size_t position_ = 0;
  // Of the line readLine returned last, once the line feeds in
  // [uncountedFrom_, uncountedTo_) are added, if uncountedFrom_ is set.
  uint32_t lineNumber_ = 0;
  size_t uncountedFrom_ = kNoOffset;
  size_t uncountedTo_ = 0;
  bool midLine_ = false;  // position_ lies inside the current line
  std::vector<LineMark> marks_;
};

/// Reads the next statement: the text up to and including the next ";", "{"
/// or "}" outside comments, literals and text blocks, with comments, literal
/// contents and whole text blocks removed and whitespace collapsed. The
/// stream's line marks tell the line of each character of it. `line` holds
/// the unread rest of the current line between calls (empty for a new file,
/// or when the stream holds it after a skip). False when the input ends
/// before a terminator; the unfinished text is then dropped.
bool readStatement(SourceStream& input, std::string& statement, std::string_view& line);

/// True when three double quotes start at `line[i]`.
bool tripleQuoteAt(std::string_view line, size_t i);

/// Scans a text block from `line[i]` on; returns the index of the last of
/// the three quotes that close it, or npos when it stays open past the
/// line. A backslash takes the character after it along, so \""" leaves
/// two quotes that do not close it.
size_t closeTextBlock(std::string_view line, size_t i);

/// Trims whitespace at both ends and turns every inner run of whitespace
/// into one blank, in place.
std::string& collapseSpaces(std::string& text);

#endif  // KINTREE_PARSE_STATEMENT_READER_H_
