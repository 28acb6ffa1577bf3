#ifndef KINTREE_BASE_LOG_H_
#define KINTREE_BASE_LOG_H_

#include <cstdint>
#include <functional>
#include <ostream>

/// One message on standard error, ended when the object goes away: an
/// error (red, always shown), a warning (green at level 1, magenta above,
/// shown only up to the threshold) or a plain line without colours.
class Log {
 public:
  /// The warning levels in use; -l raises the threshold through them.
  enum Level : uint32_t {
    kDuplicates = 1,     ///< a class declared twice in one package
    kIgnoredNames = 2,   ///< files and classes skipped by -V, -v and -i
    kClassListDump = 3,  ///< the import parser's class list on standard output
    kStatementDump = 4,  ///< every accepted statement on standard output
  };

  /// Starts a warning of `level`; silent when it exceeds the threshold.
  explicit Log(uint32_t level);
  /// Starts an error; errors are always shown.
  Log();
  ~Log();
  Log(const Log&) = delete;
  Log& operator=(const Log&) = delete;

  /// Starts a plain line: no colour, always shown (the summary line, the
  /// publishers' file messages).
  static Log plain() { return Log(Kind::Plain, 0); }

  /// The stream that takes the message text.
  virtual std::ostream& stream() { return target; }

  /// True when a warning of `level` would be shown.
  static bool shows(uint32_t level) { return level <= static_cast<uint32_t>(threshold); }

  /// The highest warning level shown, compared as unsigned: -1 shows every
  /// warning. The one process-wide setting of the messages, set by -l.
  static int32_t threshold;
  /// Where messages go; standard error unless a test redirects it.
  static std::ostream* destination;
  /// Called before a message is shown, so that work the run has queued
  /// ahead of it shows its own messages and dumps first; empty when none.
  static std::function<void()> beforeMessage;

 private:
  enum class Kind { Error, Warning, Plain };
  Log(Kind kind, uint32_t level);

  std::ostream& target;
  Kind kind_;
  bool active;
};

#endif  // KINTREE_BASE_LOG_H_
