#include "base/parse_number.h"

#include <limits>

#include "base/char_class.h"

int32_t parseNumber(const char* text) {
  while (isAsciiSpace(*text)) ++text;
  bool negative = false;
  if (*text == '+' || *text == '-') negative = *text++ == '-';
  // Gather in 64 bits and stop growing once past the 32-bit range, which is
  // where the value is clamped to.
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  int64_t value = 0;
  for (; isAsciiDigit(*text); ++text) {
    if (value <= kLimit) value = value * 10 + (*text - '0');
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}
