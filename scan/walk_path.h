#ifndef KINTREE_SCAN_WALK_PATH_H_
#define KINTREE_SCAN_WALK_PATH_H_

#include <functional>
#include <regex>
#include <string>
#include <vector>

/// Called with the full path of each file the walk selects.
using FileCallback = std::function<void(const std::string& path)>;

/// Lists one path argument (file, directory or wildcard), descends into the
/// directories it meets, skips files whose full path matches one of
/// `ignoreFilePatterns` (-V) and hands every regular *.java file at once to
/// `onFile`. Returns how many files it handed over, or -1 when the path names
/// nothing (no such file or directory, or a wildcard that matches no entry),
/// which it reports as an error.
int walkPath(const std::string& path, const std::vector<std::regex>& ignoreFilePatterns,
             const FileCallback& onFile);

#endif  // KINTREE_SCAN_WALK_PATH_H_
