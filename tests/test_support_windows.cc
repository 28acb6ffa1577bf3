#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>

#include <algorithm>
#include <vector>

#include "test_support.h"

namespace {

/// The words of a command written for a POSIX shell: blanks separate words,
/// '...' is literal, "..." and a bare backslash escape the next character.
std::vector<std::string> shellWords(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == ' ' || c == '\t') {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
      continue;
    }
    inWord = true;
    if (c == '\'') {
      size_t end = text.find('\'', i + 1);
      if (end == std::string::npos) end = text.size();
      word.append(text, i + 1, end - i - 1);
      i = end;
    } else if (c == '"') {
      for (++i; i < text.size() && text[i] != '"'; ++i) {
        if (text[i] == '\\' && i + 1 < text.size() &&
            std::string("\"\\$`").find(text[i + 1]) != std::string::npos)
          ++i;
        word += text[i];
      }
    } else if (c == '\\' && i + 1 < text.size()) {
      word += text[++i];
    } else {
      word += c;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

/// One argument as the C runtime of the child splits its command line.
std::string quoted(const std::string& word) {
  if (!word.empty() && word.find_first_of(" \t\"") == std::string::npos) return word;
  std::string result = "\"";
  size_t backslashes = 0;
  for (char c : word) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes count double only before a quote.
    result.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    result += c;
  }
  result.append(backslashes * 2, '\\');
  return result + "\"";
}

HANDLE inheritableFile(const std::string& path) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string withoutCarriageReturns(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  return text;
}

/// Runs kintree with `words` in `directory`, its standard streams to the
/// two files; the exit status, and the peak memory if asked for.
int spawnKintree(const std::vector<std::string>& words, const std::string& directory,
                 const std::string& outPath, const std::string& errPath,
                 long* peakKilobytes = nullptr) {
  std::string command = quoted(KINTREE_BINARY);
  for (const std::string& word : words) command += " " + quoted(word);
  HANDLE outFile = inheritableFile(outPath);
  HANDLE errFile = inheritableFile(errPath);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = outFile;
  startup.hStdError = errFile;
  PROCESS_INFORMATION process = {};
  int result = -1;
  if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, directory.c_str(),
                     &startup, &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    if (GetExitCodeProcess(process.hProcess, &status)) result = static_cast<int>(status);
    PROCESS_MEMORY_COUNTERS memory = {};
    if (peakKilobytes && K32GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory)) {
      *peakKilobytes = static_cast<long>(memory.PeakWorkingSetSize / 1024);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(outFile);
  CloseHandle(errFile);
  return result;
}

}  // namespace

TempDir::TempDir() {
  char base[MAX_PATH + 1];
  DWORD length = GetTempPathA(sizeof base, base);
  std::string temp = length > 0 && length < sizeof base ? std::string(base, length) : ".\\";
  static unsigned serial = 0;
  for (;;) {
    path_ = temp + "kintree-test-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(serial++);
    if (CreateDirectoryA(path_.c_str(), nullptr) || GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
}

RunResult runKintree(const std::string& arguments, const std::string& directory) {
  TempDir capture;
  std::string out = capture.path() + "\\out";
  std::string err = capture.path() + "\\err";
  RunResult result;
  result.status = spawnKintree(shellWords(arguments), directory, out, err);
  result.out = withoutCarriageReturns(readFile(out));
  result.err = withoutCarriageReturns(readFile(err));
  return result;
}

MeasuredRun runKintreeMeasured(const std::vector<std::string>& arguments,
                               const std::string& directory, const std::string& outputPath) {
  TempDir capture;
  std::string err = capture.path() + "\\err";
  MeasuredRun result;
  // The POSIX null device has its own name here.
  std::string out = outputPath == "/dev/null" ? std::string("NUL") : outputPath;
  result.status = spawnKintree(arguments, directory, out, err, &result.peakKilobytes);
  result.err = withoutCarriageReturns(readFile(err));
  return result;
}
