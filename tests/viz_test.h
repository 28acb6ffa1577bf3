#ifndef KINTREE_TESTS_VIZ_TEST_H_
#define KINTREE_TESTS_VIZ_TEST_H_

#include <gtest/gtest.h>

#include <string>

#include "app/scan_context.h"
#include "class_list_builder.h"
#include "platform/output.h"
#include "publish/publish_viz.h"
#include "test_support.h"

/// How often `part` occurs in `text`, overlaps included.
inline size_t occurrences(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

inline const std::string kHeader =
    "digraph \"Class Diagram\" {\nbgcolor=transparent\noverlap=false;\n"
    "label=\"Class Diagram Class Hierarchy - Tavrin & GraphViz\";\nfontsize=12;\n"
    "node [shape=box,style=filled,fillcolor=white];\n";

/// A class list built in memory and a context that writes to memory.
class VizTest : public ::testing::Test {
 protected:
  /// A chain of `length` classes under the public root `root`.
  void chain(const std::string& root, int length) {
    std::string previous = root;
    build.declare(root);
    for (int i = 1; i < length; ++i) {
      std::string name = root + std::to_string(i);
      build.extend(build.declare(name), previous);
      previous = name;
    }
  }
  /// The whole graph text of printTree; standard output is checked by dot.
  std::string graph() {
    PublishViz viz(context.classes, context.options, context.output);
    viz.printTree();
    std::string text = out.captured();
    if (!text.empty()) renderSvg(text);
    return text;
  }

  Output out;
  ScanContext context{out};
  ClassListBuilder build{context.classes};
};

#endif  // KINTREE_TESTS_VIZ_TEST_H_
