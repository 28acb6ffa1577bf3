#include "publish/format_date.h"

#include <iomanip>
#include <locale>
#include <sstream>

#include "platform/local_time.h"

namespace {

/// `pattern` with every "%h" spelt "%b": the two mean the same, and the
/// Windows C runtime knows only "%b".
std::string withMonthAsB(const std::string& pattern) {
  std::string result = pattern;
  for (size_t i = 0; i + 1 < result.size(); ++i) {
    if (result[i] != '%') continue;
    if (result[i + 1] == 'h') result[i + 1] = 'b';
    ++i;  // "%%" and every other conversion stay as they are
  }
  return result;
}

}  // namespace

std::string formatDate(const std::string& pattern, const std::tm& when) {
  std::ostringstream text;
  // The tool never changes the global locale, but a host program might.
  text.imbue(std::locale::classic());
  std::string conversions = withMonthAsB(pattern);
  text << std::put_time(&when, conversions.c_str());
  if (text.fail()) return "Failed to format date time";
  return text.str();
}

std::string formatDate(const std::string& pattern) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  if (now == static_cast<std::time_t>(-1) || !localTime(now, local)) {
    return "Failed to format date time";
  }
  return formatDate(pattern, local);
}
