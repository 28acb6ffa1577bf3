#ifndef KINTREE_MODEL_CLASS_LIST_H_
#define KINTREE_MODEL_CLASS_LIST_H_

#include <map>
#include <memory>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "model/class_info.h"

/// Owns every ClassInfo of a run, keyed by name: names in unsigned byte
/// order, equal names in creation order.
class ClassList {
 public:
  using Records = std::multimap<std::string, std::unique_ptr<ClassInfo>, std::less<>>;

  /// The record that now stands for `name`, created or merged as needed;
  /// nullptr when the ignore or include patterns refuse the name.
  ClassInfo* addClass(std::string_view kind, std::string_view name, std::string_view modifiers,
                      std::string_view file, std::string_view package, bool defined);
  /// Links `child` under the record of `parentName` (a placeholder class
  /// when none exists); no link when the name is refused.
  void linkParent(ClassInfo* child, std::string_view parentName, std::string_view file,
                  std::string_view package);
  /// The Java-aware reading's entry point: a new record for `name` beside
  /// any of the same name (no merging, no patterns; see refuses()).
  ClassInfo* addRecord(std::string_view kind, std::string_view name, std::string_view modifiers,
                       std::string_view file, std::string_view package, bool defined);
  /// True when the first `ignoreCount` ignore patterns or, when there are
  /// any, the first `includeCount` include patterns refuse `name`.
  bool refuses(std::string_view name, size_t ignoreCount, size_t includeCount) const;
  /// Destroys every record; the pattern sequences stay.
  void release();

  size_t size() const { return records_.size(); }
  bool empty() const { return records_.empty(); }
  const Records& records() const { return records_; }
  /// One more than the largest sequence number handed out so far.
  uint64_t sequenceLimit() const { return nextSequence_; }

  std::vector<std::regex> ignorePatterns;   ///< -v, in command-line order
  std::vector<std::regex> includePatterns;  ///< -i, in command-line order

 private:
  Records records_;
  uint64_t nextSequence_ = 0;
};

#endif  // KINTREE_MODEL_CLASS_LIST_H_
