#ifndef KINTREE_PUBLISH_PUBLISH_PAGE_H_
#define KINTREE_PUBLISH_PUBLISH_PAGE_H_

#include "publish/publish_json.h"

/// The interactive page installed by --html: one HTML file that needs
/// nothing beside it and makes no request. The page's own markup, style and
/// script (publish/page/) draw the records from the JSON document of the
/// run, which stands in the page with every "<" escaped, so no source text
/// can end its script element.
class PublishPage : public PublishJson {
 public:
  PublishPage(ClassList& classes, const Options& options, Output& out);

  /// The page alone, for the reason --json writes its document alone: a
  /// name table before it would not be HTML.
  bool publish() override;
};

#endif  // KINTREE_PUBLISH_PUBLISH_PAGE_H_
