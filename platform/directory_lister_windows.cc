#include <windows.h>

#include <cstring>

#include "platform/directory_lister.h"
#include "platform/file_system.h"

namespace {

/// "." and ".." (and any other name made of dots only) are no entries.
bool isDotEntry(const WIN32_FIND_DATAA& found) {
  return found.dwFileAttributes != INVALID_FILE_ATTRIBUTES &&
         (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
         std::strspn(found.cFileName, ".") == std::strlen(found.cFileName);
}

}  // namespace

// The whole enumeration is taken at once, in the order the platform gives,
// and the find handle closed again: a walk that descends meanwhile then
// holds no handle per level.
bool DirectoryLister::first() {
  entries_.clear();
  current_ = 0;
  std::string pattern = entryDir.empty() ? std::string(".\\") : entryDir;
  DWORD attributes = GetFileAttributesA(pattern.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    // Entries of an empty argument are formed as for ".".
    if (entryDir.empty()) entryDir = ".";
    pattern += "\\*";
  } else {
    // A file, a wildcard or a name that does not exist: the entries live in
    // the directory part of the resolved argument.
    entryDir = fullPath(entryDir);
    size_t cut = entryDir.find_last_of(":/\\");
    if (cut != std::string::npos) entryDir.resize(cut);
  }

  WIN32_FIND_DATAA found;
  HANDLE handle = FindFirstFileA(pattern.c_str(), &found);
  if (handle == INVALID_HANDLE_VALUE) return false;
  do {
    if (isDotEntry(found)) continue;
    bool directory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entries_.push_back({found.cFileName, directory, false, false});
  } while (FindNextFileA(handle, &found));
  FindClose(handle);
  return !entries_.empty();
}
