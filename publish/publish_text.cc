#include "publish/publish_text.h"

#include <algorithm>
#include <vector>

#include "model/class_list.h"
#include "model/inclusion.h"
#include "model/options.h"
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
    writeInterfaces(out_, record, "", nullptr);
    out_ << '\t' << (record.file.empty() ? std::string_view("_NoFilename_") : record.file);
    out_ << '\t' << (record.package.empty() ? std::string_view("_NoPackage_") : record.package);
    out_ << '\t' << record.meta << '\n';
  }
}

void PublishText::printTree() {
  OutputStyle style = options_.style;
  for (const auto& entry : classes_.records()) entry.second->flags = 0;
  TreeColumns columns = measureColumns(classes_, true);
  out_ << "Base path=" << columns.basePath << '\n';
  out_ << TreeHeader[style];

  Inclusion inclusion(classes_, options_.includeNonPublic, options_.includeInterfaces);
  TreeLines lines(out_, style, nullptr, columns);
  for (const auto& entry : classes_.records()) {
    ClassInfo& root = *entry.second;
    bool isRoot = root.parents.empty() || root.parents.contains(&root);
    if (!isRoot || !inclusion.isShownDeep(root)) continue;
    inclusion.markPrinted(root);

    out_ << LineStart[style];
    lines.fileField(root);
    out_ << FieldSeparator[style] << ' ';
    out_.field(root.modifiers, -columns.modifierWidth, columns.modifierWidth);
    out_ << ' ' << root.name << ' ' << root.generic << ' ' << root.meta;
    lines.interfaces(root, " Interfaces:");
    out_ << LineEnd[style];

    lines.children(root, inclusion, descent_);
  }
}
