#ifndef KINTREE_APP_SCAN_CONTEXT_H_
#define KINTREE_APP_SCAN_CONTEXT_H_

#include <cstdint>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "model/class_list.h"
#include "publish/output_style.h"
#include "publish/publish.h"

class Output;

/// The one object of a run: every option, the current publisher and the
/// class list. Options read "at publishing" may stand anywhere on the
/// command line; the others affect only the paths after them.
class ScanContext {
 public:
  /// A context whose publishers write to `output`.
  explicit ScanContext(Output& output);
  ScanContext();

  /// Reads the arguments left to right, walks every path, prints the summary
  /// line and publishes. Returns the record count, or -1 after the usage
  /// screen or an invalid pattern.
  int run(int argc, char** argv);

  /// Acts on one switch; false when the run must end at once.
  bool applySwitch(const std::string& argument);

  std::vector<std::regex> ignoreFilePatterns;  ///< -V
  std::unique_ptr<Publish> publisher;
  bool showNames = false;         ///< +n
  bool showTree = true;           ///< -t
  bool splitByTree = false;       ///< -Z
  bool includeNonPublic = false;  ///< -A, -M
  bool includeInterfaces = false; ///< -I
  bool tabular = false;           ///< -T
  int32_t logLevel = 0;           ///< -l, compared as unsigned
  int32_t importLevel = -1;       ///< -M
  std::vector<std::string> titles;        ///< -L
  std::vector<std::string> replacements;  ///< -0
  OutputStyle style = Graphics;
  int32_t nodesPerFile = 0;  ///< -N
  std::string outPath;       ///< -O
  ClassList classes;
  int32_t nextNodeId = 1;    ///< dtree node numbering
  bool writeFailed = false;  ///< an output file lost data: the run fails
  bool pathMissing = false;  ///< a path argument named nothing: the run fails
  std::string sourceBuffer;  ///< holds the file being parsed, reused for the next

  /// Standard output of the run (a memory sink in tests).
  Output& output;

 private:
  /// Replaces the current publisher by `next`, destroying the old one.
  void install(std::unique_ptr<Publish> next);
};

#endif  // KINTREE_APP_SCAN_CONTEXT_H_
