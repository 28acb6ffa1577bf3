#include "publish/json_escape.h"

#include "platform/output.h"

size_t utf8SequenceLength(std::string_view text, size_t at) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  size_t length;
  // The second byte's range is narrower after some leads: that is what
  // rules out overlong forms, surrogates and values past U+10FFFF.
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() - at < length) return 0;
  if (byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (size_t i = 2; i < length; ++i) {
    if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
  }
  return length;
}

void writeJsonString(Output& out, std::string_view text) {
  static const char kHex[] = "0123456789abcdef";
  out.put('"');
  // Runs of bytes that need nothing go out in one write.
  size_t runStart = 0;
  size_t i = 0;
  while (i < text.size()) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c != '"' && c != '\\' && c < 0x80) {
      ++i;
      continue;
    }
    if (c >= 0x80) {
      size_t length = utf8SequenceLength(text, i);
      if (length != 0) {
        i += length;
        continue;
      }
    }
    out.write(text.substr(runStart, i - runStart));
    if (c >= 0x80) {
      out.write(kReplacementCharacter);
    } else if (c == '"' || c == '\\') {
      out.put('\\');
      out.put(static_cast<char>(c));
    } else if (c == '\n') {
      out.write("\\n");
    } else if (c == '\t') {
      out.write("\\t");
    } else if (c == '\r') {
      out.write("\\r");
    } else {
      char escape[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
      out.write(std::string_view(escape, sizeof escape));
    }
    runStart = ++i;
  }
  out.write(text.substr(runStart));
  out.put('"');
}
