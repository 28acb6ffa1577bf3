#include "publish/dtree_writer.h"

#include "model/class_list.h"
#include "model/inclusion.h"
#include "model/options.h"
#include "model/packages.h"
#include "model/tree_view.h"
#include "platform/output.h"
#include "publish/html_escape.h"
#include "publish/publish_text.h"
#include "publish/tree_lines.h"

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

  TreeView view(classes_, options_);
  Inclusion inclusion(classes_, options_.includeNonPublic, options_.includeInterfaces,
                      view.focusing() ? &view : nullptr);
  descent_.follow(&view, true, options_.once);
  // With --packages each package is a node of its own that holds its roots.
  bool grouped = false;
  PackageGroup group{};
  int32_t packageId = 0;
  for (const ClassInfo* entry : view.roots(classes_, false, options_.packages)) {
    const ClassInfo& root = *entry;
    if (!inclusion.isShownDeep(root)) continue;
    if (options_.packages && (!grouped || packageGroup(root) != group)) {
      group = packageGroup(root);
      grouped = true;
      packageId = nextNodeId++;
      out_ << "d.add(";
      out_.number(packageId);
      out_ << ",0,'" << javaScriptEscape(htmlEscape(packageTitle(group))) << "','');\n";
    }
    int32_t id = nextNodeId++;
    writeNode(id, packageId, root, treeMark(root, false, 0, inclusion, view));
    writeChildNodes(id, root, inclusion, view);
  }
}

void DtreeWriter::writeNode(int32_t id, int32_t parentId, const ClassInfo& record,
                            std::string_view mark) {
  std::string label = htmlEscape(record.name);
  if (!record.modifiers.empty() && record.modifiers != "public") {
    label += " (" + htmlEscape(record.modifiers) + ")";
  }
  if (record.kind != "class") label += " [" + htmlEscape(record.kind) + "]";
  label += htmlEscape(mark);

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

void DtreeWriter::writeChildNodes(int32_t id, const ClassInfo& record, Inclusion& inclusion,
                                  const TreeView& view) {
  // A child already on the current path is neither numbered nor entered,
  // so cycles end.
  struct Nodes {
    DtreeWriter& writer;
    Inclusion& inclusion;
    const Descent& descent;
    const TreeView& view;
    std::vector<int32_t> ids;  // the node of each record on the path

    bool enter(const ClassInfo& child, const ClassInfo&, Reach reach, size_t) {
      if (reach == Reach::Cycle) return false;
      // A hidden child still takes a number, and its descendants are
      // visited under it, so the numbering does not depend on what is shown.
      int32_t childId = writer.nextNodeId++;
      if (inclusion.isShownDeep(child)) {
        writer.writeNode(childId, ids.back(), child,
                         treeMark(child, reach == Reach::Seen, descent.level(), inclusion, view));
      }
      if (reach != Reach::Open) return false;
      ids.push_back(childId);
      return true;
    }
    void leave(const ClassInfo&, const ClassInfo*, size_t) { ids.pop_back(); }
  };
  Nodes nodes{*this, inclusion, descent_, view, {id}};
  descent_.run(record, nodes);
}
