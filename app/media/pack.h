// Graphics, font and sound packs: one saved media list behind a small resource header, as a
// tagged property stream. Reading refuses anything the layout does not allow, with a reason.
#pragma once
#include <string>

#include "app/media/media.h"
#include "app/media/media_types.h"

namespace quarrion {

// Empties the list, then reads the pack into it; on failure the list may be partly filled and
// error (when given) says why.
bool ReadPack(const std::string& path, ImageListData& list, std::string* error = nullptr);
bool ReadPack(const std::string& path, SoundListData& list, std::string* error = nullptr);
// Creates or replaces the file; a failure leaves an existing file as it was.
bool WritePack(const std::string& path, const ImageListData& list, std::string* error = nullptr);
bool WritePack(const std::string& path, const SoundListData& list, std::string* error = nullptr);

// Fill a media list from a pack.
bool LoadImageList(const std::string& path, ImageList& list, std::string* error = nullptr);
bool LoadSoundList(const std::string& path, SoundList& list, std::string* error = nullptr);

// The configured pack, or the default one when it fails, whose path then replaces the configured
// one. False when the default fails too.
bool LoadImageListOrDefault(std::string& path, const std::string& defaultPath, ImageList& list);
bool LoadSoundListOrDefault(std::string& path, const std::string& defaultPath, SoundList& list);

}  // namespace quarrion
