#ifndef KINTREE_MODEL_CLASS_INFO_H_
#define KINTREE_MODEL_CLASS_INFO_H_

#include <cstdint>
#include <string>

#include "model/class_set.h"

/// Bit of ClassInfo::flags set on a tree root once the text tree printed it.
constexpr uint32_t kPrinted = 1;

/// One class or interface name: declared, or only referred to (a
/// placeholder). In import mode, a package or an imported name.
struct ClassInfo {
  std::string kind;       ///< "class" or "interface"
  std::string name;       ///< key in the ClassList, never changes
  std::string modifiers;  ///< e.g. "public static"; empty for a placeholder
  std::string file;       ///< declaring file, or the referring one
  std::string package;    ///< package of that file
  std::string generic;    ///< generic parameters as written, e.g. "<T>"
  std::string meta;       ///< leading annotation with its trailing blank
  bool defined = false;   ///< a declaration has been recorded
  uint32_t flags = 0;     ///< kPrinted
  ClassSet interfaces;    ///< implemented interfaces (one-way)
  ClassSet parents;       ///< classes this one extends
  ClassSet children;      ///< classes that extend this one
  /// Creation order within the run; the identity that ClassSet orders by.
  uint64_t sequence = 0;
};

#endif  // KINTREE_MODEL_CLASS_INFO_H_
