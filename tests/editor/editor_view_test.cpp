#include "editor/editor_view.h"

#include <gtest/gtest.h>

#include "editor/drawing_tools.h"
#include "editor/editor_session.h"
#include "tests/editor/editor_test_support.h"
#include "tests/view/view_test_support.h"
#include "view/anim_tables.h"

namespace quarrion {
namespace {

using testing::EditorFixture;
using testing::ItemAt;

// The 40-pixel pictures and the fonts as solid squares, on a surface of the editor's size.
struct ViewMedia {
  SoftwareSurface surface;
  ImageList images;
  ImageList fonts;
  ImageList scratch;
  RecordingSoundList waves;
  ScriptedInput input;
  ManualFrameTimer timer;
  RecordingMidiPlayer midi;
  Media media{surface, images, fonts, scratch, waves, input, timer, midi};
  ViewMedia() {
    surface.Resize(800, 472);
    images.Data() = testing::TileImages(40);
    fonts.Data() = testing::FontImages();
  }
};

// The item seen at the middle of a cell.
int ItemInCell(const SoftwareSurface& surface, int cx, int cy) { return ItemAt(surface, cx * 20 + 10, cy * 20 + 10); }

uint16_t PixelAt(const SoftwareSurface& surface, int x, int y) { return surface.Pixels()[std::size_t(y * surface.Width() + x)]; }

TEST(EditorView, FramesTheExitsAndPreviewsALine) {
  EditorFixture f;
  ViewMedia m;
  f.Cell(3, 3) = 50;
  f.Cell(6, 3) = 4;
  f.Cell(9, 3) = 7;  // steel, as the outbox shows every other frame
  f.editor->paletteIndex = 0;
  PressOnSurface(*f.game, *f.editor, MouseButton::Left, 10 * 20 + 10, 10 * 20 + 10, kWithShift);
  MoveOnSurface(*f.game, *f.editor, kHeldLeft, 14 * 20 + 10, 10 * 20 + 10);
  DrawEditorView(*f.game, *f.editor, m.media);
  EXPECT_EQ(PixelAt(m.surface, 3 * 20, 3 * 20), kInboxMarkerColor);
  EXPECT_EQ(PixelAt(m.surface, 3 * 20 + 19, 3 * 20 + 10), kInboxMarkerColor);
  EXPECT_EQ(PixelAt(m.surface, 6 * 20 + 1, 3 * 20 + 19), kOutboxMarkerColor);
  EXPECT_NE(PixelAt(m.surface, 9 * 20, 3 * 20), kOutboxMarkerColor);
  for (int x = 10; x <= 14; ++x) EXPECT_EQ(ItemInCell(m.surface, x, 10), kSteelImage) << x;
  EXPECT_EQ(f.Cell(12, 10), 1) << "only the release draws";
}

TEST(EditorView, ShowsTheLevelAtTwentyPixelsAndSteelOutsideASmallCave) {
  EditorFixture f(16, 0);
  ViewMedia m;
  f.Cell(3, 3) = 24;
  f.Cell(4, 3) = 0;
  f.Cell(30, 5) = 24;  // a demo byte that happens to read as a boulder
  DrawEditorView(*f.game, *f.editor, m.media);
  EXPECT_EQ(ItemInCell(m.surface, 0, 0), kSteelImage);
  EXPECT_EQ(ItemInCell(m.surface, 3, 3), kBoulderImage);
  EXPECT_EQ(ItemInCell(m.surface, 4, 3), -1);  // space shows black
  EXPECT_EQ(ItemInCell(m.surface, 5, 5), kDirtImage + 4 * 8);  // the small caves' dirt
  EXPECT_EQ(ItemInCell(m.surface, 30, 5), kSteelImage);
  EXPECT_EQ(ItemInCell(m.surface, 10, 15), kSteelImage);
}

TEST(EditorView, DrawsThePaletteTheSlotsAndTheSelectionFrame) {
  EditorFixture f;
  ViewMedia m;
  f.editor->paletteIndex = 12;
  f.editor->generatorSlots = {1, 3, 14, 20, 4};
  DrawEditorView(*f.game, *f.editor, m.media);
  EXPECT_EQ(ItemAt(m.surface, PaletteImageX(0) + 10, 456), kSteelImage);
  EXPECT_EQ(ItemAt(m.surface, PaletteImageX(3) + 10, 456), kBoulderImage);
  EXPECT_EQ(ItemAt(m.surface, PaletteImageX(14) + 10, 456), kDummyImage);
  EXPECT_EQ(ItemAt(m.surface, 580 + 10, 456), kDirtImage);
  EXPECT_EQ(ItemAt(m.surface, 636 + 10, 456), kBoulderImage);
  EXPECT_EQ(ItemAt(m.surface, 680 + 10, 456), 0);  // the dummy in a slot shows item 0
  EXPECT_EQ(ItemAt(m.surface, 724 + 10, 456), 0);  // a slot beyond the palette too
  EXPECT_EQ(f.editor->brushImage, kAmoebaAnim[std::size_t(AnimIndex(f.game->play))]);
  // the selection frame lies under the entry, seen at its edge
  EXPECT_EQ(ItemAt(m.surface, PaletteFrameX(12), kPaletteFrameY), 70);
}

TEST(EditorView, PreviewsARectangleOnlyWhileDraggedDownRight) {
  EditorFixture f;
  ViewMedia m;
  f.editor->paletteIndex = 3;
  MouseButtonDown(*f.game, *f.editor, MouseButton::Right, 110, 110);
  MouseMovement(*f.game, *f.editor, kHeldRight, 150, 130);
  DrawEditorView(*f.game, *f.editor, m.media);
  EXPECT_EQ(ItemInCell(m.surface, 5, 5), kBoulderImage);
  EXPECT_EQ(ItemInCell(m.surface, 7, 6), kBoulderImage);
  EXPECT_EQ(f.Cell(7, 6), 1);  // a preview, not yet the level
  MouseMovement(*f.game, *f.editor, kHeldRight, 150, 450);  // off the cave the preview goes
  DrawEditorView(*f.game, *f.editor, m.media);
  EXPECT_EQ(ItemInCell(m.surface, 7, 6), kDirtImage);
}

TEST(EditorView, AnimatesByEightFramesAndFlashesTheClosedExit) {
  EditorFixture f;
  ViewMedia m;
  f.Cell(2, 2) = 4;
  int toggles = 0;
  uint8_t last = f.game->play.animToggle;
  for (int frame = 0; frame < 16; ++frame) {
    DrawEditorView(*f.game, *f.editor, m.media);
    EXPECT_EQ(ItemInCell(m.surface, 2, 2), kExitFlashImage + f.game->play.animToggle);
    toggles += f.game->play.animToggle != last;
    last = f.game->play.animToggle;
  }
  EXPECT_EQ(toggles, 2);
}

}  // namespace
}  // namespace quarrion
