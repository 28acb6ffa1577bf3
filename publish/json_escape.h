#ifndef KINTREE_PUBLISH_JSON_ESCAPE_H_
#define KINTREE_PUBLISH_JSON_ESCAPE_H_

#include <cstddef>
#include <string_view>

class Output;

/// U+FFFD in UTF-8: what a byte stands for that starts no well-formed sequence.
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

/// The length of the well-formed UTF-8 sequence that starts `text` at `at`
/// (1 to 4), or 0 when the bytes there are not one: a stray continuation
/// byte, an overlong form, a surrogate, a value past U+10FFFF or a cut-off
/// sequence.
size_t utf8SequenceLength(std::string_view text, size_t at);

/// Writes `text` as a JSON string with its quotes: quote, backslash and
/// control characters escaped, every byte that is not part of well-formed
/// UTF-8 replaced by U+FFFD, so any source text gives a valid document.
void writeJsonString(Output& out, std::string_view text);

#endif  // KINTREE_PUBLISH_JSON_ESCAPE_H_
