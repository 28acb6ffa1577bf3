#include "publish/html_table_writer.h"

#include <string_view>

#include "base/replace.h"
#include "model/class_list.h"
#include "model/inclusion.h"
#include "model/options.h"
#include "model/tree_view.h"
#include "platform/file_system.h"
#include "platform/output.h"
#include "publish/format_date.h"
#include "publish/html_escape.h"
#include "publish/publish_text.h"
#include "publish/web_addresses.h"

const std::string ExtraHeadTabular =
    std::string(
        "<style type = 'text/css'>\n"
        "#gradient-style\n"
        "{\n"
        "    font-family: 'Lucida Sans Unicode', 'Lucida Grande', Sans-Serif;\n"
        "    font-size: 12px;\n"
        "    margin: 45px;\n"
        "    width: 480px;\n"
        "    text-align: left;\n"
        "    border-collapse: collapse;\n"
        "}\n"
        "#gradient-style th\n"
        "{\n"
        "    font-size: 13px;\n"
        "    font-weight: normal;\n"
        "    padding: 8px;\n"
        "    background: #b9c9fe url('img/gradhead.png') repeat-x;\n"
        "    border-top: 2px solid #d3ddff;\n"
        "    border-bottom: 1px solid #fff;\n"
        "    color: #039;\n"
        "}\n"
        "#gradient-style td\n"
        "{\n"
        "    padding: 8px;\n"
        "    border-bottom: 1px solid #fff;\n"
        "    color: #669;\n"
        "    border-top: 1px solid #fff;\n"
        "    background: #e8edff url('img/gradback.png') repeat-x;\n"
        "}\n"
        "#gradient-style tfoot tr td\n"
        "{\n"
        "    background: #e8edff;\n"
        "    font-size: 12px;\n"
        "    color: #99c;\n"
        "}\n"
        "#gradient-style tbody tr:hover td\n"
        "{\n"
        "   background: #d0dafd url('img/gradhover.png') repeat-x;\n"
        "   color: #339;\n"
        "}\n"
        "</style>\n"
        "<link rel='stylesheet' type='text/css' href='") +
    kDataTablesStyleSheet +
    "'> \n"
    "<script type='text/javascript' language='javascript' src='" +
    kJQueryScript +
    "'></script> \n"
    "<script type='text/javascript' charset='utf8' src='" +
    kDataTablesScript +
    "'></script> \n"
    "\n"
    "<script type='text/javascript' class='init'> \n"
    "\n"
    "$(document).ready(function() { \n"
    "  $('#gradient-style').DataTable({ \n"
    "    'scrollY':        '600px', \n"
    "    'scrollCollapse' : false, \n"
    "    'paging' : false \n"
    "  }); \n"
    "}); \n"
    "</script> \n";

namespace {

// Longer names are broken at their dots so the column stays narrow.
constexpr size_t kLongName = 20;

}  // namespace

HtmlTableWriter::HtmlTableWriter(const ClassList& classes, const Options& options, Output& out)
    : classes_(classes), options_(options), out_(out) {}

void HtmlTableWriter::writeTable() {
  bool withType = options_.includeInterfaces;
  out_ << "<table id='gradient-style' summary='display' ellspacing='0' width='100%'  >\n"
          "<thead>\n<tr>\n<th scope='col'>Package</th> \n";
  if (withType) out_ << "<th scope='col'>Type</th> \n";
  // The footer spans exactly the header's columns (the home link all but the
  // last): DataTables maps footer cells onto columns and stops with a script
  // error on a footer wider than the header.
  std::string_view footerSpan = withType ? "4" : "3";
  out_ << "<th scope='col'>Name</th> \n<th scope='col'>Modifiers</th> \n"
          "<th scope='col'>Filename</th> \n</tr>\n</thead>\n<tfoot>\n<tr>\n<td colspan='"
       << footerSpan << "'>" << homeLink() << "</td><td>" << formatDate(kPageDatePattern)
       << "</td> \n</tr> \n</tfoot> \n<tbody>\n";

  std::string sharedPath = commonFilePrefix(classes_);
  size_t separator = sharedPath.rfind(kPathSeparator);
  size_t dirLength = separator == std::string::npos ? 0 : separator + 1;

  TreeView view(classes_, options_);
  Inclusion inclusion(classes_, options_.includeNonPublic, options_.includeInterfaces,
                      view.focusing() ? &view : nullptr);
  for (const auto& entry : classes_.records()) {
    const ClassInfo& record = *entry.second;
    if (!view.shown(record) || !inclusion.isShown(record)) continue;
    // Measured on the raw name; the dots survive escaping unchanged.
    std::string name = htmlEscape(record.name);
    if (record.name.size() > kLongName) replaceAll(name, ".", ".<br>");
    out_ << "<tr> <td>" << htmlEscape(record.package);
    if (withType) out_ << " <td>" << htmlEscape(record.kind);
    out_ << " <td>" << name << " <td>" << htmlEscape(record.modifiers) << " <td>"
         << htmlEscape(
                std::string_view(record.file).substr(std::min(dirLength, record.file.size())))
         << '\n';
  }
  out_ << "</tbody>\n</table>\n";
}
