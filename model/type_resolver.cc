#include "model/type_resolver.h"

#include <unordered_map>

#include "base/log.h"
#include "model/class_list.h"
#include "model/java_lang.h"
#include "platform/output.h"

namespace {

/// What a name resolved to: a declared type, or the qualified name of a
/// type that no file of the run declares.
struct Target {
  int32_t declared = -1;
  std::string placeholder;
};

/// One declaration of the run with what the second pass learns about it.
struct Declared {
  const JavaFile* file = nullptr;
  const JavaType* type = nullptr;
  int32_t enclosing = -1;  // index in the resolver's table, -1 at the top level
  std::string qualifiedName;
  ClassInfo* record = nullptr;  // null when the patterns refused it
  enum : uint8_t { kPending, kResolving, kDone } state = kPending;
  std::vector<Target> parents;
  std::vector<Target> interfaces;
  std::vector<Target> permits;
};

// Member lookups walk supertypes, whose names may need resolving first,
// which may walk further supertypes: a hostile chain could nest that
// without end. Beyond this depth a lookup sees no inherited members.
constexpr int kMaxDepth = 400;

std::string localKey(int32_t scope, std::string_view simpleName) {
  std::string key = std::to_string(scope);
  key += ' ';
  key += simpleName;
  return key;
}

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

std::string_view lastComponent(std::string_view name) {
  size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? name : name.substr(dot + 1);
}

std::string joined(std::string_view first, std::string_view second) {
  std::string text;
  text.reserve(first.size() + 1 + second.size());
  if (!first.empty()) {
    text += first;
    text += '.';
  }
  text += second;
  return text;
}

class Resolver {
 public:
  Resolver(std::vector<JavaFile>& files, ClassList& classes, Output& out)
      : files_(files), classes_(classes), out_(out) {}

  void run();

 private:
  void createRecords();
  int32_t find(std::string_view qualifiedName) const {
    auto it = byName_.find(qualifiedName);
    return it == byName_.end() ? -1 : it->second;
  }
  /// The member type `simpleName` of `owner`, its own or inherited.
  int32_t findMember(int32_t owner, std::string_view simpleName);
  void resolveClauses(int32_t index);
  Target resolveName(int32_t index, std::string_view name);
  /// Rule by rule lookup of a simple name from the scope of `index`.
  bool lookupSimple(int32_t index, std::string_view simpleName, Target& target);
  /// A fully qualified name, member types reached through their owners.
  Target resolveQualified(std::string_view name);
  /// The qualified name a simple name that nothing matches most likely has.
  std::string likelyName(const JavaFile& file, std::string_view simpleName) const;
  Target javaLang(std::string_view simpleName) const;
  ClassInfo* recordFor(const Target& target, std::string_view kind, const JavaFile& file);
  void link(int32_t index);
  void printDump(const Declared& entry);

  std::vector<JavaFile>& files_;
  ClassList& classes_;
  Output& out_;
  std::vector<Declared> declared_;
  std::unordered_map<std::string_view, int32_t> byName_;  // first declaration of a qualified name
  std::unordered_map<std::string, ClassInfo*> placeholders_;
  /// Local types by the declaration whose body holds them and simple name.
  std::unordered_map<std::string, std::vector<int32_t>> locals_;
  std::vector<uint32_t> seen_;  // member lookups: the walk that last saw a declaration
  uint32_t walk_ = 0;
  int depth_ = 0;
};

void Resolver::createRecords() {
  size_t total = 0;
  for (const JavaFile& file : files_) total += file.types.size();
  declared_.reserve(total);
  for (JavaFile& file : files_) {
    int32_t base = static_cast<int32_t>(declared_.size());
    std::string_view package = file.package.empty() ? std::string_view("none") : file.package;
    for (JavaType& type : file.types) {
      Declared entry;
      entry.file = &file;
      entry.type = &type;
      entry.enclosing = type.enclosing < 0 ? -1 : base + type.enclosing;
      entry.qualifiedName = joined(file.package, type.name);
      if (!classes_.refuses(type.name, file.ignorePatterns, file.includePatterns)) {
        ClassInfo* record = classes_.addRecord(type.kind, type.name, {}, file.path, package, true);
        record->modifiers = std::move(type.modifiers);
        record->qualifiedName = entry.qualifiedName;
        record->meta = std::move(type.meta);
        record->generic = std::move(type.generic);
        record->line = type.line;
        entry.record = record;
      }
      if (type.local && entry.enclosing >= 0) {
        locals_[localKey(entry.enclosing, type.simpleName)].push_back(
            static_cast<int32_t>(declared_.size()));
      }
      declared_.push_back(std::move(entry));
    }
  }
  seen_.assign(declared_.size(), 0);
  // Views into declared_, which no longer grows.
  for (size_t i = 0; i < declared_.size(); ++i) {
    auto inserted = byName_.emplace(declared_[i].qualifiedName, static_cast<int32_t>(i));
    if (!inserted.second) {
      const Declared& first = declared_[inserted.first->second];
      Log(Log::kDuplicates).stream()
          << "Duplicate class=" << declared_[i].qualifiedName << "\n File "
          << declared_[i].file->path << "\n  and " << first.file->path;
    }
  }
}

int32_t Resolver::findMember(int32_t owner, std::string_view simpleName) {
  // Depth first through the supertypes, the superclass before the
  // interfaces; each declaration is looked at once per lookup.
  uint32_t walk = ++walk_;
  std::vector<int32_t> pending{owner};
  while (!pending.empty()) {
    int32_t current = pending.back();
    pending.pop_back();
    if (seen_[current] == walk) continue;
    seen_[current] = walk;
    int32_t member = find(joined(declared_[current].qualifiedName, simpleName));
    if (member >= 0) return member;
    resolveClauses(current);
    const Declared& entry = declared_[current];
    for (auto it = entry.interfaces.rbegin(); it != entry.interfaces.rend(); ++it) {
      if (it->declared >= 0) pending.push_back(it->declared);
    }
    for (auto it = entry.parents.rbegin(); it != entry.parents.rend(); ++it) {
      if (it->declared >= 0) pending.push_back(it->declared);
    }
  }
  return -1;
}

Target Resolver::javaLang(std::string_view simpleName) const {
  Target target;
  std::string name = joined("java.lang", simpleName);
  target.declared = find(name);
  if (target.declared < 0) target.placeholder = std::move(name);
  return target;
}

void Resolver::resolveClauses(int32_t index) {
  Declared& entry = declared_[index];
  if (entry.state != Declared::kPending || depth_ >= kMaxDepth) return;
  entry.state = Declared::kResolving;
  ++depth_;
  // declared_ no longer grows, so `entry` stays valid across the calls.
  const JavaType& type = *entry.type;
  if (type.kind == "enum") entry.parents.push_back(javaLang("Enum"));
  if (type.kind == "record") entry.parents.push_back(javaLang("Record"));
  for (const std::string& name : type.extends) entry.parents.push_back(resolveName(index, name));
  for (const std::string& name : type.implements) {
    entry.interfaces.push_back(resolveName(index, name));
  }
  for (const std::string& name : type.permits) entry.permits.push_back(resolveName(index, name));
  --depth_;
  entry.state = Declared::kDone;
}

Target Resolver::resolveQualified(std::string_view name) {
  Target target;
  target.declared = find(name);
  if (target.declared >= 0) return target;
  // The longest prefix that names a declared type, then its members (which
  // may be inherited, so not found under the full name).
  for (size_t dot = name.rfind('.'); dot != std::string_view::npos && dot > 0;
       dot = name.rfind('.', dot - 1)) {
    int32_t owner = find(name.substr(0, dot));
    if (owner < 0) continue;
    size_t start = dot + 1;
    while (start <= name.size()) {
      size_t end = std::min(name.find('.', start), name.size());
      int32_t member = findMember(owner, name.substr(start, end - start));
      if (member < 0) {
        target.placeholder = joined(declared_[owner].qualifiedName, name.substr(start));
        return target;
      }
      owner = member;
      start = end + 1;
    }
    target.declared = owner;
    return target;
  }
  target.placeholder = name;
  return target;
}

bool Resolver::lookupSimple(int32_t index, std::string_view simpleName, Target& target) {
  const Declared& entry = declared_[index];
  const JavaFile& file = *entry.file;
  std::string_view nestingName = entry.type->name;

  // The enclosing types, innermost first: local types declared in their
  // blocks around the name, then their member types.
  for (int32_t scope = entry.enclosing; scope >= 0; scope = declared_[scope].enclosing) {
    int32_t local = -1;
    size_t localDepth = 0;
    auto locals = locals_.find(localKey(scope, simpleName));
    if (locals != locals_.end()) {
      for (int32_t candidate : locals->second) {
        const JavaType& type = *declared_[candidate].type;
        std::string_view block =
            std::string_view(type.name).substr(0, type.name.size() - type.simpleName.size());
        if (startsWith(nestingName, block) && (local < 0 || block.size() > localDepth)) {
          local = candidate;
          localDepth = block.size();
        }
      }
    }
    target.declared = local >= 0 ? local : findMember(scope, simpleName);
    if (target.declared >= 0) return true;
  }
  // A top-level type of the same file, found by the name it shares with
  // the package's types.
  target.declared = find(joined(file.package, simpleName));
  if (target.declared >= 0 && declared_[target.declared].file == &file) return true;
  for (const std::string& imported : file.imports) {
    if (lastComponent(imported) == simpleName) {
      target = resolveQualified(imported);
      return true;
    }
  }
  for (const std::string& imported : file.staticImports) {
    if (lastComponent(imported) != simpleName) continue;
    target = resolveQualified(imported);
    if (target.declared >= 0) return true;  // else a field or method of that name
  }
  target.declared = find(joined(file.package, simpleName));
  if (target.declared >= 0) return true;
  for (const std::string& package : file.onDemand) {
    target.declared = find(joined(package, simpleName));
    if (target.declared >= 0) return true;
    int32_t owner = find(package);  // "import a.b.Outer.*;"
    if (owner >= 0 && (target.declared = findMember(owner, simpleName)) >= 0) return true;
  }
  for (const std::string& owner : file.staticOnDemand) {
    int32_t declared = find(owner);
    if (declared >= 0 && (target.declared = findMember(declared, simpleName)) >= 0) return true;
  }
  if (!isJavaLangType(simpleName)) {
    target.declared = find(joined("java.lang", simpleName));
    return target.declared >= 0;
  }
  target = javaLang(simpleName);
  return true;
}

std::string Resolver::likelyName(const JavaFile& file, std::string_view simpleName) const {
  if (!file.onDemand.empty()) return joined(file.onDemand.front(), simpleName);
  return joined(file.package, simpleName);
}

Target Resolver::resolveName(int32_t index, std::string_view name) {
  const JavaFile& file = *declared_[index].file;
  size_t dot = name.find('.');
  std::string_view head = name.substr(0, dot);
  Target target;
  if (!lookupSimple(index, head, target)) {
    if (dot == std::string_view::npos) {
      target.placeholder = likelyName(file, name);
      return target;
    }
    // No type of that name in scope: a fully qualified name, unless it is
    // written like a type (capitalised), as in "Map.Entry" under
    // "import java.util.*;" with java.util not read.
    if (!head.empty() && head[0] >= 'A' && head[0] <= 'Z') {
      target.placeholder = likelyName(file, head);
      target.placeholder += name.substr(dot);
      return target;
    }
    return resolveQualified(name);
  }
  while (dot != std::string_view::npos) {
    size_t start = dot + 1;
    dot = name.find('.', start);
    std::string_view part =
        name.substr(start, dot == std::string_view::npos ? name.npos : dot - start);
    if (target.declared >= 0) {
      int32_t member = findMember(target.declared, part);
      if (member >= 0) {
        target.declared = member;
        continue;
      }
      target.placeholder = declared_[target.declared].qualifiedName;
      target.declared = -1;
    }
    target.placeholder += '.';
    target.placeholder += part;
  }
  return target;
}

ClassInfo* Resolver::recordFor(const Target& target, std::string_view kind, const JavaFile& file) {
  if (target.declared >= 0) return declared_[target.declared].record;
  auto known = placeholders_.find(target.placeholder);
  if (known != placeholders_.end()) return known->second;
  std::string_view qualified = target.placeholder;
  std::string_view package = packageOf(qualified);
  std::string_view name = qualified.substr(package.empty() ? 0 : package.size() + 1);
  if (classes_.refuses(name, file.ignorePatterns, file.includePatterns)) return nullptr;
  ClassInfo* record = classes_.addRecord(
      kind, name, "", file.path, package.empty() ? std::string_view("none") : package, false);
  record->qualifiedName = target.placeholder;
  placeholders_.emplace(target.placeholder, record);
  return record;
}

void Resolver::link(int32_t index) {
  resolveClauses(index);
  const Declared& entry = declared_[index];
  ClassInfo* record = entry.record;
  if (!record) return;
  const JavaFile& file = *entry.file;
  bool isInterface = entry.type->kind == "interface" || entry.type->kind == "annotation";
  for (const Target& target : entry.parents) {
    ClassInfo* parent = recordFor(target, isInterface ? "interface" : "class", file);
    if (!parent) continue;
    record->parents.insert(parent);
    parent->children.insert(record);
  }
  for (const Target& target : entry.interfaces) {
    if (ClassInfo* implemented = recordFor(target, "interface", file)) {
      record->interfaces.insert(implemented);
    }
  }
  for (const Target& target : entry.permits) {
    if (ClassInfo* permitted = recordFor(target, "class", file)) record->permits.insert(permitted);
  }
  if (file.dump) printDump(entry);
}

void Resolver::printDump(const Declared& entry) {
  const ClassInfo& record = *entry.record;
  auto names = [](const ClassSet& set) {
    std::string text;
    for (const ClassInfo* linked : set) {
      if (!text.empty()) text += ',';
      text += linked->qualifiedName;
    }
    return text;
  };
  out_ << record.file << ':' << std::to_string(record.line) << ": " << record.qualifiedName;
  if (!record.permits.empty()) out_ << " permits " << names(record.permits);
  out_ << '\n';
  out_ << "  Modifiers       =" << record.modifiers << '\n';
  out_ << "  classOrInterface=" << record.kind << '\n';
  out_ << "  name            =" << record.name << '\n';
  out_ << "  generic         =" << record.generic << '\n';
  out_ << "  extends         =" << names(record.parents) << '\n';
  out_ << "  implements      =" << names(record.interfaces) << '\n';
}

void Resolver::run() {
  createRecords();
  for (size_t i = 0; i < declared_.size(); ++i) link(static_cast<int32_t>(i));
}

}  // namespace

std::string_view packageOf(std::string_view qualifiedName) {
  size_t end = 0;
  for (size_t start = 0;;) {
    size_t dot = qualifiedName.find('.', start);
    if (dot == std::string_view::npos) break;
    char first = qualifiedName[start];
    if (first < 'a' || first > 'z') break;
    end = dot;
    start = dot + 1;
  }
  return qualifiedName.substr(0, end);
}

void resolveTypes(std::vector<JavaFile>& files, ClassList& classes, Output& out) {
  Resolver(files, classes, out).run();
}
