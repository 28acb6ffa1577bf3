#ifndef KINTREE_MODEL_CLASS_SET_H_
#define KINTREE_MODEL_CLASS_SET_H_

#include <cstddef>
#include <vector>

struct ClassInfo;

/// An ordered set of non-owning record links, ordered by record identity
/// (creation sequence), never by name. Each record is held at most once.
class ClassSet {
 public:
  using const_iterator = std::vector<ClassInfo*>::const_iterator;

  /// Adds `record` in identity order; a record already present changes nothing.
  void insert(ClassInfo* record);
  bool contains(const ClassInfo* record) const;

  bool empty() const { return items_.empty(); }
  size_t size() const { return items_.size(); }
  /// The smallest record in identity order; the set must not be empty.
  ClassInfo* first() const { return items_.front(); }
  /// The largest record in identity order; the set must not be empty.
  ClassInfo* last() const { return items_.back(); }
  ClassInfo* operator[](size_t index) const { return items_[index]; }
  const_iterator begin() const { return items_.begin(); }
  const_iterator end() const { return items_.end(); }

 private:
  std::vector<ClassInfo*> items_;
};

#endif  // KINTREE_MODEL_CLASS_SET_H_
