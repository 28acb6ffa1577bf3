#ifndef KINTREE_MODEL_JAVA_LANG_H_
#define KINTREE_MODEL_JAVA_LANG_H_

#include <string_view>

/// True for the simple names of the public top-level types of java.lang
/// (JDK 25), which every Java file sees without an import.
bool isJavaLangType(std::string_view simpleName);

#endif  // KINTREE_MODEL_JAVA_LANG_H_
