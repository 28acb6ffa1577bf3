#include "publish/publish_text.h"

#include <algorithm>
#include <vector>

#include "model/class_list.h"
#include "model/inclusion.h"
#include "model/options.h"
#include "platform/file_system.h"
#include "platform/output.h"
#include "publish/output_style.h"
#include "publish/tree_prefix.h"

namespace {

/// The file column: the path without its first `skip` bytes.
std::string_view fileColumn(const std::string& file, size_t skip) {
  return std::string_view(file).substr(std::min(skip, file.size()));
}

}  // namespace

std::string commonPrefix(std::string_view a, std::string_view b) {
  if (a.empty() || b.empty()) return std::string(a.size() >= b.size() ? a : b);
  size_t limit = std::min(a.size(), b.size());
  size_t n = 0;
  while (n < limit && a[n] == b[n]) ++n;
  return std::string(a.substr(0, n));
}

std::string commonFilePrefix(const ClassList& classes) {
  std::string prefix;
  for (const auto& entry : classes.records()) {
    const std::string& file = entry.second->file;
    // Only a shorter prefix can come out, so most records change nothing.
    if (prefix.empty() || file.compare(0, prefix.size(), prefix) != 0) {
      prefix = commonPrefix(prefix, file);
    }
  }
  return prefix;
}

PublishText::PublishText(ClassList& classes, const Options& options, Output& out)
    : classes_(classes), options_(options), out_(out) {}

bool PublishText::publish() {
  if (options_.showNames) printNames();
  if (options_.showTree) printTree();
  return true;
}

std::string PublishText::titleAt(size_t index, std::string_view fallback) const {
  if (options_.titles.size() > index) return options_.titles[index];
  return std::string(fallback);
}

size_t PublishText::printInterfaces(const ClassInfo& record, std::string_view label) {
  if (record.interfaces.empty()) return 0;
  out_ << label;
  bool firstName = true;
  for (const ClassInfo* implemented : record.interfaces) {
    if (!firstName) out_ << ", ";
    firstName = false;
    writeSource(implemented->name);
  }
  return record.interfaces.size();
}

void PublishText::printNames() {
  out_ << "Type\tClassName\tGeneric\tModifiers\tFirstParent\tFirstChild\tInterfaces\tFile\t"
          "Package\tMeta\n";
  for (const auto& entry : classes_.records()) {
    const ClassInfo& record = *entry.second;
    out_ << record.kind << '\t' << record.name << '\t' << record.generic << '\t' << record.modifiers
         << '\t';
    out_ << (record.parents.empty() ? std::string_view("_NoParent_")
                                    : std::string_view(record.parents.first()->name));
    out_ << '\t';
    out_ << (record.children.empty() ? std::string_view("_NoChildren_")
                                     : std::string_view(record.children.first()->name));
    out_ << '\t';
    printInterfaces(record, "");
    out_ << '\t' << (record.file.empty() ? std::string_view("_NoFilename_") : record.file);
    out_ << '\t' << (record.package.empty() ? std::string_view("_NoPackage_") : record.package);
    out_ << '\t' << record.meta << '\n';
  }
}

void PublishText::printTree() {
  OutputStyle style = options_.style;
  size_t fileWidth = 14;
  size_t modifierWidth = 6;
  std::string basePath;
  for (const auto& entry : classes_.records()) {
    ClassInfo& record = *entry.second;
    record.flags = 0;
    fileWidth = std::max(fileWidth, record.file.size());
    modifierWidth = std::max(modifierWidth, record.modifiers.size());
    // Only a shorter prefix can come out, so most records change nothing.
    if (basePath.empty() || record.file.compare(0, basePath.size(), basePath) != 0) {
      basePath = commonPrefix(basePath, record.file);
    }
  }
  size_t separator = basePath.rfind(kPathSeparator);
  size_t skip = separator == std::string::npos ? 0 : separator + 1;
  fileWidth -= skip;

  out_ << "Base path=" << basePath << '\n';
  out_ << TreeHeader[style];

  Inclusion inclusion(classes_, options_.includeNonPublic, options_.includeInterfaces);
  TreePrefix prefix;
  int width = static_cast<int>(fileWidth);
  int modifiers = static_cast<int>(modifierWidth);
  for (const auto& entry : classes_.records()) {
    ClassInfo& root = *entry.second;
    bool isRoot = root.parents.empty() || root.parents.contains(&root);
    if (!isRoot || !inclusion.isShownDeep(root)) continue;
    inclusion.markPrinted(root);

    out_ << LineStart[style];
    out_.field(fileColumn(root.file, skip), width, width);
    out_ << FieldSeparator[style] << ' ';
    out_.field(root.modifiers, -modifiers, modifiers);
    out_ << ' ' << root.name << ' ' << root.generic << ' ' << root.meta;
    printInterfaces(root, " Interfaces:");
    out_ << LineEnd[style];

    printChildren(prefix, width, skip, modifiers, root, inclusion);
  }
}

void PublishText::writeSource(std::string_view text) { out_ << text; }

void PublishText::writeSourceField(std::string_view text, int width, int precision) {
  out_.field(text, width, precision);
}

void PublishText::printPrefix(const TreePrefix& prefix) { out_ << prefix.text(); }

void PublishText::printChildLine(const TreePrefix& prefix, int fileWidth, size_t skip,
                                 int modifierWidth, const ClassInfo& child,
                                 const ClassInfo& parent) {
  OutputStyle style = options_.style;
  out_ << LineStart[style];
  writeSourceField(fileColumn(child.file, skip), fileWidth, fileWidth);
  out_ << FieldSeparator[style] << ' ';
  writeSourceField(child.modifiers, modifierWidth, modifierWidth);
  printPrefix(prefix);
  out_ << ' ';
  writeSource(child.name);
  for (const ClassInfo* other : child.parents) {
    if (other == &parent) continue;
    out_ << "  (";
    writeSource(other->name);
    out_ << ')';
  }
  printInterfaces(child, " Interfaces:");
  out_ << LineEnd[style];
}

void PublishText::printChildren(TreePrefix& prefix, int fileWidth, size_t skip, int modifierWidth,
                                const ClassInfo& parent, Inclusion& inclusion) {
  OutputStyle style = options_.style;
  // The descent keeps its own stack, so a chain tens of thousands of levels
  // deep needs no deep recursion; records on the current path are marked
  // so that a cycle is not entered again.
  struct Frame {
    const ClassInfo* record;
    size_t nextChild;
  };
  std::vector<bool>& onPath = onPath_;
  if (onPath.size() < classes_.sequenceLimit()) onPath.resize(classes_.sequenceLimit(), false);

  std::vector<Frame> frames{{&parent, 0}};
  onPath[parent.sequence] = true;
  while (!frames.empty()) {
    Frame& frame = frames.back();
    const ClassInfo& record = *frame.record;
    if (frame.nextChild == record.children.size()) {
      onPath[record.sequence] = false;
      frames.pop_back();
      if (!frames.empty()) prefix.pop();
      continue;
    }
    const ClassInfo* child = record.children[frame.nextChild++];
    if (onPath[child->sequence] || !inclusion.isShownDeep(*child)) continue;
    bool isLast = child == record.children.last();
    prefix.push(isLast ? BranchCorner[style] : BranchTee[style]);
    printChildLine(prefix, fileWidth, skip, modifierWidth, *child, record);
    prefix.replaceLast(isLast ? StemBlank[style] : StemBar[style]);
    onPath[child->sequence] = true;
    frames.push_back({child, 0});
  }
}
