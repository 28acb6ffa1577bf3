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
    : classes_(classes), options_(options), out_(out) {}

void DtreeWriter::printTree() {
  basePath_ = commonFilePrefix(classes_);
  if (basePath_.size() < kShortestBasePath) basePath_.clear();
  if (!basePath_.empty()) {
    std::string value = address(basePath_);
    out_ << "\np='" << value << "';\ni='" << value << "';\n";
  }

  Inclusion inclusion(classes_, options_.includeNonPublic, options_.includeInterfaces);
  onPath_.assign(classes_.sequenceLimit(), false);
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
  // An explicit stack keeps deep chains off the call stack; a child already
  // on the current path is neither numbered nor entered, so cycles end.
  struct Frame {
    const ClassInfo* record;
    int32_t id;
    size_t nextChild;
  };
  std::vector<bool>& onPath = onPath_;
  std::vector<Frame> frames{{&record, id, 0}};
  onPath[record.sequence] = true;
  while (!frames.empty()) {
    Frame& frame = frames.back();
    if (frame.nextChild == frame.record->children.size()) {
      onPath[frame.record->sequence] = false;
      frames.pop_back();
      continue;
    }
    const ClassInfo* child = frame.record->children[frame.nextChild++];
    if (onPath[child->sequence]) continue;
    // A hidden child still takes a number, and its descendants are visited
    // under it, so the numbering does not depend on what is shown.
    int32_t childId = nextNodeId++;
    if (inclusion.isShownDeep(*child)) writeNode(childId, frame.id, *child);
    onPath[child->sequence] = true;
    frames.push_back({child, childId, 0});
  }
}
