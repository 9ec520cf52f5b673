// Reading and writing cave set files: exactly the 96000 bytes of the set, recognised by length alone.
#pragma once
#include <string>

#include "core/cave_set.h"
#include "core/safe_file.h"

namespace quarrion {

// True when a file of this length is taken as a cave set: its length rounded down to whole
// 128-byte units is 96000, so 96000..96127 bytes.
bool IsAcceptedCaveSetLength(unsigned long long length);

// Reads the first 96000 bytes into caves when the file is accepted; a refused or unreadable
// file leaves caves untouched.
bool ReadCaveSetFile(const std::string& path, CaveSet& caves);

// Writes the set through the safe writer: a failure at any step leaves the old file as it was and
// says why. The silent writes of play ignore the result; the save commands report it.
FileWriteResult WriteCaveSetFile(const std::string& path, const CaveSet& caves);

// The set name of a path: no folder, last four characters dropped.
std::string CaveSetNameOf(const std::string& path);

// The window caption for a set name: "Quarrion - NAME.qcv", or "Quarrion" without a name.
std::string CaveSetCaption(const std::string& setName);

}  // namespace quarrion
