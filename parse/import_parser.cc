#include "parse/import_parser.h"

#include <cstdint>
#include <string_view>

#include "base/log.h"
#include "base/replace.h"
#include "model/class_list.h"
#include "parse/drop_last_components.h"
#include "parse/import_pattern.h"
#include "parse/parse_file.h"
#include "parse/statement_reader.h"
#include "platform/output.h"

namespace {

// What one accepted import did: the statement, the name recorded, and the
// link counts of the file's package record (0 when the file has none).
void writeImportDump(Output& out, std::string_view statement, const ImportGroups& import,
                     const ClassInfo* packageRecord) {
  out << statement << "\n  Modifiers =" << import.modifier << "\n  name      =" << import.name
      << "\n  #children =";
  out.unsignedNumber(packageRecord ? packageRecord->children.size() : 0);
  out << "\n  #parents  =";
  out.unsignedNumber(packageRecord ? packageRecord->parents.size() : 0);
  out << "\n";
}

// A count, a blank, then each name preceded by a blank.
void writeLinks(Output& out, const ClassSet& links) {
  out.unsignedNumber(links.size());
  out << ' ';
  for (const ClassInfo* link : links) out << ' ' << link->name;
}

// Every record of the run so far, in list order.
void writeClassListDump(Output& out, const ClassList& classes) {
  out << "\n ---- Class List ---- \n";
  for (const auto& entry : classes.records()) {
    const ClassInfo& record = *entry.second;
    out << "\nname    =" << record.name << "\nparents =";
    writeLinks(out, record.parents);
    out << "\nchildren=";
    writeLinks(out, record.children);
    out << "\nfile    =" << record.file << "\ndefined =" << (record.defined ? '1' : '0') << '\n';
  }
}

}  // namespace

void readImports(std::string_view source, int32_t importLevel, std::vector<FoundImport>& found) {
  found.clear();
  SourceStream input(source);
  std::string_view line;
  std::string statement;
  std::string packageName;
  ImportGroups import;
  while (readStatement(input, statement, line)) {
    replaceAll(statement, ", ", ",");
    if (findImportPackage(statement, packageName)) {
      FoundImport& package = found.emplace_back();
      package.isPackage = true;
      // When shortening would leave nothing, the package keeps its full name
      // for the links below but gets no record of its own.
      package.nothingLeft = dropLastComponents(packageName, importLevel);
      package.import.name = packageName;
      continue;
    }
    if (!findImport(statement, import)) continue;
    if (dropLastComponents(import.name, importLevel)) continue;
    replaceAll(import.name, ".*", "");
    FoundImport& accepted = found.emplace_back();
    accepted.import = import;
    accepted.statement = statement;
  }
}

void recordImports(const std::vector<FoundImport>& found, const std::string& path,
                   ClassList& classes, const ParseSettings& settings, Output& dumps) {
  std::string currentPackage = "none";
  ClassInfo* packageRecord = nullptr;
  for (const FoundImport& entry : found) {
    const std::string& name = entry.import.name;
    if (entry.isPackage) {
      currentPackage = name;
      if (!entry.nothingLeft) packageRecord = classes.addClass("class", name, "", path, name, true);
      continue;
    }
    ClassInfo* record = classes.addClass("class", name, entry.import.modifier, path, name, false);
    if (record) classes.linkParent(record, currentPackage, path, currentPackage);
    if (settings.logLevel >= Log::kStatementDump) {
      writeImportDump(dumps, entry.statement, entry.import, packageRecord);
    }
  }
  if (settings.logLevel >= Log::kClassListDump) writeClassListDump(dumps, classes);
}

void parseImports(const std::string& path, ClassList& classes, const ParseSettings& settings,
                  std::string& buffer, Output& dumps) {
  std::vector<FoundImport> found;
  readImports(loadSource(path, buffer), settings.importLevel, found);
  recordImports(found, path, classes, settings, dumps);
}
