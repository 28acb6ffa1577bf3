#include "parse/java_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/statement_reader_reference.h"

namespace {

/// One line per declaration: line, kind, nesting name, the enclosing
/// declaration's index ("local" when declared in a block), then the
/// non-empty parts among modifiers, meta, generic and the three clauses.
std::string describe(const JavaFile& file) {
  std::string text;
  if (!file.package.empty()) text += "package " + file.package + "\n";
  for (const std::string& name : file.imports) text += "import " + name + "\n";
  for (const std::string& name : file.onDemand) text += "import " + name + ".*\n";
  for (const std::string& name : file.staticImports) text += "static " + name + "\n";
  for (const std::string& name : file.staticOnDemand) text += "static " + name + ".*\n";
  for (const JavaType& type : file.types) {
    text += std::to_string(type.line) + " " + type.kind + " " + type.name + " in " +
            std::to_string(type.enclosing) + (type.local ? " local" : "");
    if (!type.modifiers.empty()) text += " [" + type.modifiers + "]";
    if (!type.meta.empty()) text += " meta=" + type.meta;
    if (!type.generic.empty()) text += " generic=" + type.generic;
    auto clause = [&text](const char* keyword, const std::vector<std::string>& names) {
      if (names.empty()) return;
      text += std::string(" ") + keyword;
      for (const std::string& name : names) text += " " + name;
    };
    clause("extends", type.extends);
    clause("implements", type.implements);
    clause("permits", type.permits);
    text += "\n";
  }
  return text;
}

struct ReadingCase {
  const char* name;
  const char* source;
  const char* expected;
};

const ReadingCase kCases[] = {
    {"PackageImportsAndEveryKind",
     "/* header */ package com.acme.shapes;\n"
     "import java.util.List;\nimport java.util.Map.*;\nimport static java.lang.Math.max;\n"
     "import static java.util.Map.Entry;\nimport static org.junit.Assert.*;\n"
     "public class Shape {}\ninterface Drawable {}\nenum Color { RED }\n"
     "record Point(int x, int y) {}\n@interface Marker {}\n",
     "package com.acme.shapes\nimport java.util.List\nimport java.util.Map.*\n"
     "static java.lang.Math.max\nstatic java.util.Map.Entry\nstatic org.junit.Assert.*\n"
     "7 class Shape in -1 [public]\n8 interface Drawable in -1\n9 enum Color in -1\n"
     "10 record Point in -1\n11 annotation Marker in -1\n"},
    {"LiteralsAndCommentsHideFakeDeclarations",
     "class Real {\n"
     "  String block = \"\"\"\n    class Fake extends Nothing {\n    \\\"\"\" still "
     "inside\n\"\"\";\n"
     "  String quote = \"\\u0022 + \"class InString {\";\n"
     "  char tick = '\\u005c''; class AfterTick {}\n"
     "  String escapedQuote = \"\\u005c\" class InEscapedQuote {\";\n"
     "  String backslash = \"\\\\\"; class AfterBackslash {}\n"
     "  char brace = '{'; char quote = '\\''; // class InComment {\n"
     "  /* class InBlock { */ /*/ still comment class X { */\n"
     "  int gap = 1 /**/; class Last {}\n"
     "}\n",
     "1 class Real in -1\n7 class Real.AfterTick in 0\n9 class Real.AfterBackslash in 0\n"
     "12 class Real.Last in 0\n"},
    {"HeadersWithAnnotationsGenericsAndOddNames",
     "@SuppressWarnings({\"unchecked\", \"rawtypes\"}) @Deprecated(since = \"9\" /* c */)\n"
     "public final class Box<K extends Comparable<? super K> & java.io.Serializable, V>\n"
     "    extends java.util.AbstractMap<K, V[]> implements java.util.Map<K, V>, @Shared Cloneable "
     "{\n"
     "  protected static abstract class Caf\xC3\xA9$Entry <T> extends Outer<T>.Inner<T[]> {}\n"
     "  @Target(ElementType.TYPE) private @interface Tag { String value() default \")\"; }\n"
     "  public static final int LIMIT = 3;\n"
     "}\n",
     "2 class Box in -1 [public final] meta=@SuppressWarnings({\"unchecked\",\"rawtypes\"}) "
     "@Deprecated(since = \"9\" )  generic=<K extends Comparable<? super K> & "
     "java.io.Serializable,V> "
     "extends java.util.AbstractMap implements java.util.Map Cloneable\n"
     "4 class Box.Caf\xC3\xA9$Entry in 0 [protected static abstract] generic= <T> extends "
     "Outer.Inner\n"
     "5 annotation Box.Tag in 0 [private] meta=@Target(ElementType.TYPE) \n"},
    {"ContextualKeywordsAsNames",
     "class Names {\n"
     "  Object record; void record(int x) { record.toString(); }\n"
     "  int sealed = 1, permits = 2; java.util.Enumeration enum = null;\n"
     "  void f() { var yield = enum.nextElement(); sealed = permits; record(sealed); }\n"
     "  enum Mode { record, sealed, permits }\n"
     "  record Pair<A, B>(A first, @Nullable B second) implements Comparable<Pair<A, B>> {}\n"
     "  sealed interface Shape permits Names.Circle, Square {}\n"
     "  non-sealed class Circle implements Shape {}\n"
     "  final class Square implements Shape {}\n"
     "}\n",
     "1 class Names in -1\n5 enum Names.Mode in 0\n6 record Names.Pair in 0 generic=<A,B> "
     "implements Comparable\n7 interface Names.Shape in 0 [sealed] permits Names.Circle Square\n"
     "8 class Names.Circle in 0 [non-sealed] implements Shape\n"
     "9 class Names.Square in 0 [final] implements Shape\n"},
    {"LocalTypesAndBodiesThatDeclareNone",
     "enum Planet implements Body {\n"
     "  EARTH { double mass() { class InConstant {} return 1; } },\n"
     "  MARS(2) { };\n"
     "  static class Moon extends Rock {}\n"
     "  void orbit() {\n"
     "    Runnable r = () -> { class InLambda extends Thread {} };\n"
     "    Object o = new Object() { class InAnonymous {} };\n"
     "    record Position(double x) {}\n"
     "    label: class Labelled {}\n"
     "    switch (this) { case EARTH: interface InCase {} default: }\n"
     "  }\n"
     "  static { enum InInitializer { A } }\n"
     "}\n",
     "1 enum Planet in -1 implements Body\n2 class Planet...InConstant in 0 local\n"
     "4 class Planet.Moon in 0 [static] extends Rock\n6 class Planet...InLambda in 0 local extends "
     "Thread\n"
     "7 class Planet...InAnonymous in 0 local\n8 record Planet..Position in 0 local\n"
     "9 class Planet..Labelled in 0 local\n10 interface Planet...InCase in 0 local\n"
     "12 enum Planet..InInitializer in 0 local\n"},
    {"NestingDeeperThanOneLevel",
     "class A { interface B { class C extends A implements B {} } }\nclass D extends A.B.C {}\n",
     "1 class A in -1\n1 interface A.B in 0\n1 class A.B.C in 1 extends A implements B\n"
     "2 class D in -1 extends A.B.C\n"},
};

class JavaReading : public testing::TestWithParam<ReadingCase> {};

TEST_P(JavaReading, FindsEveryDeclarationAsWritten) {
  forEachScanLevel([](ScanLevel level) {
    JavaFile file;
    readJavaFile(GetParam().source, file);
    EXPECT_EQ(describe(file), GetParam().expected) << "level " << static_cast<int>(level);
  });
}

INSTANTIATE_TEST_SUITE_P(Cases, JavaReading, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ReadingCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
