#ifndef KINTREE_PARSE_BYTE_SCAN_H_
#define KINTREE_PARSE_BYTE_SCAN_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

/// How many bytes the finders look at a time: one by one, 16 (SSE2) or 32
/// (AVX2). The best level the processor runs is chosen once, at start-up.
enum class ScanLevel : uint8_t { Portable, Sse2, Avx2 };

/// The best level this processor runs; Portable where no vector path is
/// built.
ScanLevel bestScanLevel();

/// The level the finders use.
ScanLevel scanLevel();

/// Makes the finders use `level`, so that tests reach every path; false,
/// changing nothing, when the processor cannot run it. Not for use while
/// other threads scan.
bool setScanLevel(ScanLevel level);

/// The number of line feeds in `text`.
size_t countLineFeeds(std::string_view text);

/// The first index from `from` on where plain code ends for the statement
/// skipper: a quote, a slash, a terminator (";", "{", "}"), or the first
/// byte of "ss", "rf" or "ka", which every "class", "interface" and
/// "package" holds. The text's size when there is none.
size_t findCodeStop(std::string_view text, size_t from);

/// The first index from `from` on of a byte that the Java tokenizer's
/// statement skip must look at: ";", "{", "}", ":", a quote, a slash or a
/// backslash. The text's size when there is none.
size_t findTokenStop(std::string_view text, size_t from);

/// The first index from `from` on of `quote`, a backslash or a line feed:
/// where the Java tokenizer must look again inside a string or character
/// literal. The text's size when there is none.
size_t findLiteralStop(std::string_view text, size_t from, char quote);

#endif  // KINTREE_PARSE_BYTE_SCAN_H_
