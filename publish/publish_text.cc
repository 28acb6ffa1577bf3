#include "publish/publish_text.h"

#include <algorithm>
#include <vector>

#include "model/class_list.h"
#include "model/inclusion.h"
#include "model/options.h"
#include "model/packages.h"
#include "model/tree_view.h"
#include "platform/output.h"
#include "publish/output_style.h"
#include "publish/tree_lines.h"

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
    : classes_(classes), options_(options), out_(out), descent_(classes) {}

const TreeView& PublishText::prepareView() {
  view_ = std::make_unique<TreeView>(classes_, options_);
  descent_.follow(view_.get(), true, options_.once);
  return *view_;
}

bool PublishText::publish() {
  if (options_.showNames) printNames();
  if (options_.showTree) printTree();
  return true;
}

std::string PublishText::titleAt(size_t index, std::string_view fallback) const {
  if (options_.titles.size() > index) return options_.titles[index];
  return std::string(fallback);
}

void PublishText::printNames() {
  out_ << "Type\tClassName\tGeneric\tModifiers\tFirstParent\tFirstChild\tInterfaces\tFile\t"
          "Package\tMeta\n";
  // --focus and --depth narrow the table to the records the trees show.
  const TreeView& view = prepareView();
  for (const auto& entry : classes_.records()) {
    const ClassInfo& record = *entry.second;
    if (!view.shown(record)) continue;
    out_ << record.kind << '\t' << record.name << '\t' << record.generic << '\t' << record.modifiers
         << '\t';
    out_ << (record.parents.empty() ? std::string_view("_NoParent_")
                                    : std::string_view(record.parents.first()->name));
    out_ << '\t';
    out_ << (record.children.empty() ? std::string_view("_NoChildren_")
                                     : std::string_view(record.children.first()->name));
    out_ << '\t';
    writeInterfaces(out_, record, "", nullptr);
    out_ << '\t' << (record.file.empty() ? std::string_view("_NoFilename_") : record.file);
    out_ << '\t' << (record.package.empty() ? std::string_view("_NoPackage_") : record.package);
    out_ << '\t' << record.meta << '\n';
  }
}

void PublishText::printTree() {
  OutputStyle style = options_.style;
  for (const auto& entry : classes_.records()) entry.second->flags = 0;
  const TreeView& view = prepareView();
  Inclusion inclusion(classes_, options_.includeNonPublic, options_.includeInterfaces,
                      view.focusing() ? &view : nullptr);
  // A part of a large tree gets columns as wide as its own records need.
  TreeColumns columns =
      options_.partialTrees()
          ? measureColumns(classes_, true,
                           [&](const ClassInfo& record) {
                             return view.shown(record) && inclusion.isShownDeep(record);
                           })
          : measureColumns(classes_, true);
  out_ << "Base path=" << columns.basePath << '\n';
  out_ << TreeHeader[style];

  TreeLines lines(out_, style, nullptr, columns);
  bool grouped = false;
  PackageGroup group{};
  for (ClassInfo* entry : view.roots(classes_, true, options_.packages)) {
    ClassInfo& root = *entry;
    if (!inclusion.isShownDeep(root)) continue;
    inclusion.markPrinted(root);
    if (options_.packages && (!grouped || packageGroup(root) != group)) {
      group = packageGroup(root);
      grouped = true;
      lines.packageLine(group);
    }

    bool seen = descent_.expanded(root);
    out_ << LineStart[style];
    lines.fileField(root);
    out_ << FieldSeparator[style] << ' ';
    out_.field(root.modifiers, -columns.modifierWidth, columns.modifierWidth);
    out_ << ' ' << root.name << ' ' << root.generic << ' ' << root.meta;
    lines.interfaces(root, " Interfaces:");
    out_ << treeMark(root, seen, 0, inclusion, view) << LineEnd[style];

    if (!seen) lines.children(root, inclusion, descent_, view);
  }
}
