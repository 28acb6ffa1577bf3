#ifndef KINTREE_PUBLISH_TREE_PREFIX_H_
#define KINTREE_PUBLISH_TREE_PREFIX_H_

#include <string>
#include <string_view>
#include <vector>

/// The connection glyphs in front of a tree line, one entry per level, kept
/// as one text so a deep line is written in a single piece.
class TreePrefix {
 public:
  void push(std::string_view entry);
  void replaceLast(std::string_view entry);
  void pop();
  /// Every entry in order, with nothing between them.
  std::string_view text() const { return text_; }

 private:
  std::string text_;
  std::vector<size_t> starts_;
};

#endif  // KINTREE_PUBLISH_TREE_PREFIX_H_
