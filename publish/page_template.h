#ifndef KINTREE_PUBLISH_PAGE_TEMPLATE_H_
#define KINTREE_PUBLISH_PAGE_TEMPLATE_H_

#include <string_view>

// The --html page, made at build time from publish/page/ (markup with its
// stylesheet and script inlined) and cut where the run's JSON goes: the
// page's settings, then the records.

/// From the start of the page to the settings object.
extern const std::string_view PageBeforeView;
/// From the settings object to the records.
extern const std::string_view PageBeforeData;
/// From the records to the end of the page.
extern const std::string_view PageAfterData;

#endif  // KINTREE_PUBLISH_PAGE_TEMPLATE_H_
