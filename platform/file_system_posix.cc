#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

std::string fullPath(std::string_view path) {
  std::string joined;
  if (path.empty() || path.front() != '/') {
    // getcwd needs a buffer; grow it until the working directory fits.
    std::vector<char> buffer(4096);
    while (!getcwd(buffer.data(), buffer.size())) {
      if (errno != ERANGE) break;
      buffer.resize(buffer.size() * 2);
    }
    joined = buffer.data();
    joined += '/';
  }
  joined.append(path.data(), path.size());

  // Rebuild the path component by component, dropping "." and empty
  // components and letting ".." remove the one before it.
  std::string result;
  size_t at = 0;
  while (at <= joined.size()) {
    size_t end = joined.find('/', at);
    if (end == std::string::npos) end = joined.size();
    std::string_view component(joined.data() + at, end - at);
    if (component == "..") {
      size_t cut = result.rfind('/');
      result.resize(cut == std::string::npos ? 0 : cut);
    } else if (!component.empty() && component != ".") {
      result += '/';
      result.append(component.data(), component.size());
    }
    at = end + 1;
  }
  if (result.empty()) result = "/";
  return result;
}

bool pathExists(const std::string& path) {
  struct stat status;
  return lstat(path.c_str(), &status) == 0;
}

bool isDirectory(const std::string& path) {
  struct stat status;
  return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool isRegularFile(const std::string& path) {
  struct stat status;
  return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool fileIdentity(const std::string& path, FileIdentity& identity) {
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return false;
  identity.device = status.st_dev;
  identity.inode = status.st_ino;
  return true;
}

bool readWholeFile(const std::string& path, std::string& contents) {
  contents.clear();
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat status;
  bool regular = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  // A regular file comes in one read: asking for a byte more than its size
  // makes the short count tell its end without another call.
  constexpr size_t kChunk = 1 << 16;
  size_t want = regular ? static_cast<size_t>(status.st_size) + 1 : kChunk;
  size_t used = 0;
  bool ok = true;
  for (;;) {
    contents.resize(used + want);
    ssize_t got = read(fd, &contents[used], want);
    if (got > 0) {
      used += static_cast<size_t>(got);
      if (regular && static_cast<size_t>(got) < want) break;
      want = kChunk;
    } else if (got == 0) {
      break;
    } else if (errno != EINTR) {
      ok = false;
      break;
    }
  }
  close(fd);
  contents.resize(ok ? used : 0);
  return ok;
}
