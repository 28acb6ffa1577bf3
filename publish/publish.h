#ifndef KINTREE_PUBLISH_PUBLISH_H_
#define KINTREE_PUBLISH_PUBLISH_H_

/// One output format. The run driver calls publish() once, after every path
/// was read and only when at least one record exists.
class Publish {
 public:
  virtual ~Publish() = default;
  /// Writes the whole output of the run; false when an output file lost
  /// data, which fails the run.
  virtual bool publish() = 0;
  /// Writes the class hierarchy in this format.
  virtual void printTree() = 0;
  /// Writes the alphabetic name table.
  virtual void printNames() = 0;
};

#endif  // KINTREE_PUBLISH_PUBLISH_H_
