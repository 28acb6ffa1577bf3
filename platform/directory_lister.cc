#include "platform/directory_lister.h"

bool DirectoryLister::next() {
  if (current_ + 1 >= entries_.size()) return false;
  ++current_;
  return true;
}
