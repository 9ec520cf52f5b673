#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <chrono>
#include <thread>

#include "app/game_hint.h"
#include "core/cave_start.h"
#include "core/game_phases.h"
#include "tests/app/form_fixture.h"

namespace quarrion {
namespace {

class GameHintTest : public testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    RestartWithDefaultSet();
    if (IsSkipped() || HasFatalFailure()) return;
    // the first start only leaves the intro picture
    form_->findChild<QAction*>("GameMenu_Start")->trigger();
    form_->findChild<QAction*>("GameMenu_Start")->trigger();
    ASSERT_EQ(form_->Game().play.inGame, 1);
    FinishUncover(form_->Game());
    form_->Game().play.phase = PhasePlay;  // the cover has opened
  }
  void Key(int qtKey) {
    QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier);
    QApplication::sendEvent(form_.get(), &press);
  }
  void RunEvents(int ms) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < until) {
      QApplication::processEvents();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
  void WaitForTheHint() {
    for (int i = 0; i < 600 && form_->Hint().Searching(); ++i) RunEvents(100);
    ASSERT_FALSE(form_->Hint().Searching());
  }
};

TEST_F(GameHintTest, F1PausesAndDrawsThePathFromThePlayerUntilTheGameResumes) {
  const PlayState& s = form_->Game().play;
  Key(Qt::Key_F1);
  EXPECT_EQ(s.phase, PhasePause);
  EXPECT_EQ(s.hintUsed, 1);
  WaitForTheHint();
  const std::vector<HintCell>& path = form_->Hint().Path();
  ASSERT_GE(path.size(), 2u) << form_->Hint().Message().toStdString();
  EXPECT_LE(path.size(), std::size_t(kHintMoves) + 1);
  // before the birth the player's cell is the inbox's
  EXPECT_EQ(path[0].x, s.playerX);
  EXPECT_EQ(path[0].y, s.playerY);
  EXPECT_FALSE(form_->Hint().Layer()->isHidden());
  Key(Qt::Key_P);
  EXPECT_EQ(s.phase, PhasePlay);
  EXPECT_TRUE(form_->Hint().Path().empty());
  EXPECT_TRUE(form_->Hint().Layer()->isHidden());
}

TEST_F(GameHintTest, MenuItemAsksTooAndANewGameMayScoreAgain) {
  form_->findChild<QAction*>("GameMenu_Hint")->trigger();
  EXPECT_EQ(form_->Game().play.phase, PhasePause);
  WaitForTheHint();
  EXPECT_EQ(form_->Game().play.hintUsed, 1);
  Key(Qt::Key_P);
  form_->findChild<QAction*>("GameMenu_Start")->trigger();
  EXPECT_EQ(form_->Game().play.hintUsed, 0);
}

TEST_F(GameHintTest, NoHintOutsidePlay) {
  form_->Game().play.phase = PhaseCover;
  Key(Qt::Key_F1);
  EXPECT_FALSE(form_->Hint().Searching());
  EXPECT_EQ(form_->Game().play.hintUsed, 0);
}

}  // namespace
}  // namespace quarrion
