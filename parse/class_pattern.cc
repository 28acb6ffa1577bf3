#include "parse/class_pattern.h"

#include <vector>

#include "parse/import_pattern.h"

const char kClassPattern[] =
    "([^ ]*? |)([Aa-z][Aa-z ]*|)(class|interface) ([A-Za-z0-9_]+)( *<.*?>+|)"
    "( extends [A-Za-z0-9_.<>, ]+?|)( implements [A-Za-z0-9_.<>, ]+?|) *[{]";

// A regex engine walks this pattern depth first and recurses once per
// character it matches, so a header of a few hundred kilobytes exhausts the
// stack. The matcher below gives the same groups as an ECMAScript search in
// linear time. It rests on a few facts about the pattern:
// - The only "{" a match can end on is the statement's last character: any
//   other "{" follows a "/" (the statement reader copies it unexamined),
//   and no group can end in "/".
// - Group 1's lazy run has a single candidate: the text up to the first
//   blank. Group 4's greedy run never gives characters back, and group 5's
//   "<" can only follow all of its blanks, while its ">+" must take the
//   whole run of ">" (a ">" can start nothing that follows).
// - What remains are lazy or greedy runs whose first successful end can be
//   looked up in tables computed once from the back of the statement.
namespace {

constexpr size_t kNone = static_cast<size_t>(-1);
constexpr std::string_view kExtends = " extends ";
constexpr std::string_view kImplements = " implements ";

bool isModifierCharacter(char c) { return c == 'A' || (c >= 'a' && c <= 'z'); }
bool isNameCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}
bool isListCharacter(char c) {
  return isNameCharacter(c) || c == '.' || c == '<' || c == '>' || c == ',' || c == ' ';
}
bool isLineTerminator(char c) { return c == '\n' || c == '\r'; }

/// The statement with the tables the groups are looked up in. Indices run
/// from 0 to the statement's last character, the closing "{" at `last`.
class HeaderMatcher {
 public:
  explicit HeaderMatcher(std::string_view text) : s_(text), last_(text.size() - 1) {
    size_t n = text.size();
    listRun_.assign(n + 1, 0);
    nameRun_.assign(n + 1, 0);
    modifierRun_.assign(n + 1, 0);
    greaterRun_.assign(n + 1, 0);
    blankRun_.assign(n + 1, 0);
    nextBlank_.assign(n + 1, kNone);
    for (size_t i = n; i-- > 0;) {
      char c = text[i];
      listRun_[i] = isListCharacter(c) ? listRun_[i + 1] + 1 : 0;
      nameRun_[i] = isNameCharacter(c) ? nameRun_[i + 1] + 1 : 0;
      modifierRun_[i] = isModifierCharacter(c) || c == ' ' ? modifierRun_[i + 1] + 1 : 0;
      greaterRun_[i] = c == '>' ? greaterRun_[i + 1] + 1 : 0;
      blankRun_[i] = c == ' ' ? blankRun_[i + 1] + 1 : 0;
      nextBlank_[i] = c == ' ' ? i : nextBlank_[i + 1];
    }
    // " *[{]" from i: only blanks up to the last character.
    tailFrom_ = last_;
    while (tailFrom_ > 0 && text[tailFrom_ - 1] == ' ') --tailFrom_;

    nextGroup7_.assign(n + 1, kNone);
    for (size_t i = n; i-- > 0;) {
      nextGroup7_[i] = implementsEnd(i) != kNone || i >= tailFrom_ ? i : nextGroup7_[i + 1];
    }
    nextGreater_.assign(n + 1, kNone);
    for (size_t i = n; i-- > 0;) {
      if (isLineTerminator(text[i])) continue;  // "." stops here: kNone stays
      bool closes = greaterRun_[i] > 0 && extendsEnd(i + greaterRun_[i]) != kNone;
      nextGreater_[i] = closes ? i : nextGreater_[i + 1];
    }
    lastKeyword_.assign(n + 1, kNone);
    for (size_t i = 0; i <= n; ++i) {
      size_t previous = i > 0 ? lastKeyword_[i - 1] : kNone;
      lastKeyword_[i] = i < n && keywordEnd(i) != kNone ? i : previous;
    }
  }

  /// Group 1 onwards from `start`; fills `groups` on success.
  bool matchAt(size_t start, ClassGroups& groups) const {
    size_t blank = nextBlank_[start];
    if (blank != kNone && matchModifiers(blank + 1, groups)) {
      groups.annotation.assign(s_.substr(start, blank + 1 - start));
      return true;
    }
    if (!matchModifiers(start, groups)) return false;
    groups.annotation.clear();
    return true;
  }

 private:
  /// Group 7 at i, the implements alternative: its end, or kNone.
  size_t implementsEnd(size_t i) const {
    if (s_.compare(i, kImplements.size(), kImplements) != 0) return kNone;
    size_t from = i + kImplements.size();
    size_t length = tailFrom_ > from + 1 ? tailFrom_ - from : 1;
    return length <= listRun_[from] ? from + length : kNone;
  }

  /// Groups 6 and 7 and the tail at i: the end of group 6, or kNone.
  size_t extendsEnd(size_t i) const {
    if (s_.compare(i, kExtends.size(), kExtends) == 0) {
      size_t from = i + kExtends.size();
      // The lazy run ends at the first place where group 7 and the tail match.
      size_t end = from < last_ ? nextGroup7_[from + 1] : kNone;
      if (end != kNone && end <= from + listRun_[from]) return end;
    }
    return nextGroup7_[i] == i ? i : kNone;
  }

  /// The keyword at i: the index after its blank, or kNone.
  size_t keywordEnd(size_t i) const {
    for (std::string_view keyword : {std::string_view("class "), std::string_view("interface ")}) {
      if (s_.compare(i, keyword.size(), keyword) == 0) {
        size_t name = i + keyword.size();
        if (nameRun_[name] == 0) return kNone;
        size_t after = name + nameRun_[name];
        return genericEnd(after) != kNone ? name : kNone;
      }
    }
    return kNone;
  }

  /// Group 5 at i: its end, or kNone when nothing from i on matches.
  size_t genericEnd(size_t i) const {
    size_t open = i + blankRun_[i];
    if (open < last_ && s_[open] == '<') {
      size_t close = nextGreater_[open + 1];
      if (close != kNone) return close + greaterRun_[close];
    }
    return extendsEnd(i) != kNone ? i : kNone;
  }

  /// Group 2 onwards from i.
  bool matchModifiers(size_t i, ClassGroups& groups) const {
    if (i > last_) return false;
    size_t keyword = kNone;
    if (isModifierCharacter(s_[i])) {
      size_t candidate = lastKeyword_[i + modifierRun_[i]];
      if (candidate != kNone && candidate > i) keyword = candidate;
    }
    if (keyword == kNone && keywordEnd(i) != kNone) keyword = i;
    if (keyword == kNone) return false;
    fill(i, keyword, groups);
    return true;
  }

  /// The groups of a match whose modifiers run from `from` to `keyword`.
  void fill(size_t from, size_t keyword, ClassGroups& groups) const {
    groups.modifiers.assign(s_.substr(from, keyword - from));
    size_t name = keywordEnd(keyword);
    groups.kind.assign(s_.substr(keyword, name - 1 - keyword));
    size_t after = name + nameRun_[name];
    groups.name.assign(s_.substr(name, after - name));
    size_t generic = genericEnd(after);
    groups.generic.assign(s_.substr(after, generic - after));
    size_t extends = extendsEnd(generic);
    groups.extends.assign(s_.substr(generic, extends - generic));
    size_t implements = implementsEnd(extends);
    if (implements == kNone) implements = extends;
    groups.implements.assign(s_.substr(extends, implements - extends));
  }

  std::string_view s_;
  size_t last_;
  size_t tailFrom_;
  std::vector<size_t> listRun_, nameRun_, modifierRun_, greaterRun_, blankRun_;
  std::vector<size_t> nextBlank_;    // first blank at or after i
  std::vector<size_t> nextGroup7_;   // first i' >= i where group 7 and the tail match
  std::vector<size_t> nextGreater_;  // first ">" from i whose run lets groups 6 on match
  std::vector<size_t> lastKeyword_;  // last i' <= i where a keyword and the rest match
};

}  // namespace

bool findClassDeclaration(std::string_view statement, ClassGroups& groups) {
  // A header always ends its statement with the brace that opens the body,
  // and names one of the two keywords followed by a blank.
  if (statement.empty() || statement.back() != '{') return false;
  if (statement.find("class ") == std::string_view::npos &&
      statement.find("interface ") == std::string_view::npos) {
    return false;
  }
  HeaderMatcher matcher(statement);
  for (size_t start = 0; start < statement.size(); ++start) {
    if (matcher.matchAt(start, groups)) return true;
  }
  return false;
}

bool findPackage(std::string_view statement, std::string& name) {
  // The same pattern as in import mode, matched in linear time: a regular
  // expression engine recurses once per character of a long name.
  return findImportPackage(statement, name);
}
