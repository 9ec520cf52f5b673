// The pack layout in memory: the file readers and writers of pack.h, and the fuzz target, use
// these. Reading refuses anything the layout does not allow and says why in error.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/media/media_types.h"

namespace quarrion {

constexpr std::string_view kImageResourceName = "DelphiXPictureCollection";
constexpr std::string_view kSoundResourceName = "DelphiXWaveCollection";
constexpr std::string_view kImageListClass = "TPictureCollectionComponent";
constexpr std::string_view kSoundListClass = "TWaveCollectionComponent";

// Empty the list, then fill it from the pack image; on failure the list may be partly filled.
bool ParseImagePack(std::span<const uint8_t> bytes, ImageListData& list, std::string* error = nullptr);
bool ParseSoundPack(std::span<const uint8_t> bytes, SoundListData& list, std::string* error = nullptr);

std::vector<uint8_t> BuildImagePack(const ImageListData& list);
std::vector<uint8_t> BuildSoundPack(const SoundListData& list);

// TColor names for the colours that have one (0xRRGGBB); empty when the colour has none.
std::string_view ColorName(uint32_t rgb);
// The colour of a name such as "clFuchsia"; false for names this reader does not know.
bool ColorOfName(std::string_view name, uint32_t& rgb);

}  // namespace quarrion
