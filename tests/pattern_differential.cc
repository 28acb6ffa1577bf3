// Reads every .java file under the given paths with the fast statement
// reader and the plain line-by-line one (statements and the line of every
// character), runs the plain regex search and the
// fast path of the class and package patterns over every statement, and
// reports every file and statement on which they differ. Exit status 1 when
// any differ or when there was nothing to compare.

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "base/replace.h"
#include "parse/class_pattern.h"
#include "parse/parse_file.h"
#include "parse/statement_reader.h"
#include "tests/class_pattern_reference.h"
#include "tests/statement_reader_reference.h"

namespace {

struct Tally {
  size_t files = 0;
  size_t statements = 0;
  size_t declarations = 0;
  size_t packages = 0;
  size_t differences = 0;
};

void report(const std::string& path, const std::string& statement, const std::string& what) {
  constexpr size_t kShown = 300;
  std::cerr << path << ": " << what << " differs on \"" << statement.substr(0, kShown)
            << (statement.size() > kShown ? "..." : "") << "\"\n";
}

void compareFile(const std::string& path, Tally& tally) {
  std::string buffer;
  std::string_view source = loadSource(path, buffer);
  ++tally.files;
  std::vector<StatementWithLines> statements = fastStatements(source);
  if (!(statements == referenceStatements(source))) {
    ++tally.differences;
    std::cerr << path << ": the statement readers differ, or the lines they tell\n";
  }
  for (StatementWithLines& read : statements) {
    std::string& statement = read.text;
    // The parser runs the cheap tests before the ", " replacement.
    bool candidate = mayBePackage(statement) || mayBeHeader(statement);
    replaceAll(statement, ", ", ",");
    if (candidate != (mayBePackage(statement) || mayBeHeader(statement))) {
      ++tally.differences;
      report(path, statement, "cheap test before and after the replacement");
    }
    ++tally.statements;
    ClassGroups fast, reference;
    bool fastFound = findClassDeclaration(statement, fast);
    bool referenceFound = regexClassDeclaration(statement, reference);
    if (fastFound != referenceFound ||
        (fastFound && describeGroups(fast) != describeGroups(reference))) {
      ++tally.differences;
      report(path, statement,
             "class pattern (fast " + (fastFound ? describeGroups(fast) : "none") + ", regex " +
                 (referenceFound ? describeGroups(reference) : "none") + ")");
    }
    if (fastFound) ++tally.declarations;
    std::string fastName, referenceName;
    fastFound = findPackage(statement, fastName);
    referenceFound = regexPackage(statement, referenceName);
    if (fastFound != referenceFound || fastName != referenceName) {
      ++tally.differences;
      report(path, statement, "package pattern");
    }
    if (fastFound) ++tally.packages;
  }
}

// The .java files under `root` (or `root` itself), in sorted order so that
// reports are reproducible.
std::vector<std::string> javaFiles(const std::string& root) {
  namespace fs = std::filesystem;
  std::vector<std::string> files;
  if (fs::is_regular_file(root)) return {root};
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file() && entry.path().extension() == ".java") {
      files.push_back(entry.path().string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: " << argv[0] << " PATH...\n";
    return 2;
  }
  Tally tally;
  for (int i = 1; i < argc; ++i) {
    for (const std::string& file : javaFiles(argv[i])) compareFile(file, tally);
  }
  std::cout << tally.files << " files, " << tally.statements << " statements, "
            << tally.declarations << " declarations, " << tally.packages << " packages, "
            << tally.differences << " differences\n";
  return tally.differences == 0 && tally.statements > 0 ? 0 : 1;
}
