#ifndef KINTREE_TESTS_CLASS_LIST_BUILDER_H_
#define KINTREE_TESTS_CLASS_LIST_BUILDER_H_

#include <string>

#include "model/class_list.h"

/// Builds a class list in memory through the calls the parsers make, for
/// the tests of what reads it.
class ClassListBuilder {
 public:
  explicit ClassListBuilder(ClassList& classes) : classes_(classes) {}

  /// A declared record.
  ClassInfo* declare(const std::string& name, const std::string& modifiers = "public",
                     const std::string& file = "/src/app/X.java", const std::string& kind = "class",
                     const std::string& package = "app") {
    return classes_.addClass(kind, name, modifiers, file, package, true);
  }
  /// Links `child` under `parent` (a placeholder unless declared), named in
  /// the child's file.
  void extend(ClassInfo* child, const std::string& parent) {
    classes_.linkParent(child, parent, child->file, child->package);
  }
  /// Lets `record` implement the interface `name`, named in its file.
  void implement(ClassInfo* record, const std::string& name) {
    record->interfaces.insert(
        classes_.addClass("interface", name, "", record->file, record->package, false));
  }
  /// The first record of `name`, which must exist.
  ClassInfo* find(const std::string& name) const {
    return classes_.records().find(name)->second.get();
  }

 private:
  ClassList& classes_;
};

#endif  // KINTREE_TESTS_CLASS_LIST_BUILDER_H_
