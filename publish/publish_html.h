#ifndef KINTREE_PUBLISH_PUBLISH_HTML_H_
#define KINTREE_PUBLISH_PUBLISH_HTML_H_

#include <optional>
#include <string>
#include <string_view>

#include "publish/publish_text.h"
#include "publish/section_loader.h"

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
  /// The name table, plain text as for every publisher.
  void printNames() override;

  /// Replaces the section `kind` by `text` (-1, -2, -3).
  void setSection(SectionKind kind, std::string text);
  /// The head element: the head section if loaded, with `extra` put before
  /// its last "</head>", else the default head with titles and dtree links.
  void writeHead(std::optional<std::string_view> extra);

  std::string headSection;       ///< -1: replaces the whole head element
  std::string bodyBeginSection;  ///< -2: replaces the dtree page's body start
  std::string bodyEndSection;    ///< -3: replaces the dtree page's end

 protected:
  void writeSource(std::string_view text) override;
  void writeSourceField(std::string_view text, int width, int precision) override;

 private:
  void writeDtreePage();
  void writeTabularPage();
  void printImageTree();
  /// The home page link of the footers.
  void writeHomeLink();

  bool plainText_ = false;  // while the name table is written
};

#endif  // KINTREE_PUBLISH_PUBLISH_HTML_H_
