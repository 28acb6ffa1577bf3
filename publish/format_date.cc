#include "publish/format_date.h"

#include <iomanip>
#include <locale>
#include <sstream>

std::string formatDate(const std::string& pattern, const std::tm& when) {
  std::ostringstream text;
  // The tool never changes the global locale, but a host program might.
  text.imbue(std::locale::classic());
  text << std::put_time(&when, pattern.c_str());
  if (text.fail()) return "Failed to format date time";
  return text.str();
}

std::string formatDate(const std::string& pattern) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr) {
    return "Failed to format date time";
  }
  return formatDate(pattern, local);
}
