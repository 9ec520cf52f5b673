#include <gtest/gtest.h>

#include "app/media/headless_media.h"

namespace quarrion {
namespace {

// A 4 × 2 picture of two 2 × 2 patterns: red/magenta on the left, green/blue on the right.
ImageList TwoPatternList() {
  ImageList list;
  ImageItem item;
  item.patternWidth = 2;
  item.patternHeight = 2;
  item.bitmap = Bitmap{4, 2, {0xFF0000, kMagenta, 0x00FF00, 0x0000FF,
                              kMagenta, 0xFF0000, 0x0000FF, 0x00FF00}};
  list.Data().items.push_back(item);
  return list;
}

TEST(SoftwareSurface, DrawsTheChosenPatternAndKeepsTransparentPixels) {
  SoftwareSurface surface(4, 4);
  surface.Fill(ToRgb565(0x808080));
  const ImageList list = TwoPatternList();
  surface.Draw(list, 0, 0, 1, 1);
  EXPECT_EQ(surface.Pixel(1, 1), ToRgb565(0xFF0000));
  EXPECT_EQ(surface.Pixel(2, 1), ToRgb565(0x808080)) << "magenta is transparent";
  EXPECT_EQ(surface.Pixel(2, 2), ToRgb565(0xFF0000));
  surface.Draw(list, 0, 1, 0, 0);
  EXPECT_EQ(surface.Pixel(0, 0), ToRgb565(0x00FF00));
  EXPECT_EQ(surface.Pixel(1, 0), ToRgb565(0x0000FF));
}

TEST(SoftwareSurface, ClipsAtEveryEdgeAndIgnoresMissingItems) {
  SoftwareSurface surface(3, 3);
  const ImageList list = TwoPatternList();
  surface.Draw(list, 0, 1, -1, -1);  // only the bottom-right pixel of the pattern lands
  EXPECT_EQ(surface.Pixel(0, 0), ToRgb565(0x00FF00));
  surface.Draw(list, 0, 1, 2, 2);
  EXPECT_EQ(surface.Pixel(2, 2), ToRgb565(0x00FF00));
  surface.Draw(list, 0, 2, 0, 0);  // no third pattern
  surface.Draw(list, 5, 0, 0, 0);  // no such item
  EXPECT_EQ(surface.Pixel(1, 1), 0);
}

TEST(SoftwareSurface, StretchDrawScalesByNearestPixel) {
  SoftwareSurface surface(8, 8);
  const ImageList list = TwoPatternList();
  surface.StretchDraw(list, 0, 1, Rect{0, 0, 4, 4});
  EXPECT_EQ(surface.Pixel(0, 0), ToRgb565(0x00FF00));
  EXPECT_EQ(surface.Pixel(1, 1), ToRgb565(0x00FF00));
  EXPECT_EQ(surface.Pixel(2, 0), ToRgb565(0x0000FF));
  EXPECT_EQ(surface.Pixel(3, 3), ToRgb565(0x00FF00));
  EXPECT_EQ(surface.Pixel(4, 0), 0);
}

TEST(ImageItem, PatternCountHandlesSkipsAndNonsense) {
  ImageItem item;
  item.bitmap = Bitmap{10, 4, std::vector<uint32_t>(40)};
  EXPECT_EQ(item.PatternCount(), 1) << "0 means the picture's own size";
  item.patternWidth = 4;
  item.patternHeight = 4;
  item.skipWidth = 2;
  EXPECT_EQ(item.PatternCount(), 2);
  item.skipWidth = -4;
  EXPECT_EQ(item.PatternCount(), 0) << "a skip that cancels the width must not divide by zero";
}

TEST(ToRgb565, KeepsTheTopBitsOfEachChannel) {
  EXPECT_EQ(ToRgb565(0xFFFFFF), 0xFFFF);
  EXPECT_EQ(ToRgb565(0xFF0000), 0xF800);
  EXPECT_EQ(ToRgb565(0x00FF00), 0x07E0);
  EXPECT_EQ(ToRgb565(0x0000FF), 0x001F);
  EXPECT_EQ(ToRgb565(0x070307), 0x0000);
}

TEST(RecordingSoundList, RecordsCallsInOrder) {
  RecordingSoundList sounds;
  sounds.SetLooped(13, true);
  sounds.Play(13);
  sounds.Stop(13);
  using Call = RecordingSoundList::Call;
  const std::vector<Call> expected = {{"looped", 13, 1}, {"play", 13, 0}, {"stop", 13, 0}};
  EXPECT_EQ(sounds.Calls(), expected);
}

TEST(ScriptedInput, TakesOneQueuedStatePerPollThenHolds) {
  ScriptedInput input;
  input.Queue(InputState{.up = true});
  input.Queue(InputState{.button1 = true});
  input.Poll();
  EXPECT_TRUE(input.States().up);
  input.Poll();
  EXPECT_FALSE(input.States().up);
  EXPECT_TRUE(input.States().button1);
  input.Poll();
  EXPECT_TRUE(input.States().button1);
  EXPECT_EQ(input.Polls(), 3);
}

TEST(RecordingMidiPlayer, RefusesAMissingFileAndNotifiesAtTheEnd) {
  RecordingMidiPlayer midi;
  midi.SetFileName("/nonexistent/tune.mid");
  EXPECT_FALSE(midi.Open());
  midi.Play();
  EXPECT_FALSE(midi.Playing());

  midi.SetFileName("/proc/self/exe");
  ASSERT_TRUE(midi.Open());
  int notified = 0;
  midi.SetNotify([&] { ++notified; });
  midi.SetTrackLength(1000);
  midi.Play();
  midi.Advance(600);
  EXPECT_EQ(notified, 0);
  midi.Advance(600);
  EXPECT_EQ(notified, 1);
  EXPECT_FALSE(midi.Playing());
  EXPECT_EQ(midi.Position(), 1000);
  midi.Rewind();
  EXPECT_EQ(midi.Position(), 0);
}

}  // namespace
}  // namespace quarrion
