// The main window opened on the default cave set, with the editor's questions answered by the
// test instead of message boxes.
#pragma once
#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <vector>

#include "app/editor_panel.h"
#include "tests/app/form_fixture.h"

namespace quarrion::testing {

struct Question {
  QString text;
  QString caption;
};

class EditorFormTest : public testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    // the editor opens on the default cave set, as after a start with it on the command line
    const std::string caveSet = (folder_ / "Levels" / "Quarrion.qcv").string();
    if (std::filesystem::exists(caveSet)) {
      form_.reset();
      form_ = std::make_unique<TQuarrionForm>(folder_.string(), std::vector<std::string>{caveSet});
      ASSERT_TRUE(form_->Creation());
      form_->CreateDialogs();
      ASSERT_EQ(form_->Game().caveSet.caveSetLoaded, 1);
    }
    form_->SetQuestionAnswerer([this](const QString& text, const QString& caption) {
      questions_.push_back({text, caption});
      return answer_;
    });
    form_->SetSaveAnswerer([this] {
      ++saveQuestions_;
      return saveAnswer_;
    });
  }
  void Trigger(const char* action) { form_->findChild<QAction*>(action)->trigger(); }
  QWidget* Control(const char* name) { return form_->Panel().Control(name); }
  QString PanelCaption(const char* name) {
    QWidget* control = Control(name);
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    return "<no caption>";
  }
  void Key(QWidget* target, int qtKey, const QString& text = QString(), Qt::KeyboardModifiers held = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, qtKey, held, text);
    QApplication::sendEvent(target, &press);
  }
  uint8_t& Cell(int x, int y) {
    GameState& game = form_->Game();
    return game.caves.Cell(game.play.caveNo, game.play.levelNo, x, y);
  }

  std::vector<Question> questions_;
  bool answer_ = true;
  SaveAnswer saveAnswer_ = SaveAnswer::No;
  int saveQuestions_ = 0;
};

}  // namespace quarrion::testing
