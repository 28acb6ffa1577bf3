#include "parse/statement_reader.h"

#include <algorithm>
#include <array>
#include <iterator>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "base/char_class.h"
#include "parse/byte_scan.h"

namespace {

bool isTerminator(char c) { return c == ';' || c == '{' || c == '}'; }

// How the copy of plain code treats each byte: copied, collapsed as
// whitespace, or ending the run (terminators and the openers of literals
// and comments).
enum ByteClass : unsigned char { kPlain, kSpace, kSpecial };

constexpr std::array<ByteClass, 256> kByteClass = [] {
  std::array<ByteClass, 256> table{};
  for (unsigned char c : {' ', '\t', '\n', '\v', '\f', '\r'}) table[c] = kSpace;
  for (unsigned char c : {'"', '\'', '/', ';', '{', '}'}) table[c] = kSpecial;
  return table;
}();

// The statement is kept collapsed as it grows: no whitespace at its front,
// each run of whitespace one blank. Completed statements end in their
// terminator, so they need no collapse at the end.

/// Appends one character, whitespace collapsed.
void appendCharacter(std::string& statement, char c) {
  if (!isAsciiSpace(c)) {
    statement += c;
  } else if (!statement.empty() && statement.back() != ' ') {
    statement += ' ';
  }
}

#ifdef __SSE2__
constexpr size_t kBlock = 16;

/// Bit k tells whether `block[k]` is whitespace (`spaces`) or a special byte.
void classifyBlock(__m128i block, unsigned& spaces, unsigned& specials) {
  auto is = [block](char c) { return _mm_cmpeq_epi8(block, _mm_set1_epi8(c)); };
  __m128i special = _mm_or_si128(_mm_or_si128(_mm_or_si128(is('"'), is('\'')), is('/')),
                                 _mm_or_si128(_mm_or_si128(is(';'), is('{')), is('}')));
  // Tab to carriage return are 9 to 13: c - 9 below 5 without sign, which
  // a signed comparison sees once the top bits are flipped.
  __m128i shifted = _mm_xor_si128(_mm_sub_epi8(block, _mm_set1_epi8(9)), _mm_set1_epi8('\x80'));
  __m128i control = _mm_cmplt_epi8(shifted, _mm_set1_epi8(static_cast<char>(5 ^ 0x80)));
  spaces = static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(is(' '), control)));
  specials = static_cast<unsigned>(_mm_movemask_epi8(special));
}
#else
constexpr size_t kBlock = 0;
#endif

/// Copies plain code from `line[i]` up to `limit` or the next special byte,
/// whitespace collapsed; returns the index where it stopped.
size_t copyCode(std::string& statement, std::string_view line, size_t i, size_t limit) {
  // The copy goes in stretches of bounded length: the room made for a
  // stretch is filled before it is known where the code stops, and a bound
  // keeps that unused room from growing with the rest of a long line.
  constexpr size_t kStretch = 256;
  bool vectors = scanLevel() != ScanLevel::Portable;
  while (i < limit) {
    size_t end = limit - i > kStretch ? i + kStretch : limit;
    size_t old = statement.size();
    // A whole block may be stored where only part of it is kept.
    statement.resize(old + (end - i) + kBlock);
    char* base = &statement[0];
    char* out = base + old;
    bool afterSpace = old == 0 || base[old - 1] == ' ';
#ifdef __SSE2__
    // Tests ask for the portable loop alone through the scan level.
    // Sixteen bytes at a time: a run of plain code is stored whole, a run of
    // whitespace becomes one blank; the last bytes of the stretch and the
    // byte that stops the copy are left to the loop below.
    while (vectors && i + kBlock <= end) {
      __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data() + i));
      unsigned spaces;
      unsigned specials;
      classifyBlock(block, spaces, specials);
      unsigned breaks = spaces | specials;
      unsigned plain = breaks == 0 ? kBlock : static_cast<unsigned>(__builtin_ctz(breaks));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out), block);
      out += plain;
      i += plain;
      if (plain > 0) afterSpace = false;
      if (plain == kBlock) continue;
      if ((specials >> plain) & 1) break;
      // ~(spaces >> plain) has every bit above the block set, so the run
      // ends inside it at the latest.
      unsigned run = static_cast<unsigned>(__builtin_ctz(~(spaces >> plain)));
      if (!afterSpace) *out++ = ' ';
      afterSpace = true;
      i += run;
    }
#endif
    for (; i < end; ++i) {
      char c = line[i];
      ByteClass kind = kByteClass[static_cast<unsigned char>(c)];
      if (kind == kSpecial) break;
      bool space = kind == kSpace;
      // Written always, kept unless it is a second blank in a row.
      *out = space ? ' ' : c;
      out += !(space && afterSpace);
      afterSpace = space;
    }
    statement.resize(static_cast<size_t>(out - base));
    if (i < end) break;
  }
  return i;
}

/// Scans a literal closed by `quote` from `i`; returns the index of its
/// closing quote, or the line's length when it stays open. A backslash
/// takes the character after it along: an escaped quote closes nothing, and
/// '\\' closes at its second quote. A closing quote that is the line's last
/// character is left to the last-character rule, which copies it:
/// `closedOnLast` tells.
size_t scanLiteral(std::string_view line, size_t i, char quote, bool& closedOnLast) {
  size_t n = line.size();
  closedOnLast = false;
  while (i + 1 < n) {
    if (line[i] == quote) return i;
    i += line[i] == '\\' ? 2 : 1;
  }
  if (i == n - 1 && line[i] == quote) closedOnLast = true;
  return n;
}

}  // namespace

bool tripleQuoteAt(std::string_view line, size_t i) {
  return i + 2 < line.size() && line[i] == '"' && line[i + 1] == '"' && line[i + 2] == '"';
}

size_t closeTextBlock(std::string_view line, size_t i) {
  while (i < line.size()) {
    if (line[i] == '\\') {
      i += 2;
    } else if (tripleQuoteAt(line, i)) {
      return i + 2;
    } else {
      ++i;
    }
  }
  return std::string_view::npos;
}

SourceStream::SourceStream(std::string_view text) : text_(text) {}

bool SourceStream::readLine(std::string_view& line) {
  if (position_ >= text_.size()) return false;
  // After a skip the rest of the current line comes first.
  if (midLine_) {
    midLine_ = false;
  } else {
    ++lineNumber_;
  }
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
  // Found by its "/": documentation comments hold a "*" on almost every
  // line but seldom a "/", so this stops far less often than a search for
  // the "*" would.
  size_t first = lineStart + from;  // where the "*" may stand at the earliest
  size_t close = std::string_view::npos;
  for (size_t slash = text_.find('/', first + 1); slash != std::string_view::npos;
       slash = text_.find('/', slash + 1)) {
    if (text_[slash - 1] == '*') {
      close = slash - 1;
      break;
    }
  }
  crossedLines = false;
  if (close == std::string_view::npos) {
    position_ = text_.size();
    return std::string_view::npos;
  }
  if (close + 1 < lineStart + line.size()) return close + 1 - lineStart;
  crossedLines = true;
  size_t start = text_.rfind('\n', close) + 1;  // npos + 1 is 0
  // The lines between are skipped unread; readLine counts the last one.
  const char* lineEnd = text_.data() + lineStart + line.size();
  lineNumber_ +=
      static_cast<uint32_t>(countLineFeeds(std::string_view(
                                lineEnd, static_cast<size_t>(text_.data() + start - lineEnd))) -
                            1);
  position_ = start;
  readLine(line);
  return close + 1 - start;
}

size_t SourceStream::unreadFrom(std::string_view line) const {
  return line.empty() ? position_ : static_cast<size_t>(line.data() - text_.data());
}

void SourceStream::resumeAfter(size_t at, std::string_view& line) {
  // The line feeds passed are counted when a statement next needs line
  // numbers, in one stretch: from the first unread byte of the first skip
  // on, the ranges of later skips follow on without a gap.
  if (uncountedFrom_ == kNoOffset) {
    uncountedFrom_ = unreadFrom(line);
    lineNumber_ += line.empty() && !midLine_ ? 1 : 0;
  }
  uncountedTo_ = at;
  line = std::string_view();
  // The rest of the line is found when it is read, if ever; mostly the
  // terminator ends its line (text mode, as in readLine).
  size_t next = at + 1;
  size_t n = text_.size();
  if (next + 1 < n && text_[next] == '\r' && text_[next + 1] == '\n') ++next;
  midLine_ = next >= n || text_[next] != '\n';
  position_ = midLine_ ? next : next + 1;
}

void SourceStream::countLines() {
  if (uncountedFrom_ == kNoOffset) return;
  lineNumber_ += static_cast<uint32_t>(
      countLineFeeds(text_.substr(uncountedFrom_, uncountedTo_ - uncountedFrom_)));
  uncountedFrom_ = kNoOffset;
}

void SourceStream::startStatement() {
  countLines();
  marks_.clear();
  marks_.push_back({0, lineNumber_});
}

void SourceStream::markLine(size_t offset) {
  countLines();
  marks_.push_back({offset, lineNumber_});
}

uint32_t SourceStream::lineOf(size_t offset) const {
  // Marks rise in offset; a later mark at the same offset is a later line
  // that the text at that offset comes from.
  auto after = std::upper_bound(marks_.begin(), marks_.end(), offset,
                                [](size_t at, const LineMark& mark) { return at < mark.offset; });
  return after == marks_.begin() ? 0 : std::prev(after)->line;
}

bool readStatement(SourceStream& input, std::string& statement, std::string_view& line) {
  statement.clear();
  input.startStatement();
  ScanState state = ScanState::Code;
  for (;; line = std::string_view(), appendCharacter(statement, ' ')) {
    if (line.empty()) {
      if (!input.readLine(line)) return false;
      input.markLine(statement.size());
    }
    size_t n = line.size();
    if (n == 0) continue;
    size_t i = 0;
    if (state == ScanState::TextBlock) {
      // A text block left open by the previous line goes on here; nothing
      // of it is copied, and when its quotes end the line nothing is left.
      size_t end = closeTextBlock(line, 0);
      if (end == std::string_view::npos) continue;
      state = ScanState::Code;
      i = end + 1;
    } else if (state != ScanState::Code) {
      // A literal left open by the previous line goes on here.
      char quote = state == ScanState::StringLiteral ? '"' : '\'';
      bool closedOnLast = false;
      i = scanLiteral(line, 0, quote, closedOnLast) + 1;
      if (i > n && !closedOnLast) continue;
      state = ScanState::Code;
      if (i > n) i = n - 1;
    }
    // Code: every character but the last has a look-ahead of one.
    for (;;) {
      size_t last = n - 1;
      size_t j = i < last ? copyCode(statement, line, i, last) : i;
      if (j >= last) {
        // The last character of the line, unless the character before it
        // took it along, is copied as it is: it can only end the statement.
        if (j > last) break;
        appendCharacter(statement, line[last]);
        if (!isTerminator(line[last])) break;
        line = std::string_view();
        return true;
      }
      char c = line[j];
      if (isTerminator(c)) {
        statement += c;
        line.remove_prefix(j + 1);
        return true;
      }
      if (tripleQuoteAt(line, j)) {
        size_t end = closeTextBlock(line, j + 3);
        if (end == std::string_view::npos) {
          state = ScanState::TextBlock;
          break;
        }
        i = end + 1;
        continue;
      }
      if (c == '"' || c == '\'') {
        bool closedOnLast = false;
        size_t end = scanLiteral(line, j + 1, c, closedOnLast);
        if (end < n) {
          i = end + 1;
          continue;
        }
        if (closedOnLast) {
          i = last;
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
        if (crossedLines) {
          appendCharacter(statement, ' ');
          input.markLine(statement.size());
        }
        n = line.size();
        i = end + 1;
        continue;
      }
      if (following == '/') break;
      // The character after a "/" is copied without being looked at.
      statement += c;
      appendCharacter(statement, following);
      i = j + 2;
    }
  }
}

std::string& collapseSpaces(std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && isAsciiSpace(text[begin])) ++begin;
  while (end > begin && isAsciiSpace(text[end - 1])) --end;
  size_t out = 0;
  bool previousSpace = false;
  for (size_t i = begin; i < end; ++i) {
    char c = text[i];
    if (isAsciiSpace(c)) {
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
