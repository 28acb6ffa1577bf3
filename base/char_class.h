#ifndef KINTREE_BASE_CHAR_CLASS_H_
#define KINTREE_BASE_CHAR_CLASS_H_

// ASCII character classes as the patterns and the Java grammar name them;
// unlike <cctype> they ignore the locale and take plain (signed) chars.

inline bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }
inline bool isAsciiLower(char c) { return c >= 'a' && c <= 'z'; }
inline bool isAsciiUpper(char c) { return c >= 'A' && c <= 'Z'; }
inline bool isAsciiLetter(char c) { return isAsciiLower(c) || isAsciiUpper(c); }
/// A character of "[A-Za-z0-9_]".
inline bool isWordCharacter(char c) { return isAsciiLetter(c) || isAsciiDigit(c) || c == '_'; }
/// A character of a Java name as the patterns read it: a word character,
/// "$", or any byte of a UTF-8 sequence.
inline bool isNameCharacter(char c) {
  return isWordCharacter(c) || c == '$' || static_cast<unsigned char>(c) >= 0x80;
}
/// The six ASCII whitespace characters: blank, tab, line feed, vertical
/// tab, form feed and carriage return.
inline bool isAsciiSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
inline char toAsciiLower(char c) { return isAsciiUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }

#endif  // KINTREE_BASE_CHAR_CLASS_H_
