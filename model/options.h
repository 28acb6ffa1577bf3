#ifndef KINTREE_MODEL_OPTIONS_H_
#define KINTREE_MODEL_OPTIONS_H_

#include <cstdint>
#include <regex>
#include <string>
#include <vector>

/// How tree connections are drawn; the value of -g, -x, -s, -h, -j, -z.
enum OutputStyle : int32_t {
  Graphics = 0,
  PlusMinus = 1,
  Spaces = 2,
  HtmlImages = 3,
  JavaScript = 4,
  GraphViz = 5,
};

/// Every switch value of a run, with its default. The switches fill it as
/// the arguments are read; the walk and the publishers only read it. The
/// class patterns (-v, -i) live in the ClassList, which applies them, and
/// the message level (-l) is the threshold of Log, which every layer's
/// messages obey.
struct Options {
  std::vector<std::regex> ignoreFilePatterns;  ///< -V
  bool showNames = false;                      ///< +n
  bool showTree = true;                        ///< -t
  bool splitByTree = false;                    ///< -Z
  bool includeNonPublic = false;               ///< -A, -M
  bool includeInterfaces = false;              ///< -I
  bool tabular = false;                        ///< -T
  int32_t importLevel = -1;                    ///< -M; below 0 declarations are read
  bool resolve = false;                        ///< --resolve: the Java-aware reading
  std::vector<std::string> titles;             ///< -L
  std::vector<std::string> replacements;       ///< -0
  OutputStyle style = Graphics;                ///< -g, -x, -s, -h, -j, -z
  int32_t nodesPerFile = 0;                    ///< -N
  std::string outPath;                         ///< -O
  int32_t threads = 0;                         ///< --threads; 0: one per core
  std::vector<std::string> focusNames;         ///< --focus, as written
  std::vector<std::regex> focusPatterns;       ///< --focus, compiled like -i
  int32_t depth = -1;                          ///< --depth; below 0 the trees are whole
  bool once = false;                           ///< --once
  bool packages = false;                       ///< --packages

  /// A run that shows part of the trees (--focus, --depth).
  bool partialTrees() const { return !focusPatterns.empty() || depth >= 0; }
};

#endif  // KINTREE_MODEL_OPTIONS_H_
