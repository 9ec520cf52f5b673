#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <filesystem>
#include <memory>

#include "app/quarrion_form.h"
#include "tests/app/form_fixture.h"

namespace quarrion {
namespace {

using testing::FormTest;
namespace fs = std::filesystem;

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
