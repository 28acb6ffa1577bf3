#ifndef KINTREE_PARSE_JAVA_READER_H_
#define KINTREE_PARSE_JAVA_READER_H_

#include <string_view>

#include "model/java_file.h"

/// The Java-aware reading of one file: fills `file`'s package, imports and
/// every type declaration of `source` (classes, interfaces, enums, records
/// and annotation types at any depth; no anonymous classes or enum
/// constant bodies). Names in extends, implements and permits clauses stay
/// as written, without type arguments. `file.path` is left as it is.
void readJavaFile(std::string_view source, JavaFile& file);

#endif  // KINTREE_PARSE_JAVA_READER_H_
