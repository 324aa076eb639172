// Safe replacement of a file: the new contents are written to a temporary
// file in the target's directory, pushed to the disk and only then moved over
// the target, so that a failure on the way leaves the old file as it was.
#pragma once

#include <cstdio>
#include <string>

namespace xtr {

// Creates a new file with a name not yet taken in the directory of target
// (the target's name with a suffix) and opens it for binary writing. When the
// target exists, the new file takes over its permission bits (and, where
// the system allows it, its group). Returns nullptr
// if no such file can be created; tempPath receives the name on success.
std::FILE* CreateTempFileBeside(const std::string& target, std::string& tempPath);

// Flushes the stream's buffer and asks the system to put the file's data on
// the disk. False if either step fails.
bool FlushFileToDisk(std::FILE* file);

// Moves source over target, replacing an existing target in one step.
// (Not named ReplaceFile: the Windows headers take that name as a macro.)
bool MoveOverFile(const std::string& source, const std::string& target);

}  // namespace xtr
