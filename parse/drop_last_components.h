#ifndef KINTREE_PARSE_DROP_LAST_COMPONENTS_H_
#define KINTREE_PARSE_DROP_LAST_COMPONENTS_H_

#include <cstdint>
#include <string>

/// Cuts the last `count` dot-separated components off `name`. True when
/// nothing would be left (too few dots, or the last dot reached is the first
/// character); `name` is then unchanged. A count of 0 or less keeps the name.
bool dropLastComponents(std::string& name, int32_t count);

#endif  // KINTREE_PARSE_DROP_LAST_COMPONENTS_H_
