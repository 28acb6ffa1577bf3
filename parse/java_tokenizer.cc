#include "parse/java_tokenizer.h"

#include <array>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "parse/byte_scan.h"

namespace {

enum CharClass : unsigned char { kOther, kSpace, kWord };

// Identifiers take letters, digits, "_", "$" and every byte of a UTF-8
// sequence: Java allows letters of any script, and a byte from 0x80 up is
// never punctuation.
constexpr std::array<CharClass, 256> kCharClass = [] {
  std::array<CharClass, 256> table{};
  for (unsigned char c : {' ', '\t', '\n', '\v', '\f', '\r'}) table[c] = kSpace;
  for (int c = 'a'; c <= 'z'; ++c) table[c] = kWord;
  for (int c = 'A'; c <= 'Z'; ++c) table[c] = kWord;
  for (int c = '0'; c <= '9'; ++c) table[c] = kWord;
  table['_'] = kWord;
  table['$'] = kWord;
  for (int c = 0x80; c < 0x100; ++c) table[c] = kWord;
  return table;
}();

bool endsStatement(uint32_t unit) {
  return unit == ';' || unit == '{' || unit == '}' || unit == ':';
}

CharClass classOf(char c) { return kCharClass[static_cast<unsigned char>(c)]; }

bool isWordUnit(uint32_t unit) { return unit >= 0x80 || classOf(static_cast<char>(unit)) == kWord; }

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

JavaTokenizer::JavaTokenizer(std::string_view text)
    : text_(text), vectors_(scanLevel() != ScanLevel::Portable) {}

size_t JavaTokenizer::unicodeEscape(size_t i, uint32_t& unit) const {
  size_t n = text_.size();
  if (i + 1 >= n || text_[i] != '\\' || text_[i + 1] != 'u') return 0;
  size_t j = i + 1;
  while (j < n && text_[j] == 'u') ++j;
  if (n - j < 4) return 0;
  uint32_t value = 0;
  for (size_t k = j; k < j + 4; ++k) {
    int digit = hexValue(text_[k]);
    if (digit < 0) return 0;
    value = value * 16 + static_cast<uint32_t>(digit);
  }
  unit = value;
  return j + 4;
}

size_t JavaTokenizer::skipBlanks(size_t i) const {
  size_t n = text_.size();
#ifdef __SSE2__
  // Indentation makes runs of a dozen blanks common.
  while (vectors_ && i + 16 <= n) {
    __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text_.data() + i));
    // Tab to carriage return are 9 to 13: c - 9 below 5 without sign, which
    // a signed comparison sees once the top bits are flipped.
    __m128i shifted = _mm_xor_si128(_mm_sub_epi8(block, _mm_set1_epi8(9)), _mm_set1_epi8('\x80'));
    __m128i control = _mm_cmplt_epi8(shifted, _mm_set1_epi8(static_cast<char>(5 ^ 0x80)));
    __m128i blank = _mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8(' ')), control);
    unsigned other = ~static_cast<unsigned>(_mm_movemask_epi8(blank)) & 0xFFFF;
    if (other != 0) return i + static_cast<unsigned>(__builtin_ctz(other));
    i += 16;
  }
#endif
  while (i < n && classOf(text_[i]) == kSpace) ++i;
  return i;
}

void JavaTokenizer::skipSpace() {
  size_t n = text_.size();
  size_t i = position_;
  while (i < n) {
    char c = text_[i];
    if (classOf(c) == kSpace) {
      i = skipBlanks(i + 1);
    } else if (c == '/' && i + 1 < n && text_[i + 1] == '/') {
      const void* lineEnd = std::memchr(text_.data() + i, '\n', n - i);
      i = lineEnd ? static_cast<const char*>(lineEnd) - text_.data() + 1 : n;
    } else if (c == '/' && i + 1 < n && text_[i + 1] == '*') {
      // The comment ends at the first "/" after a "*" that is no part of
      // its opening "/*": "/*/" opens a comment and does not close it.
      size_t from = i + 3;
      i = n;
      while (from < n) {
        const void* slash = std::memchr(text_.data() + from, '/', n - from);
        if (!slash) break;
        size_t at = static_cast<const char*>(slash) - text_.data();
        if (text_[at - 1] == '*') {
          i = at + 1;
          break;
        }
        from = at + 1;
      }
    } else {
      break;
    }
  }
  position_ = i;
}

size_t JavaTokenizer::unitAt(size_t i, uint32_t& unit) const {
  unit = static_cast<unsigned char>(text_[i]);
  size_t end = text_[i] == '\\' ? unicodeEscape(i, unit) : 0;
  return end != 0 ? end : i + 1;
}

size_t JavaTokenizer::skipWord(size_t i) const {
  size_t n = text_.size();
  while (i < n) {
    if (classOf(text_[i]) == kWord) {
      ++i;
      continue;
    }
    uint32_t unit = 0;
    size_t end = text_[i] == '\\' ? unicodeEscape(i, unit) : 0;
    if (end == 0 || !isWordUnit(unit)) break;
    i = end;
  }
  return i;
}

size_t JavaTokenizer::skipQuoted(size_t i, char quote) const {
  // A line feed ends even an unclosed literal: Java allows none inside, and
  // stopping there keeps a stray quote from swallowing the rest of a file.
  // Escapes work on characters after the Unicode escapes are decoded, so
  // "\u005c" escapes the character after it and "\u0022" closes a string.
  // A backslash reached here always follows an even run of backslashes:
  // pairs are consumed together, so it may start a Unicode escape.
  size_t n = text_.size();
  while (i < n) {
    i = findLiteralStop(text_, i, quote);
    if (i == n) break;
    char c = text_[i];
    if (c == quote) return i + 1;
    if (c == '\n') return i;
    uint32_t unit = 0;
    size_t end = unicodeEscape(i, unit);
    if (end == 0) {
      i += 2;  // a plain escape and the character it escapes
      continue;
    }
    if (unit == static_cast<unsigned char>(quote)) return end;
    i = end;
    if (unit == '\\' && i < n) {
      // The escaped character; a backslash after the escape's last digit
      // follows no backslash, so it may be a Unicode escape of its own.
      size_t escaped = unicodeEscape(i, unit);
      i = escaped ? escaped : i + 1;
    }
  }
  return n;
}

size_t JavaTokenizer::skipTextBlock(size_t i) const {
  size_t n = text_.size();
  while (i < n) {
    char c = text_[i];
    if (c == '\\') {
      i += 2;
    } else if (c == '"' && i + 2 < n && text_[i + 1] == '"' && text_[i + 2] == '"') {
      return i + 3;
    } else {
      ++i;
    }
  }
  return n;
}

Token JavaTokenizer::next() {
  skipSpace();
  Token token;
  size_t n = text_.size();
  size_t i = position_;
  token.start = i;
  if (i >= n) {
    token.end = n;
    return token;
  }
  char c = text_[i];
  uint32_t unit = 0;
  size_t after = unitAt(i, unit);
  if (isWordUnit(unit)) {
    token.kind = unit >= '0' && unit <= '9' ? TokenKind::Literal : TokenKind::Identifier;
    token.end = skipWord(after);
  } else if (unit == '"' && c == '"' && i + 2 < n && text_[i + 1] == '"' && text_[i + 2] == '"') {
    token.kind = TokenKind::Literal;
    token.end = skipTextBlock(i + 3);
  } else if (unit == '"' || unit == '\'') {
    token.kind = TokenKind::Literal;
    token.end = skipQuoted(after, static_cast<char>(unit));
  } else {
    token.kind = TokenKind::Symbol;
    token.symbol = static_cast<char>(unit);
    token.end = after;
  }
  position_ = token.end;
  return token;
}

void JavaTokenizer::skipStatement() {
  size_t n = text_.size();
  size_t i = position_;
  for (;;) {
    i = findTokenStop(text_, i);
    if (i >= n) break;
    char c = text_[i];
    uint32_t unit = 0;
    size_t after = unitAt(i, unit);
    if (endsStatement(unit)) break;
    if (c == '"' && i + 2 < n && text_[i + 1] == '"' && text_[i + 2] == '"') {
      i = skipTextBlock(i + 3);
    } else if (unit == '"' || unit == '\'') {
      i = skipQuoted(after, static_cast<char>(unit));
    } else if (c == '/' && after < n && (text_[after] == '/' || text_[after] == '*')) {
      position_ = i;
      skipSpace();
      i = position_;
    } else {
      i = after;
    }
  }
  position_ = i;
}
