#include "platform/file_system.h"

// What every system shares: the whole-file read on top of the buffered one.

bool readWholeFile(const std::string& path, std::string& contents) {
  contents.clear();
  std::string_view text;
  bool ok = readIntoBuffer(path, contents, text);
  contents.resize(text.size());  // the file's bytes stand at the front
  return ok;
}
