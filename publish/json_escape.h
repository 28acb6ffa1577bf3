#ifndef KINTREE_PUBLISH_JSON_ESCAPE_H_
#define KINTREE_PUBLISH_JSON_ESCAPE_H_

#include <cstddef>
#include <string_view>

class Output;

/// U+FFFD in UTF-8: what stands for bytes that are not well-formed UTF-8.
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

/// One step through UTF-8 text.
struct Utf8Step {
  size_t length;    ///< bytes taken, at least 1
  bool wellFormed;  ///< false: one U+FFFD stands for these bytes
};

/// The sequence that starts `text` at `at`: a well-formed one (1 to 4
/// bytes), or else the longest start of one there, at least one byte,
/// which is what one U+FFFD replaces in the practice browsers and Python
/// share (a stray continuation byte, an overlong form, a surrogate, a value
/// past U+10FFFF or a cut-off sequence).
Utf8Step utf8Step(std::string_view text, size_t at);

/// Where a JSON string goes: a document of its own, or the content of an
/// HTML script element, where "<", ">", "&", U+2028 and U+2029 are written
/// as escapes too, so no text can end the element or open a comment in it.
enum class JsonTarget { Document, ScriptElement };

/// Writes `text` as a JSON string with its quotes: quote, backslash and
/// control characters escaped, bytes that are not well-formed UTF-8
/// replaced by U+FFFD, so any source text gives a valid document.
void writeJsonString(Output& out, std::string_view text, JsonTarget target = JsonTarget::Document);

#endif  // KINTREE_PUBLISH_JSON_ESCAPE_H_
