#include "tools/media_gen/media_set.h"

#include <filesystem>
#include <span>

#include "app/media/pack.h"
#include "core/safe_file.h"
#include "tools/media_gen/fonts.h"
#include "tools/media_gen/palette.h"
#include "tools/media_gen/png.h"
#include "tools/media_gen/sheet.h"
#include "tools/media_gen/sounds.h"
#include "tools/media_gen/tune.h"
#include "tools/media_gen/tiles.h"

namespace quarrion::art {
namespace {

namespace fs = std::filesystem;

// The colour table a pack carries for 256-colour displays: entries as red, green, blue and a
// flag byte, here a 6 × 6 × 6 cube and a grey ramp.
std::array<uint32_t, 256> ColourTable() {
  std::array<uint32_t, 256> table{};
  for (int i = 0; i < 216; ++i) {
    const uint32_t r = uint32_t(i / 36 * 51), g = uint32_t(i / 6 % 6 * 51), b = uint32_t(i % 6 * 51);
    table[std::size_t(i)] = r | g << 8 | b << 16;
  }
  for (int i = 216; i < 256; ++i) {
    const uint32_t v = uint32_t((i - 216) * 255 / 39);
    table[std::size_t(i)] = v | v << 8 | v << 16;
  }
  return table;
}

bool Fail(std::string* error, const std::string& message) {
  if (error != nullptr) *error = message;
  return false;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error) {
  const FileWriteResult result = WriteFileSafely(path, std::span<const uint8_t>(bytes));
  return result ? true : Fail(error, "cannot write " + path + ": " + result.Reason());
}

}  // namespace

ImageListData ImageListOf(const std::vector<Canvas>& pictures) {
  ImageListData list;
  list.colorTable = ColourTable();
  for (const Canvas& picture : pictures) {
    ImageItem item;
    item.systemMemory = true;
    item.transparent = true;
    item.transparentColor = kMagenta;
    item.bitmap = picture.ToBitmap();
    list.items.push_back(std::move(item));
  }
  return list;
}

bool WriteDefaultMedia(const std::string& folder, std::string* error) {
  const fs::path dir(folder);
  for (const Zoom& z : kZooms)
    if (!WritePack((dir / z.packName).string(), ImageListOf(DrawGraphicsPack(z.tileSize, z.width, z.height)), error))
      return false;
  if (!WritePack((dir / "Fonts.dxg").string(), ImageListOf(DrawFontPack()), error)) return false;
  SoundListData sounds;
  for (Wave& wave : SynthesizeSounds()) sounds.items.push_back(SoundItem{"", false, 0, std::move(wave)});
  if (!WritePack((dir / "Sounds.dxw").string(), sounds, error)) return false;
  return WriteFile((dir / "Quarrion.mid").string(), ComposeTitleTune(), error);
}

bool WriteSheets(const std::string& folder, std::string* error) {
  const fs::path dir(folder);
  const std::vector<Canvas> fonts = DrawFontPack();
  bool ok = WritePng((dir / "fonts_sheet.png").string(), ContactSheet(fonts, 10, 2).ToBitmap());
  for (int zoom = 0; zoom < 3; ++zoom) {
    const Zoom& z = kZooms[zoom];
    const std::vector<Canvas> graphics = DrawGraphicsPack(z.tileSize, z.width, z.height);
    const std::string size = std::to_string(z.tileSize);
    ok = WritePng((dir / ("graphics" + size + "_sheet.png")).string(),
                  ContactSheet(graphics, 16, z.tileSize == 24 ? 2 : 1).ToBitmap()) && ok;
    // close-ups of each group of tiles
    static constexpr int kGroups[][2] = {{0, 16}, {16, 40}, {40, 72}, {72, 112}};
    for (const auto& group : kGroups) {
      const std::vector<Canvas> part(graphics.begin() + group[0], graphics.begin() + group[1]);
      const std::string name = "detail" + size + "_" + std::to_string(group[0]) + ".png";
      ok = WritePng((dir / name).string(), ContactSheet(part, 6, 120 / z.tileSize, group[0]).ToBitmap()) && ok;
    }
    ok = WritePng((dir / ("mock_game" + size + ".png")).string(), MockGameFrame(graphics, fonts, zoom).ToBitmap()) && ok;
    ok = WritePng((dir / ("mock_intro" + size + ".png")).string(), MockIntroFrame(graphics, zoom).ToBitmap()) && ok;
    ok = WritePng((dir / ("mock_title" + size + ".png")).string(), MockTitleFrame(graphics, fonts, zoom).ToBitmap()) && ok;
  }
  return ok || Fail(error, "cannot write the sheets into " + folder);
}

}  // namespace quarrion::art
