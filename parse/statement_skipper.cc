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
/// the last character of its line; kNone when the text ends inside it. Line
/// by line, a literal goes on over line ends, and a closing quote that is
/// the last character of its line is copied as one but closes the literal
/// all the same; a backslash takes the next character along, though never
/// the line end.
size_t skipLiteral(std::string_view text, size_t i, char quote) {
  size_t n = text.size();
  for (size_t j = i + 1; j < n;) {
    char c = text[j];
    if (c == quote) return j + 1;
    j += c == '\\' && (j + 1 >= n || text[j + 1] != '\n') ? 2 : 1;
  }
  return kNone;
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

bool skipStatements(SourceStream& input, std::string_view& line, SkippedBraces& braces) {
  std::string_view text = input.text();
  size_t n = text.size();
  size_t start = input.unreadFrom(line);  // of the statement being passed over
  size_t lastTerminator = kNone;
  size_t i = start;
  bool found = false;  // a statement to build stands at `start`
  for (;;) {
    i = findCodeStop(text, i);
    if (i >= n) break;
    char c = text[i];
    if (c == ';' || c == '{' || c == '}') {
      if (c == '{') {
        ++braces.opens;
      } else if (c == '}' && braces.opens > 0) {
        --braces.opens;
      } else if (c == '}') {
        ++braces.closes;
      }
      lastTerminator = i;
      start = ++i;
      continue;
    }
    if (isAsciiLower(c)) {
      if (keywordAt(text, i)) {
        found = true;
        break;
      }
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
    // The character after a slash is copied unseen: a brace there is one
    // more in the statement. A comment or literal may cut a keyword.
    bool cutsWord = i > start && isAsciiLower(text[i - 1]);
    if (c == '/' && following != '*') {
      found = following == '{' || following == '}';
      if (found) break;
      i += 2;
      continue;
    }
    found = cutsWord;
    if (found) break;
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
    if (i == kNone) break;
  }
  if (lastTerminator != kNone) input.resumeAfter(lastTerminator, line);
  return found;
}
