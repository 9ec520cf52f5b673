#include <gtest/gtest.h>

#include <QMessageBox>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/app/form_fixture.h"

namespace quarrion {
namespace {

namespace fs = std::filesystem;

// The editor on a copy of the default cave set that the player may not write.
class SaveFailureFormTest : public testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    caveSet_ = (folder_ / "Levels" / "Quarrion.qcv").string();
    if (!fs::exists(caveSet_)) GTEST_SKIP() << "the default cave set is not built";
    form_.reset();
    form_ = std::make_unique<TQuarrionForm>(folder_.string(), std::vector<std::string>{caveSet_});
    ASSERT_TRUE(form_->Creation());
    form_->CreateDialogs();
    form_->SetQuestionAnswerer([](const QString&, const QString&) { return true; });  // clear: Yes
    fs::permissions(caveSet_, fs::perms::owner_read | fs::perms::group_read);
    before_ = Bytes();
  }
  std::vector<char> Bytes() const {
    std::ifstream in(caveSet_, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), {});
  }
  void Trigger(const char* action) { form_->findChild<QAction*>(action)->trigger(); }
  // The next modal message box: its text is kept and it is closed. Looked for until it shows, so a
  // box that never comes fails the test instead of leaving one open.
  void AnswerNextMessageBox(int triesLeft = 200) {
    QTimer::singleShot(10, [this, triesLeft] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) {
        if (triesLeft > 0) AnswerNextMessageBox(triesLeft - 1);
        return;
      }
      shown_.push_back(box->text());
      icons_.push_back(box->icon());
      box->accept();
    });
  }

  std::string caveSet_;
  std::vector<char> before_;
  std::vector<QString> shown_;
  std::vector<QMessageBox::Icon> icons_;
};

TEST_F(SaveFailureFormTest, AFailingSaveShowsWhyAndKeepsTheSetModified) {
  Trigger("GameMenu_CavesEditor");
  form_->ClickPanelButton("Editor_Button_ClearCave");
  ASSERT_EQ(form_->Game().caveSet.cavesModified, 1);
  AnswerNextMessageBox();
  Trigger("GameMenu_SaveCaves");
  ASSERT_EQ(shown_.size(), 1u) << "the failure is shown in a message box";
  EXPECT_TRUE(shown_[0].startsWith("The file could not be written:")) << shown_[0].toStdString();
  EXPECT_TRUE(shown_[0].contains(QString::fromStdString(caveSet_)));
  EXPECT_TRUE(shown_[0].endsWith("Permission denied.")) << shown_[0].toStdString();
  EXPECT_EQ(icons_[0], QMessageBox::Warning);
  EXPECT_EQ(form_->Game().caveSet.cavesModified, 1);
  EXPECT_EQ(Bytes(), before_);
}

TEST_F(SaveFailureFormTest, YesToTheSaveQuestionThatFailsKeepsTheEditorOpen) {
  form_->SetSaveAnswerer([] { return SaveAnswer::Yes; });
  Trigger("GameMenu_CavesEditor");
  form_->ClickPanelButton("Editor_Button_ClearCave");
  AnswerNextMessageBox();
  Trigger("GameMenu_Exit");
  EXPECT_EQ(shown_.size(), 1u);
  EXPECT_EQ(form_->Game().play.editorActive, 1) << "leaving now would drop the changes";
  EXPECT_EQ(form_->Game().caveSet.cavesModified, 1);
  // closing the window asks the same and stays open too
  AnswerNextMessageBox();
  EXPECT_FALSE(form_->close());
  EXPECT_EQ(shown_.size(), 2u);
  EXPECT_EQ(form_->Game().caveSet.cavesModified, 1);
  EXPECT_EQ(Bytes(), before_);
}

}  // namespace
}  // namespace quarrion
