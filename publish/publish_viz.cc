#include "publish/publish_viz.h"

#include <limits>

#include "base/log.h"
#include "base/replace.h"
#include "model/class_list.h"
#include "model/options.h"
#include "platform/file_system.h"

namespace {

constexpr std::string_view kCyanParent = " [fillcolor=cyan4]";
constexpr std::string_view kAbstract = " [fillcolor=chartreuse] ";
constexpr std::string_view kNonPublic = " [color=red] ";
constexpr std::string_view kInterfaceBox = "  [style=filled, fillcolor=yellow] ";
constexpr std::string_view kInterfaceEdge = " [color=red,penwidth=3.0] ";

/// Node counts only grow, and a graph of shared subtrees can count past any
/// bound; they stop at the largest value instead of wrapping.
uint64_t saturatingAdd(uint64_t a, uint64_t b) {
  return b > std::numeric_limits<uint64_t>::max() - a ? std::numeric_limits<uint64_t>::max()
                                                      : a + b;
}

bool contains(const std::string& text, std::string_view word) {
  return text.find(word) != std::string::npos;
}

/// The colour line a record gets from its own modifiers, or nothing.
std::string_view ownStyle(const ClassInfo& record) {
  if (!contains(record.modifiers, "public")) return kNonPublic;
  if (contains(record.modifiers, "abstract")) return kAbstract;
  return {};
}

/// A record's node: its qualified name in the Java-aware reading, where
/// nesting names repeat across packages; else its name, a line per part.
std::string nodeName(const ClassInfo& record) {
  return record.qualifiedName.empty() ? dotName(record.name) : quoteEscaped(record.qualifiedName);
}

/// The label that keeps a node named by its qualified name as short as the
/// others; nothing for the rest.
std::string nodeLabel(const ClassInfo& record) {
  if (record.qualifiedName.empty()) return {};
  return " [label=\"" + dotName(record.name) + "\"]";
}

/// What tells file names apart: the name, or where letter case does not
/// count, the name with its ASCII letters in lower case.
std::string fileKey(std::string name) {
  if (!kCaseSensitiveNames) {
    for (char& c : name) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return name;
}

}  // namespace

std::string quoteEscaped(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    if (c == '"' || c == '\\') escaped.push_back('\\');
    escaped.push_back(c);
  }
  return escaped;
}

std::string dotName(std::string_view name) {
  std::string text = quoteEscaped(name);
  replaceAll(text, ".", "\\n");
  return text;
}

std::string cleanGraphName(std::string text) {
  size_t dot = text.rfind('.');
  if (dot != std::string::npos) text.erase(dot);
  size_t separator = text.rfind(kPathSeparator);
  if (separator != std::string::npos) text.erase(separator);
  size_t colon = text.find(':');
  if (colon != std::string::npos) text.erase(0, colon + 1);
  replaceRegex(text, "[*?-]+", "_");
  for (char& c : text) {
    if (c == kPathSeparator || c == '\\') c = '_';
  }
  return text;
}

PublishViz::PublishViz(ClassList& classes, const Options& options, Output& out)
    : PublishText(classes, options, out), current_(&out_) {}

bool PublishViz::publish() {
  writeFailed_ = false;
  PublishText::publish();
  return !writeFailed_;
}

void PublishViz::writeGraphHeader() {
  Output& out = current();
  out << "digraph \"" << quoteEscaped(graphName)
      << "\" {\nbgcolor=transparent\noverlap=false;\nlabel=\"" << quoteEscaped(graphLabel)
      << " Class Hierarchy - Tavrin & GraphViz\";\nfontsize=12;\n"
         "node [shape=box,style=filled,fillcolor=white];\n";
  headerPending = false;
}

size_t PublishViz::writeInterfaceEdges(const ClassInfo& record) {
  Output& out = current();
  if (record.interfaces.empty()) return 0;
  std::string recordName = nodeName(record);
  for (const ClassInfo* implemented : record.interfaces) {
    std::string interfaceName = nodeName(*implemented);
    out << '"' << interfaceName << '"' << kInterfaceBox << nodeLabel(*implemented) << '\n';
    out << '"' << interfaceName << "\" -> \"" << recordName << '"' << kInterfaceEdge << '\n';
  }
  return record.interfaces.size();
}

void PublishViz::prepareTables() {
  size_t limit = classes_.sequenceLimit();
  if (sizeKnown_.size() < limit) {
    sizeKnown_.resize(limit, false);
    sizeMemo_.resize(limit, 0);
  }
}

uint64_t PublishViz::writeGraphNode(const ClassInfo& record) {
  // One level per record the descent entered: its DOT name, its node count
  // so far and whether it has written an edge yet.
  struct Level {
    std::string name;
    uint64_t count;
    bool firstEdge;
  };
  struct Graph {
    PublishViz& viz;
    Output& out;
    std::vector<Level> levels;
    uint64_t total = 0;

    // Writes a record's interface lines. A record without children also
    // gets its node lines and `count` holds its nodes; one with children
    // opens a level (true) and is counted when the descent leaves it.
    bool open(const ClassInfo& entered, uint64_t& count) {
      count = viz.writeInterfaceEdges(entered);
      std::string name = nodeName(entered);
      std::string label = nodeLabel(entered);
      if (entered.children.empty()) {
        std::string_view style = ownStyle(entered);
        if (!style.empty()) out << '"' << name << "\" " << style << '\n';
        out << '"' << name << '"' << label << '\n';
        count = saturatingAdd(count, 1);
        return false;
      }
      if (!label.empty()) out << '"' << name << '"' << label << '\n';
      levels.push_back({std::move(name), count, true});
      return true;
    }

    bool enter(const ClassInfo& child, const ClassInfo& parent, Reach reach, size_t) {
      Level& level = levels.back();
      std::string_view parentStyle = contains(parent.modifiers, "abstract") ? kAbstract
                                     : level.firstEdge                      ? kCyanParent
                                                                            : std::string_view();
      level.firstEdge = false;
      std::string_view childStyle = ownStyle(child);
      std::string childName = nodeName(child);
      if (!parentStyle.empty()) out << '"' << level.name << "\" " << parentStyle << '\n';
      if (!childStyle.empty()) out << '"' << childName << "\" " << childStyle << '\n';
      out << '"' << level.name << "\" -> \"" << childName << "\"\n";
      level.count = saturatingAdd(level.count, 1);
      if (reach == Reach::Cycle) return false;  // the edge, but no second descent
      uint64_t leafCount = 0;
      // An opened level moves the others, so `level` is not used past here.
      if (open(child, leafCount)) return true;
      levels.back().count = saturatingAdd(levels.back().count, leafCount);
      return false;
    }

    void leave(const ClassInfo&, const ClassInfo* parent, size_t) {
      uint64_t count = levels.back().count;
      levels.pop_back();
      if (parent) {
        levels.back().count = saturatingAdd(levels.back().count, count);
      } else {
        total = count;
      }
    }
  };

  Graph graph{*this, current(), {}};
  uint64_t count = 0;
  if (!graph.open(record, count)) return count;
  descent_.run(record, graph);
  return graph.total;
}

uint64_t PublishViz::treeSize(const ClassInfo& record) {
  // One level per record the descent entered; `cut` when its descent met
  // a record on its path, so its size depends on that path.
  struct Level {
    uint64_t size;
    bool cut;
  };
  struct Sizes {
    PublishViz& viz;
    std::vector<Level> levels;
    uint64_t result = 0;

    bool enter(const ClassInfo& child, const ClassInfo&, Reach reach, size_t) {
      Level& level = levels.back();
      level.size = saturatingAdd(level.size, 1);
      if (reach == Reach::Cycle) {
        level.cut = true;
        return false;
      }
      if (viz.sizeKnown_[child.sequence]) {
        level.size = saturatingAdd(level.size, viz.sizeMemo_[child.sequence]);
        return false;
      }
      levels.push_back({child.interfaces.size(), false});
      return true;
    }

    void leave(const ClassInfo& done, const ClassInfo* parent, size_t) {
      Level level = levels.back();
      levels.pop_back();
      if (!level.cut) {
        viz.sizeKnown_[done.sequence] = true;
        viz.sizeMemo_[done.sequence] = level.size;
      }
      if (!parent) {
        result = level.size;
        return;
      }
      levels.back().size = saturatingAdd(levels.back().size, level.size);
      levels.back().cut = levels.back().cut || level.cut;
    }
  };

  prepareTables();
  Sizes sizes{*this, {{record.interfaces.size(), false}}};
  descent_.run(record, sizes);
  return sizes.result;
}

bool PublishViz::beginFile(const ClassInfo& root) {
  headerPending = true;
  std::string base =
      options_.outPath + (root.qualifiedName.empty() ? root.name : root.qualifiedName);
  replaceRegex(base, "[<,>?]", "_");
  // Opening empties a file, so a name this run has begun already (two roots
  // of one name, or names the replacement made equal) gets a number instead
  // of taking the earlier tree away.
  fileName_ = base + ".gv";
  for (int number = 2; !begunFiles_.insert(fileKey(fileName_)).second; ++number) {
    fileName_ = base + "_" + std::to_string(number) + ".gv";
  }
  if (!outFile.open(fileName_)) {
    // The message must follow the graphs already written to a shared terminal.
    out_.flush();
    Log::plain().stream() << "Failed to open " << fileName_;
    current_ = &out_;
    return false;
  }
  current_ = &outFile;
  return true;
}

void PublishViz::endFile() {
  if (!outFile.isOpen()) return;
  outFile << "}\n";
  if (!outFile.close()) {
    out_.flush();
    Log::plain().stream() << "Failed to write " << fileName_;
    writeFailed_ = true;
  }
  current_ = &out_;
}

void PublishViz::printTree() {
  graphName = cleanGraphName(titleAt(0, "Class Diagram"));
  graphLabel = graphName;
  // Records may have been added since the last walk; memoised sizes stay
  // valid only within one walk.
  sizeKnown_.assign(classes_.sequenceLimit(), false);
  sizeMemo_.assign(classes_.sequenceLimit(), 0);

  bool split = !options_.outPath.empty();
  uint64_t budget = static_cast<uint32_t>(options_.nodesPerFile);
  bool fileBegun = false;
  bool openFailed = false;
  uint64_t count = 0;
  bool wroteToStandard = false;

  for (const auto& entry : classes_.records()) {
    const ClassInfo& root = *entry.second;
    if (!root.parents.empty()) continue;
    if (split) {
      bool begin = !fileBegun || openFailed || options_.splitByTree ||
                   (budget != 0 && saturatingAdd(count, count) > budget &&
                    saturatingAdd(count, treeSize(root) / 2) > budget);
      if (begin) {
        endFile();
        // The graph that went to standard output instead ends here, so
        // standard output only ever holds whole graphs.
        if (openFailed) out_ << "}\n";
        fileBegun = true;
        count = 0;
        openFailed = !beginFile(root);
      }
    }
    if (headerPending) {
      if (current_ == &out_) wroteToStandard = true;
      writeGraphHeader();
    }
    count = saturatingAdd(count, writeGraphNode(root));
  }

  endFile();
  if (split ? openFailed : wroteToStandard) out_ << "}\n";
}
