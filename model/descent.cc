#include "model/descent.h"

#include "model/class_list.h"

void Descent::prepare() {
  if (onPath_.size() < classes_.sequenceLimit()) onPath_.resize(classes_.sequenceLimit(), false);
}
