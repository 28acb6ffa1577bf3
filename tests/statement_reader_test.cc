#include "parse/statement_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> statementsOf(const std::string& source) {
  SourceStream input(source);
  std::string_view line;
  std::string statement;
  std::vector<std::string> result;
  while (readStatement(input, statement, line)) result.push_back(statement);
  return result;
}

struct ReaderCase {
  const char* name;
  const char* source;
  std::vector<std::string> statements;
};

class StatementReaderTest : public testing::TestWithParam<ReaderCase> {};

TEST_P(StatementReaderTest, YieldsStatements) {
  EXPECT_EQ(statementsOf(GetParam().source), GetParam().statements) << GetParam().name;
}

const ReaderCase kReaderCases[] = {
    {"two on one line", "int a; int b;\n", {"int a;", "int b;"}},
    {"header over two lines", "public class Foo\n{\n", {"public class Foo {"}},
    {"runs of blanks and tabs", "public \t class Foo  extends Bar {\n",
     {"public class Foo extends Bar {"}},
    {"blank and comment lines", "\n// only a comment\nint a;\n", {"int a;"}},
    {"terminators inside a string", "String s = \"a;{}\";\n", {"String s = ;"}},
    {"terminator inside a char", "char ch = '}';\n", {"char ch = ;"}},
    {"escaped quote", "x = \"a\\\"b\";\n", {"x = ;"}},
    {"doubled backslash escapes the quote", "x = \"a\\\\\"\";\n", {"x = ;"}},
    {"block comment across lines", "/* one\ntwo */ class A {\n", {"class A {"}},
    {"comment opened after a terminator", "int a; /* open\nclose */ int b;\n",
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

}  // namespace
