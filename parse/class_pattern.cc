#include "parse/class_pattern.h"

#include <algorithm>
#include <vector>

#include "base/char_class.h"
#include "parse/import_pattern.h"

// Names take "$" and every byte from 0x80 up (identifiers in UTF-8); type
// lists also take wildcards, array brackets, bounds and type annotations.
const char kClassPattern[] =
    "([^ ]*? |)([Aa-z][-Aa-z ]*|)(class|interface) ([A-Za-z0-9_$\\x80-\\xff]+)( *<.*?>+|)"
    "( extends [A-Za-z0-9_$\\x80-\\xff.<>, ?\\[\\]&@]+?|)"
    "( implements [A-Za-z0-9_$\\x80-\\xff.<>, ?\\[\\]&@]+?|)"
    "( permits [A-Za-z0-9_$\\x80-\\xff.<>, ?\\[\\]&@]+?|) *[{]";
const char kPackagePattern[] = "package ([A-Za-z0-9_.$\\x80-\\xff]+);";

// A backtracking engine tries, for every start, every split of the text
// between the groups, which is quadratic on long blank-free statements. The
// pattern has few real choices, though:
//  - g1 is either the text through the first blank after the start, or empty;
//  - g2 ends where g3 starts: the longest run that still leads to a match
//    wins, so g3 starts at the rightmost position in the run that succeeds;
//  - g3 and g4 are forced: one keyword fits, and a shorter name leaves a name
//    character that nothing after it accepts;
//  - g5 ends after a run of ">": inside a run a ">" follows, which nothing
//    after it accepts, so the first run end from which the rest succeeds wins;
//  - the rest (g6, g7, g8, blanks, "{") succeeds from a position exactly when
//    the clause characters from there end at a "{" and the text starts
//    suitably.
// Tables filled right to left answer "does a match go on from here" in
// constant time, so every start costs O(1) and the groups are read off the
// winning positions.

namespace {

constexpr size_t kNone = std::string_view::npos;
constexpr std::string_view kClassWord = "class ";
constexpr std::string_view kInterfaceWord = "interface ";
constexpr std::string_view kExtends = " extends ";
constexpr std::string_view kImplements = " implements ";
constexpr std::string_view kPermits = " permits ";

bool isModifierLetter(char c) { return c == 'A' || isAsciiLower(c); }

bool isClauseCharacter(char c) {
  return isNameCharacter(c) || c == '.' || c == '<' || c == '>' || c == ',' || c == ' ' ||
         c == '?' || c == '[' || c == ']' || c == '&' || c == '@';
}

bool isPackageCharacter(char c) { return isNameCharacter(c) || c == '.'; }

// "." of the ECMAScript grammar stops at these.
bool isLineTerminator(char c) { return c == '\n' || c == '\r'; }

/// Per-text tables: each entry tells where a run starting at that index ends
/// or where the next position of interest is; kNone when there is none.
class ClassMatcher {
 public:
  bool match(std::string_view text, ClassGroups& groups);

 private:
  bool startsWith(size_t at, std::string_view word) const {
    // Asked at nearly every position: the first byte mostly settles it.
    return at < text_.size() && text_[at] == word[0] && text_.compare(at, word.size(), word) == 0;
  }
  /// `clause` at `at` with at least one clause character after it before `end`.
  bool clauseAt(std::string_view clause, size_t at, size_t end) const {
    return end > at + clause.size() && startsWith(at, clause);
  }
  /// Whether the clause groups from `group` on (7 for g7 and g8, 8 for g8,
  /// 9 for none), the blanks and "{" match at `at`, within a run of clause
  /// characters that ends at a "{" at `end`.
  bool followMatches(size_t at, size_t end, int group) const {
    return (group <= 7 && clauseAt(kImplements, at, end)) ||
           (group <= 8 && clauseAt(kPermits, at, end)) || blankEnd_[at] == end;
  }
  /// Whether g6, g7, g8, the blanks and "{" match from `at`.
  bool restMatches(size_t at) const;
  /// Fills the lazy clause group that starts with `keyword`, or empties it
  /// when the clause is not at `at`; returns where the group ends, the
  /// first place from which the groups from `next` on match.
  size_t readClause(std::string_view keyword, size_t at, size_t end, int next,
                    std::string& group) const;
  /// Fills g6, g7 and g8 for a position where restMatches holds.
  void readRest(size_t at, ClassGroups& groups) const;
  /// The end of g5 from `nameEnd`: nameEnd itself when g5 is empty; kNone
  /// when no match goes on after the name.
  size_t genericEnd(size_t nameEnd) const;
  /// Where g4 ends for a keyword at `at`, or kNone when g3 and g4 fail there.
  size_t nameEnd(size_t at) const;
  void fillTables();

  std::string_view text_;
  std::vector<size_t> blankEnd_;     // end of the blank run from i
  std::vector<size_t> clauseEnd_;    // end of the clause-character run from i
  std::vector<size_t> nameEnd_;      // end of the name-character run from i
  std::vector<size_t> lineEnd_;      // first line terminator at or after i
  std::vector<size_t> closeEnd_;     // first end of a ">" run at or after i
                                     // from which restMatches holds
  std::vector<size_t> lastKeyword_;  // rightmost g3 start that succeeds in
                                     // the modifier run through i
};

bool ClassMatcher::restMatches(size_t at) const {
  size_t end = clauseEnd_[at];
  if (end >= text_.size() || text_[end] != '{') return false;
  return clauseAt(kExtends, at, end) || followMatches(at, end, 7);
}

size_t ClassMatcher::readClause(std::string_view keyword, size_t at, size_t end, int next,
                                std::string& group) const {
  group.clear();
  if (!clauseAt(keyword, at, end)) return at;
  // The lazy clause stops at the first place where the later clauses or
  // the closing blanks take over; the "{" at `end` always qualifies.
  size_t stop = at + keyword.size() + 1;
  while (!followMatches(stop, end, next)) ++stop;
  group.assign(text_.substr(at, stop - at));
  return stop;
}

void ClassMatcher::readRest(size_t at, ClassGroups& groups) const {
  size_t end = clauseEnd_[at];
  at = readClause(kExtends, at, end, 7, groups.extends);
  at = readClause(kImplements, at, end, 8, groups.implements);
  readClause(kPermits, at, end, 9, groups.permits);
}

size_t ClassMatcher::genericEnd(size_t nameEnd) const {
  size_t open = blankEnd_[nameEnd];
  if (open < text_.size() && text_[open] == '<') {
    // Any ">" run after the "<" closes g5, as long as "." reaches it.
    size_t close = closeEnd_[open + 1];
    if (close != kNone && close <= lineEnd_[open + 1]) return close;
  }
  return restMatches(nameEnd) ? nameEnd : kNone;
}

size_t ClassMatcher::nameEnd(size_t at) const {
  size_t start;
  if (startsWith(at, kClassWord)) {
    start = at + kClassWord.size();
  } else if (startsWith(at, kInterfaceWord)) {
    start = at + kInterfaceWord.size();
  } else {
    return kNone;
  }
  size_t end = nameEnd_[start];
  return end > start ? end : kNone;
}

void ClassMatcher::fillTables() {
  size_t n = text_.size();
  for (std::vector<size_t>* table :
       {&blankEnd_, &clauseEnd_, &nameEnd_, &lineEnd_, &closeEnd_, &lastKeyword_}) {
    table->assign(n + 1, kNone);
  }
  blankEnd_[n] = clauseEnd_[n] = nameEnd_[n] = lineEnd_[n] = n;
  for (size_t i = n; i-- > 0;) {
    char c = text_[i];
    blankEnd_[i] = c == ' ' ? blankEnd_[i + 1] : i;
    clauseEnd_[i] = isClauseCharacter(c) ? clauseEnd_[i + 1] : i;
    nameEnd_[i] = isNameCharacter(c) ? nameEnd_[i + 1] : i;
    lineEnd_[i] = isLineTerminator(c) ? i : lineEnd_[i + 1];
  }
  // A ">" run ends at i when text[i - 1] is its last ">".
  for (size_t i = n + 1; i-- > 1;) {
    bool runEnd = text_[i - 1] == '>' && (i == n || text_[i] != '>');
    closeEnd_[i] = runEnd && restMatches(i) ? i : (i < n ? closeEnd_[i + 1] : kNone);
  }
  for (size_t i = n; i-- > 0;) {
    char c = text_[i];
    // After its first letter the modifier run also takes "-", for
    // "non-sealed": without it "public non-sealed class" lost its "public".
    if (!isModifierLetter(c) && c != ' ' && c != '-') continue;
    size_t later = lastKeyword_[i + 1];
    if (later != kNone) {
      lastKeyword_[i] = later;
    } else {
      size_t end = nameEnd(i);
      if (end != kNone && genericEnd(end) != kNone) lastKeyword_[i] = i;
    }
  }
}

bool ClassMatcher::match(std::string_view text, ClassGroups& groups) {
  text_ = text;
  fillTables();
  size_t n = text_.size();
  // The first blank at or after the start, or n.
  size_t blank = std::min(text_.find(' '), n);
  for (size_t start = 0; start < n; ++start) {
    if (blank < start) blank = std::min(text_.find(' ', start), n);
    // g1 through the first blank, then g2 from after it; else g1 empty.
    size_t modifiersStart = kNone;
    size_t keyword = kNone;
    if (blank + 1 < n && isModifierLetter(text_[blank + 1])) {
      modifiersStart = blank + 1;
      keyword = lastKeyword_[modifiersStart];
    }
    if (keyword == kNone && isModifierLetter(text_[start])) {
      modifiersStart = start;
      keyword = lastKeyword_[start];
    }
    if (keyword == kNone) continue;

    groups.annotation.assign(text_.substr(start, modifiersStart - start));
    groups.modifiers.assign(text_.substr(modifiersStart, keyword - modifiersStart));
    groups.kind.assign(text_[keyword] == 'c' ? "class" : "interface");
    groups.kindAt = keyword;
    size_t end = nameEnd(keyword);
    size_t nameStart = keyword + groups.kind.size() + 1;
    groups.name.assign(text_.substr(nameStart, end - nameStart));
    size_t generic = genericEnd(end);
    groups.generic.assign(text_.substr(end, generic - end));
    readRest(generic, groups);
    return true;
  }
  return false;
}

}  // namespace

bool matchClassPattern(std::string_view text, ClassGroups& groups) {
  // Reused between calls so that statements need no allocation of their
  // own; one per thread, as files are read on several.
  thread_local ClassMatcher matcher;
  return matcher.match(text, groups);
}

bool mayBeHeader(std::string_view statement) {
  return !statement.empty() && statement.back() == '{' &&
         (statement.find(kClassWord) != std::string_view::npos ||
          statement.find(kInterfaceWord) != std::string_view::npos);
}

bool mayBePackage(std::string_view statement) {
  return !statement.empty() && statement.back() == ';' &&
         statement.find("package ") != std::string_view::npos;
}

bool findClassDeclaration(std::string_view statement, ClassGroups& groups) {
  return mayBeHeader(statement) && matchClassPattern(statement, groups);
}

bool findPackage(std::string_view statement, std::string& name) {
  // Matched in linear time as in import mode: a regular expression engine
  // recurses once per character of a long name.
  return mayBePackage(statement) && findPackageStatement(statement, isPackageCharacter, name);
}
