#ifndef KINTREE_APP_SCAN_CONTEXT_H_
#define KINTREE_APP_SCAN_CONTEXT_H_

#include <memory>
#include <string>
#include <vector>

#include "app/switch_table.h"
#include "model/class_list.h"
#include "model/java_file.h"
#include "model/options.h"
#include "parse/parse_file.h"
#include "platform/ordered_work.h"
#include "publish/publish.h"

class Output;

/// The one object of a run: the options, the class list and the current
/// publisher. Switches read "at publishing" may stand anywhere on the
/// command line; the others affect only the paths after them.
class ScanContext {
 public:
  /// A context whose publishers write to `output`.
  explicit ScanContext(Output& output);
  ScanContext();

  /// Reads the arguments left to right, walks every path, prints the summary
  /// line and publishes. Returns the record count, 0 after --help or
  /// --version, or -1 after the usage screen, an invalid pattern, an unknown
  /// long option or a lost output file.
  int run(int argc, char** argv);

  /// Acts on one switch through the switch table.
  SwitchOutcome applySwitch(const std::string& argument);

  /// Walks one path argument and parses every file it selects; returns how
  /// many files were parsed.
  int walk(const std::string& path);

  /// Replaces the current publisher by `next`, destroying the old one.
  void install(std::unique_ptr<Publish> next);

  Options options;
  ClassList classes;
  /// Declared after what it refers to, so it goes first.
  std::unique_ptr<Publish> publisher;
  bool pathMissing = false;  ///< a path argument named nothing: the run fails
  std::string sourceBuffer;  ///< holds the file being parsed, reused for the next
  /// With --resolve: every file's reading, in walk order, until the walk ends.
  std::vector<JavaFile> javaFiles;
  std::string programName = "kintree";  ///< as invoked, for the usage screen

  /// Standard output of the run (a memory sink in tests).
  Output& output;

 private:
  /// One selected file and the settings of the path that selected it.
  struct FileJob {
    std::string path;
    ParseSettings settings;
  };
  /// Reads files on --threads threads and records them in walk order; made
  /// at the first path, when the options for the whole run are known.
  std::unique_ptr<OrderedWork<FileJob, FileScan, std::string>> work_;
};

#endif  // KINTREE_APP_SCAN_CONTEXT_H_
