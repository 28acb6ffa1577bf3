#include "parse/drop_last_components.h"

bool dropLastComponents(std::string& name, int32_t count) {
  if (count <= 0) return false;
  size_t dot = std::string::npos;
  // Each search starts just before the dot the previous one found; the loop
  // ends early at the first failure, so a huge count costs nothing.
  for (int32_t i = 0; i < count; ++i) {
    dot = name.rfind('.', i == 0 ? std::string::npos : dot - 1);
    if (dot == std::string::npos || dot == 0) return true;
  }
  name.resize(dot);
  return false;
}
