#ifndef KINTREE_SCAN_WALK_PATH_H_
#define KINTREE_SCAN_WALK_PATH_H_

#include <string>

class ScanContext;

/// Lists one path argument (file, directory or wildcard), descends into the
/// directories it meets, skips files matching the -V patterns and hands
/// every regular *.java file at once to parseFile. Returns how many files it
/// handed over. A path that names nothing, or a wildcard that matches no
/// entry, is reported as an error and sets the context's pathMissing.
int walkPath(const std::string& path, ScanContext& context);

#endif  // KINTREE_SCAN_WALK_PATH_H_
