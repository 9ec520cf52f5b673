// Where the game's files live once it is installed: the bundled data (packs, tune, default cave
// set) beside the program or in ../share/quarrion, and the player's own copies under
// $XDG_DATA_HOME/Quarrion when the bundled files cannot be written.
#pragma once
#include <string>

namespace quarrion {

inline constexpr char kDefaultCaveSetName[] = "Quarrion.qcv";

// The folder holding data/standard/ and Levels/, with a trailing '/': the program folder itself
// (a build tree, an unpacked folder) or ../share/quarrion/ relative to it (an installed program),
// whichever holds the default packs; the program folder when neither does.
std::string DataFolder(const std::string& programFolder);

// $XDG_DATA_HOME/Quarrion/ (by default ~/.local/share/Quarrion/), with a trailing '/'; empty when
// the system names no data location.
std::string UserDataFolder();

// True when the program keeps its own files (cave set, unpacked media, new packs) beside itself:
// it runs from a folder of its own that it may write. Never for an installed program, whose data
// belongs to the package manager (not even for root, whom the permission bits let write there).
bool KeepsFilesBesideProgram(const std::string& programFolder);

// True when a file could be changed in place: it exists and is writable, or it is missing and its
// folder is writable.
bool CanWriteFile(const std::string& path);

// The cave set to open for a path: the path itself, unless it is the bundled default set and that
// cannot be written. Then it is the player's copy in UserDataFolder()/Levels/, made on first use,
// so play can keep its saved position, hi-score and demos. A copy that cannot be made gives the
// bundled path back (it still plays, its writes just fail).
std::string PlayableCaveSetPath(const std::string& path, const std::string& programFolder);

// The default cave set path for this user: PlayableCaveSetPath of the bundled default set.
std::string DefaultCaveSetPath(const std::string& programFolder);

// Where the cave set dialogs start: the bundled Levels/ when it can be written, else the
// player's Levels/ folder (made when missing).
std::string LevelsFolder(const std::string& programFolder);

// Where unpacked media go: "Unpack" beside the program when the program folder can be written,
// else UserDataFolder()/Unpack.
std::string UnpackFolder(const std::string& programFolder);

// Where new packs are saved by default: the data folder's "data" beside the program when the
// program folder can be written, else UserDataFolder()/Packs (made when missing).
std::string NewPacksFolder(const std::string& programFolder);

// A pack path as stored in the configuration: relative to the data folder when it is a file inside
// it (so an installed program moved to another prefix still finds its packs), else unchanged.
std::string StoredPackPath(const std::string& path, const std::string& programFolder);
// The path a stored pack path stands for: a relative path that exists in the data folder lies
// there (any other is left as it is); an absolute
// one that is gone but whose part from "data/" on exists in the current data folder is taken from
// there (a configuration written by an older install at another prefix).
std::string ResolvedPackPath(const std::string& stored, const std::string& programFolder);

}  // namespace quarrion
