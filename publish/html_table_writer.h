#ifndef KINTREE_PUBLISH_HTML_TABLE_WRITER_H_
#define KINTREE_PUBLISH_HTML_TABLE_WRITER_H_

#include <string>

class ClassList;
class Output;
struct Options;

/// The style and script block of the tabular page's head: the table's look
/// and DataTables with jQuery from their public networks.
extern const std::string ExtraHeadTabular;

/// Writes the table element of the tabular page (-T): one row per record
/// that the one-record inclusion test accepts.
class HtmlTableWriter {
 public:
  HtmlTableWriter(const ClassList& classes, const Options& options, Output& out);

  /// The whole table: header, footer with the home link and date, rows.
  void writeTable();

 private:
  const ClassList& classes_;
  const Options& options_;
  Output& out_;
};

#endif  // KINTREE_PUBLISH_HTML_TABLE_WRITER_H_
