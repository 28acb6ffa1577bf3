#ifndef KINTREE_MODEL_JAVA_FILE_H_
#define KINTREE_MODEL_JAVA_FILE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/// One type declaration as the Java-aware reading found it, names as
/// written: resolving them is the type resolver's work.
struct JavaType {
  std::string kind;        ///< "class", "interface", "enum", "record" or "annotation"
  std::string name;        ///< nesting name: "Outer.Inner", a local "Outer..Local"
  std::string simpleName;  ///< the declared identifier
  /// Index in JavaFile::types of the nearest enclosing declaration, -1 at
  /// the top level.
  int32_t enclosing = -1;
  /// Declared inside a block (method body, initialiser, lambda, anonymous
  /// class body) rather than directly in the body of `enclosing`.
  bool local = false;
  std::string modifiers;  ///< modifier keywords only, in source order, blank-separated
  std::string meta;       ///< every annotation before the declaration, each with a trailing blank
  std::string generic;    ///< type parameters, e.g. "<K,V>"; empty when there are none
  std::vector<std::string> extends;     ///< names as written, type arguments removed
  std::vector<std::string> implements;  ///< likewise
  std::vector<std::string> permits;     ///< likewise
  uint32_t line = 0;                    ///< line of the kind keyword, 1-based
};

/// The Java-aware reading of one source file. It holds everything the
/// resolver needs from the file, so files may be read independently and
/// their results merged in walk order.
struct JavaFile {
  std::string path;
  std::string package;                      ///< empty when the file has no package statement
  std::vector<std::string> imports;         ///< single-type imports: "java.util.List"
  std::vector<std::string> onDemand;        ///< "java.util" for "import java.util.*;"
  std::vector<std::string> staticImports;   ///< "a.B.C" for "import static a.B.C;"
  std::vector<std::string> staticOnDemand;  ///< "a.B" for "import static a.B.*;"
  std::vector<JavaType> types;              ///< in source order; enclosing ones first
  /// How many of the run's ignore (-v) and include (-i) patterns stood
  /// before this file's path, so that later patterns do not apply to it.
  size_t ignorePatterns = 0;
  size_t includePatterns = 0;
  bool dump = false;  ///< message level 4 or more stood before the path: dump each declaration
};

#endif  // KINTREE_MODEL_JAVA_FILE_H_
