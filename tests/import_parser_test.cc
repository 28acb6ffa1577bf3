#include "parse/import_parser.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/scan_context.h"
#include "base/log.h"
#include "base/patterns.h"
#include "model/class_list.h"
#include "parse/parse_file.h"
#include "platform/output.h"
#include "test_support.h"

namespace {

// The file of the examples: a package, three kinds of import, and a class
// body whose braces and declarations import mode must not look at.
const char kAppSource[] =
    "package com.acme.app;\n"
    "import java.util.List;\n"
    "import java.util.*;\n"
    "import static org.junit.Assert.*;\n"
    "public class Main extends Base {\n"
    "  static class Inner { }\n"
    "}\n";

// Keeps the test's messages apart and restores the process-wide threshold.
class ImportParserTest : public testing::Test {
 protected:
  ImportParserTest() : context(out) {
    Log::destination = &messages;
    Log::threshold = 0;
  }
  ~ImportParserTest() override {
    Log::destination = &std::cerr;
    Log::threshold = 0;
  }

  /// Writes a source file and parses it in import mode at `level`.
  std::string parse(const std::string& relative, const std::string& source, int32_t level) {
    std::string path = dir.write(relative, source);
    settings.importLevel = level;
    parseImports(path, context.classes, settings, buffer, out);
    return path;
  }

  /// One line per record, in list order: kind, name, modifiers in brackets,
  /// defined, package, the file relative to the test directory, parents and
  /// children.
  std::vector<std::string> records() const {
    std::vector<std::string> lines;
    for (const auto& entry : context.classes.records()) {
      const ClassInfo& r = *entry.second;
      std::string line = r.kind + " " + r.name + " [" + r.modifiers + "] " +
                         (r.defined ? "defined" : "placeholder") + " package=" + r.package +
                         " file=" + r.file.substr(dir.path().size() + 1) + " parents=";
      for (const ClassInfo* p : r.parents) line += p->name + ",";
      line += " children=";
      for (const ClassInfo* c : r.children) line += c->name + ",";
      lines.push_back(line);
    }
    return lines;
  }

  TempDir dir;
  Output out;
  ScanContext context;
  ParseSettings settings;
  std::string buffer;
  std::ostringstream messages;
};

struct LevelCase {
  int32_t level;
  std::vector<std::string> records;
};

const LevelCase kLevelCases[] = {
    {0,
     {"class com.acme.app [] defined package=com.acme.app file=App.java parents= "
      "children=java.util.List,java.util,org.junit.Assert,",
      "class java.util [] placeholder package=java.util file=App.java parents=com.acme.app, "
      "children=",
      "class java.util.List [] placeholder package=java.util.List file=App.java "
      "parents=com.acme.app, children=",
      "class org.junit.Assert [static ] placeholder package=org.junit.Assert file=App.java "
      "parents=com.acme.app, children="}},
    // The first two imports shorten to one name, recorded once.
    {1,
     {"class com.acme [] defined package=com.acme file=App.java parents= "
      "children=java.util,org.junit.Assert,",
      "class java.util [] placeholder package=java.util file=App.java parents=com.acme, children=",
      "class org.junit.Assert [static ] placeholder package=org.junit.Assert file=App.java "
      "parents=com.acme, children="}},
    {2,
     {"class com [] defined package=com file=App.java parents= children=java,org.junit,",
      "class java [] placeholder package=java file=App.java parents=com, children=",
      "class org.junit [static ] placeholder package=org.junit file=App.java parents=com, "
      "children="}},
    // Nothing is left of the package, which falls back to a placeholder of
    // its full name, nor of two imports; the static import has dots to spare.
    {3,
     {"class com.acme.app [] placeholder package=com.acme.app file=App.java parents= "
      "children=org,",
      "class org [static ] placeholder package=org file=App.java parents=com.acme.app, "
      "children="}},
};

TEST_F(ImportParserTest, LevelsShortenPackageAndImports) {
  for (const LevelCase& c : kLevelCases) {
    context.classes.release();
    parse("App.java", kAppSource, c.level);
    EXPECT_EQ(c.records, records()) << "level " << c.level;
  }
  EXPECT_EQ("", out.captured());
}

TEST_F(ImportParserTest, PackageWithNothingLeftLinksToPlaceholder) {
  parse("App.java", "package app;\nimport java.util.List;\nimport java.io.File;\n", 1);
  EXPECT_EQ((std::vector<std::string>{
                "class app [] placeholder package=app file=App.java parents= "
                "children=java.util,java.io,",
                "class java.io [] placeholder package=java.io file=App.java parents=app, children=",
                "class java.util [] placeholder package=java.util file=App.java parents=app, "
                "children=",
            }),
            records());
}

TEST_F(ImportParserTest, ImportBeforePackageGoesUnderNone) {
  parse("A.java", "import a.B;\npackage p;\nimport c.D;\n", 0);
  // Every file starts again from "none".
  parse("E.java", "import e.F;\n", 0);
  EXPECT_EQ((std::vector<std::string>{
                "class a.B [] placeholder package=a.B file=A.java parents=none, children=",
                "class c.D [] placeholder package=c.D file=A.java parents=p, children=",
                "class e.F [] placeholder package=e.F file=E.java parents=none, children=",
                "class none [] placeholder package=none file=A.java parents= children=a.B,e.F,",
                "class p [] defined package=p file=A.java parents= children=c.D,",
            }),
            records());
}

TEST_F(ImportParserTest, NameImportedTwiceIsLinkedOnce) {
  parse("A.java", "package p;\nimport x.Y;\nimport static x.Y;\n", 0);
  // The first import made the record; the second finds it unchanged.
  EXPECT_EQ((std::vector<std::string>{
                "class p [] defined package=p file=A.java parents= children=x.Y,",
                "class x.Y [] placeholder package=x.Y file=A.java parents=p, children=",
            }),
            records());
}

TEST_F(ImportParserTest, SecondPackageStatementSwitchesPackage) {
  parse("A.java", "package p;\nimport x.Y;\npackage q;\nimport z.W;\n", 0);
  EXPECT_EQ((std::vector<std::string>{
                "class p [] defined package=p file=A.java parents= children=x.Y,",
                "class q [] defined package=q file=A.java parents= children=z.W,",
                "class x.Y [] placeholder package=x.Y file=A.java parents=p, children=",
                "class z.W [] placeholder package=z.W file=A.java parents=q, children=",
            }),
            records());
}

TEST_F(ImportParserTest, FilesOfOnePackageShareItsRecord) {
  std::string first = parse("A.java", "package p;\nimport x.Y;\n", 0);
  EXPECT_EQ("", messages.str());
  Log::threshold = 1;
  std::string second = parse("B.java", "package p;\nimport z.W;\n", 0);
  EXPECT_EQ(
      "\x1b[01;32m Warning Duplicate class=p\n File " + second + "\n  and " + first + "\x1b[00m \n",
      messages.str());
  // The later declaration's file replaces the earlier one.
  EXPECT_EQ((std::vector<std::string>{
                "class p [] defined package=p file=B.java parents= children=x.Y,z.W,",
                "class x.Y [] placeholder package=x.Y file=A.java parents=p, children=",
                "class z.W [] placeholder package=z.W file=B.java parents=p, children=",
            }),
            records());
}

TEST_F(ImportParserTest, RefusedNamesMakeNoRecordOrLink) {
  context.classes.ignorePatterns.push_back(*compileWildcard("java.*"));
  context.classes.ignorePatterns.push_back(*compileWildcard("p"));
  parse("A.java", "package p;\nimport java.util.List;\nimport x.Y;\n", 0);
  // The refused package leaves its imports to a placeholder of the refused
  // name, which is refused as well: the import keeps no parent.
  EXPECT_EQ((std::vector<std::string>{
                "class x.Y [] placeholder package=x.Y file=A.java parents= children=",
            }),
            records());
}

TEST_F(ImportParserTest, ImportDumpFollowsEveryAcceptedImport) {
  settings.logLevel = 4;
  context.classes.ignorePatterns.push_back(*compileWildcard("q.*"));
  std::string path =
      parse("A.java", "import a.B;\npackage p;\nimport static c.D.*;\nimport q.R;\nimport p;\n", 0);
  EXPECT_EQ(
      // No package record yet: the counts are 0.
      "import a.B;\n  Modifiers =\n  name      =a.B\n  #children =0\n  #parents  =0\n"
      "import static c.D.*;\n  Modifiers =static \n  name      =c.D\n  #children =1\n"
      "  #parents  =0\n"
      // A refused import still prints its dump.
      "import q.R;\n  Modifiers =\n  name      =q.R\n  #children =1\n  #parents  =0\n"
      // A package importing itself is its own parent and child.
      "import p;\n  Modifiers =\n  name      =p\n  #children =2\n  #parents  =1\n"
      // Level 4 includes the class list dump; links list in creation order.
      "\n ---- Class List ---- \n"
      "\nname    =a.B\nparents =1  none\nchildren=0 \nfile    =" +
          path +
          "\ndefined =0\n"
          "\nname    =c.D\nparents =1  p\nchildren=0 \nfile    =" +
          path +
          "\ndefined =0\n"
          "\nname    =none\nparents =0 \nchildren=1  a.B\nfile    =" +
          path +
          "\ndefined =0\n"
          "\nname    =p\nparents =1  p\nchildren=2  p c.D\nfile    =" +
          path + "\ndefined =1\n",
      out.captured());
}

TEST_F(ImportParserTest, ClassListDumpAfterEveryFile) {
  settings.logLevel = 3;
  std::string first = parse("A.java", "package p;\nimport x.Y;\n", 1);
  std::string afterFirst =
      "\n ---- Class List ---- \n"
      "\nname    =p\nparents =0 \nchildren=1  x\nfile    =" +
      first +
      "\ndefined =0\n"
      "\nname    =x\nparents =1  p\nchildren=0 \nfile    =" +
      first + "\ndefined =0\n";
  EXPECT_EQ(afterFirst, out.captured());
  // A file that cannot be read records nothing but prints the dump again.
  parseImports(dir.path() + "/Missing.java", context.classes, settings, buffer, out);
  std::string afterMissing = afterFirst + afterFirst;
  EXPECT_EQ(afterMissing, out.captured());
  std::string second = parse("B.java", "package q.r;\nimport x.Y;\nimport z.W;\n", 1);
  EXPECT_EQ(afterMissing +
                "\n ---- Class List ---- \n"
                "\nname    =p\nparents =0 \nchildren=1  x\nfile    =" +
                first +
                "\ndefined =0\n"
                "\nname    =q\nparents =0 \nchildren=2  x z\nfile    =" +
                second +
                "\ndefined =1\n"
                "\nname    =x\nparents =2  p q\nchildren=0 \nfile    =" +
                first +
                "\ndefined =0\n"
                "\nname    =z\nparents =1  q\nchildren=0 \nfile    =" +
                second + "\ndefined =0\n",
            out.captured());
}

// -l=-1 is the highest level there is, so both dumps are on.
TEST_F(ImportParserTest, LogLevelComparesUnsigned) {
  settings.logLevel = -1;
  parse("A.java", "import a.B;\n", 0);
  EXPECT_NE(std::string::npos, out.captured().find("  name      =a.B\n"));
  EXPECT_NE(std::string::npos, out.captured().find(" ---- Class List ---- "));
}

struct SwitchCase {
  const char* argument;
  int32_t importLevel;
};

TEST(ImportSwitchTest, SetsLevelAndIncludesNonPublic) {
  const SwitchCase cases[] = {
      {"-M", 0}, {"-M=", 0}, {"-M=1", 1}, {"-Mx2", 2}, {"+M=3", 3}, {"-M=abc", 0}, {"-M=-2", -2},
  };
  for (const SwitchCase& c : cases) {
    Output out;
    ScanContext context(out);
    EXPECT_EQ(SwitchOutcome::Go, context.applySwitch(c.argument));
    EXPECT_EQ(c.importLevel, context.options.importLevel) << c.argument;
    EXPECT_TRUE(context.options.includeNonPublic) << c.argument;
  }
}

}  // namespace
