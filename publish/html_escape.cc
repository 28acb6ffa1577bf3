#include "publish/html_escape.h"

namespace {

std::string escapeMarkup(std::string_view text, bool quotes) {
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        result += "&amp;";
        break;
      case '<':
        result += "&lt;";
        break;
      case '>':
        result += "&gt;";
        break;
      case '"':
        if (quotes) {
          result += "&quot;";
        } else {
          result += c;
        }
        break;
      case '\'':
        if (quotes) {
          result += "&#39;";
        } else {
          result += c;
        }
        break;
      default:
        result += c;
        break;
    }
  }
  return result;
}

}  // namespace

std::string htmlEscape(std::string_view text) { return escapeMarkup(text, false); }

std::string htmlEscapeAttribute(std::string_view text) { return escapeMarkup(text, true); }

std::string javaScriptEscape(std::string_view text) {
  static const char kHex[] = "0123456789abcdef";
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    switch (c) {
      case '\\':
        result += "\\\\";
        break;
      case '\'':
        result += "\\'";
        break;
      case '"':
        result += "\\\"";
        break;
      case '\n':
        result += "\\n";
        break;
      case '\r':
        result += "\\r";
        break;
      case '\t':
        result += "\\t";
        break;
      case '<':
      case '>':
        // No "</script" or "<!--" can then end or upset the element.
        result += c == '<' ? "\\x3c" : "\\x3e";
        break;
      default:
        if (c < 0x20 || c == 0x7f) {
          result += "\\x";
          result += kHex[c >> 4];
          result += kHex[c & 15];
        } else if (c == 0xe2 && i + 2 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) == 0x80 &&
                   (static_cast<unsigned char>(text[i + 2]) == 0xa8 ||
                    static_cast<unsigned char>(text[i + 2]) == 0xa9)) {
          // U+2028 and U+2029 end a line inside a literal for older engines.
          result += static_cast<unsigned char>(text[i + 2]) == 0xa8 ? "\\u2028" : "\\u2029";
          i += 2;
        } else {
          result += static_cast<char>(c);
        }
        break;
    }
  }
  return result;
}
