#include "publish/tree_lines.h"

#include <algorithm>

#include "model/class_list.h"
#include "model/descent.h"
#include "model/inclusion.h"
#include "model/packages.h"
#include "model/tree_view.h"
#include "platform/file_system.h"
#include "platform/output.h"
#include "publish/output_style.h"
#include "publish/publish_text.h"

TreeColumns measureColumns(const ClassList& classes, bool cutBase,
                           const std::function<bool(const ClassInfo&)>& shown) {
  TreeColumns columns;
  size_t fileWidth = 14;
  size_t modifierWidth = 6;
  std::string basePath;
  for (const auto& entry : classes.records()) {
    const ClassInfo& record = *entry.second;
    if (shown && !shown(record)) continue;
    fileWidth = std::max(fileWidth, record.file.size());
    modifierWidth = std::max(modifierWidth, record.modifiers.size());
    // Only a shorter prefix can come out, so most records change nothing.
    if (cutBase && (basePath.empty() || record.file.compare(0, basePath.size(), basePath) != 0)) {
      basePath = commonPrefix(basePath, record.file);
    }
  }
  if (cutBase) {
    columns.basePath = std::move(basePath);
    size_t separator = columns.basePath.rfind(kPathSeparator);
    columns.skip = separator == std::string::npos ? 0 : separator + 1;
    fileWidth -= columns.skip;
  }
  columns.fileWidth = static_cast<int>(fileWidth);
  columns.modifierWidth = static_cast<int>(modifierWidth);
  return columns;
}

size_t writeInterfaces(Output& out, const ClassInfo& record, std::string_view label,
                       Escape escape) {
  if (record.interfaces.empty()) return 0;
  out << label;
  bool firstName = true;
  for (const ClassInfo* implemented : record.interfaces) {
    if (!firstName) out << ", ";
    firstName = false;
    if (escape) {
      out << escape(implemented->name);
    } else {
      out << implemented->name;
    }
  }
  return record.interfaces.size();
}

TreeLines::TreeLines(Output& out, OutputStyle style, Escape escape, const TreeColumns& columns)
    : out_(out), style_(style), escape_(escape), columns_(columns) {}

void TreeLines::text(std::string_view text) {
  if (escape_) {
    out_ << escape_(text);
  } else {
    out_ << text;
  }
}

void TreeLines::field(std::string_view text, int width, int precision) {
  if (!escape_) return out_.field(text, width, precision);
  size_t length = text.size();
  if (precision >= 0) length = std::min(length, static_cast<size_t>(precision));
  int64_t wide = width;
  size_t columns = static_cast<size_t>(wide < 0 ? -wide : wide);
  int padding = static_cast<int>(columns > length ? columns - length : 0);
  if (width >= 0) out_.field("", padding);
  out_ << escape_(text.substr(0, length));
  if (width < 0) out_.field("", padding);
}

void TreeLines::fileField(const ClassInfo& record) {
  std::string_view file =
      std::string_view(record.file).substr(std::min(columns_.skip, record.file.size()));
  field(file, columns_.fileWidth, columns_.fileWidth);
}

size_t TreeLines::interfaces(const ClassInfo& record, std::string_view label) {
  return writeInterfaces(out_, record, label, escape_);
}

std::string_view treeMark(const ClassInfo& record, bool seen, uint32_t level, Inclusion& inclusion,
                          const TreeView& view) {
  auto shown = [&](const ClassInfo& child) { return inclusion.isShownDeep(child); };
  if (seen) {
    for (const ClassInfo* child : view.children(record)) {
      if (child != &record && shown(*child)) return " (see above)";
    }
    return {};
  }
  return view.cutsBelow(record, level, shown) ? " ..." : std::string_view();
}

void TreeLines::packageLine(const PackageGroup& group) {
  out_ << LineStart[style_] << "Package ";
  text(packageTitle(group));
  out_ << LineEnd[style_];
}

void TreeLines::childLine(const ClassInfo& child, const ClassInfo& parent, std::string_view mark) {
  out_ << LineStart[style_];
  fileField(child);
  out_ << FieldSeparator[style_] << ' ';
  field(child.modifiers, columns_.modifierWidth, columns_.modifierWidth);
  out_ << prefix_.text() << ' ';
  text(child.name);
  for (const ClassInfo* other : child.parents) {
    if (other == &parent) continue;
    out_ << "  (";
    text(other->name);
    out_ << ')';
  }
  interfaces(child, " Interfaces:");
  out_ << mark << LineEnd[style_];
}

void TreeLines::children(const ClassInfo& root, Inclusion& inclusion, Descent& descent,
                         const TreeView& view) {
  struct Lines {
    TreeLines& lines;
    Inclusion& inclusion;
    Descent& descent;
    const TreeView& view;

    bool enter(const ClassInfo& child, const ClassInfo& parent, Reach reach, size_t) {
      if (reach == Reach::Cycle || !inclusion.isShownDeep(child)) return false;
      OutputStyle style = lines.style_;
      bool isLast = &child == view.children(parent).last();
      lines.prefix_.push(isLast ? BranchCorner[style] : BranchTee[style]);
      lines.childLine(child, parent,
                      treeMark(child, reach == Reach::Seen, descent.level(), inclusion, view));
      if (reach != Reach::Open) {
        lines.prefix_.pop();  // shown, not entered: no leave() follows
        return false;
      }
      lines.prefix_.replaceLast(isLast ? StemBlank[style] : StemBar[style]);
      return true;
    }
    void leave(const ClassInfo&, const ClassInfo* parent, size_t) {
      if (parent) lines.prefix_.pop();
    }
  };
  Lines visitor{*this, inclusion, descent, view};
  descent.run(root, visitor);
}
