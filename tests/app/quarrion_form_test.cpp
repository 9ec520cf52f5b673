#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <filesystem>
#include <memory>

#include "app/quarrion_form.h"

namespace quarrion {
namespace {

namespace fs = std::filesystem;

// A program folder of its own, with the built default media and caves beside it.
class FormTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "quarrion_app_tests";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) new QApplication(argc, argv);
  }
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("quarrion-form-" + std::to_string(getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    const fs::path bin = QUARRION_BIN_DIR;
    if (!fs::exists(bin / "data/standard/Fonts.dxg")) GTEST_SKIP() << "the default media are not built";
    fs::create_directory_symlink(bin / "data", folder_ / "data");
    if (fs::exists(bin / "Levels")) fs::copy(bin / "Levels", folder_ / "Levels", fs::copy_options::recursive);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    form_ = std::make_unique<TQuarrionForm>(folder_.string(), std::vector<std::string>{});
    ASSERT_TRUE(form_->Creation());
    form_->CreateDialogs();
  }
  void TearDown() override {
    form_.reset();
    fs::remove_all(folder_);
  }
  QString Caption(const char* action) const {
    auto* found = form_->findChild<QAction*>(action);
    return found != nullptr ? found->text() : QString("<missing %1>").arg(action);
  }
  QMenu* Menu(const char* name) const { return form_->findChild<QMenu*>(name); }

  fs::path folder_;
  std::unique_ptr<TQuarrionForm> form_;
};

TEST_F(FormTest, StartsOnTheTitleWithTheStartupCaptionAndEnglishMenus) {
  EXPECT_EQ(form_->windowTitle(), QString("Quarrion "));
  EXPECT_EQ(form_->Game().play.inGame, 0);
  EXPECT_EQ(form_->Game().play.titleIntro, 1);
  EXPECT_EQ(Menu("GameMenu")->title(), QString("Game"));
  EXPECT_EQ(Caption("GameMenu_LoadGame"), QString("Load Game..       L"));
  EXPECT_EQ(Caption("GameMenu_Stop"), QString("Stop                    Q"));
  EXPECT_EQ(Caption("OptionsMenu_Speed"), QString("Game Speed    S"));
  EXPECT_EQ(Caption("FullScreen"), QString("Full Screen       ALT+ENTER"));
  EXPECT_TRUE(form_->findChild<QAction*>("OptionsMenu_Language_English")->isChecked());
  EXPECT_FALSE(form_->findChild<QAction*>("GameMenu_New")->isVisible()) << "editor items wait for the editor";
  EXPECT_TRUE(form_->findChild<QAction*>("Zoom_Medium")->isChecked()) << "a missing Zoom key starts medium";
}

TEST_F(FormTest, ChoosingGermanRecaptionsTheMenusAndMovesTheCheckMark) {
  form_->findChild<QAction*>("OptionsMenu_Language_Deutsch")->trigger();
  EXPECT_EQ(Menu("GameMenu")->title(), QString("Spiel"));
  EXPECT_EQ(Caption("GameMenu_Exit"), QString("Beenden"));
  EXPECT_EQ(Caption("OptionsMenu_Mute"), QString::fromUtf8("Stummschalten           M"));
  EXPECT_TRUE(form_->findChild<QAction*>("OptionsMenu_Language_Deutsch")->isChecked());
  EXPECT_FALSE(form_->findChild<QAction*>("OptionsMenu_Language_English")->isChecked());
  form_->findChild<QAction*>("OptionsMenu_Language_Polski")->trigger();
  EXPECT_EQ(Caption("OptionsMenu_Mute"), QString::fromUtf8("Wyłączenie dźwięku     M"));
}

TEST_F(FormTest, OpeningAMenuStopsTheClockAndTheFrameTimerUntilItCloses) {
  form_->Game().play.idleCounter = 3;
  emit Menu("GameMenu")->aboutToShow();
  EXPECT_FALSE(form_->GameClockRunning());
  EXPECT_FALSE(form_->FrameTimerEnabled());
  EXPECT_EQ(form_->Game().play.idleCounter, 24);
  emit Menu("GameMenu")->aboutToHide();
  EXPECT_TRUE(form_->FrameTimerEnabled());
}

TEST_F(FormTest, TheMuteItemFollowsTheMuteToggle) {
  auto* mute = form_->findChild<QAction*>("OptionsMenu_Mute");
  mute->trigger();
  EXPECT_TRUE(mute->isChecked());
  mute->trigger();
  EXPECT_FALSE(mute->isChecked());
}

}  // namespace
}  // namespace quarrion
