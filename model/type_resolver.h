#ifndef KINTREE_MODEL_TYPE_RESOLVER_H_
#define KINTREE_MODEL_TYPE_RESOLVER_H_

#include <string>
#include <string_view>
#include <vector>

#include "model/java_file.h"

class ClassList;
class Output;

/// The second pass of the Java-aware reading, once every file is read.
/// Makes one record per declaration of `files` (in their order, keyed by
/// nesting name, identified by qualified name), then links every extends,
/// implements and permits name to the type the compiler would pick from
/// the declaration's scope: member types of the enclosing types, innermost
/// first and inherited ones included; the types of the same file; single-type
/// imports; the same package; imports on demand; java.lang. A name that no
/// declaration matches gets one placeholder record per likely qualified
/// name. Enums get java.lang.Enum as their parent, records java.lang.Record.
/// Files read with `dump` set print the declaration dump to `out`. The
/// records take over the modifiers, meta and generic texts of `files`.
void resolveTypes(std::vector<JavaFile>& files, ClassList& classes, Output& out);

/// Splits a qualified name where its type names begin: the leading
/// components that start with a lowercase letter form the package (the last
/// component never does). "java.util.Map.Entry" gives "java.util".
std::string_view packageOf(std::string_view qualifiedName);

#endif  // KINTREE_MODEL_TYPE_RESOLVER_H_
