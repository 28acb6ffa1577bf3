#include "parse/class_pattern.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/class_pattern_reference.h"

namespace {

// The eight groups, or nothing when there is no match.
std::vector<std::string> groupsOf(bool found, const ClassGroups& g) {
  if (!found) return {};
  return {g.annotation, g.modifiers, g.kind, g.name, g.generic, g.extends, g.implements, g.permits};
}

std::vector<std::string> fastGroups(const std::string& statement) {
  ClassGroups groups;
  return groupsOf(findClassDeclaration(statement, groups), groups);
}

std::vector<std::string> regexGroups(const std::string& text) {
  ClassGroups groups;
  return groupsOf(regexClassDeclaration(text, groups), groups);
}

// The groups and where g3 starts, or "none": what the matchers and the
// regex search must agree on.
std::string described(bool (*find)(std::string_view, ClassGroups&), const std::string& text) {
  ClassGroups groups;
  return find(text, groups) ? describeGroups(groups) : "none";
}

struct DeclarationCase {
  const char* statement;
  std::vector<std::string> groups;  // empty: no match
};

// Header statements as the reader delivers them, with their groups worked
// out by hand from the pattern.
const DeclarationCase kDeclarationCases[] = {
    {"public class Foo {", {"public ", "", "class", "Foo", "", "", "", ""}},
    {"class Foo {", {"", "", "class", "Foo", "", "", "", ""}},
    {"final public class Foo {", {"final ", "public ", "class", "Foo", "", "", "", ""}},
    {"@Deprecated public abstract class Shape<T> extends Base implements "
     "Comparable<Shape<T>>,Serializable {",
     {"@Deprecated ", "public abstract ", "class", "Shape", "<T>", " extends Base",
      " implements Comparable<Shape<T>>,Serializable", ""}},
    {"static class Inner extends Shape<Integer> {",
     {"static ", "", "class", "Inner", "", " extends Shape<Integer>", "", ""}},
    {"@A @B public class X {", {"@B ", "public ", "class", "X", "", "", "", ""}},
    {"@Anno(a = 1) public class X {", {"1) ", "public ", "class", "X", "", "", "", ""}},
    {"public @interface Marker {", {"", "", "interface", "Marker", "", "", "", ""}},
    {"class Box<K,V> {", {"", "", "class", "Box", "<K,V>", "", "", ""}},
    {"class Box <T> {", {"", "", "class", "Box", " <T>", "", "", ""}},
    {"class C<T extends Comparable<T>> {",
     {"", "", "class", "C", "<T extends Comparable<T>>", "", "", ""}},
    {"interface I extends A,B<C> {", {"", "", "interface", "I", "", " extends A,B<C>", "", ""}},
    {"class X implements Map<K,V>,Serializable {",
     {"", "", "class", "X", "", "", " implements Map<K,V>,Serializable", ""}},
    // The lazy clauses leave the blanks before "{" to the end of the pattern.
    {"class X extends Y   {", {"", "", "class", "X", "", " extends Y", "", ""}},
    // A lazy clause still takes one character.
    {"class X implements   {", {"", "", "class", "X", "", "", " implements  ", ""}},
    // The first ">" run after which the rest matches closes g5.
    {"class G<A> x <B> {", {"", "", "class", "G", "<A> x <B>", "", "", ""}},
    {"class G<A>> {", {"", "", "class", "G", "<A>>", "", "", ""}},
    // "class" inside a longer word still starts g3 at its "c".
    {"subclass Foo {", {"", "sub", "class", "Foo", "", "", "", ""}},
    {"public subclass Foo {", {"public ", "sub", "class", "Foo", "", "", "", ""}},
    // g2 runs as far as possible and gives back only what g3 needs.
    {"public class class Foo {", {"public ", "class ", "class", "Foo", "", "", "", ""}},
    // g1 is the token before the first blank that g2 can follow.
    {"x = new Object() { class Local {", {"{ ", "", "class", "Local", "", "", "", ""}},
    {"enum Color {", {}},
    {"public class {", {}},
    {"class Foo", {}},
    {"class Foo extends {", {}},
    // Today's Java: permits lists, wildcards, arrays, bounds and type
    // annotations in type lists, "$" and UTF-8 in names.
    {"public sealed interface Shape permits Circle,Square {",
     {"public ", "sealed ", "interface", "Shape", "", "", "", " permits Circle,Square"}},
    {"sealed abstract class V extends Base implements I permits Car,Truck {",
     {"sealed ", "abstract ", "class", "V", "", " extends Base", " implements I",
      " permits Car,Truck"}},
    {"class S implements KeyValueStore<Bytes,byte[]>,Holder<? extends Number> {",
     {"", "", "class", "S", "", "",
      " implements KeyValueStore<Bytes,byte[]>,Holder<? extends Number>", ""}},
    {"class C implements Converter<String,@Nullable Boolean> {",
     {"", "", "class", "C", "", "", " implements Converter<String,@Nullable Boolean>", ""}},
    {"class Foo$Bar extends A$B {", {"", "", "class", "Foo$Bar", "", " extends A$B", "", ""}},
    {"class \xc3\x89l\xc3\xa8ve extends Pers\xc3\xb6n {",
     {"", "", "class", "\xc3\x89l\xc3\xa8ve", "", " extends Pers\xc3\xb6n", "", ""}},
    // "permits" inside a list is a word of it; only the clause keyword
    // with its blanks ends the list before it.
    {"class P implements permits {", {"", "", "class", "P", "", "", " implements permits", ""}},
    {"class P permits A implements B {",
     {"", "", "class", "P", "", "", "", " permits A implements B"}},
    {"Class Foo {", {}},
    {"", {}},
};

TEST(ClassPatternTest, DeclarationsGiveTheirGroups) {
  for (const DeclarationCase& c : kDeclarationCases) {
    EXPECT_EQ(c.groups, fastGroups(c.statement)) << '"' << c.statement << '"';
    EXPECT_EQ(c.groups, regexGroups(c.statement)) << '"' << c.statement << '"';
  }
}

// Statements that meet the corners of the pattern, compared with the regex
// search only.
const char* const kTrickyStatements[] = {
    "public static final class Entry<K,V> extends AbstractMap.SimpleEntry<K,V> implements "
    "Map.Entry<K,V>,java.io.Serializable {",
    "private abstract static class A extends B.C<D<E,F<G>>> {",
    "protected interface Visitor<R,P> extends Base<R>,Other {",
    "@SuppressWarnings() public class Foo {",
    "@Target(ElementType.TYPE) @Retention(RUNTIME) public @interface Anno {",
    "strictfp final class Z {",
    "sealed interface Shape permits Circle,Square {",
    "non-sealed class Q extends P {",
    "public non-sealed class Q extends P {",
    "@Deprecated public static non-sealed interface Q extends P {",
    "x = a-b; public class Q {",
    "public final class R implements Comparable<R> {",
    "class A<T extends B<T>> extends C<T> implements D<E<T>>,F {",
    "class A< T > extends B {",
    "class A <<T>> {",
    "class A<> {",
    "class A<T>extends B {",
    "class A<T> extends B<T {",
    "class A<T> > {",
    "class A>B {",
    "class A extends B implements C implements D {",
    "class A extends B extends C {",
    "class A implements B extends C {",
    "class A extends implements B {",
    "class A extends B implements {",
    "class A extends  B {",
    "class A  extends B {",
    "class A  {",
    "class  A {",
    "class A{",
    "class A<T>{",
    "class A extends B{",
    "class A extends B.{",
    "class A extends <B> {",
    "class A extends B, {",
    "interface I<T> {",
    "interfaces I {",
    "myclass A {",
    "classy A {",
    "Aclass A {",
    "A class B {",
    "Z class B {",
    "aZ class B {",
    "final Final class B {",
    "x=1 final class B {",
    "@ class B {",
    "@a@b class B {",
    "int[] a = {1,2,3} class B {",
    "for (int i = 0; class B {",
    "if (x) { class Local {",
    "void f() { class Local extends Thread implements Runnable {",
    "return new Comparator<T>() { class Helper {",
    "class A class B {",
    "class A interface B {",
    "interface class A {",
    "class interface A {",
    "public class A_1 extends B_2$3 {",
    "public class \xc3\xa9l\xc3\xa8ve {",
    "public class Caf\xc3\xa9 {",
    "/ class A {",
    "class A<T> extends B<T>  implements C  {",
    "class A extends B implements C<D<E>> {",
    "class A<T,U extends V<T>> extends W<U> {",
    "class A<T extends X & Y> {",
    "class A<? super T> {",
    "class A<T> extends B<T> implements C<T> {",
    "class A<T\n> {",
    "class A<\n> {",
    "class\tA {",
    "class A\t{",
    "class A extends\tB {",
    "class A permits {",
    "class A permits  {",
    "class A permits B permits C {",
    "class A extends B permits C implements D {",
    "class A extends permits B {",
    "class A implements B permits C {",
    "class A extends B permits C<D> {",
    "class A extends B<C[]>[] {",
    "class A extends @Ann B {",
    "class A extends B & C {",
    "interface I<T> extends J<? super T>,K<?> {",
    "class $ extends $$ {",
    "class \x80 {",
    "class \xff\xfe extends \xff {",
    "class A\x7f {",
    "class A extends B[ {",
};

TEST(ClassPatternTest, TrickyStatementsAgreeWithRegex) {
  size_t found = 0;
  for (const char* statement : kTrickyStatements) {
    std::string byRegex = described(regexClassDeclaration, statement);
    EXPECT_EQ(byRegex, described(findClassDeclaration, statement)) << '"' << statement << '"';
    EXPECT_EQ(byRegex, described(matchClassPattern, statement)) << '"' << statement << '"';
    if (byRegex != "none") ++found;
  }
  EXPECT_GT(found, 40u);
}

TEST(ClassPatternTest, PackageNamesAgreeWithRegex) {
  for (const char* statement :
       {"package caf\xc3\xa9.a$b;", "package a.b_c.D1;", "package $;", "package a b;", "package ;",
        "x package a; package b;", "package a-b;", "package \xff;"}) {
    std::string fast = "none", byRegex = "none";
    findPackage(statement, fast);
    regexPackage(statement, byRegex);
    EXPECT_EQ(byRegex, fast) << statement;
  }
  std::string name;
  ASSERT_TRUE(findPackage("package caf\xc3\xa9.a$b;", name));
  EXPECT_EQ("caf\xc3\xa9.a$b", name);
}

// Text the reader never delivers: the matcher on its own must still give
// the regex search's groups, "{" in the middle and line breaks included.
TEST(ClassPatternTest, MatcherAgreesWithRegexOnAnyText) {
  const char* texts[] = {
      "class A { x",           "class A {}",       "class A<T> { extends B {",
      "class A<{> {",          "class A<T>\n{",    "class A<T\r> {",
      "a\nclass A {",          "class A\n{",       "class A {{",
      "x class A } class B {", "class A<B>{<C> {", "class A extends {B {",
  };
  for (const char* text : texts) {
    EXPECT_EQ(described(regexClassDeclaration, text), described(matchClassPattern, text))
        << '"' << text << '"';
  }
}

// Random statements from fragments that meet every branch of the matcher:
// keywords with and without their blank, modifier letters and other
// letters, angle brackets, clause words, blanks and the brace.
class RandomHeaders {
 public:
  std::string next() {
    ++round_;
    if (round_ % 2 == 0) {
      std::string text = junk(9);
      // Most texts end in the brace, as the reader's statements do.
      if (below(4) != 0) text += below(2) ? " {" : "{";
      return text;
    }
    // Near misses of real headers: each part drawn from good and bad forms.
    return junk(2) + pick(kModifiers) + pick(kKeywords) + pick(kNames) + pick(kGenerics) +
           pick(kExtends) + pick(kImplements) + pick(kEnds);
  }

 private:
  size_t below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }
  const std::string& pick(const std::vector<std::string>& from) { return from[below(from.size())]; }

  std::string junk(size_t most) {
    std::string text;
    for (size_t n = below(most + 1); n > 0; --n) text += pick(kFragments);
    return text;
  }

  const std::vector<std::string> kFragments = {
      "class ",  "interface ", "class", "public ", "A",  "a",         "Z",
      "_",       "9",          " ",     "<",       ">",  ">>",        "<T>",
      ",",       ".",          "@",     "(",       "\n", " extends ", " implements ",
      "extends", "{",          " X",    "Foo",     "$",  "\xc3\xa9",  " permits ",
      "?",       "[]",         "&",     "\xff"};
  const std::vector<std::string> kModifiers = {
      "", "public ", "@A ", "@A public static ", "final Abstract ", "x=1 ", "Public ", " "};
  const std::vector<std::string> kKeywords = {"class ", "interface ", "class", "Class ", "class  "};
  const std::vector<std::string> kNames = {"A", "Foo_9", "", "A$B", "A.B", "\xc3\xa9"};
  const std::vector<std::string> kGenerics = {
      "", "<T>", " <K,V>", "<T extends C<T>>", "<T>>", "<", ">", "<T\n>", "< >"};
  const std::vector<std::string> kExtends = {"",          " extends B",  " extends B<C>,D",
                                             " extends ", " extends  B", "extends B"};
  const std::vector<std::string> kImplements = {"",
                                                " implements I",
                                                " implements I<J>,K",
                                                " implements ",
                                                " implements I extends J",
                                                " implements I<byte[]>",
                                                " implements @A I<? super T>",
                                                " implements I permits J,K",
                                                " permits J",
                                                " permits ",
                                                " permits J implements K"};
  const std::vector<std::string> kEnds = {" {", "{", "   {", "", " ", " {x", "{ {"};
  std::mt19937 random_{20260609};
  int round_ = 0;
};

TEST(ClassPatternTest, AgreesWithRegexOnRandomHeaders) {
  RandomHeaders headers;
  int found = 0;
  for (int round = 0; round < 30000 && !HasFailure(); ++round) {
    std::string text = headers.next();
    std::string byMatcher = described(matchClassPattern, text);
    ASSERT_EQ(described(regexClassDeclaration, text), byMatcher) << '"' << text << '"';
    if (byMatcher != "none") ++found;
  }
  // Both outcomes must come up often.
  EXPECT_GT(found, 1000);
  EXPECT_LT(found, 27000);
}

// A backtracking search retries the token at every start; this statement
// passes the cheap rejection and would take minutes that way.
TEST(ClassPatternTest, LongBlankFreeTokenBeforeKeywordIsRejected) {
  std::string statement = std::string(100000, 'x') + "class {";
  EXPECT_TRUE(fastGroups(statement).empty());
  statement = std::string(100000, '<') + ">class A<" + std::string(100000, '>') + "x {";
  EXPECT_TRUE(fastGroups(statement).empty());
}

TEST(ClassPatternTest, LongStatementsStillMatch) {
  std::string token = std::string(100000, 'x');
  EXPECT_EQ((std::vector<std::string>{token + " ", "", "class", "A", "", "", "", ""}),
            fastGroups(token + " class A {"));
  std::string generic = "<" + std::string(100000, 'T') + ">";
  EXPECT_EQ((std::vector<std::string>{"", "", "class", "A", generic, "", "", ""}),
            fastGroups("class A" + generic + " {"));
}

}  // namespace
