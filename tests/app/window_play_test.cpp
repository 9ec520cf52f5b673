#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QSlider>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/elements.h"
#include "core/game_phases.h"
#include "tests/app/form_fixture.h"
#include "tests/app/virtual_pad.h"

namespace quarrion {
namespace {

using testing::FormTest;
namespace fs = std::filesystem;

struct Cell {
  int x = -1;
  int y = -1;
};

class WindowPlayTest : public FormTest {
 protected:
  void Key(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(type, key, modifiers);
    QApplication::sendEvent(form_.get(), &event);
  }
  void Tap(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Key(QEvent::KeyPress, key, modifiers);
    Key(QEvent::KeyRelease, key, modifiers);
  }
  Cell PlayerCell() const {
    const Grid& field = form_->Game().grids.playfield;
    for (int x = 0; x < kGridWidth; ++x)
      for (int y = 0; y < kGridHeight; ++y)
        if (field(x, y) == Element::Player) return {x, y};
    return {};
  }
  // Leaves the intro, starts the first cave and steps until the player stands and the next
  // tick is a scan's.
  void StartPlaying() {
    if (form_->Game().play.titleIntro) Tap(Qt::Key_Space);
    Tap(Qt::Key_Space);
    const PlayState& s = form_->Game().play;
    for (int i = 0; i < 4000 && !(s.phase == PhasePlay && s.playerAlive && PlayerCell().x >= 0 && s.subFrame == 0); ++i)
      form_->FrameTick();
    ASSERT_EQ(s.phase, PhasePlay);
    ASSERT_GE(PlayerCell().x, 0) << "the player was born";
  }
  // A key that steers onto dirt or space from where the player stands, and the cell it leads to.
  std::pair<int, Cell> OpenDirection() const {
    const Cell p = PlayerCell();
    const Grid& field = form_->Game().grids.playfield;
    const std::pair<int, Cell> choices[] = {{Qt::Key_Right, {p.x + 1, p.y}}, {Qt::Key_Left, {p.x - 1, p.y}},
                                            {Qt::Key_Down, {p.x, p.y + 1}}, {Qt::Key_Up, {p.x, p.y - 1}}};
    for (const auto& choice : choices) {
      const uint8_t code = field(choice.second.x, choice.second.y);
      if (code == Space || code == Dirt) return choice;
    }
    return {0, {}};
  }
  void Ticks(int count) {
    for (int i = 0; i < count; ++i) form_->FrameTick();
  }
  // 20 taps of about three frames each (40 ms at 14 ms a frame), spread over every phase of
  // the eight-frame step; how many moved the player.
  int TwentyTaps() {
    int moved = 0;
    for (int tap = 0; tap < 20; ++tap) {
      StartPlaying();
      const auto [key, target] = OpenDirection();
      if (key == 0) ADD_FAILURE() << "no open cell beside the player";
      const Cell before = PlayerCell();
      Ticks(tap % 8);
      Key(QEvent::KeyPress, key);
      Ticks(3);
      Key(QEvent::KeyRelease, key);
      Ticks(16);
      if (PlayerCell().x != before.x || PlayerCell().y != before.y) ++moved;
      form_->Game().play.lives = 3;  // Q takes a life: never let it end the game
      Key(QEvent::KeyPress, Qt::Key_Q);  // back to the title for the next tap
      Key(QEvent::KeyRelease, Qt::Key_Q);
      Ticks(2);
    }
    return moved;
  }
};

TEST_F(WindowPlayTest, ADirectionHeldOnlyDuringTheScansTickMovesThePlayer) {
  StartPlaying();
  const auto [key, target] = OpenDirection();
  ASSERT_NE(key, 0);
  Key(QEvent::KeyPress, key);
  form_->FrameTick();  // the scan's tick: the scan itself samples the controls
  Key(QEvent::KeyRelease, key);
  Ticks(8);
  EXPECT_EQ(PlayerCell().x, target.x);
  EXPECT_EQ(PlayerCell().y, target.y);
}

TEST_F(WindowPlayTest, APadPluggedInDuringPlaySteersThePlayer) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
  StartPlaying();
  VirtualPad pad = VirtualPad::Controller();
  ASSERT_TRUE(pad.Plugged()) << SDL_GetError();
  const auto [key, target] = OpenDirection();
  const int button = key == Qt::Key_Right  ? SDL_CONTROLLER_BUTTON_DPAD_RIGHT
                     : key == Qt::Key_Left ? SDL_CONTROLLER_BUTTON_DPAD_LEFT
                     : key == Qt::Key_Down ? SDL_CONTROLLER_BUTTON_DPAD_DOWN
                                           : SDL_CONTROLLER_BUTTON_DPAD_UP;
  pad.Button(button, true);
  SDL_Delay(2);  // the pads are read at most once a millisecond
  form_->FrameTick();
  pad.Button(button, false);
  SDL_Delay(2);
  Ticks(8);
  EXPECT_EQ(PlayerCell().x, target.x);
  EXPECT_EQ(PlayerCell().y, target.y);
  pad.Unplug();
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

TEST_F(WindowPlayTest, OnlyTheKeypadsDigitsSteer) {
  StartPlaying();
  const Cell start = PlayerCell();
  for (int key : {Qt::Key_8, Qt::Key_2, Qt::Key_4, Qt::Key_6}) {
    Key(QEvent::KeyPress, key);
    Ticks(8);
    Key(QEvent::KeyRelease, key);
  }
  EXPECT_EQ(PlayerCell().x, start.x) << "the main row's digits are no controls";
  EXPECT_EQ(PlayerCell().y, start.y);
  const auto [arrow, target] = OpenDirection();
  const int digit = arrow == Qt::Key_Right ? Qt::Key_6 : arrow == Qt::Key_Left ? Qt::Key_4
                    : arrow == Qt::Key_Down ? Qt::Key_2 : Qt::Key_8;
  Key(QEvent::KeyPress, digit, Qt::KeypadModifier);
  Ticks(4);  // released before the frames that latch for the next step
  Key(QEvent::KeyRelease, digit, Qt::KeypadModifier);
  Ticks(2);
  EXPECT_EQ(PlayerCell().x, target.x) << "the keypad's digit steers";
  EXPECT_EQ(PlayerCell().y, target.y);
}

TEST_F(WindowPlayTest, QuickTapsAreLostAsBeforeUnlessTheyAreKept) {
  const int off = TwentyTaps();
  auto* keep = form_->findChild<QAction*>("OptionsMenu_ResponsiveTaps");
  ASSERT_NE(keep, nullptr);
  EXPECT_FALSE(keep->isChecked()) << "off unless chosen";
  keep->trigger();
  EXPECT_TRUE(keep->isChecked());
  const int on = TwentyTaps();
  std::printf("20 taps of three frames: %d moved with taps not kept, %d with taps kept\n", off, on);
  EXPECT_LT(off, 20) << "a tap between scans is not seen by the next scan";
  EXPECT_EQ(on, 20);
}

TEST_F(WindowPlayTest, ShiftedEditorKeysStillStepCaveAndLevel) {
  form_->Editor();
  const uint8_t cave = form_->Game().play.caveNo;
  const uint8_t level = form_->Game().play.levelNo;
  Tap(Qt::Key_Plus, Qt::ShiftModifier);
  EXPECT_EQ(form_->Game().play.caveNo, cave + 1);
  Tap(Qt::Key_Underscore, Qt::ShiftModifier);
  EXPECT_EQ(form_->Game().play.caveNo, cave);
  Tap(Qt::Key_BraceRight, Qt::ShiftModifier);
  EXPECT_EQ(form_->Game().play.levelNo, level + 1);
  Tap(Qt::Key_BraceLeft, Qt::ShiftModifier);
  EXPECT_EQ(form_->Game().play.levelNo, level);
}

TEST_F(WindowPlayTest, HelpOpensAtOnceAndPausesTheGame) {
  auto* help = form_->findChild<QAction*>("HelpMenu");
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->menu(), nullptr) << "no drop-down to click through";
  StartPlaying();
  bool dialogShown = false;
  QTimer::singleShot(50, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    dialogShown = dialog != nullptr;
    if (dialog != nullptr) dialog->close();
  });
  help->trigger();
  EXPECT_TRUE(dialogShown);
  EXPECT_EQ(form_->Game().play.phase, PhasePause) << "closed without OK, the game stays paused";
}

TEST_F(WindowPlayTest, SpeedZeroTicksAtTheFloorInsteadOfSpinning) {
  auto* slider = form_->findChild<QSlider*>("TrackBar_Speed");
  ASSERT_NE(slider, nullptr);
  slider->setValue(0);
  EXPECT_EQ(form_->Settings().speed, 0) << "the setting itself is kept";
  EXPECT_EQ(form_->FrameTimerInterval(), kMinTickMs);
  slider->setValue(14);
  EXPECT_EQ(form_->FrameTimerInterval(), 14);
}

// The settings as they are in force at the close are those of the next start.
TEST_F(FormTest, ZoomSpeedMuteAndLanguageSurviveARestart) {
  form_->findChild<QAction*>("Zoom_Large")->trigger();
  form_->findChild<QSlider*>("TrackBar_Speed")->setValue(9);
  form_->findChild<QAction*>("OptionsMenu_Mute")->trigger();
  form_->findChild<QAction*>("OptionsMenu_Language_Polski")->trigger();
  ASSERT_TRUE(form_->close());
  form_ = std::make_unique<TQuarrionForm>(folder_.string(), std::vector<std::string>{});
  ASSERT_TRUE(form_->Creation());
  form_->CreateDialogs();
  EXPECT_TRUE(form_->findChild<QAction*>("Zoom_Large")->isChecked());
  EXPECT_EQ(form_->SurfaceRect().size(), QSize(800, 504));
  EXPECT_EQ(form_->Settings().speed, 9);
  EXPECT_EQ(form_->FrameTimerInterval(), 9);
  EXPECT_TRUE(form_->findChild<QAction*>("OptionsMenu_Mute")->isChecked());
  EXPECT_EQ(Menu("GameMenu")->title(), QString("Gra"));
}

TEST_F(FormTest, TheCaveSetOpenedByARelativePathIsStoredAbsolute) {
  const fs::path before = fs::current_path();
  fs::current_path(folder_);
  form_ = std::make_unique<TQuarrionForm>(folder_.string(), std::vector<std::string>{"Levels/Quarrion.qcv"});
  ASSERT_TRUE(form_->Creation());
  fs::current_path(before);
  ASSERT_TRUE(form_->close());
  std::ifstream ini(folder_ / "Quarrion.ini");
  const std::string text((std::istreambuf_iterator<char>(ini)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("Open=" + (folder_ / "Levels/Quarrion.qcv").lexically_normal().string()), std::string::npos)
      << text;
}

TEST_F(FormTest, AFirstStartWithoutArgumentOrSettingsOpensTheBundledSetAndSpaceStarts) {
  ASSERT_FALSE(fs::exists(folder_ / "Quarrion.ini"));
  EXPECT_EQ(form_->Game().caveSet.caveSetLoaded, 1);
  EXPECT_TRUE(form_->findChild<QAction*>("GameMenu_Start")->isEnabled());
  for (int press = 0; press < 2; ++press) {
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QApplication::sendEvent(form_.get(), &down);
  }
  EXPECT_EQ(form_->Game().play.inGame, 1) << "the second Space starts a game";
  // a last set that has gone since falls back to the bundled one too
  form_.reset();
  std::ofstream(folder_ / "Quarrion.ini") << "[Config]\nOpen=" << (folder_ / "gone.qcv").string() << "\n";
  form_ = std::make_unique<TQuarrionForm>(folder_.string(), std::vector<std::string>{});
  ASSERT_TRUE(form_->Creation());
  EXPECT_EQ(form_->Game().caveSet.caveSetLoaded, 1);
  EXPECT_EQ(form_->Game().caveSet.caveSetFileName, folder_.string() + "/Levels/Quarrion.qcv");
}

}  // namespace
}  // namespace quarrion
