#include "model/descent.h"

#include "model/class_list.h"

void Descent::follow(const TreeView* view, bool limited, bool once) {
  view_ = view;
  limited_ = view && limited && view->depth() >= 0;
  once_ = once;
  forgetExpanded();
}

void Descent::prepare() {
  size_t limit = classes_.sequenceLimit();
  if (onPath_.size() < limit) onPath_.resize(limit, false);
  if (once_ && expandedStamp_.size() < limit) expandedStamp_.resize(limit, 0);
}
