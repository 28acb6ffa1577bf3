#include <sys/stat.h>
#include <windows.h>

#include <cstdio>
#include <vector>

#include "platform/file_system.h"

std::string fullPath(std::string_view path) {
  std::string text(path);
  // The call says how large a buffer it needs when the first one is short.
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    DWORD length =
        GetFullPathNameA(text.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (length == 0) return std::string();
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(length + 1);
  }
}

bool pathExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool isDirectory(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool isRegularFile(const std::string& path) {
  struct _stat64i32 status;
  return _stat64i32(path.c_str(), &status) == 0 && (status.st_mode & _S_IFREG) != 0;
}

bool fileIdentity(const std::string& path, FileIdentity& identity) {
  // Directories open only with backup semantics; nothing is read or written.
  HANDLE handle =
      CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION information;
  bool ok = GetFileInformationByHandle(handle, &information) != 0;
  CloseHandle(handle);
  if (!ok) return false;
  identity.device = information.dwVolumeSerialNumber;
  identity.inode = (uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow;
  return true;
}

bool readIntoBuffer(const std::string& path, std::string& buffer, std::string_view& text) {
  text = std::string_view();
  // Binary mode: the statement reader takes line ends apart itself, and a
  // stray Ctrl-Z byte must not end the text early.
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  constexpr size_t kChunk = 1 << 16;
  size_t used = 0;
  for (;;) {
    if (buffer.size() < used + kChunk) buffer.resize(used + kChunk);
    size_t got = std::fread(&buffer[used], 1, kChunk, file);
    used += got;
    if (got < kChunk) break;
  }
  bool ok = !std::ferror(file);
  std::fclose(file);
  if (ok) text = std::string_view(buffer.data(), used);
  return ok;
}
