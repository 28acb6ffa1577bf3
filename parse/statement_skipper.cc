#include "parse/statement_skipper.h"

#include <cstring>

#include "base/char_class.h"
#include "parse/byte_scan.h"

// The skip follows readStatement's rules over the whole text instead of line
// by line: a line end matters only where a rule looks at a line's last
// character, and that is seen from the bytes after it.
//
// A statement's built text is its code with comments and literals taken out
// and whitespace collapsed. A keyword in it either stands whole in the code,
// where findCodeStop stops at it, or is cut by a comment, literal or text
// block on one line (one across lines leaves a blank); such a cut follows a
// keyword letter directly, so a comment or literal after a lower-case letter
// sends the statement to readStatement too.

namespace {

constexpr size_t kNone = std::string_view::npos;

/// True when the character at `i` is the last of its line.
bool lastOfLine(std::string_view text, size_t i) {
  size_t n = text.size();
  return i + 1 == n || text[i + 1] == '\n' ||
         (text[i + 1] == '\r' && i + 2 < n && text[i + 2] == '\n');
}

/// The end of the line that holds `i`, without its line end.
size_t lineEnd(std::string_view text, size_t i) {
  const void* feed = std::memchr(text.data() + i, '\n', text.size() - i);
  if (!feed) return text.size();
  size_t end = static_cast<size_t>(static_cast<const char*>(feed) - text.data());
  return end > i && text[end - 1] == '\r' ? end - 1 : end;
}

/// True when one of the words the stop at `i` may start ends there.
bool keywordAt(std::string_view text, size_t i) {
  auto wordAt = [text](size_t at, size_t offset, std::string_view word) {
    return at >= offset && text.compare(at - offset, word.size(), word) == 0;
  };
  switch (text[i]) {
    case 's':
      return wordAt(i, 3, "class");
    case 'r':
      return wordAt(i, 4, "interface");
    default:
      return wordAt(i, 3, "package");
  }
}

/// Where code goes on after the literal whose opening quote is at `i`, not
/// the last character of its line; kNone when the text ends inside it. A
/// literal goes on over line ends.
size_t skipLiteral(std::string_view text, size_t i, char quote) {
  size_t from = i + 1;
  for (;;) {
    size_t end = lineEnd(text, from);
    bool closedOnLast = false;
    // The line runs from before `from` to `end`; the scan looks no further
    // back than `from`.
    size_t close = scanLiteral(text.substr(0, end), from, quote, closedOnLast);
    if (close < end) return close + 1;
    // A closing quote at the line's end is copied like any last character.
    if (closedOnLast) return end;
    size_t feed = text.find('\n', end);
    if (feed == kNone) return kNone;
    from = feed + 1;
  }
}

/// Where code goes on after the comment whose "/*" is at `i`; kNone when it
/// stays open. Its "*/" starts after the "/*", so "/*/" closes nothing.
size_t skipComment(std::string_view text, size_t i) {
  for (size_t slash = text.find('/', i + 3); slash != kNone; slash = text.find('/', slash + 1)) {
    if (text[slash - 1] == '*') return slash + 1;
  }
  return kNone;
}

}  // namespace

SkipOutcome skipStatement(SourceStream& input, std::string_view& line, char& terminator) {
  std::string_view text = input.text();
  size_t n = text.size();
  size_t start = input.unreadFrom(line);
  size_t i = start;
  for (;;) {
    i = findCodeStop(text, i);
    if (i >= n) return SkipOutcome::End;
    char c = text[i];
    if (c == ';' || c == '{' || c == '}') {
      terminator = c;
      input.resumeAfter(i, line);
      return SkipOutcome::Skipped;
    }
    if (isAsciiLower(c)) {
      if (keywordAt(text, i)) return SkipOutcome::Read;
      ++i;
      continue;
    }
    // The last character of a line opens nothing.
    if (lastOfLine(text, i)) {
      ++i;
      continue;
    }
    char following = text[i + 1];
    if (c == '/' && following == '/') {
      i = lineEnd(text, i);
      continue;
    }
    bool cutsWord = i > start && isAsciiLower(text[i - 1]);
    if (c == '/' && following != '*') {
      // The character after the slash is copied unseen: a brace there is
      // one more in the statement.
      if (following == '{' || following == '}') return SkipOutcome::Read;
      i += 2;
      continue;
    }
    if (cutsWord) return SkipOutcome::Read;
    if (c == '/') {
      i = skipComment(text, i);
    } else if (tripleQuoteAt(text, i)) {
      // A text block's rules do not change at line ends: one scan of the
      // rest of the text finds its end as a scan line by line would.
      size_t close = closeTextBlock(text, i + 3);
      i = close == kNone ? kNone : close + 1;
    } else {
      i = skipLiteral(text, i, c);
    }
    if (i == kNone) return SkipOutcome::End;
  }
}
