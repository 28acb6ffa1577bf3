#ifndef KINTREE_MODEL_INCLUSION_H_
#define KINTREE_MODEL_INCLUSION_H_

#include <cstdint>
#include <vector>

#include "model/class_info.h"
#include "model/descent.h"
#include "model/tree_view.h"

class ClassList;

/// Decides which records a tree shows (-A, -I and the printed bit).
///
/// isShownDeep accepts a record that is not printed and from which a record
/// passing the one-record test (or one that is its own child) can be reached
/// through records that are not printed. That reading is the same for every
/// path a descent takes, so results are remembered: a deep chain or a
/// diamond costs one visit per record, and cycles end.
class Inclusion {
 public:
  /// With a `view` (--focus) only its selection is shown, along its links,
  /// and a focused record passes whatever -A and -I say.
  Inclusion(const ClassList& classes, bool includeNonPublic, bool includeInterfaces,
            const TreeView* view = nullptr);

  /// The test for one record on its own.
  bool isShown(const ClassInfo& record) const;
  /// isShown for the record or some descendant reached through records not printed.
  bool isShownDeep(const ClassInfo& record);
  /// Sets the printed bit of `root` and forgets what depended on it.
  void markPrinted(ClassInfo& root);

 private:
  /// isShown without the printed test (its steps 2 to 4).
  bool passesOwnTest(const ClassInfo& record) const;
  void evaluate(const ClassInfo& start);

  bool includeNonPublic_;
  bool includeInterfaces_;
  const TreeView* view_;
  enum : uint8_t { kUnknown, kAccepted, kRejected };
  std::vector<uint8_t> verdict_;      // by sequence number
  std::vector<uint32_t> visitIndex_;  // scratch for evaluate(), 0 = unvisited
  std::vector<uint32_t> lowLink_;
  std::vector<bool> onStack_;
  std::vector<bool> reaches_;
  std::vector<uint32_t> stackPosition_;
  std::vector<uint32_t> seenEpoch_;  // for markPrinted()
  uint32_t epoch_ = 0;
  Descent descent_;  // for evaluate()
};

#endif  // KINTREE_MODEL_INCLUSION_H_
