#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

#include "platform/directory_lister.h"
#include "platform/file_system.h"

namespace {

bool isDotEntry(const char* name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

bool hasWildcard(const std::string& text) { return text.find_first_of("*?") != std::string::npos; }

}  // namespace

bool matchesWildcard(const std::string& name, const std::string& pattern) {
  // Greedy matching with a single backtrack point for the last "*": linear
  // for patterns without stars, and never exponential.
  size_t n = 0, p = 0;
  size_t starPattern = std::string::npos, starName = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starPattern = p++;
      starName = n;
    } else if (starPattern != std::string::npos) {
      p = starPattern + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool DirectoryLister::first() {
  entries_.clear();
  current_ = 0;
  std::string directory = entryDir.empty() ? std::string(".") : entryDir;
  std::string wildcard;
  if (::isDirectory(directory)) {
    // Entries of an empty argument are formed as for ".".
    if (entryDir.empty()) entryDir = ".";
  } else {
    std::string resolved = fullPath(entryDir);
    size_t cut = resolved.rfind(kPathSeparator);
    std::string last = resolved.substr(cut + 1);
    entryDir = resolved.substr(0, cut);
    if (pathExists(resolved)) {
      // A file (or anything else that exists) lists itself.
      entries_.push_back({last, ::isDirectory(resolved), false, false});
      return true;
    }
    if (!hasWildcard(last)) return false;
    wildcard = last;
    directory = entryDir.empty() ? std::string("/") : entryDir;
  }

  int fd = openPath(directory, O_RDONLY | O_DIRECTORY);
  DIR* stream = fd < 0 ? nullptr : fdopendir(fd);
  if (!stream) {
    if (fd >= 0) close(fd);
    return false;
  }
  while (dirent* entry = readdir(stream)) {
    if (isDotEntry(entry->d_name)) continue;
    if (!wildcard.empty() && !matchesWildcard(entry->d_name, wildcard)) continue;
    // The entry type saves a status query for most entries; links and
    // file systems that do not report types are asked directly.
    bool directory = entry->d_type == DT_DIR;
    bool unknown = entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN;
    entries_.push_back({entry->d_name, directory, unknown, entry->d_type == DT_REG});
  }
  closedir(stream);
  if (entries_.empty()) return false;

  std::sort(entries_.begin(), entries_.end(),
            [](const Entry& a, const Entry& b) { return a.name < b.name; });
  for (Entry& entry : entries_) {
    if (entry.typeUnknown)
      entry.isDirectory = ::isDirectory(directory + kPathSeparator + entry.name);
  }
  return true;
}
