#ifndef KINTREE_FUZZ_FUZZ_SUPPORT_H_
#define KINTREE_FUZZ_FUZZ_SUPPORT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class ClassList;
class ScanContext;

/// A private working folder for one fuzzing process, made on first use: a
/// small source tree "src", two HTML section files and an "out" folder, so
/// that nothing a fuzzed command line names can reach outside it.
const std::string& sandbox();

/// Writes one fuzz input to the sandbox as "input/Input.java"; returns its path.
std::string writeInput(const uint8_t* data, size_t size);

/// Aborts with a message when `condition` is false; fuzzing builds keep it
/// whatever NDEBUG says.
void require(bool condition, const char* what);

/// Checks the class list: every record is found under its own name, the
/// count matches the records, every link names a record of the list, sets
/// are in identity order without repeats, and parents and children mirror
/// each other.
void checkClassList(const ClassList& classes);

/// Checks what the Java-aware reading adds: every record has a qualified
/// name, a declaration's is its package and nesting name, placeholders
/// carry no declaration line and no two share a qualified name, kinds are
/// the five words, and enums and records descend from java.lang.Enum and
/// java.lang.Record.
void checkResolved(const ClassList& classes);

/// What a run of the run driver reported.
struct RunOutcome {
  int status = 0;           ///< the value run() returned
  bool summarised = false;  ///< the summary line was written
  long filesRead = -1;      ///< its "Files read:" figure
  long classes = -1;        ///< its "classes extracted:" figure
  std::string errors;       ///< everything written to standard error
};

/// Runs ScanContext::run over `arguments` (program name excluded) with
/// published output in memory and standard error captured.
RunOutcome runCaptured(const std::vector<std::string>& arguments);

/// Publishes `context.classes` through every publisher and style into
/// memory or the sandbox (text tree in each text style, the name table, the
/// image tree, dtree and tabular pages, the graph whole and split, the JSON
/// document and the Mermaid diagram with and without packages), then checks
/// the list again.
void publishAll(ScanContext& context);

/// Aborts unless `text` is one JSON text by RFC 8259 (any value, blanks
/// around it) whose strings are well-formed UTF-8.
void checkJson(const std::string& text);

/// Aborts unless `text` is a diagram of the lines the Mermaid publisher
/// writes, every class id a plain word declared once, every edge between
/// declared ids and every label free of quotes, markup and bytes that are
/// not UTF-8.
void checkMermaid(const std::string& text);

/// Empties the sandbox's "out" folder (files a publisher split output into).
void clearOutputFolder();

#endif  // KINTREE_FUZZ_FUZZ_SUPPORT_H_
