#ifndef KINTREE_PUBLISH_PUBLISH_MERMAID_H_
#define KINTREE_PUBLISH_PUBLISH_MERMAID_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "publish/publish_text.h"

class ShownSet;

/// Mermaid's default limit on the text of one diagram, in UTF-16 units.
inline constexpr size_t kMermaidTextLimit = 50000;

/// The Mermaid publisher installed by --mermaid: a classDiagram of the
/// records the tree would show. Like the graph, it follows the name table
/// when +n asks for one.
class PublishMermaid : public PublishText {
 public:
  PublishMermaid(ClassList& classes, const Options& options, Output& out);

  /// Writes the diagram, whole, and warns on standard error when it is
  /// longer than Mermaid renders by default.
  void printTree() override;
};

/// The classDiagram of `shown`: one class per record, an extends edge per
/// parent and a realization edge per interface that is shown too. With
/// `byPackage` the classes stand in one namespace block per package; in
/// `importMode` a package's edge to what it imports is a dependency.
std::string mermaidDiagram(const ShownSet& shown, bool byPackage, bool importMode);

/// A class id Mermaid reads as one plain word whatever the name holds: its
/// ASCII letters, digits and "_", every run of other bytes as one "_", then
/// "_" and `index`, which keeps ids apart and never lets one read as a
/// keyword.
void appendMermaidId(std::string& text, std::string_view name, uint32_t index);

/// `text` for a double-quoted Mermaid label: ASCII letters, digits, "." and
/// well-formed UTF-8 beyond ASCII as they are, every other ASCII character
/// as an entity code ("#60;"), bytes that are not UTF-8 as U+FFFD.
void appendMermaidLabel(std::string& text, std::string_view label);

/// The length of UTF-8 `text` as JavaScript counts it, in UTF-16 units.
size_t utf16Length(std::string_view text);

#endif  // KINTREE_PUBLISH_PUBLISH_MERMAID_H_
