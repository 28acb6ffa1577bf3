#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

#include "platform/file_system.h"

namespace {

/// Full paths have no length limit, but the system refuses one of PATH_MAX
/// bytes or more. Such a path is reached from a directory opened one
/// stretch of components at a time: `fd` is that directory (AT_FDCWD for a
/// short path) and `rest` the part to name relative to it.
class Anchor {
 public:
  explicit Anchor(const std::string& path) : rest_(path) {
    constexpr size_t kStretch = PATH_MAX / 2;
    while (rest_.size() >= PATH_MAX) {
      size_t cut = rest_.rfind('/', kStretch);
      if (cut == std::string::npos || cut == 0) cut = rest_.find('/', 1);
      if (cut == std::string::npos) return;  // one component too long: refused below
      std::string stretch = rest_.substr(0, cut);
      int next = openat(fd_, stretch.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      if (fd_ != AT_FDCWD) close(fd_);
      fd_ = next;
      if (fd_ < 0) return;
      rest_.erase(0, cut + 1);
    }
  }
  ~Anchor() {
    if (fd_ >= 0) close(fd_);
  }
  Anchor(const Anchor&) = delete;
  Anchor& operator=(const Anchor&) = delete;

  int fd() const { return fd_; }
  const char* rest() const { return rest_.c_str(); }
  /// stat (following links) or lstat of the path.
  bool status(struct stat& status, bool followLinks) const {
    return fd_ != -1 && fstatat(fd_, rest(), &status, followLinks ? 0 : AT_SYMLINK_NOFOLLOW) == 0;
  }

 private:
  int fd_ = AT_FDCWD;
  std::string rest_;
};

}  // namespace

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
  return Anchor(path).status(status, false);
}

bool isDirectory(const std::string& path) {
  struct stat status;
  return Anchor(path).status(status, true) && S_ISDIR(status.st_mode);
}

bool isRegularFile(const std::string& path) {
  struct stat status;
  return Anchor(path).status(status, true) && S_ISREG(status.st_mode);
}

int openPath(const std::string& path, int flags) {
  Anchor anchor(path);
  if (anchor.fd() == -1) return -1;
  return openat(anchor.fd(), anchor.rest(), flags | O_CLOEXEC);
}

bool fileIdentity(const std::string& path, FileIdentity& identity) {
  struct stat status;
  if (!Anchor(path).status(status, true)) return false;
  identity.device = status.st_dev;
  identity.inode = status.st_ino;
  return true;
}

bool readIntoBuffer(const std::string& path, std::string& buffer, std::string_view& text) {
  text = std::string_view();
  int fd = openPath(path, O_RDONLY);
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
    if (buffer.size() < used + want) buffer.resize(used + want);
    ssize_t got = read(fd, &buffer[used], want);
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
  if (ok) text = std::string_view(buffer.data(), used);
  return ok;
}
