#ifndef KINTREE_PUBLISH_FORMAT_DATE_H_
#define KINTREE_PUBLISH_FORMAT_DATE_H_

#include <ctime>
#include <string>

/// The date of the HTML pages' headings and footers, as "08-Dec-2025".
inline constexpr char kPageDatePattern[] = "%d-%h-%Y";

/// The current local date and time in `pattern` (time_put conversions under
/// the classic locale), or "Failed to format date time".
std::string formatDate(const std::string& pattern);

/// `when` in `pattern`, as formatDate does for the current time.
std::string formatDate(const std::string& pattern, const std::tm& when);

#endif  // KINTREE_PUBLISH_FORMAT_DATE_H_
