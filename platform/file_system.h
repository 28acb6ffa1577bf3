#ifndef KINTREE_PLATFORM_FILE_SYSTEM_H_
#define KINTREE_PLATFORM_FILE_SYSTEM_H_

#include <cstdint>
#include <string>
#include <string_view>

/// The character that separates path components on this platform.
constexpr char kPathSeparator = '/';

/// The absolute, lexically normalised form of `path`: relative paths are
/// taken from the working directory, "." and ".." components and doubled
/// separators are removed, symbolic links are not resolved.
std::string fullPath(std::string_view path);

/// True when `path` names something, a dangling symbolic link included.
bool pathExists(const std::string& path);
/// True when `path` is a directory, following symbolic links.
bool isDirectory(const std::string& path);
/// True when `path` is a regular file, following symbolic links.
bool isRegularFile(const std::string& path);

/// open(2) of `path`, also beyond the system's path length limit; -1 on failure.
int openPath(const std::string& path, int flags);

/// Device and inode of a directory, to notice a directory entered twice.
struct FileIdentity {
  uint64_t device = 0;
  uint64_t inode = 0;
  bool operator==(const FileIdentity& other) const {
    return device == other.device && inode == other.inode;
  }
};
/// The identity of `path` (following links); false when it cannot be read.
bool fileIdentity(const std::string& path, FileIdentity& identity);

/// Reads the whole file into `contents` (emptied first); false when it
/// cannot be opened or read, in which case `contents` is empty.
bool readWholeFile(const std::string& path, std::string& contents);

#endif  // KINTREE_PLATFORM_FILE_SYSTEM_H_
