// Arbitrary command lines (one argument per input line) through the run
// driver. Every name is kept inside the fuzzing sandbox: it is cut at its
// first NUL, "/" is dropped from it and it is taken relative to the sandbox
// (a name of dots only becomes "src"), so a run reads and writes nothing
// else. The run must end
// with a status that its summary explains.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"

namespace {

std::string confined(std::string argument) {
  // The tool sees an argument only up to its first NUL, as argv holds it;
  // the rules below must judge that same text, or "..<NUL>x" would pass as
  // a plain name and lead the walk out of the sandbox into its parent.
  argument.resize(std::strlen(argument.c_str()));
  bool isSwitch = !argument.empty() && (argument[0] == '-' || argument[0] == '+');
  std::string kept;
  for (char c : argument) {
    if (c != '/') kept += c;
  }
  const std::string& root = sandbox();
  if (isSwitch) {
    // A pattern with nested repetitions ("*+" reads ".*+", "(a*)*") or
    // many of them can take exponential time on any path; that is the
    // user's own choice and nothing to find here.
    bool isPattern = kept.size() > 1 && (kept[1] == 'V' || kept[1] == 'v' || kept[1] == 'i');
    size_t repetitions = 0;
    bool nested = false;
    char before = 0;
    for (char c : kept) {
      bool repeats = c == '*' || c == '+' || c == '?' || c == '{';
      repetitions += repeats;
      nested = nested || (repeats && (before == '*' || before == '+' || before == '?' ||
                                      before == '}' || before == ')'));
      before = c;
    }
    if (isPattern && (repetitions > 3 || nested)) return "-";
    // Section files and split output files are names too.
    bool isName = kept.size() > 3 && (kept[1] == '1' || kept[1] == '2' || kept[1] == '3');
    if (isName) return kept.substr(0, 3) + root + "/" + kept.substr(3);
    if (kept.size() > 3 && kept[1] == 'O')
      return kept.substr(0, 3) + root + "/out/" + kept.substr(3);
    return kept;
  }
  if (kept.find_first_not_of('.') == std::string::npos) return root + "/src";
  return root + "/" + kept;
}

/// A path argument that resolves outside the sandbox would let a run walk
/// whatever lies around it, which on a busy machine can take minutes.
void requireInsideSandbox(const std::string& path) {
  std::error_code failure;
  std::filesystem::path resolved = std::filesystem::weakly_canonical(path, failure);
  if (failure) return;  // nothing there to walk
  static const std::string root = std::filesystem::canonical(sandbox()).native();
  const std::string& text = resolved.native();
  require(text.compare(0, root.size(), root) == 0 &&
              (text.size() == root.size() || text[root.size()] == '/'),
          "a path argument leads out of the sandbox");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> arguments;
  std::string current;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == '\n') {
      arguments.push_back(confined(current));
      current.clear();
    } else {
      current += static_cast<char>(data[i]);
    }
  }
  if (!current.empty()) arguments.push_back(confined(current));

  for (const std::string& argument : arguments) {
    if (argument.empty() || (argument[0] != '-' && argument[0] != '+')) {
      requireInsideSandbox(argument);
    }
  }

  RunOutcome run = runCaptured(arguments);
  bool answered = false;  // --help and --version end the run at once
  for (const std::string& argument : arguments) {
    answered = answered || argument == "--help" || argument == "--version";
  }
  if (run.summarised) {
    // A path that names nothing or a focus that matches no record is an
    // error said before or after the summary; the run then ends with 255.
    bool failed = run.errors.find("Invalid path ") != std::string::npos ||
                  run.errors.find("No class matches ") != std::string::npos;
    require(failed ? run.status == -1 : run.classes == run.status,
            "the status differs from the summary");
    require(run.filesRead >= 0, "a negative file count");
  } else if (run.status == -1) {
    // An invalid pattern, thread count or depth, or a long option the table
    // does not take.
    bool said = run.errors.find("Invalid pattern ") != std::string::npos ||
                run.errors.find("Invalid thread count ") != std::string::npos ||
                run.errors.find("Invalid depth ") != std::string::npos ||
                run.errors.find("Unknown option --") != std::string::npos ||
                run.errors.find("Option --") != std::string::npos;
    require(arguments.empty() || said, "the run ended early without saying why");
  } else {
    require(answered && run.status == 0, "a run without a summary line");
  }
  clearOutputFolder();
  return 0;
}
