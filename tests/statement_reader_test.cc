#include "parse/statement_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/statement_reader_reference.h"

namespace {

std::vector<std::string> statementsOf(const std::string& source) {
  std::vector<std::string> result;
  for (StatementWithLines& statement : fastStatements(source)) result.push_back(statement.text);
  return result;
}

struct ReaderCase {
  const char* name;
  const char* source;
  std::vector<std::string> statements;
};

class StatementReaderTest : public testing::TestWithParam<ReaderCase> {};

TEST_P(StatementReaderTest, YieldsStatements) {
  forEachScanLevel([](ScanLevel level) {
    EXPECT_EQ(statementsOf(GetParam().source), GetParam().statements)
        << GetParam().name << " at level " << static_cast<int>(level);
    EXPECT_EQ(skipDisagreement(GetParam().source), "") << GetParam().name;
  });
}

const ReaderCase kReaderCases[] = {
    {"two on one line", "int a; int b;\n", {"int a;", "int b;"}},
    {"header over two lines", "public class Foo\n{\n", {"public class Foo {"}},
    {"runs of blanks and tabs",
     "public \t class Foo  extends Bar {\n",
     {"public class Foo extends Bar {"}},
    {"blank and comment lines", "\n// only a comment\nint a;\n", {"int a;"}},
    {"terminators inside a string", "String s = \"a;{}\";\n", {"String s = ;"}},
    {"terminator inside a char", "char ch = '}';\n", {"char ch = ;"}},
    {"escaped quote", "x = \"a\\\"b\";\n", {"x = ;"}},
    {"escaped backslash leaves the quote to close", "x = \"a\\\\\"; y;\n", {"x = ;", "y;"}},
    {"backslash char literal", "case '\\\\': class A {\n", {"case : class A {"}},
    {"backslash at a line end keeps a literal open", "s = \"a\\\nb\"; c;\n", {"s = ;", "c;"}},
    {"text block holding terminators and quotes",
     "s = \"\"\"\n  a; { } \"q\" class X extends Y {\n  \"\"\"; class A {\n",
     {"s = ;", "class A {"}},
    {"text block closed by the last characters", "s = \"\"\"\n x\n \"\"\"\n+ t;\n", {"s = + t;"}},
    {"escaped quote does not close a text block",
     "s = \"\"\"\n \\\"\"\" x;\n \"\"\"; t;\n",
     {"s = ;", "t;"}},
    {"backslash at a line end inside a text block",
     "s = \"\"\"\n a \\\n\"\"\"; t;\n",
     {"s = ;", "t;"}},
    {"text block on one line", "s = \"\"\" a; \"\"\" + b; c;\n", {"s = + b;", "c;"}},
    {"two quotes are an empty literal", "s = \"\" + \"x\"; t;\n", {"s = + ;", "t;"}},
    {"block comment across lines", "/* one\ntwo */ class A {\n", {"class A {"}},
    {"comment opened after a terminator",
     "int a; /* open\nclose */ int b;\n",
     {"int a;", "int b;"}},
    {"division", "a = b / c;\n", {"a = b / c;"}},
    {"terminator after a slash does not end", "a = b /;\nc;\n", {"a = b /; c;"}},
    {"line comment after a statement", "x = 1; // done; {\ny = 2;\n", {"x = 1;", "y = 2;"}},
    {"line ending in slash star opens a comment", "a /*\n*/ b;\n", {"a b;"}},
    {"line ending in slash copies it", "a /\nb;\n", {"a / b;"}},
    {"empty literal at the end of a line", "x = \"\"\n;\n", {"x = \" ;"}},
    {"last line without a line break", "class A {\n}", {"class A {", "}"}},
    {"trailing text dropped", "int a;\nclass X", {"int a;"}},
    {"carriage return before line feed", "int a\r\n;\r\n", {"int a ;"}},
    {"quote as last character stays", "a \"\nb;\n", {"a \" b;"}},
    {"string open across lines", "s = \"one\ntwo\"; t;\n", {"s = ;", "t;"}},
    {"slash star slash does not close", "/*/ x; */ y;\n", {"y;"}},
    {"high bytes pass through", "class \xC3\xA9t\xC3\xA9 {\n", {"class \xC3\xA9t\xC3\xA9 {"}},
    {"comment closed on the same line adds no blank", "a/* x */b;\n", {"ab;"}},
    {"comment across lines adds one blank", "a/* x\n\n y */b;\n", {"a b;"}},
    {"star at a line end and slash on the next do not close", "a /* *\n/ b; */ c;\n", {"a c;"}},
    {"comment opened by the last two characters", "a /*\n*/ b;\n", {"a b;"}},
    {"comment open at the end of the text", "a; b /* c;\n", {"a;"}},
    {"slash star slash star slash closes", "/**/ a;\n", {"a;"}},
    {"comment closed by the last character", "a /* x */\nb;\n", {"a b;"}},
    {"crlf lines inside a comment", "a /* x\r\n y */ b;\r\n", {"a b;"}},
    {"brace after a slash in a comment's tail", "/* x */ a /{ b;\n", {"a /{ b;"}},
    {"comment cutting a keyword joins it", "clas/* x */s A {\n", {"class A {"}},
    {"literal cutting a keyword joins it", "inter'x'face I {\n", {"interface I {"}},
    {"keyword after a slash", "a/package b;\n", {"a/package b;"}},
    {"keyword inside a literal is no keyword", "x = \"class A {\"; }\n", {"x = ;", "}"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, StatementReaderTest, testing::ValuesIn(kReaderCases),
                         [](const testing::TestParamInfo<ReaderCase>& info) {
                           std::string name = info.param.name;
                           for (char& c : name) {
                             if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

TEST(CollapseSpacesTest, TrimsAndCollapsesEveryWhitespaceKind) {
  std::string text = " \t a \n\v\f b\r  ";
  EXPECT_EQ(collapseSpaces(text), "a b");
  std::string blank = " \t\n";
  EXPECT_EQ(collapseSpaces(blank), "");
  std::string high = "a\xA0 b";
  EXPECT_EQ(collapseSpaces(high), "a\xA0 b");
}

// The line marks must tell for every character the line it came from, and
// the skip must build every statement that the class reader looks at, at
// every scan level.
TEST(StatementReaderTest, AgreesWithLineByLineReaderOnRandomSources) {
  forEachScanLevel([](ScanLevel level) {
    RandomSources sources;
    size_t statements = 0;
    for (int round = 0; round < 20000 && !testing::Test::HasFailure(); ++round) {
      std::string source = sources.next();
      std::vector<StatementWithLines> fast = fastStatements(source);
      ASSERT_TRUE(referenceStatements(source) == fast)
          << "level " << static_cast<int>(level) << ": \"" << source << '"';
      ASSERT_EQ(skipDisagreement(source), "")
          << "level " << static_cast<int>(level) << ": \"" << source << '"';
      statements += fast.size();
    }
    EXPECT_GT(statements, 15000u);
  });
}

TEST(StatementReaderTest, MarksTellTheLineOfEachCharacter) {
  const char source[] =
      "/* license\n"
      " */ package a;\n"
      "@Deprecated\n"
      "public class\r\n"
      "  Foo { String s = \"\"\"\n"
      "    x\n"
      "    \"\"\"; /* one\n"
      "two */ int i; }\n";
  std::vector<StatementWithLines> read = fastStatements(source);
  ASSERT_EQ(5u, read.size());
  EXPECT_EQ(std::vector<uint32_t>(9, 2), read[0].lines);  // package a;
  std::vector<uint32_t> header(11, 3);                    // @Deprecated
  header.resize(22, 4);                                   // publicclass
  header.resize(26, 5);                                   // Foo{
  EXPECT_EQ(header, read[1].lines);
  std::vector<uint32_t> field(8, 5);  // Strings=
  field.push_back(7);                 // ;
  EXPECT_EQ(field, read[2].lines);
  EXPECT_EQ(std::vector<uint32_t>(5, 8), read[3].lines);  // inti;
  EXPECT_EQ(std::vector<uint32_t>{8}, read[4].lines);     // }
}

}  // namespace
