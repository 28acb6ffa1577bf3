#ifndef KINTREE_PUBLISH_PUBLISH_HTML_H_
#define KINTREE_PUBLISH_PUBLISH_HTML_H_

#include <optional>
#include <string>
#include <string_view>

#include "publish/publish.h"
#include "publish/publish_text.h"

/// The built-in head element of the dtree and tabular pages, without title.
extern const std::string_view DefaultHead;
/// The dtree library's stylesheet and script, expected beside the page.
extern const std::string_view DtreeStyleSheet;
extern const std::string_view DtreeScript;

/// The HTML publisher installed by -h, -j and -T: the image tree, the dtree
/// page or the tabular page, chosen at publishing time by -T and the style.
/// Text from the sources and the file system is escaped on every page;
/// titles and section files are the user's own HTML and stay verbatim.
class PublishHtml : public PublishText {
 public:
  PublishHtml(ClassList& classes, const Options& options, Output& out);

  /// The tabular page with -T, else the dtree page with -j, else the name
  /// table (+n) and the image tree as the text publisher would.
  bool publish() override;
  /// The image tree (rows only unless the style is HtmlImages), or with -j
  /// the dtree node lines.
  void printTree() override;
  /// Replaces the section `kind` by `text` (-1, -2, -3).
  bool takeSection(SectionKind kind, std::string& text) override;
  const char* typeName() const override { return "PublishHtml"; }
  /// The head element: the head section if loaded, with `extra` put before
  /// its last "</head>", else the default head with titles and dtree links.
  void writeHead(std::optional<std::string_view> extra);

  std::string headSection;       ///< -1: replaces the whole head element
  std::string bodyBeginSection;  ///< -2: replaces the dtree page's body start
  std::string bodyEndSection;    ///< -3: replaces the dtree page's end

 private:
  void writeDtreePage();
  void writeTabularPage();
  void printImageTree();
};

#endif  // KINTREE_PUBLISH_PUBLISH_HTML_H_
