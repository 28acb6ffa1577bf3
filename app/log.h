#ifndef KINTREE_APP_LOG_H_
#define KINTREE_APP_LOG_H_

#include <cstdint>
#include <ostream>

/// Warnings above this level stay silent; set by -l.
extern int32_t messageThreshold;

/// One coloured message on standard error, ended when the object goes away.
/// A warning whose level exceeds messageThreshold (unsigned comparison)
/// writes no byte at all.
class Log {
 public:
  /// Starts a warning of `level`.
  explicit Log(uint32_t level);
  /// Starts an error; errors are always shown.
  Log();
  ~Log();
  Log(const Log&) = delete;
  Log& operator=(const Log&) = delete;

  /// The stream that takes the message text.
  virtual std::ostream& stream() { return target; }

  /// Where messages go; standard error unless a test redirects it.
  static std::ostream* destination;

 private:
  std::ostream& target;
  bool active;
};

#endif  // KINTREE_APP_LOG_H_
