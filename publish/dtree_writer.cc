#include "publish/dtree_writer.h"

#include "model/class_list.h"
#include "model/inclusion.h"
#include "model/options.h"
#include "platform/output.h"
#include "publish/html_escape.h"
#include "publish/publish_text.h"

namespace {

// A shorter base path saves too little to be worth the variables.
constexpr size_t kShortestBasePath = 11;

/// Text for an address inside a JavaScript literal that the library puts
/// into an href attribute.
std::string address(std::string_view text) { return javaScriptEscape(htmlEscapeAttribute(text)); }

}  // namespace

DtreeWriter::DtreeWriter(const ClassList& classes, const Options& options, Output& out)
    : classes_(classes), options_(options), out_(out), descent_(classes) {}

void DtreeWriter::printTree() {
  basePath_ = commonFilePrefix(classes_);
  if (basePath_.size() < kShortestBasePath) basePath_.clear();
  if (!basePath_.empty()) {
    std::string value = address(basePath_);
    out_ << "\np='" << value << "';\ni='" << value << "';\n";
  }

  Inclusion inclusion(classes_, options_.includeNonPublic, options_.includeInterfaces);
  for (const auto& entry : classes_.records()) {
    const ClassInfo& root = *entry.second;
    if (!root.parents.empty() || !inclusion.isShownDeep(root)) continue;
    int32_t id = nextNodeId++;
    writeNode(id, 0, root);
    writeChildNodes(id, root, inclusion);
  }
}

void DtreeWriter::writeNode(int32_t id, int32_t parentId, const ClassInfo& record) {
  std::string label = htmlEscape(record.name);
  if (!record.modifiers.empty() && record.modifiers != "public") {
    label += " (" + htmlEscape(record.modifiers) + ")";
  }
  if (record.kind != "class") label += " [" + htmlEscape(record.kind) + "]";

  out_ << "d.add(";
  out_.number(id);
  out_ << ',';
  out_.number(parentId);
  out_ << ",'" << javaScriptEscape(label);
  bool shortened = !basePath_.empty();
  if (record.defined) {
    // Every file starts with the base path; only that start is cut, so a
    // later repetition of it inside the path stays.
    std::string_view file = record.file;
    if (shortened) file.remove_prefix(basePath_.size());
    out_ << (shortened ? "',p+'" : "','") << address(file);
  } else {
    out_ << " { Imported }" << (shortened ? "',i+'" : "','") << address(record.name);
  }
  out_ << "');\n";
}

void DtreeWriter::writeChildNodes(int32_t id, const ClassInfo& record, Inclusion& inclusion) {
  // A child already on the current path is neither numbered nor entered,
  // so cycles end.
  struct Nodes {
    DtreeWriter& writer;
    Inclusion& inclusion;
    std::vector<int32_t> ids;  // the node of each record on the path

    bool enter(const ClassInfo& child, const ClassInfo&, Reach reach, size_t) {
      if (reach == Reach::Cycle) return false;
      // A hidden child still takes a number, and its descendants are
      // visited under it, so the numbering does not depend on what is shown.
      int32_t childId = writer.nextNodeId++;
      if (inclusion.isShownDeep(child)) writer.writeNode(childId, ids.back(), child);
      ids.push_back(childId);
      return true;
    }
    void leave(const ClassInfo&, const ClassInfo*, size_t) { ids.pop_back(); }
  };
  Nodes nodes{*this, inclusion, {id}};
  descent_.run(record, nodes);
}
