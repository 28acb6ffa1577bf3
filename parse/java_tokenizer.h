#ifndef KINTREE_PARSE_JAVA_TOKENIZER_H_
#define KINTREE_PARSE_JAVA_TOKENIZER_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

/// What a token is; comments and whitespace never make one.
enum class TokenKind : uint8_t { Identifier, Symbol, Literal, End };

/// One token: bytes [start, end) of the source. A symbol is one character,
/// so ">>" comes as two tokens; `symbol` holds it (decoded when the source
/// wrote it as a Unicode escape).
struct Token {
  TokenKind kind = TokenKind::End;
  char symbol = 0;
  size_t start = 0;
  size_t end = 0;
};

/// Splits Java source into identifiers, one-character symbols and
/// literals (numbers, strings, characters, text blocks), skipping
/// whitespace and comments. It keeps no state but its position, so a copy
/// of it looks ahead.
class JavaTokenizer {
 public:
  explicit JavaTokenizer(std::string_view text);

  /// The next token; End (empty, at the text's end) when none is left.
  Token next();
  /// Moves on to the next ";", "{", "}" or ":" outside comments and
  /// literals, which next() then returns: the rest of a statement that
  /// cannot declare a type is passed over without making tokens of it.
  void skipStatement();

  std::string_view text() const { return text_; }
  std::string_view textOf(const Token& token) const {
    return text_.substr(token.start, token.end - token.start);
  }

 private:
  /// The first index from `i` that holds no whitespace.
  size_t skipBlanks(size_t i) const;
  /// Skips whitespace and comments from position_.
  void skipSpace();
  /// The end of the literal whose opening quote ends before `i`.
  size_t skipQuoted(size_t i, char quote) const;
  size_t skipTextBlock(size_t i) const;
  /// The end of an identifier or number that continues at `i`.
  size_t skipWord(size_t i) const;
  /// When a Unicode escape ("\u0022", also "\uuu0022") starts at `i`: its
  /// character (an unsigned UTF-16 unit) and its end; 0 otherwise.
  size_t unicodeEscape(size_t i, uint32_t& unit) const;
  /// The character at `i` (a Unicode escape decoded) and the index after it.
  size_t unitAt(size_t i, uint32_t& unit) const;

  std::string_view text_;
  size_t position_ = 0;
  bool vectors_;  // blanks sixteen at a time: tests ask for the portable loop
};

#endif  // KINTREE_PARSE_JAVA_TOKENIZER_H_
