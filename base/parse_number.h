#ifndef KINTREE_BASE_PARSE_NUMBER_H_
#define KINTREE_BASE_PARSE_NUMBER_H_

#include <cstdint>

/// A number as strtol reads it in base 10 where long has 32 bits: leading
/// blanks skipped, optional sign, digits up to the first other character,
/// 0 without digits, and values beyond the 32-bit range clamped to it.
int32_t parseNumber(const char* text);

#endif  // KINTREE_BASE_PARSE_NUMBER_H_
