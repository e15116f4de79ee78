#pragma once

#include <string>
#include <sys/resource.h>

// The child's side of the check of a foreign file: it opens the file read-only with the engine
// alone, lists its schema, checks every page and writes what it found to `out` as a report of
// fields, each its decimal length, a colon and its bytes:
//   "E" step code message    the engine failed at step 1 (opening and listing), 2 (columns)
//                            or 3 (the page check)
//   "O" type name table sql real count column...    one entry of the schema
//   "Q" result               the page check's first line ("ok" for a sound file)
//   "Z"                      the end
// It never returns. `path` and `addressSpace` are made before the fork, so the child allocates
// only what the engine does.
[[noreturn]] void inspectInChild(const std::string& path, int out, rlim_t addressSpace,
                                 int seconds);
