#ifndef KINTREE_MODEL_CLASS_INFO_H_
#define KINTREE_MODEL_CLASS_INFO_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "model/class_set.h"

/// Bit of ClassInfo::flags set on a tree root once the text tree printed it.
constexpr uint32_t kPrinted = 1;

/// One class or interface name: declared, or only referred to (a
/// placeholder). In import mode, a package or an imported name.
struct ClassInfo {
  std::string kind;  ///< "class" or "interface"; with --resolve also "enum", "record", "annotation"
  std::string name;  ///< key in the ClassList, never changes
  std::string modifiers;  ///< e.g. "public static"; empty for a placeholder
  std::string file;       ///< declaring file, or the referring one
  std::string package;    ///< package of that file
  std::string generic;    ///< generic parameters as written, e.g. "<T>"
  std::string meta;       ///< leading annotation with its trailing blank
  /// Package + "." + nesting name, set only by the Java-aware reading; the
  /// default reading links by `name` alone and leaves it empty.
  std::string qualifiedName;
  uint32_t line = 0;     ///< line of the declaration's keyword (1-based); 0 for a placeholder
  bool defined = false;  ///< a declaration has been recorded
  uint32_t flags = 0;    ///< kPrinted
  bool focused = false;  ///< a --focus name matches it (set once every path is read)
  ClassSet interfaces;   ///< implemented interfaces (one-way)
  ClassSet parents;      ///< classes this one extends
  ClassSet children;     ///< classes that extend this one
  ClassSet permits;      ///< permitted subtypes of a sealed type (Java-aware reading only)
  /// Creation order within the run; the identity that ClassSet orders by.
  uint64_t sequence = 0;
};

/// True for the kinds that every filter and style counts as classes: enums
/// and records are classes, annotation types are interfaces.
inline bool isClassKind(std::string_view kind) {
  return kind == "class" || kind == "enum" || kind == "record";
}

#endif  // KINTREE_MODEL_CLASS_INFO_H_
