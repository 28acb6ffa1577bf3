#include "publish/publish_html.h"

#include "model/class_list.h"
#include "model/inclusion.h"
#include "model/packages.h"
#include "model/tree_view.h"
#include "platform/output.h"
#include "publish/dtree_writer.h"
#include "publish/embedded_images.h"
#include "publish/format_date.h"
#include "publish/html_escape.h"
#include "publish/html_table_writer.h"
#include "publish/output_style.h"
#include "publish/section_replacements.h"
#include "publish/tree_lines.h"
#include "publish/web_addresses.h"

const std::string_view DefaultHead =
    "<head> \n"
    "<meta name=\"keywords\" content=\"Java,class,hierarchy,tree,diagram\"> \n"
    "<meta name=\"description\" content=\"Java class hierachy\">\n"
    "<meta name=\"author\" content=\"Tavrin\">\n"
    "\n"
    "<!-- Mobile -->\n"
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1, maximum-scale=1\">\n"
    "\n"
    "<link rel=\"icon\" type=\"image/ico\" href=\"favicon.ico\" > \n"
    "<link rel=\"shortcut icon\" href=\"/favicon.ico\" >\n"
    "\n"
    "<meta http-equiv=\"Content-type\" content=\"text/html;charset=UTF-8\" >\n"
    "<META http-equiv=\"Content-Style-Type\" content=\"text/css\">\n"
    "\n"
    "<!-- Google analytics tracking -->\n"
    "<script type=\"text/javascript\" src=\"~/scripts.js\"></script>\n"
    "\n"
    "<style> \n"
    "    body { \n"
    "    background: url(\"bg.jpg\");\n"
    "    }\n"
    "</style>\n";

const std::string_view DtreeStyleSheet = "dtree.css";
const std::string_view DtreeScript = "dtree.js";

namespace {

constexpr std::string_view kDocumentStart = "<!DOCTYPE html>\n<html lang=\"en\">\n";
constexpr std::string_view kBodyStart =
    "<body id='top'> \n<a href=javascript:window.history.back();> Back </a> \n<p> \n \n";
// The image tree's root rows give the modifiers at least this many columns.
constexpr int kRootModifierWidth = 20;

}  // namespace

PublishHtml::PublishHtml(ClassList& classes, const Options& options, Output& out)
    : PublishText(classes, options, out) {}

bool PublishHtml::takeSection(SectionKind kind, std::string& text) {
  switch (kind) {
    case SectionKind::Head:
      headSection = std::move(text);
      break;
    case SectionKind::BodyBegin:
      bodyBeginSection = std::move(text);
      break;
    case SectionKind::BodyEnd:
      bodyEndSection = std::move(text);
      break;
  }
  return true;
}

bool PublishHtml::publish() {
  applyReplacements(headSection, options_.replacements);
  applyReplacements(bodyBeginSection, options_.replacements);
  applyReplacements(bodyEndSection, options_.replacements);
  if (options_.tabular) {
    writeTabularPage();
  } else if (options_.style == JavaScript) {
    writeDtreePage();
  } else {
    PublishText::publish();
  }
  return true;
}

void PublishHtml::printTree() {
  if (options_.style == JavaScript) {
    DtreeWriter(classes_, options_, out_).printTree();
  } else {
    printImageTree();
  }
}

void PublishHtml::writeHead(std::optional<std::string_view> extra) {
  if (!headSection.empty()) {
    size_t end = headSection.rfind("</head>");
    if (extra && end != std::string::npos) headSection.insert(end, *extra);
    out_ << headSection;
    return;
  }
  out_ << DefaultHead << "    <title>" << titleAt(0, "Class List") << ' ' << titleAt(1, "")
       << "</title> \n"
       << "    <link rel=StyleSheet href=" << DtreeStyleSheet
       << " type=text/css /> \n    <script type=text/javascript src=" << DtreeScript
       << " ></script>  \n";
  if (extra) out_ << *extra;
  out_ << "</head> \n";
}

void PublishHtml::writeDtreePage() {
  out_ << kDocumentStart;
  writeHead(std::nullopt);
  if (!bodyBeginSection.empty()) {
    out_ << bodyBeginSection;
  } else {
    const auto& titles = options_.titles;
    out_ << kBodyStart << "<h1> " << titleAt(0, "Class List") << " </h1> \n \n<h2>"
         << (titles.size() >= 2 ? titles[1] : formatDate(kPageDatePattern))
         << "</h2> \n"
            "<div class=dtree style='margin:20px; font-size:110%; box-shadow: 10px 10px 5px "
            "#888888; padding:10px; display:inline-block; background:#f0f0f0;'> \n"
            "<p> \n"
            "<span style='border:2px ridge #404040 ; border-radius:20px; padding:5px; "
            "background:#e0e0e0;'> \n"
            "<a href=javascript:d.openAll();> <font style='font-size:150%'>open all</font></a> \n"
            "</span> \n&nbsp; \n"
            "<span style='border:2px ridge #404040 ; border-radius:20px; padding:5px; "
            "background:#e0e0e0;'> \n"
            "<a href=javascript:d.closeAll();> <font style='font-size:150%'>close all</font></a> "
            "\n"
            "</span> \n</p> \n<script type=text/javascript> \n<!-- \nd = new dTree('d'); \n"
            "d.add(0, -1, '"
         // The title is the user's HTML; only the literal around it is escaped.
         << javaScriptEscape(titleAt(2, "title1")) << "'); \n";
  }
  printTree();
  out_ << "        document.write(d); \n       d.openAll();\n        //--> \n    </script> \n";
  if (!bodyEndSection.empty()) {
    out_ << bodyEndSection;
  } else {
    out_ << "</div>  \n<p>";
    out_ << homeLink() << "\n  Created on:" << formatDate(kPageDatePattern)
         << " \n</body> \n</html> \n\n";
  }
}

void PublishHtml::writeTabularPage() {
  out_ << kDocumentStart;
  writeHead(std::string_view(ExtraHeadTabular));
  out_ << kBodyStart << "<p>";
  out_ << homeLink() << "\n  Created on:" << formatDate(kPageDatePattern)
       << " <p>\n<h2>Tabular List of " << titleAt(0, "Class List") << "</h2><body>\n";
  HtmlTableWriter(classes_, options_, out_).writeTable();
  out_ << "</body> \n</html> \n\n";
}

void PublishHtml::printImageTree() {
  OutputStyle style = options_.style;
  if (style == HtmlImages) {
    out_ << "<html>\n";
    writeImageStyles(out_);
    out_ << "<body>\n<table>\n";
  }
  const TreeView& view = prepareView();
  Inclusion inclusion(classes_, options_.includeNonPublic, options_.includeInterfaces,
                      view.focusing() ? &view : nullptr);
  TreeColumns columns =
      options_.partialTrees()
          ? measureColumns(classes_, false,
                           [&](const ClassInfo& record) { return view.shown(record); })
          : measureColumns(classes_, false);
  TreeLines lines(out_, style, htmlEscape, columns);
  // Every parentless record is a root here, whatever -A and -I say; only
  // the children are filtered.
  bool grouped = false;
  PackageGroup group{};
  for (const ClassInfo* entry : view.roots(classes_, false, options_.packages)) {
    const ClassInfo& root = *entry;
    if (options_.packages && (!grouped || packageGroup(root) != group)) {
      group = packageGroup(root);
      grouped = true;
      lines.packageLine(group);
    }
    out_ << "<tr><td>";
    lines.fileField(root);
    out_ << "<td> ";
    lines.field(root.modifiers, -kRootModifierWidth, -1);
    out_ << ' ';
    lines.text(root.name);
    out_ << ' ';
    lines.interfaces(root, " Interfaces:");
    out_ << treeMark(root, false, 0, inclusion, view) << "</tr>\n";
    lines.children(root, inclusion, descent_, view);
  }
  if (style == HtmlImages) out_ << "</table>\n</body>\n</html>\n";
}
