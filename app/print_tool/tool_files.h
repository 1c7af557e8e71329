#pragma once
// The files zelmark-print reads and writes, seen the way the tool needs
// them: a list or settings file read whole while Ctrl+C still works (a FIFO
// with no writer yet, a terminal), and every refusal worded with its cause,
// so that a failure says more than "cannot read".

#include <string>

namespace zel::app {

// The cause of a failed system call, in Japanese, for `errno`.
std::string CauseOf(int error);

// False only when nothing at all is at `path` (UTF-8).
bool PathExists(const std::string& path);

// The whole file at `path` (UTF-8). Raises EToolFailure "<shown>: <what>:
// <cause>": no such file, a folder, no permission, not a regular file, an
// empty file. A FIFO or a pipe is read too unless `regularOnly`. A caught
// signal raises the tool's interruption.
std::string ReadWholeFile(const std::string& path, const std::string& shown, const char* what,
                          bool regularOnly = false);

// Standard input, whole. `closed`: it was closed when the tool started.
// Closed, or a terminal at which nothing was typed, get their own words.
std::string ReadStandardInput(bool closed);

// Raises EToolFailure "<target> を作成できません: <cause>" when the file
// cannot be made: its folder is missing or is not a folder, the folder or
// the file may not be written, or the name is a folder or a device.
void CheckOutputFile(const std::string& target);

// The cause to add to a failed write of a file in `folder` (UTF-8) when the
// disk there is full; empty otherwise.
std::string DiskFullCause(const std::string& folder);

} // namespace zel::app
