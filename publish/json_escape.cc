#include "publish/json_escape.h"

#include "platform/output.h"

Utf8Step utf8Step(std::string_view text, size_t at) {
  unsigned char lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return {1, true};
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
    return {1, false};
  }
  for (size_t i = 1; i < length; ++i) {
    if (at + i >= text.size()) return {i, false};
    unsigned char c = static_cast<unsigned char>(text[at + i]);
    if (c < low || c > high) return {i, false};
    low = 0x80;
    high = 0xBF;
  }
  return {length, true};
}

void writeJsonString(Output& out, std::string_view text, JsonTarget target) {
  static const char kHex[] = "0123456789abcdef";
  bool inScript = target == JsonTarget::ScriptElement;
  out.put('"');
  // Runs of bytes that need nothing go out in one write.
  size_t runStart = 0;
  size_t i = 0;
  while (i < text.size()) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c != '"' && c != '\\' && c < 0x80 &&
        !(inScript && (c == '<' || c == '>' || c == '&'))) {
      ++i;
      continue;
    }
    Utf8Step step{1, false};
    // U+2028 and U+2029 (E2 80 A8 and A9) end a line for older scripts.
    bool lineSeparator = false;
    if (c >= 0x80) {
      step = utf8Step(text, i);
      lineSeparator = inScript && step.wellFormed && c == 0xE2 && text[i + 1] == '\x80' &&
                      (text[i + 2] == '\xA8' || text[i + 2] == '\xA9');
      if (step.wellFormed && !lineSeparator) {
        i += step.length;
        continue;
      }
    }
    out.write(text.substr(runStart, i - runStart));
    if (lineSeparator) {
      out.write(text[i + 2] == '\xA8' ? "\\u2028" : "\\u2029");
    } else if (c >= 0x80) {
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
    i += step.length;
    runStart = i;
  }
  out.write(text.substr(runStart));
  out.put('"');
}
