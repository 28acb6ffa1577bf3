#include "platform/local_time.h"

bool localTime(std::time_t when, std::tm& result) { return localtime_r(&when, &result) != nullptr; }
