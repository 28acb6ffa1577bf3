#include "publish/publish_mermaid.h"

#include <map>
#include <vector>

#include "base/char_class.h"
#include "base/log.h"
#include "model/options.h"
#include "model/packages.h"
#include "model/shown_set.h"
#include "platform/output.h"
#include "publish/json_escape.h"

namespace {

/// The stereotype Mermaid draws above the name, or nothing for a class.
std::string_view stereotype(const std::string& kind) {
  if (kind == "interface") return "interface";
  if (kind == "enum") return "enumeration";
  if (kind == "record") return "record";
  if (kind == "annotation") return "annotation";
  return {};
}

/// Words Mermaid's lexer takes as keywords or arrows inside a namespace
/// name, whatever quoting surrounds them.
bool isMermaidWord(std::string_view part) {
  static constexpr std::string_view kWords[] = {
      "_blank",   "_parent", "_self",     "_top",         "accDescr", "accTitle", "call",
      "callback", "class",   "classDef",  "classDiagram", "click",    "cssClass", "direction",
      "href",     "link",    "namespace", "note",         "o",        "style"};
  for (std::string_view word : kWords) {
    if (part == word) return true;
  }
  return false;
}

/// A package as a namespace name: its dot-separated parts, which Mermaid
/// nests, each made of ASCII letters, digits and "_" (any other byte as
/// "_", an empty part as "_"), and a part that Mermaid reads as a keyword
/// followed by "_".
void appendNamespaceName(std::string& text, std::string_view package) {
  size_t start = 0;
  while (true) {
    size_t end = package.find('.', start);
    std::string_view part = package.substr(start, end - start);
    if (part.empty()) text += '_';
    for (char c : part) text += isWordCharacter(c) ? c : '_';
    if (isMermaidWord(part)) text += '_';
    if (end == std::string_view::npos) break;
    text += '.';
    start = end + 1;
  }
}

}  // namespace

void appendMermaidId(std::string& text, std::string_view name, uint32_t index) {
  bool inRun = false;
  for (char c : name) {
    if (isWordCharacter(c)) {
      text += c;
      inRun = false;
    } else if (!inRun) {
      text += '_';
      inRun = true;
    }
  }
  text += '_';
  text += std::to_string(index);
}

void appendMermaidLabel(std::string& text, std::string_view label) {
  for (size_t i = 0; i < label.size();) {
    unsigned char c = static_cast<unsigned char>(label[i]);
    // "_" and "*" would read as Markdown emphasis, so they go as codes too.
    if (isAsciiLetter(label[i]) || isAsciiDigit(label[i]) || c == '.') {
      text += static_cast<char>(c);
      ++i;
    } else if (c < 0x80) {
      // Mermaid turns a code such as "#60;" back into its character only in
      // the finished drawing, after its parser, its comment and directive
      // handling and its Markdown and HTML reading have passed.
      text += '#';
      text += std::to_string(c);
      text += ';';
      ++i;
    } else {
      Utf8Step step = utf8Step(label, i);
      if (step.wellFormed) {
        text.append(label.substr(i, step.length));
      } else {
        text.append(kReplacementCharacter);
      }
      i += step.length;
    }
  }
}

size_t utf16Length(std::string_view text) {
  size_t units = 0;
  for (char c : text) {
    unsigned char byte = static_cast<unsigned char>(c);
    // Each lead byte starts one unit; four-byte sequences need a pair.
    if ((byte & 0xC0) != 0x80) ++units;
    if (byte >= 0xF0) ++units;
  }
  return units;
}

std::string mermaidDiagram(const ShownSet& shown, bool byPackage, bool importMode) {
  const std::vector<const ClassInfo*>& records = shown.records();
  std::vector<std::string> ids(records.size());
  for (uint32_t i = 0; i < records.size(); ++i) appendMermaidId(ids[i], records[i]->name, i);

  std::string text = "classDiagram\n";
  auto writeClass = [&](uint32_t i, std::string_view indent) {
    text.append(indent).append("class ").append(ids[i]).append("[\"");
    appendMermaidLabel(text, records[i]->name);
    // A class whose children --depth leaves out says so, as the tree does.
    if (shown.cut(*records[i])) appendMermaidLabel(text, " ...");
    text += "\"]\n";
  };
  if (byPackage) {
    // Packages in the order their first record comes; records of the
    // default package and names no source declares stand outside every
    // block.
    std::map<std::string_view, std::vector<uint32_t>> members;
    std::vector<std::string_view> packages;
    for (uint32_t i = 0; i < records.size(); ++i) {
      PackageGroup group = packageGroup(*records[i]);
      std::string_view package = group.name;
      if (group.kind != PackageGroup::Named) {
        writeClass(i, "  ");
        continue;
      }
      std::vector<uint32_t>& list = members[package];
      if (list.empty()) packages.push_back(package);
      list.push_back(i);
    }
    for (std::string_view package : packages) {
      text += "  namespace ";
      appendNamespaceName(text, package);
      text += " {\n";
      for (uint32_t i : members[package]) writeClass(i, "    ");
      text += "  }\n";
    }
  } else {
    for (uint32_t i = 0; i < records.size(); ++i) writeClass(i, "  ");
  }

  for (uint32_t i = 0; i < records.size(); ++i) {
    std::string_view word = stereotype(records[i]->kind);
    if (!word.empty()) text.append("  <<").append(word).append(">> ").append(ids[i]) += '\n';
  }
  // In import mode a parent is the package that imports its child.
  std::string_view parentEdge = importMode ? " ..> " : " <|-- ";
  for (uint32_t i = 0; i < records.size(); ++i) {
    for (const ClassInfo* parent : records[i]->parents) {
      uint32_t from = shown.indexOf(*parent);
      if (from == ShownSet::kAbsent) continue;
      text.append("  ").append(ids[from]).append(parentEdge).append(ids[i]) += '\n';
    }
    for (const ClassInfo* implemented : records[i]->interfaces) {
      uint32_t from = shown.indexOf(*implemented);
      if (from == ShownSet::kAbsent) continue;
      text.append("  ").append(ids[from]).append(" <|.. ").append(ids[i]) += '\n';
    }
  }
  return text;
}

PublishMermaid::PublishMermaid(ClassList& classes, const Options& options, Output& out)
    : PublishText(classes, options, out) {}

void PublishMermaid::printTree() {
  std::string text = mermaidDiagram(ShownSet::ofTree(classes_, options_.includeNonPublic,
                                                     options_.includeInterfaces, &prepareView()),
                                    options_.packages, options_.importLevel >= 0);
  out_ << text;
  size_t length = utf16Length(text);
  if (length > kMermaidTextLimit) {
    Log(0).stream() << "The Mermaid diagram holds " << length << " characters, more than the "
                    << kMermaidTextLimit
                    << " Mermaid renders by default; draw a part with --focus or --depth";
  }
}
