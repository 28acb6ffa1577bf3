#ifndef KINTREE_PUBLISH_PUBLISH_JSON_H_
#define KINTREE_PUBLISH_PUBLISH_JSON_H_

#include <string>
#include <string_view>

#include "model/class_set.h"
#include "publish/json_escape.h"
#include "publish/publish_text.h"

class ShownSet;

/// The JSON publisher installed by --json: one document on standard output
/// holding every record the tree would show, its links as ids. The format
/// is described by doc/kintree.schema.json.
class PublishJson : public PublishText {
 public:
  PublishJson(ClassList& classes, const Options& options, Output& out);

  /// The document alone: +n and -t change nothing, since a name table or a
  /// missing document would leave standard output no longer one JSON text.
  bool publish() override;
  /// The document of the records the tree would show.
  void printTree() override;

  /// Writes the document of `shown`: "types" in its order, ids its positions.
  void writeDocument(const ShownSet& shown);

 protected:
  /// Where the document goes; the page publisher embeds it in its script.
  JsonTarget target_ = JsonTarget::Document;

 private:
  void writeType(const ClassInfo& record, uint32_t id, const ShownSet& shown);
  /// Writes "below": the shown records --focus draws beneath `record` that
  /// are not its children (an interface's implementers).
  void writeBelow(const ClassInfo& record, const ShownSet& shown);
  /// Writes `key` and the ids of the shown records of `links`.
  void writeLinks(std::string_view key, const ClassSet& links, const ShownSet& shown);
  /// The kind word: the record's own, or in import mode "package" or "import".
  std::string_view kindOf(const ClassInfo& record) const;

  bool importMode_ = false;
  std::string qualified_;  // scratch for one record's qualified name
};

#endif  // KINTREE_PUBLISH_PUBLISH_JSON_H_
