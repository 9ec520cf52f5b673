#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <chrono>
#include <thread>

#include "app/solve_check.h"
#include "core/cave_set_file.h"
#include "solver/demo_from_solution.h"
#include "tests/app/form_fixture.h"

namespace quarrion {
namespace {

class SolveCheckTest : public testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    RestartWithDefaultSet();
    if (IsSkipped() || HasFatalFailure()) return;
    form_->findChild<QAction*>("GameMenu_CavesEditor")->trigger();
    SolveCheck::Hooks& hooks = form_->SolvabilityCheck().HooksForTests();
    hooks.ask = [this](const QString& text) {
      asked_.push_back(text);
      return answer_;
    };
    hooks.tell = [this](const QString& text) { told_.push_back(text); };
  }

  // Lets the window's events run until the check has answered; the search has a minute at most.
  void WaitForTheAnswer() {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (form_->SolvabilityCheck().Running() && std::chrono::steady_clock::now() < until) {
      QApplication::processEvents();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_FALSE(form_->SolvabilityCheck().Running());
  }

  void ClearDemo(int cave) {
    for (int i = 0; i < kDemoBytes; ++i) form_->Game().caves.DemoByte(cave, i) = 0;
    for (int column = DemoFlagColumn; column <= DemoLengthLowColumn; ++column)
      form_->Game().caves.DemoHeaderAt(cave, column) = 0;
  }

  std::vector<QString> asked_;
  std::vector<QString> told_;
  bool answer_ = true;
};

TEST_F(SolveCheckTest, SolvedLevelOffersItsDemoAndStoresItAsOneUndoStep) {
  ClearDemo(0);
  auto* button = form_->findChild<QPushButton*>("Editor_Button_CheckSolvable");
  ASSERT_NE(button, nullptr);
  EXPECT_FALSE(button->isHidden());
  button->click();
  EXPECT_TRUE(form_->SolvabilityCheck().Running());
  // the window goes on while the search runs: the progress dialog shows
  EXPECT_NE(form_->findChild<QProgressDialog*>("SolveCheckProgress"), nullptr);
  WaitForTheAnswer();
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_TRUE(asked_[0].startsWith("Solvable in ")) << asked_[0].toStdString();
  EXPECT_TRUE(asked_[0].contains("of the 10 seconds")) << asked_[0].toStdString();
  EXPECT_TRUE(told_.empty());
  EXPECT_TRUE(DemoEndsInExit(form_->Game().caves, 0, 0));
  EXPECT_EQ(form_->EditorModel().history.UndoCount(), 1u);
  EXPECT_EQ(form_->Game().caveSet.cavesModified, 1);
  // one undo takes the whole demo back
  form_->findChild<QAction*>("EditMenu_Undo")->trigger();
  int demoBytes = 0;
  for (int i = 0; i < kDemoBytes; ++i) demoBytes += form_->Game().caves.DemoByte(0, i) != 0;
  EXPECT_EQ(demoBytes, 0);
}

TEST_F(SolveCheckTest, DeclinedDemoLeavesTheSetAlone) {
  answer_ = false;
  const CaveSet before = form_->Game().caves;
  form_->findChild<QAction*>("EditMenu_CheckSolvable")->trigger();
  WaitForTheAnswer();
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(form_->Game().caves.bytes, before.bytes);
  EXPECT_EQ(form_->EditorModel().history.UndoCount(), 0u);
}

TEST_F(SolveCheckTest, SpentBudgetSaysItIsNoProof) {
  form_->SolvabilityCheck().SetBudgetSeconds(0.001);
  form_->findChild<QAction*>("EditMenu_CheckSolvable")->trigger();
  WaitForTheAnswer();
  EXPECT_TRUE(asked_.empty());
  ASSERT_EQ(told_.size(), 1u);
  EXPECT_TRUE(told_[0].contains("not a proof")) << told_[0].toStdString();
}

TEST_F(SolveCheckTest, CancelEndsTheCheckWithoutAnAnswer) {
  // a level the search needs its whole budget for, so the cancel meets a running search
  for (int i = 0; i < 8; ++i) form_->ClickPanelButton("Editor_Button_IncCave");
  form_->ClickPanelButton("Editor_Button_IncLevel");
  form_->SolvabilityCheck().SetBudgetSeconds(600);
  form_->findChild<QAction*>("EditMenu_CheckSolvable")->trigger();
  auto* progress = form_->findChild<QProgressDialog*>("SolveCheckProgress");
  ASSERT_NE(progress, nullptr);
  auto* cancel = progress->findChild<QPushButton*>();
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(cancel->text(), "Cancel");
  cancel->click();
  WaitForTheAnswer();
  EXPECT_TRUE(asked_.empty());
  EXPECT_TRUE(told_.empty());
}

}  // namespace
}  // namespace quarrion
