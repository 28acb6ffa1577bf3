#include "platform/output.h"

#include <cerrno>
#include <cstring>

namespace {
// Bytes gathered before they are handed to the stream in one call.
constexpr size_t kSpillSize = 1 << 16;
}  // namespace

Output::Output() : stream_(nullptr), owned_(false) {}

Output::Output(FILE* stream, bool owned) : stream_(stream), owned_(owned) {}

Output::~Output() {
  if (owned_) {
    close();
  } else if (stream_) {
    flush();
  }
}

Output& Output::standard() {
  static Output out(stdout);
  return out;
}

bool Output::open(const std::string& path) {
  close();
  FILE* file = std::fopen(path.c_str(), "w");
  if (!file) return false;
  stream_ = file;
  owned_ = true;
  error_ = 0;
  return true;
}

bool Output::close() {
  if (!stream_) return true;
  bool ok = flush();
  if (owned_) {
    if (std::fclose(stream_) != 0 && error_ == 0) {
      error_ = errno ? errno : EIO;
      ok = false;
    }
    stream_ = nullptr;
    owned_ = false;
  }
  return ok;
}

void Output::write(std::string_view text) {
  buffer_.append(text.data(), text.size());
  if (stream_ && buffer_.size() >= kSpillSize) spill();
}

void Output::put(char c) {
  buffer_.push_back(c);
  if (stream_ && buffer_.size() >= kSpillSize) spill();
}

void Output::field(std::string_view text, int width, int precision) {
  size_t length = text.size();
  if (precision >= 0 && static_cast<size_t>(precision) < length) length = precision;
  // Widen before negating: -INT_MIN does not fit an int.
  int64_t wide = width;
  size_t columns = static_cast<size_t>(wide < 0 ? -wide : wide);
  size_t padding = columns > length ? columns - length : 0;
  if (width >= 0) buffer_.append(padding, ' ');
  buffer_.append(text.data(), length);
  if (width < 0) buffer_.append(padding, ' ');
  if (stream_ && buffer_.size() >= kSpillSize) spill();
}

void Output::number(int64_t value) {
  if (value < 0) {
    put('-');
    unsignedNumber(0 - static_cast<uint64_t>(value));
  } else {
    unsignedNumber(static_cast<uint64_t>(value));
  }
}

void Output::unsignedNumber(uint64_t value) {
  char digits[24];
  size_t at = sizeof digits;
  do {
    digits[--at] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  write(std::string_view(digits + at, sizeof digits - at));
}

void Output::spill() {
  if (error_ == 0 && !buffer_.empty()) {
    if (std::fwrite(buffer_.data(), 1, buffer_.size(), stream_) != buffer_.size()) {
      error_ = errno ? errno : EIO;
    }
  }
  buffer_.clear();
}

bool Output::flush() {
  if (!stream_) return error_ == 0;
  spill();
  if (error_ == 0 && std::fflush(stream_) != 0) error_ = errno ? errno : EIO;
  return error_ == 0;
}
