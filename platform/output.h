#ifndef KINTREE_PLATFORM_OUTPUT_H_
#define KINTREE_PLATFORM_OUTPUT_H_

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

/// A buffered byte sink: standard output, a file, or memory for tests.
/// Every published byte goes through one of these, so formatted fields and
/// plain text always arrive in call order.
class Output {
 public:
  /// A sink that collects everything in memory (see captured()).
  Output();
  /// A sink over an open stream; `owned` streams are closed by close().
  explicit Output(FILE* stream, bool owned = false);
  ~Output();
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  /// The process's standard output.
  static Output& standard();

  /// Opens `path` for writing (created or emptied); false when it cannot.
  bool open(const std::string& path);
  /// Flushes and closes an owned stream; false on a write error.
  bool close();
  bool isOpen() const { return stream_ != nullptr; }

  void write(std::string_view text);
  void put(char c);
  /// printf's "%*.*s": at most `precision` bytes of `text` (all when
  /// negative), padded with blanks to |width|, left-justified when width < 0.
  void field(std::string_view text, int width, int precision = -1);
  void number(int64_t value);
  void unsignedNumber(uint64_t value);

  /// Hands the buffered bytes to the stream; false once any write failed.
  bool flush();
  /// The errno of the first failed write, 0 if none; no byte is written
  /// after a failed write.
  int error() const { return error_; }

  /// Everything written to a memory sink so far.
  const std::string& captured() const { return buffer_; }
  /// Empties a memory sink.
  void clearCaptured() { buffer_.clear(); }

  Output& operator<<(std::string_view text) {
    write(text);
    return *this;
  }
  Output& operator<<(char c) {
    put(c);
    return *this;
  }

 private:
  void spill();

  FILE* stream_;
  bool owned_;
  int error_ = 0;
  std::string buffer_;
};

#endif  // KINTREE_PLATFORM_OUTPUT_H_
