#ifndef KINTREE_TESTS_TEST_SUPPORT_H_
#define KINTREE_TESTS_TEST_SUPPORT_H_

#include <string>
#include <vector>

/// True in the Windows build, where a test that holds POSIX expectations
/// (paths with "/", UTF-8 glyphs, split files with bare line feeds), needs
/// GraphViz on the build machine or takes minutes under the emulator skips
/// itself with GTEST_SKIP(); its Windows counterparts are the
/// *_windows_test.cc files and golden-windows.
#ifdef _WIN32
inline constexpr bool kWindowsBuild = true;
#else
inline constexpr bool kWindowsBuild = false;
#endif

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

/// A run whose standard output goes to a file (or /dev/null), measured.
struct MeasuredRun {
  std::string err;
  int status = -1;         ///< exit status, or 128 + signal when killed
  long peakKilobytes = 0;  ///< the child's peak resident memory
};

/// Runs the built kintree with `arguments` (no shell involved) in
/// `directory`, standard output to `outputPath`.
MeasuredRun runKintreeMeasured(const std::vector<std::string>& arguments,
                               const std::string& directory,
                               const std::string& outputPath = "/dev/null");

/// The whole contents of a file; empty when it cannot be read.
std::string readFile(const std::string& path);

/// Renders `graph` with the real GraphViz and returns the SVG; the text must
/// be accepted without any error or warning. `layout` picks the engine: the
/// layered one takes minutes on a chain tens of thousands deep.
std::string renderSvg(const std::string& graph, const std::string& layout = "dot");

#endif  // KINTREE_TESTS_TEST_SUPPORT_H_
