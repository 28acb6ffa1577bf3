#ifndef KINTREE_PLATFORM_LOCAL_TIME_H_
#define KINTREE_PLATFORM_LOCAL_TIME_H_

#include <ctime>

/// Converts `when` to the local time zone, safe to call from any thread;
/// false when the conversion fails.
bool localTime(std::time_t when, std::tm& result);

#endif  // KINTREE_PLATFORM_LOCAL_TIME_H_
