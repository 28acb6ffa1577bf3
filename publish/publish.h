#ifndef KINTREE_PUBLISH_PUBLISH_H_
#define KINTREE_PUBLISH_PUBLISH_H_

#include <string>

/// Which part of an HTML page a section file replaces (-1, -2, -3).
enum class SectionKind { Head = 1, BodyBegin = 2, BodyEnd = 3 };

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
  /// Takes the text of a section file (-1, -2, -3); false for a publisher
  /// that writes no page.
  virtual bool takeSection(SectionKind, std::string&) { return false; }
  /// The class name, for the message about a section it does not take.
  virtual const char* typeName() const = 0;
};

#endif  // KINTREE_PUBLISH_PUBLISH_H_
