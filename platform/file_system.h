#ifndef KINTREE_PLATFORM_FILE_SYSTEM_H_
#define KINTREE_PLATFORM_FILE_SYSTEM_H_

#include <cstdint>
#include <string>
#include <string_view>

#ifdef _WIN32
/// The character that separates path components on this platform.
constexpr char kPathSeparator = '\\';
/// The longest full path the platform's narrow file calls take (MAX_PATH
/// less the terminating zero); longer ones are reported, never walked.
constexpr size_t kMaxFullPath = 259;
/// Whether two file names that differ only in letter case name two files.
constexpr bool kCaseSensitiveNames = false;
#else
/// The character that separates path components on this platform.
constexpr char kPathSeparator = '/';
/// POSIX paths have no length limit of their own.
constexpr size_t kMaxFullPath = std::string::npos;
/// Whether two file names that differ only in letter case name two files.
constexpr bool kCaseSensitiveNames = true;
#endif

/// The absolute, lexically normalised form of `path`: relative paths are
/// taken from the working directory, "." and ".." components and doubled
/// separators are removed, symbolic links are not resolved. On Windows this
/// is what GetFullPathNameA makes of it, whatever its length.
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

/// Reads the whole file to the front of `buffer` and makes `text` a view of
/// it; `buffer` only grows, so a run over many files allocates and clears
/// memory for the largest of them alone. False when the file cannot be
/// opened or read, in which case `text` is empty.
bool readIntoBuffer(const std::string& path, std::string& buffer, std::string_view& text);

#endif  // KINTREE_PLATFORM_FILE_SYSTEM_H_
