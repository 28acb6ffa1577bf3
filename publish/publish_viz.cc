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
  if (onPath_.size() < limit) onPath_.resize(limit, false);
  if (sizeKnown_.size() < limit) {
    sizeKnown_.resize(limit, false);
    sizeMemo_.resize(limit, 0);
  }
}

uint64_t PublishViz::writeGraphNode(const ClassInfo& record) {
  // An explicit stack, so a chain tens of thousands of levels deep needs no
  // deep recursion.
  struct Frame {
    const ClassInfo* record;
    std::string name;  // nodeName of the record
    size_t nextChild;
    uint64_t count;
    std::string_view parentStyle;
  };
  prepareTables();
  Output& out = current();
  std::vector<Frame> frames;

  // Writes a record's interface lines; a record without children also gets
  // its node lines and `count` holds its nodes, one with children is pushed
  // (true) and counted when its frame is done.
  auto enter = [&](const ClassInfo& entered, uint64_t& count) {
    count = writeInterfaceEdges(entered);
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
    onPath_[entered.sequence] = true;
    frames.push_back({&entered, std::move(name), 0, count, kCyanParent});
    return true;
  };

  uint64_t total = 0;
  enter(record, total);
  while (!frames.empty()) {
    Frame& frame = frames.back();
    const ClassInfo& parent = *frame.record;
    if (frame.nextChild == parent.children.size()) {
      onPath_[parent.sequence] = false;
      uint64_t count = frame.count;
      frames.pop_back();
      if (frames.empty()) {
        total = count;
      } else {
        frames.back().count = saturatingAdd(frames.back().count, count);
      }
      continue;
    }
    const ClassInfo& child = *parent.children[frame.nextChild++];
    if (contains(parent.modifiers, "abstract")) frame.parentStyle = kAbstract;
    std::string_view childStyle = ownStyle(child);
    std::string childName = nodeName(child);
    if (!frame.parentStyle.empty()) out << '"' << frame.name << "\" " << frame.parentStyle << '\n';
    if (!childStyle.empty()) out << '"' << childName << "\" " << childStyle << '\n';
    out << '"' << frame.name << "\" -> \"" << childName << "\"\n";
    frame.parentStyle = {};
    frame.count = saturatingAdd(frame.count, 1);
    if (onPath_[child.sequence]) continue;  // a cycle: the edge, but no second descent
    uint64_t leafCount = 0;
    // A pushed frame moves the others, so `frame` is not used past here.
    if (!enter(child, leafCount))
      frames.back().count = saturatingAdd(frames.back().count, leafCount);
  }
  return total;
}

uint64_t PublishViz::treeSize(const ClassInfo& record) {
  struct Frame {
    const ClassInfo* record;
    size_t nextChild;
    uint64_t size;
    bool cut;  // the descent met a record on its path: the size depends on it
  };
  prepareTables();
  std::vector<Frame> frames{{&record, 0, record.interfaces.size(), false}};
  onPath_[record.sequence] = true;
  uint64_t result = 0;
  while (!frames.empty()) {
    Frame& frame = frames.back();
    const ClassInfo& parent = *frame.record;
    if (frame.nextChild == parent.children.size()) {
      Frame done = frame;
      frames.pop_back();
      onPath_[parent.sequence] = false;
      if (!done.cut) {
        sizeKnown_[parent.sequence] = true;
        sizeMemo_[parent.sequence] = done.size;
      }
      if (frames.empty()) {
        result = done.size;
      } else {
        Frame& above = frames.back();
        above.size = saturatingAdd(above.size, done.size);
        above.cut = above.cut || done.cut;
      }
      continue;
    }
    const ClassInfo& child = *parent.children[frame.nextChild++];
    frame.size = saturatingAdd(frame.size, 1);
    if (onPath_[child.sequence]) {
      frame.cut = true;
    } else if (sizeKnown_[child.sequence]) {
      frame.size = saturatingAdd(frame.size, sizeMemo_[child.sequence]);
    } else {
      onPath_[child.sequence] = true;
      frames.push_back({&child, 0, child.interfaces.size(), false});
    }
  }
  return result;
}

bool PublishViz::beginFile(const ClassInfo& root) {
  headerPending = true;
  fileName_ =
      options_.outPath + (root.qualifiedName.empty() ? root.name : root.qualifiedName) + ".gv";
  replaceRegex(fileName_, "[<,>?]", "_");
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
