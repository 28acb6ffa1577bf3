#include "publish/publish_viz.h"

#include <limits>

#include "base/log.h"
#include "base/replace.h"
#include "model/class_list.h"
#include "model/options.h"
#include "model/tree_view.h"
#include "platform/file_system.h"

namespace {

constexpr std::string_view kCyanParent = " [fillcolor=cyan4]";
constexpr std::string_view kAbstract = " [fillcolor=chartreuse] ";
constexpr std::string_view kNonPublic = " [color=red] ";
constexpr std::string_view kInterfaceBox = "  [style=filled, fillcolor=yellow] ";
constexpr std::string_view kInterfaceEdge = " [color=red,penwidth=3.0] ";
// A box whose children --depth leaves out.
constexpr std::string_view kCutNode = " [style=\"filled,dashed\"]";

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

std::string nodeName(const ClassInfo& record) {
  return record.qualifiedName.empty() ? dotName(record.name) : quoteEscaped(record.qualifiedName);
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
    : PublishText(classes, options, out), current_(&out_), sizeDescent_(classes) {}

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
  // A part of a hierarchy or a graph in packages reads better as a column.
  if (options_.partialTrees() || options_.packages) out << "rankdir=LR;\n";
  headerPending = false;
  ++graphStamp_;
}

void PublishViz::closeGraph(Output& out) {
  if (options_.packages) clusters_.write(out);
  out << "}\n";
}

bool PublishViz::firstMention(const ClassInfo& record, std::vector<uint32_t>& stamps) {
  if (stamps.size() <= record.sequence) stamps.resize(classes_.sequenceLimit(), 0);
  if (stamps[record.sequence] == graphStamp_) return false;
  stamps[record.sequence] = graphStamp_;
  return true;
}

size_t PublishViz::writeInterfaceEdges(const ClassInfo& record) {
  Output& out = current();
  if (record.interfaces.empty()) return 0;
  std::string recordName = nodeName(record);
  for (const ClassInfo* implemented : record.interfaces) {
    std::string interfaceName = nodeName(*implemented);
    if (!options_.once || firstMention(*implemented, boxed_)) {
      out << '"' << interfaceName << '"' << kInterfaceBox << nodeLabel(*implemented) << '\n';
    }
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
    bool once;
    std::vector<Level> levels;
    uint64_t total = 0;

    // Writes the colour line of a record's own modifiers; with --once only
    // at its first mention in the graph.
    void ownLines(const std::string& name, const ClassInfo& record, uint32_t level) {
      std::string_view style = ownStyle(record);
      if (!style.empty() && (!once || viz.firstMention(record, viz.styled_))) {
        out << '"' << name << "\" " << style << '\n';
      }
      if (viz.view_ && viz.view_->cutsBelow(record, level, [](const ClassInfo&) { return true; }) &&
          viz.firstMention(record, viz.dashed_)) {
        out << '"' << name << '"' << kCutNode << '\n';
      }
    }

    // Writes a record's interface lines. A record without links to draw
    // also gets its node lines and `count` holds its nodes; one with links
    // opens a level (true) and is counted when the descent leaves it.
    bool open(const ClassInfo& entered, uint32_t level, uint64_t& count) {
      if (viz.options_.packages) viz.clusters_.add(entered);
      count = viz.writeInterfaceEdges(entered);
      std::string name = nodeName(entered);
      std::string label = nodeLabel(entered);
      bool drawsLinks = viz.view_ ? viz.view_->keepsAny(entered, level) : !entered.children.empty();
      if (!drawsLinks) {
        ownLines(name, entered, level);
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
      if (once && !level.firstEdge) parentStyle = {};
      level.firstEdge = false;
      std::string childName = nodeName(child);
      if (!parentStyle.empty()) out << '"' << level.name << "\" " << parentStyle << '\n';
      uint32_t childLevel = viz.descent_.level();
      if (reach == Reach::Open) {
        std::string_view childStyle = ownStyle(child);
        if (!childStyle.empty() && (!once || viz.firstMention(child, viz.styled_))) {
          out << '"' << childName << "\" " << childStyle << '\n';
        }
      } else {
        // Not entered, so its own lines come from here.
        ownLines(childName, child, childLevel);
        if (viz.options_.packages) viz.clusters_.add(child);
      }
      // Below a focused interface its implementers hang by their interface
      // edge, which an entered child writes itself.
      bool implementer = child.interfaces.contains(&parent) && !child.parents.contains(&parent);
      if (!implementer) {
        out << '"' << level.name << "\" -> \"" << childName << "\"\n";
      } else if (reach != Reach::Open) {
        out << '"' << level.name << "\" -> \"" << childName << '"' << kInterfaceEdge << '\n';
      }
      level.count = saturatingAdd(level.count, 1);
      if (reach != Reach::Open) return false;  // the edge, but no second descent
      uint64_t leafCount = 0;
      // An opened level moves the others, so `level` is not used past here.
      if (open(child, childLevel, leafCount)) return true;
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

  Graph graph{*this, current(), options_.once, {}};
  uint64_t count = 0;
  if (!graph.open(record, 0, count)) return count;
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
    bool remember;  // sizes depend on the path under --depth and --once
    std::vector<Level> levels;
    uint64_t result = 0;

    bool enter(const ClassInfo& child, const ClassInfo&, Reach reach, size_t) {
      Level& level = levels.back();
      level.size = saturatingAdd(level.size, 1);
      if (reach == Reach::Cycle) {
        level.cut = true;
        return false;
      }
      if (reach == Reach::Seen || viz.descent_.expanded(child)) return false;
      if (remember && viz.sizeKnown_[child.sequence]) {
        level.size = saturatingAdd(level.size, viz.sizeMemo_[child.sequence]);
        return false;
      }
      levels.push_back({child.interfaces.size(), false});
      return true;
    }

    void leave(const ClassInfo& done, const ClassInfo* parent, size_t) {
      Level level = levels.back();
      levels.pop_back();
      if (remember && !level.cut) {
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
  // With --once the estimate counts what the graph has not expanded yet.
  sizeDescent_.forgetExpanded();
  bool remember = options_.depth < 0 && !options_.once;
  Sizes sizes{*this, remember, {{record.interfaces.size(), false}}};
  sizeDescent_.run(record, sizes);
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
  closeGraph(outFile);
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
  const TreeView& view = prepareView();
  sizeDescent_.follow(&view, true, options_.once);

  bool split = !options_.outPath.empty();
  uint64_t budget = static_cast<uint32_t>(options_.nodesPerFile);
  bool fileBegun = false;
  bool openFailed = false;
  uint64_t count = 0;
  bool wroteToStandard = false;

  for (const ClassInfo* entry : view.roots(classes_, false, options_.packages)) {
    const ClassInfo& root = *entry;
    if (split) {
      bool begin = !fileBegun || openFailed || options_.splitByTree ||
                   (budget != 0 && saturatingAdd(count, count) > budget &&
                    saturatingAdd(count, treeSize(root) / 2) > budget);
      if (begin) {
        endFile();
        // The graph that went to standard output instead ends here, so
        // standard output only ever holds whole graphs.
        if (openFailed) closeGraph(out_);
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
  if (split ? openFailed : wroteToStandard) closeGraph(out_);
}
