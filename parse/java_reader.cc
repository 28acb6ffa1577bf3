#include "parse/java_reader.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "parse/byte_scan.h"
#include "parse/java_tokenizer.h"

namespace {

/// The identifiers the reader acts on; every other one is Other.
enum class Word { Other, Class, Interface, Enum, Record, Package, Import, Modifier, Non };

Word classify(std::string_view word) {
  switch (word.size()) {
    case 3:
      if (word == "non") return Word::Non;
      break;
    case 4:
      if (word == "enum") return Word::Enum;
      break;
    case 5:
      if (word == "class") return Word::Class;
      if (word == "final") return Word::Modifier;
      break;
    case 6:
      if (word == "record") return Word::Record;
      if (word == "import") return Word::Import;
      if (word == "public" || word == "static" || word == "sealed") return Word::Modifier;
      break;
    case 7:
      if (word == "package") return Word::Package;
      if (word == "private") return Word::Modifier;
      break;
    case 8:
      if (word == "abstract" || word == "strictfp") return Word::Modifier;
      break;
    case 9:
      if (word == "interface") return Word::Interface;
      if (word == "protected") return Word::Modifier;
      break;
  }
  return Word::Other;
}

bool isSymbol(const Token& token, char symbol) {
  return token.kind == TokenKind::Symbol && token.symbol == symbol;
}

class Reader {
 public:
  Reader(std::string_view source, JavaFile& file) : tokens_(source), file_(file) {}

  void read();

 private:
  Token next() {
    if (!hasPending_) return tokens_.next();
    hasPending_ = false;
    return pending_;
  }
  Token peek() {
    if (!hasPending_) pending_ = tokens_.next();
    hasPending_ = true;
    return pending_;
  }
  /// The token after the one peek() shows.
  Token peekSecond() {
    peek();
    JavaTokenizer ahead = tokens_;
    return ahead.next();
  }
  void pushBack(const Token& token) {
    pending_ = token;
    hasPending_ = true;
  }
  std::string_view textOf(const Token& token) const { return tokens_.textOf(token); }
  bool isWord(const Token& token, std::string_view word) const {
    return token.kind == TokenKind::Identifier && textOf(token) == word;
  }
  void resetPrefix() {
    modifiers_.clear();
    meta_.clear();
  }

  /// Appends `token` to `out` as the normalised text shows it: one blank
  /// where the source had whitespace or comments (none after a comma), and
  /// literals with their line breaks and tabs turned into blanks.
  void appendToken(std::string& out, const Token& token);
  /// Reads an annotation whose "@" was just taken; appends it to `out`
  /// when that is not null.
  void readAnnotation(const Token& at, std::string* out);
  /// Skips to the `close` that balances an `open` just taken; appends the
  /// tokens to `out` when not null. False, with the offending token pushed
  /// back, when a token that cannot stand inside comes first.
  bool skipBalanced(char open, char close, std::string* out);
  /// Reads a dotted name; "" when no identifier comes.
  std::string readDottedName();
  void readPackage();
  void readImport();
  void readDeclaration(const Token& keyword, const char* kind);
  void readTypeList(std::vector<std::string>& names);
  /// Passes over the rest of a statement that declares nothing.
  void skipRest();
  /// The 1-based line of byte `offset`; offsets come in increasing order.
  uint32_t lineAt(size_t offset);

  JavaTokenizer tokens_;
  JavaFile& file_;
  Token pending_;
  bool hasPending_ = false;
  size_t lastEnd_ = 0;  // end of the token appendToken wrote last
  /// One entry per open brace: the index of the type whose body it opened,
  /// or -1 for any other block.
  std::vector<int32_t> frames_;
  // The modifiers and annotations that open the current statement.
  std::string modifiers_;
  std::string meta_;
  size_t lineOffset_ = 0;
  uint32_t line_ = 1;
};

void Reader::appendToken(std::string& out, const Token& token) {
  if (!out.empty() && token.start > lastEnd_ && out.back() != ',' && out.back() != ' ') {
    out += ' ';
  }
  size_t from = out.size();
  out += textOf(token);
  if (token.kind == TokenKind::Literal) {
    for (size_t i = from; i < out.size(); ++i) {
      char c = out[i];
      if (c == '\n' || c == '\r' || c == '\t' || c == '\v' || c == '\f') out[i] = ' ';
    }
  }
  lastEnd_ = token.end;
}

void Reader::readAnnotation(const Token& at, std::string* out) {
  std::string ignored;
  std::string& text = out ? *out : ignored;
  appendToken(text, at);
  Token name = next();
  if (name.kind != TokenKind::Identifier) {
    pushBack(name);
    return;
  }
  appendToken(text, name);
  while (isSymbol(peek(), '.') && peekSecond().kind == TokenKind::Identifier) {
    appendToken(text, next());
    appendToken(text, next());
  }
  if (isSymbol(peek(), '(')) {
    appendToken(text, next());
    skipBalanced('(', ')', &text);
  }
  if (out) text += ' ';
}

bool Reader::skipBalanced(char open, char close, std::string* out) {
  int depth = 1;
  for (;;) {
    Token token = next();
    if (token.kind == TokenKind::End) return false;
    if (token.kind == TokenKind::Symbol) {
      char c = token.symbol;
      // Type parameters hold no statements or blocks; an argument list of
      // an annotation or the components of a record hold no statements.
      bool stray = c == ';' || (open == '<' && (c == '{' || c == '}' || c == '(' || c == ')'));
      if (stray) {
        pushBack(token);
        return false;
      }
      if (c == '@') {
        readAnnotation(token, out);
        if (out && !out->empty() && out->back() == ' ') out->pop_back();
        continue;
      }
    }
    if (out) appendToken(*out, token);
    if (isSymbol(token, open)) ++depth;
    if (isSymbol(token, close) && --depth == 0) return true;
  }
}

std::string Reader::readDottedName() {
  std::string name;
  Token token = next();
  if (token.kind != TokenKind::Identifier) {
    pushBack(token);
    return name;
  }
  name = textOf(token);
  while (isSymbol(peek(), '.') && peekSecond().kind == TokenKind::Identifier) {
    next();
    name += '.';
    name += textOf(next());
  }
  return name;
}

void Reader::readPackage() {
  std::string name = readDottedName();
  if (!name.empty() && isSymbol(peek(), ';')) file_.package = std::move(name);
}

void Reader::readImport() {
  bool isStatic = isWord(peek(), "static");
  if (isStatic) next();
  std::string name = readDottedName();
  if (name.empty()) return;
  bool onDemand = isSymbol(peek(), '.') && isSymbol(peekSecond(), '*');
  if (onDemand) {
    next();
    next();
  }
  if (!isSymbol(peek(), ';')) return;
  if (isStatic) {
    (onDemand ? file_.staticOnDemand : file_.staticImports).push_back(std::move(name));
  } else {
    (onDemand ? file_.onDemand : file_.imports).push_back(std::move(name));
  }
}

void Reader::readTypeList(std::vector<std::string>& names) {
  for (;;) {
    Token token = next();
    while (isSymbol(token, '@')) {
      readAnnotation(token, nullptr);
      token = next();
    }
    if (token.kind != TokenKind::Identifier) {
      pushBack(token);
      return;
    }
    std::string name(textOf(token));
    for (;;) {
      Token after = next();
      if (isSymbol(after, '<')) {
        if (!skipBalanced('<', '>', nullptr)) break;
      } else if (isSymbol(after, '.')) {
        // A type annotation may stand before the name of a member type.
        Token part = next();
        while (isSymbol(part, '@')) {
          readAnnotation(part, nullptr);
          part = next();
        }
        if (part.kind != TokenKind::Identifier) {
          pushBack(part);
          break;
        }
        name += '.';
        name += textOf(part);
      } else {
        pushBack(after);
        break;
      }
    }
    names.push_back(std::move(name));
    if (!isSymbol(peek(), ',')) return;
    next();
  }
}

void Reader::readDeclaration(const Token& keyword, const char* kind) {
  Token name = next();
  if (name.kind != TokenKind::Identifier) {
    pushBack(name);
    resetPrefix();
    return;
  }
  JavaType type;
  type.kind = kind;
  type.simpleName = textOf(name);
  type.line = lineAt(keyword.start);
  Token token = next();
  if (isSymbol(token, '<')) {
    // Written as the class-mode reading writes it: a blank before the
    // bracket when the source has one, none after a comma.
    if (token.start > name.end) type.generic = " ";
    appendToken(type.generic, token);
    if (!skipBalanced('<', '>', &type.generic)) {
      resetPrefix();
      return;
    }
    token = next();
  }
  if (type.kind == "record" && isSymbol(token, '(')) {
    if (!skipBalanced('(', ')', nullptr)) {
      resetPrefix();
      return;
    }
    token = next();
  }
  for (;;) {
    if (isSymbol(token, '{')) break;
    std::vector<std::string>* clause = nullptr;
    if (isWord(token, "extends")) clause = &type.extends;
    if (isWord(token, "implements")) clause = &type.implements;
    if (isWord(token, "permits")) clause = &type.permits;
    if (!clause) {
      // No body follows: not a declaration this reading understands.
      pushBack(token);
      resetPrefix();
      return;
    }
    readTypeList(*clause);
    token = next();
  }
  type.modifiers = std::move(modifiers_);
  type.meta = std::move(meta_);
  resetPrefix();

  // The nesting name: one component per open brace, as the class-mode
  // reading names nested and local classes.
  std::string prefix;
  for (size_t i = 0; i < frames_.size(); ++i) {
    if (i > 0) prefix += '.';
    if (frames_[i] >= 0) prefix += file_.types[frames_[i]].simpleName;
  }
  if (!prefix.empty()) prefix += '.';
  type.name = prefix + type.simpleName;
  auto enclosing = std::find_if(frames_.rbegin(), frames_.rend(), [](int32_t f) { return f >= 0; });
  if (enclosing != frames_.rend()) type.enclosing = *enclosing;
  type.local = !frames_.empty() && frames_.back() < 0;

  frames_.push_back(static_cast<int32_t>(file_.types.size()));
  file_.types.push_back(std::move(type));
}

uint32_t Reader::lineAt(size_t offset) {
  std::string_view text = tokens_.text();
  line_ += static_cast<uint32_t>(countLineFeeds(text.substr(lineOffset_, offset - lineOffset_)));
  lineOffset_ = offset;
  return line_;
}

void Reader::skipRest() {
  // A token taken ahead belongs to the rest, unless it ends the statement.
  if (hasPending_) {
    if (pending_.kind == TokenKind::Symbol && std::strchr(";{}:", pending_.symbol)) return;
    hasPending_ = false;
  }
  tokens_.skipStatement();
}

void Reader::read() {
  // Each turn stands where a statement or member may begin. Modifiers and
  // annotations gather there; a kind keyword declares a type; any other
  // token means the rest of the statement declares nothing, up to the next
  // ";", "{", "}" or ":" (which a label or case ends with).
  for (;;) {
    Token token = next();
    if (token.kind == TokenKind::End) return;
    if (token.kind == TokenKind::Symbol) {
      switch (token.symbol) {
        case '@':
          if (isWord(peek(), "interface")) {
            readDeclaration(next(), "annotation");
          } else {
            readAnnotation(token, &meta_);
          }
          continue;
        case '{':
          frames_.push_back(-1);
          resetPrefix();
          continue;
        case '}':
          if (!frames_.empty()) frames_.pop_back();
          resetPrefix();
          continue;
        case ';':
        case ':':
          resetPrefix();
          continue;
      }
    } else if (token.kind == TokenKind::Identifier) {
      std::string_view word = textOf(token);
      switch (classify(word)) {
        case Word::Class:
          readDeclaration(token, "class");
          continue;
        case Word::Interface:
          readDeclaration(token, "interface");
          continue;
        case Word::Enum:
          // Older sources name variables "enum".
          if (peek().kind == TokenKind::Identifier &&
              (isSymbol(peekSecond(), '{') || isWord(peekSecond(), "implements"))) {
            readDeclaration(token, "enum");
            continue;
          }
          break;
        case Word::Record:
          // "record" is a keyword only before a name and its header.
          if (peek().kind == TokenKind::Identifier &&
              (isSymbol(peekSecond(), '(') || isSymbol(peekSecond(), '<'))) {
            readDeclaration(token, "record");
            continue;
          }
          break;
        case Word::Package:
          if (!frames_.empty()) break;
          resetPrefix();
          readPackage();
          continue;
        case Word::Import:
          if (!frames_.empty()) break;
          readImport();
          continue;
        case Word::Modifier:
          if (!modifiers_.empty()) modifiers_ += ' ';
          modifiers_ += word;
          continue;
        case Word::Non:
          if (isSymbol(peek(), '-') && isWord(peekSecond(), "sealed")) {
            next();
            next();
            if (!modifiers_.empty()) modifiers_ += ' ';
            modifiers_ += "non-sealed";
            continue;
          }
          break;
        case Word::Other:
          break;
      }
    }
    resetPrefix();
    skipRest();
  }
}

}  // namespace

void readJavaFile(std::string_view source, JavaFile& file) {
  Reader(source, file).read();
  // A run keeps every file's reading until the last file is read.
  file.types.shrink_to_fit();
}
