#include "publish/publish_json.h"

#include "base/version.h"
#include "model/class_list.h"
#include "model/options.h"
#include "model/shown_set.h"
#include "platform/output.h"
#include "publish/json_escape.h"

PublishJson::PublishJson(ClassList& classes, const Options& options, Output& out)
    : PublishText(classes, options, out) {}

bool PublishJson::publish() {
  printTree();
  return true;
}

void PublishJson::printTree() {
  writeDocument(ShownSet::ofTree(classes_, options_.includeNonPublic, options_.includeInterfaces,
                                 &prepareView()));
}

std::string_view PublishJson::kindOf(const ClassInfo& record) const {
  if (!importMode_) return record.kind;
  // A package statement declares its record; a package only referred to
  // (the parent "none" of imports before any package statement) has children.
  return record.defined || !record.children.empty() ? "package" : "import";
}

void PublishJson::writeDocument(const ShownSet& shown) {
  importMode_ = options_.importLevel >= 0;
  std::string_view mode = importMode_ ? "imports" : options_.resolve ? "resolved" : "names";
  out_ << "{\"tool\":\"kintree\",\"version\":";
  writeJsonString(out_, kVersion, target_);
  out_ << ",\"mode\":\"" << mode << "\",\"types\":[";
  // One type per line: the document stays one line per record for diff and grep.
  uint32_t id = 0;
  for (const ClassInfo* record : shown.records()) {
    out_ << (id == 0 ? "\n" : ",\n");
    writeType(*record, id++, shown);
  }
  out_ << "\n]}\n";
}

void PublishJson::writeType(const ClassInfo& record, uint32_t id, const ShownSet& shown) {
  out_ << "{\"id\":";
  out_.unsignedNumber(id);
  out_ << ",\"name\":";
  writeJsonString(out_, record.name, target_);
  out_ << ",\"qualifiedName\":";
  if (!record.qualifiedName.empty()) {
    writeJsonString(out_, record.qualifiedName, target_);
  } else if (importMode_ || !record.defined || record.package.empty() || record.package == "none") {
    // Import records are named in full already; a placeholder's package is
    // only that of the file that referred to it.
    writeJsonString(out_, record.name, target_);
  } else {
    qualified_.assign(record.package).append(".").append(record.name);
    writeJsonString(out_, qualified_, target_);
  }
  out_ << ",\"kind\":";
  writeJsonString(out_, kindOf(record), target_);
  out_ << ",\"package\":";
  writeJsonString(out_, record.package, target_);
  out_ << ",\"declared\":" << (record.defined ? "true" : "false");
  out_ << ",\"modifiers\":";
  writeJsonString(out_, record.modifiers, target_);
  out_ << ",\"annotations\":";
  writeJsonString(out_, record.meta, target_);
  out_ << ",\"typeParameters\":";
  writeJsonString(out_, record.generic, target_);
  out_ << ",\"file\":";
  writeJsonString(out_, record.file, target_);
  out_ << ",\"line\":";
  out_.unsignedNumber(record.line);
  writeLinks("parents", record.parents, shown);
  writeLinks("children", record.children, shown);
  writeLinks("interfaces", record.interfaces, shown);
  writeLinks("permits", record.permits, shown);
  // Only under --focus and --depth, so other documents keep their bytes.
  if (view_ && view_->focusing()) writeBelow(record, shown);
  if (options_.depth >= 0) out_ << ",\"cut\":" << (shown.cut(record) ? "true" : "false");
  out_ << '}';
}

void PublishJson::writeLinks(std::string_view key, const ClassSet& links, const ShownSet& shown) {
  out_ << ",\"" << key << "\":[";
  bool first = true;
  for (const ClassInfo* linked : links) {
    uint32_t index = shown.indexOf(*linked);
    if (index == ShownSet::kAbsent) continue;
    if (!first) out_ << ',';
    first = false;
    out_.unsignedNumber(index);
  }
  out_ << ']';
}

void PublishJson::writeBelow(const ClassInfo& record, const ShownSet& shown) {
  out_ << ",\"below\":[";
  bool first = true;
  for (const ClassInfo* linked : view_->children(record)) {
    uint32_t index = shown.indexOf(*linked);
    if (index == ShownSet::kAbsent || record.children.contains(linked)) continue;
    if (!first) out_ << ',';
    first = false;
    out_.unsignedNumber(index);
  }
  out_ << ']';
}
