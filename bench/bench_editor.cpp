// The editor's per-frame view (880 pictures of 40 pixels drawn at 20) and the cost of one undo
// step, which compares the whole cave set with the snapshot taken before the action.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/media/headless_media.h"
#include "editor/drawing_tools.h"
#include "editor/editor_session.h"
#include "editor/editor_view.h"

namespace quarrion {
namespace {

ImageListData Pictures(int size, int count) {
  ImageListData data;
  for (int n = 0; n < count; ++n) {
    ImageItem item;
    item.bitmap.width = size;
    item.bitmap.height = size;
    item.bitmap.pixels.assign(std::size_t(size) * std::size_t(size), uint32_t(0x10203 * (n + 1)));
    data.items.push_back(std::move(item));
  }
  return data;
}

void BM_DrawEditorView(benchmark::State& state) {
  auto game = std::make_unique<GameState>();
  auto editor = std::make_unique<EditorState>();
  EnterEditor(*game, *editor);
  editor->paletteIndex = 3;
  SoftwareSurface surface;
  surface.Resize(800, 472);
  ImageList images, fonts, scratch;
  images.Data() = Pictures(40, 114);
  fonts.Data() = Pictures(8, 82);
  RecordingSoundList waves;
  ScriptedInput input;
  ManualFrameTimer timer;
  RecordingMidiPlayer midi;
  Media media{surface, images, fonts, scratch, waves, input, timer, midi};
  for (auto _ : state) DrawEditorView(*game, *editor, media);
}
BENCHMARK(BM_DrawEditorView);

void BM_UndoStepOfOneCell(benchmark::State& state) {
  auto game = std::make_unique<GameState>();
  auto editor = std::make_unique<EditorState>();
  EnterEditor(*game, *editor);
  editor->paletteIndex = 3;
  int i = 0;
  for (auto _ : state) {
    BeginEditStep(*game, *editor);
    editor->paletteIndex = int16_t(3 + (i++ & 1));
    MouseButtonDown(*game, *editor, MouseButton::Left, 50, 50);
    EndEditStep(*game, *editor);
  }
}
BENCHMARK(BM_UndoStepOfOneCell);

}  // namespace
}  // namespace quarrion

BENCHMARK_MAIN();
