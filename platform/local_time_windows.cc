#include "platform/local_time.h"

// The Windows C runtime names the reentrant form differently and swaps its
// arguments.
bool localTime(std::time_t when, std::tm& result) { return localtime_s(&result, &when) == 0; }
