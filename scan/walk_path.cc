#include "scan/walk_path.h"

#include <vector>

#include "base/char_class.h"
#include "base/log.h"
#include "base/patterns.h"
#include "platform/directory_lister.h"
#include "platform/file_system.h"

namespace {

/// The extension test: the text from the last "." of the whole path, lower
/// case, must be ".java".
bool hasJavaExtension(const std::string& path, bool& longEnough) {
  size_t dot = path.rfind('.');
  size_t length = dot == std::string::npos ? 0 : path.size() - dot;
  longEnough = length >= 2;
  if (length != 5) return false;
  static const char kJava[] = ".java";
  for (size_t i = 0; i < 5; ++i) {
    if (toAsciiLower(path[dot + i]) != kJava[i]) return false;
  }
  return true;
}

/// What one walkPath call shares with every level of its descent.
struct Walk {
  const std::vector<std::regex>& ignoreFilePatterns;
  const FileCallback& onFile;
  std::vector<FileIdentity> ancestors;
};

int walk(const std::string& path, Walk& run) {
  DirectoryLister lister(path);
  int count = 0;
  for (bool more = lister.first(); more; more = lister.next()) {
    std::string entryName = lister.entryDir + kPathSeparator + lister.name();
    std::string entryPath = fullPath(entryName);
    // A path that cannot be resolved, or is too long for the platform's file
    // calls, is named to the user: walking the empty path would list the
    // working directory instead, and a cut-off name would read another file.
    if (entryPath.empty() || entryPath.size() > kMaxFullPath) {
      Log().stream() << "Invalid file " << (entryPath.empty() ? entryName : entryPath);
      continue;
    }

    if (lister.isDirectory()) {
      // A link back to a directory on the current descent path would make
      // the walk endless; such a directory is not entered again.
      FileIdentity identity;
      bool known = fileIdentity(entryPath, identity);
      bool repeated = false;
      for (const FileIdentity& ancestor : run.ancestors) {
        repeated = repeated || ancestor == identity;
      }
      if (known && repeated) continue;
      if (known) run.ancestors.push_back(identity);
      count += walk(entryPath, run);
      if (known) run.ancestors.pop_back();
      continue;
    }

    if (matchesAny(entryPath, run.ignoreFilePatterns)) {
      Log(Log::kIgnoredNames).stream() << "Ignoring file:" << entryPath;
      continue;
    }
    bool longEnough = false;
    bool isJava = hasJavaExtension(entryPath, longEnough);
    if (!longEnough) continue;
    if (!lister.knownRegularFile() && !isRegularFile(entryPath)) {
      Log().stream() << "Invalid file " << entryPath;
      continue;
    }
    if (isJava) {
      run.onFile(entryPath);
      ++count;
    }
  }
  return count;
}

}  // namespace

int walkPath(const std::string& path, const std::vector<std::regex>& ignoreFilePatterns,
             const FileCallback& onFile) {
  std::string named = path.empty() ? std::string(".") : path;
  // A misspelt path or a wildcard that matches nothing is named to the
  // user, and the run fails; an empty directory is no mistake. Only a name
  // that does not exist is listed twice, and such a listing is short.
  if (!pathExists(named) && !DirectoryLister(path).first()) {
    Log().stream() << "Invalid path " << path;
    return -1;
  }
  Walk run{ignoreFilePatterns, onFile, {}};
  FileIdentity identity;
  if (isDirectory(named) && fileIdentity(named, identity)) run.ancestors.push_back(identity);
  return walk(path, run);
}
