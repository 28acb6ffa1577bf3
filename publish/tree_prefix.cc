#include "publish/tree_prefix.h"

void TreePrefix::push(std::string_view entry) {
  starts_.push_back(text_.size());
  text_.append(entry.data(), entry.size());
}

void TreePrefix::replaceLast(std::string_view entry) {
  text_.resize(starts_.back());
  text_.append(entry.data(), entry.size());
}

void TreePrefix::pop() {
  text_.resize(starts_.back());
  starts_.pop_back();
}
