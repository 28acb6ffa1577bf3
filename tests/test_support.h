#ifndef KINTREE_TESTS_TEST_SUPPORT_H_
#define KINTREE_TESTS_TEST_SUPPORT_H_

#include <string>

/// A fresh, empty directory for one test, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::string& path() const { return path_; }
  /// Writes `contents` to `relative` (parent directories created); returns the full path.
  std::string write(const std::string& relative, const std::string& contents) const;

 private:
  std::string path_;
};

/// The whole file, bytes as they are; empty when it cannot be read.
std::string readFile(const std::string& path);

/// The result of running the kintree binary.
struct RunResult {
  std::string out;
  std::string err;
  int status = -1;
};

/// Runs the built kintree with `arguments` (shell-quoted here) in `directory`.
/// On Windows the words are handed on in the platform's own quoting, and the
/// carriage returns of the text-mode streams are removed from `out` and `err`.
RunResult runKintree(const std::string& arguments, const std::string& directory = ".");

#endif  // KINTREE_TESTS_TEST_SUPPORT_H_
