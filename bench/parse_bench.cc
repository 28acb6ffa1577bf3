// Micro benchmarks of the parsing hot path. The corpus is every .java file
// under $KINTREE_BENCH_CORPUS (bench/run points it at the JDK sources), or
// the repository's examples when that is not set.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/replace.h"
#include "parse/class_pattern.h"
#include "parse/parse_file.h"
#include "parse/statement_reader.h"
#include "tests/class_pattern_reference.h"

namespace {

struct Corpus {
  std::vector<std::string> sources;
  size_t bytes = 0;
  std::vector<std::string> headers;  // statements that pass the cheap rejection
  size_t headerBytes = 0;
};

bool mayBeHeader(const std::string& statement) {
  return !statement.empty() && statement.back() == '{' &&
         (statement.find("class ") != std::string::npos ||
          statement.find("interface ") != std::string::npos);
}

const Corpus& corpus() {
  static const Corpus loaded = [] {
    Corpus c;
    const char* root = std::getenv("KINTREE_BENCH_CORPUS");
    std::string base = root ? root : KINTREE_SOURCE_DIR "/examples";
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(base)) {
      if (entry.is_regular_file() && entry.path().extension() == ".java") {
        paths.push_back(entry.path().string());
      }
    }
    std::sort(paths.begin(), paths.end());
    for (const std::string& path : paths) {
      std::string buffer;
      std::string_view text = loadSource(path, buffer);
      c.bytes += text.size();
      SourceStream input(text);
      std::string_view line;
      std::string statement;
      while (readStatement(input, statement, line)) {
        replaceAll(statement, ", ", ",");
        if (mayBeHeader(statement)) {
          c.headerBytes += statement.size();
          c.headers.push_back(statement);
        }
      }
      c.sources.emplace_back(text);
    }
    return c;
  }();
  return loaded;
}

void statementReader(benchmark::State& state) {
  const Corpus& c = corpus();
  size_t statements = 0;
  for (auto _ : state) {
    std::string statement;
    for (const std::string& source : c.sources) {
      SourceStream input(source);
      std::string_view line;
      while (readStatement(input, statement, line)) ++statements;
    }
    benchmark::DoNotOptimize(statements);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * c.bytes));
}
BENCHMARK(statementReader)->Unit(benchmark::kMillisecond);

template <bool (*find)(std::string_view, ClassGroups&)>
void classPattern(benchmark::State& state) {
  const Corpus& c = corpus();
  ClassGroups groups;
  size_t found = 0;
  for (auto _ : state) {
    for (const std::string& header : c.headers) found += find(header, groups);
    benchmark::DoNotOptimize(found);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * c.headerBytes));
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * c.headers.size()));
}
BENCHMARK_TEMPLATE(classPattern, findClassDeclaration)
    ->Name("classPattern/fast")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(classPattern, regexClassDeclaration)
    ->Name("classPattern/regex")
    ->Unit(benchmark::kMillisecond);

// A blank-free token before the keyword: linear for the fast path.
void longTokenBeforeKeyword(benchmark::State& state) {
  std::string statement = std::string(static_cast<size_t>(state.range(0)), 'x') + "class {";
  ClassGroups groups;
  for (auto _ : state) benchmark::DoNotOptimize(findClassDeclaration(statement, groups));
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * statement.size()));
}
BENCHMARK(longTokenBeforeKeyword)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 18)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
