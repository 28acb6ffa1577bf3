#ifndef KINTREE_PLATFORM_DIRECTORY_LISTER_H_
#define KINTREE_PLATFORM_DIRECTORY_LISTER_H_

#include <string>
#include <vector>

/// Enumerates the entries one path argument stands for: the entries of a
/// directory (without "." and ".."), the file itself, or the entries of a
/// directory whose names match a wildcard ("*", "?") in the last component.
/// Entries come sorted by name in byte order so output is the same on every
/// machine.
class DirectoryLister {
 public:
  explicit DirectoryLister(std::string path) : entryDir(std::move(path)) {}

  /// Makes the first entry current; false when there is none.
  bool first();
  /// Makes the next entry current; false when there is none.
  bool next();

  /// Name of the current entry, without its directory.
  const std::string& name() const { return entries_[current_].name; }
  /// True when the current entry is a directory (links followed).
  bool isDirectory() const { return entries_[current_].isDirectory; }
  /// True when the listing itself reported the current entry as a regular
  /// file, which saves a status query; false when it did not tell.
  bool knownRegularFile() const { return entries_[current_].regularFile; }

  /// The argument at first; after first(), the directory that the entries
  /// live in. Entry paths are entryDir + separator + name().
  std::string entryDir;

 private:
  struct Entry {
    std::string name;
    bool isDirectory;
    bool typeUnknown;  // the listing did not tell whether it is a directory
    bool regularFile;  // the listing reported a regular file
  };
  std::vector<Entry> entries_;
  size_t current_ = 0;
};

/// True when `name` matches `pattern` as a whole: "*" matches any run of
/// characters, "?" exactly one, everything else itself (case-sensitive).
bool matchesWildcard(const std::string& name, const std::string& pattern);

#endif  // KINTREE_PLATFORM_DIRECTORY_LISTER_H_
