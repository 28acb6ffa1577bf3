// Arbitrary command lines (one argument per input line) through the run
// driver. Every name is kept inside the fuzzing sandbox: "/" is dropped
// from it and it is taken relative to the sandbox (a name of dots only
// becomes "src"), so a run reads and writes nothing else. The run must end
// with a status that its summary explains.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"

namespace {

std::string confined(std::string argument) {
  bool isSwitch = !argument.empty() && (argument[0] == '-' || argument[0] == '+');
  std::string kept;
  for (char c : argument) {
    if (c != '/') kept += c;
  }
  const std::string& root = sandbox();
  if (isSwitch) {
    // A pattern with nested repetitions can take exponential time on any
    // path; that is the user's own choice and nothing to find here.
    bool isPattern = kept.size() > 1 && (kept[1] == 'V' || kept[1] == 'v' || kept[1] == 'i');
    size_t repetitions = 0;
    for (char c : kept) repetitions += c == '*' || c == '+' || c == '?' || c == '{';
    if (isPattern && repetitions > 3) return "-";
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

  RunOutcome run = runCaptured(arguments);
  bool answered = false;  // --help and --version end the run at once
  for (const std::string& argument : arguments) {
    // The tool sees each argument up to its first NUL, as argv holds it.
    const char* seen = argument.c_str();
    answered = answered || std::strcmp(seen, "--help") == 0 || std::strcmp(seen, "--version") == 0;
  }
  if (run.summarised) {
    require(run.classes == run.status, "the status differs from the summary");
    require(run.filesRead >= 0, "a negative file count");
  } else if (run.status == -1) {
    require(arguments.empty() || run.errors.find("Invalid pattern ") != std::string::npos,
            "the run ended early without saying why");
  } else {
    require(answered && run.status == 0, "a run without a summary line");
  }
  clearOutputFolder();
  return 0;
}
