// The editor window as a designer works it: focus and keys between the panel and the drawing,
// undo of typed values, the mouse's odd presses, the exit question, the caption, the cursor
// line and captions that fit in every language.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <fstream>
#include <iterator>

#include "app/texts.h"
#include "editor/drawing_tools.h"
#include "tests/app/editor_form_fixture.h"

namespace quarrion {
namespace {

using testing::EditorFormTest;

int Px(int cell) { return cell * 20 + 10; }
constexpr int kBoulderEntryX = 26 * 3 + 10;
constexpr int kPaletteY = 450;

class EditorToolsFormTest : public EditorFormTest {
 protected:
  QLineEdit* Edit(const char* name) { return qobject_cast<QLineEdit*>(Control(name)); }
  QWidget* Surface() { return form_->findChild<QWidget*>("DXDraw"); }
  void Mouse(QEvent::Type type, Qt::MouseButton button, int x, int y, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(x, y), Surface()->mapToGlobal(QPointF(x, y)), button, held, Qt::NoModifier);
    QApplication::sendEvent(Surface(), &event);
  }
  void SelectBoulder() {
    form_->EditorMouseDown(1, kBoulderEntryX, kPaletteY);
    form_->EditorMouseUp(1, kBoulderEntryX, kPaletteY);
  }
  std::string FileBytes() {
    std::ifstream in(form_->Game().caveSet.caveSetFileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  QString CursorLine() { return qobject_cast<QLabel*>(Control("Editor_Label_Cursor"))->text(); }
};

TEST_F(EditorToolsFormTest, ClickingTheSurfaceTakesTheFocusAndCtrlZInAnEditUndoesTheEditor) {
  Trigger("GameMenu_CavesEditor");
  SelectBoulder();
  QLineEdit* value = Edit("Editor_Edit_Value");
  const QString valueBefore = value->text();
  const uint8_t cellBefore = Cell(2, 2);
  value->setFocus();
  form_->EditorMouseDown(1, Px(2), Px(2));
  EXPECT_EQ(form_->focusWidget(), form_.get()) << "the drawing has the keys now";
  form_->EditorMouseUp(1, Px(2), Px(2));
  ASSERT_EQ(Cell(2, 2), 24);

  value->setFocus();
  Key(value, Qt::Key_End);
  Key(value, Qt::Key_Backspace);
  Key(value, Qt::Key_7, "7");
  EXPECT_EQ(QString::number(form_->Game().caves.PropertyAt(0, 0, PropDiamondValue)), value->text());
  Key(value, Qt::Key_Z, "\x1a", Qt::ControlModifier);
  EXPECT_EQ(value->text(), valueBefore) << "the typed value goes back in one step";
  EXPECT_EQ(QString::number(form_->Game().caves.PropertyAt(0, 0, PropDiamondValue)), valueBefore);
  EXPECT_EQ(Cell(2, 2), 24);
  Key(value, Qt::Key_Z, "\x1a", Qt::ControlModifier);
  EXPECT_EQ(Cell(2, 2), cellBefore) << "then the stroke, though the edit has the focus";
  EXPECT_EQ(form_->Game().caveSet.cavesModified, 0);
  Key(Edit("RandElement2"), Qt::Key_Y, "\x19", Qt::ControlModifier);
  EXPECT_EQ(Cell(2, 2), 24) << "Ctrl+Y redoes from a generator edit";
}

TEST_F(EditorToolsFormTest, CommandLettersInAnEditActButAreNotTyped) {
  Trigger("GameMenu_CavesEditor");
  QLineEdit* caveTime = Edit("Editor_Edit_CaveTime");
  caveTime->setFocus();
  Key(caveTime, Qt::Key_End);
  Key(caveTime, Qt::Key_Backspace);
  const QString typed = caveTime->text();
  const uint8_t muted = form_->Shell().muted;
  Key(caveTime, Qt::Key_M, "m");
  EXPECT_NE(form_->Shell().muted, muted) << "M still mutes";
  EXPECT_EQ(caveTime->text(), typed);
  Key(Edit("RandElement0"), Qt::Key_P, "p");
  EXPECT_EQ(Edit("RandElement0")->text(), QString::number(form_->Game().caves.PropertyAt(0, 0, PropGeneratorSeed)));
  caveTime->insert("x");  // as a paste does: the edit's check refuses it all the same
  EXPECT_EQ(caveTime->text(), typed);
}

TEST_F(EditorToolsFormTest, ADoubleClickDragIsAStepAndBackAndForwardButtonsDrawNothing) {
  Trigger("GameMenu_CavesEditor");
  SelectBoulder();
  const uint8_t before = Cell(3, 3);
  Mouse(QEvent::MouseButtonPress, Qt::BackButton, Px(3), Px(3), Qt::BackButton);
  Mouse(QEvent::MouseButtonRelease, Qt::BackButton, Px(3), Px(3), Qt::NoButton);
  Mouse(QEvent::MouseButtonPress, Qt::ForwardButton, Px(3), Px(3), Qt::ForwardButton);
  Mouse(QEvent::MouseMove, Qt::NoButton, Px(4), Px(3), Qt::ForwardButton);
  EXPECT_EQ(Cell(3, 3), before);
  EXPECT_FALSE(form_->EditorModel().history.CanUndo());

  Mouse(QEvent::MouseButtonPress, Qt::LeftButton, Px(5), Px(5), Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Px(5), Px(5), Qt::NoButton);
  Mouse(QEvent::MouseButtonDblClick, Qt::LeftButton, Px(6), Px(5), Qt::LeftButton);
  Mouse(QEvent::MouseMove, Qt::NoButton, Px(7), Px(5), Qt::LeftButton);
  Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Px(7), Px(5), Qt::NoButton);
  EXPECT_EQ(Cell(6, 5), 24) << "the second press paints";
  EXPECT_EQ(Cell(7, 5), 24);
  EXPECT_EQ(form_->EditorModel().history.UndoCount(), 2u);
  Trigger("EditMenu_Undo");
  Trigger("EditMenu_Undo");
  EXPECT_EQ(form_->Game().caveSet.cavesModified, 0);
  EXPECT_NE(Cell(6, 5), 24);
}

TEST_F(EditorToolsFormTest, FillLineAndPickWorkThroughTheWindow) {
  Trigger("GameMenu_CavesEditor");
  form_->ClickPanelButton("Editor_Button_ClearCave");
  SelectBoulder();
  form_->EditorMouseDownWith(1, Px(5), Px(5), kWithCtrl);
  form_->EditorMouseUp(1, Px(5), Px(5));
  EXPECT_EQ(Cell(38, 20), 24);
  Trigger("EditMenu_Undo");
  EXPECT_EQ(Cell(38, 20), 1);
  form_->EditorMouseDownWith(1, Px(2), Px(2), kWithShift);
  form_->EditorMouseMove(1, Px(2), Px(9));
  form_->EditorMouseUp(1, Px(2), Px(9));
  for (int y = 2; y <= 9; ++y) EXPECT_EQ(Cell(2, y), 24) << y;
  EXPECT_EQ(form_->EditorModel().history.UndoCount(), 2u);  // the clear, the line
  Cell(20, 10) = 28;
  form_->EditorMouseDownWith(1, Px(20), Px(10), kWithAlt);
  EXPECT_EQ(form_->EditorModel().paletteIndex, 4);
}

TEST_F(EditorToolsFormTest, ALevelWithoutExitsAsksBeforeATestOrASave) {
  Trigger("GameMenu_CavesEditor");
  form_->ClickPanelButton("Editor_Button_ClearCave");
  questions_.clear();
  const std::string onDisk = FileBytes();
  answer_ = false;
  form_->ClickPanelButton("Editor_Button_TestCave");
  Key(form_.get(), Qt::Key_T, "t");
  Trigger("GameMenu_SaveCaves");
  ASSERT_EQ(questions_.size(), 3u);
  for (const testing::Question& q : questions_) {
    EXPECT_EQ(q.text, QString("This level has neither inbox nor outbox, so it cannot be played. Go on anyway?     "));
    EXPECT_EQ(q.caption, QString("Editor"));
  }
  EXPECT_EQ(form_->Game().play.inGame, 2);
  EXPECT_EQ(FileBytes(), onDisk);
  EXPECT_EQ(form_->Game().caveSet.cavesModified, 1);

  Cell(3, 3) = 50;
  Trigger("OptionsMenu_Language_Polski");
  answer_ = true;
  Trigger("GameMenu_SaveCaves");
  EXPECT_EQ(questions_.back().text,
            QString::fromUtf8("Ten poziom nie ma wyjścia, więc nie da się go przejść. Kontynuować mimo to?     "));
  EXPECT_NE(FileBytes(), onDisk);
  Cell(4, 3) = 4;
  form_->ClickPanelButton("Editor_Button_TestCave");
  EXPECT_EQ(questions_.size(), 4u) << "a level with both exits asks nothing";
  EXPECT_EQ(form_->Game().play.inGame, 1);
}

TEST_F(EditorToolsFormTest, TheFirstTestClickRunsAndTheIndicatorIsDisabledOutside) {
  ASSERT_EQ(form_->Game().play.titleIntro, 1);
  Trigger("GameMenu_CavesEditor");
  form_->ClickPanelButton("Editor_Button_TestCave");
  EXPECT_EQ(form_->Game().play.inGame, 1);
  form_->Game().play.phase = 0;
  Key(form_.get(), Qt::Key_Escape);
  Trigger("GameMenu_Exit");
  auto* demo = form_->findChild<QRadioButton*>("DRadio");
  EXPECT_FALSE(demo->isVisible());
  EXPECT_FALSE(demo->isEnabled());
}

TEST_F(EditorToolsFormTest, TheCaptionMarksUnsavedChangesAndTheCursorLineNamesTheCell) {
  Trigger("GameMenu_CavesEditor");
  const QString caption = form_->windowTitle();
  EXPECT_FALSE(caption.endsWith("*"));
  SelectBoulder();
  form_->EditorMouseDown(1, Px(2), Px(2));
  form_->EditorMouseUp(1, Px(2), Px(2));
  EXPECT_EQ(form_->windowTitle(), caption + " *");
  form_->EditorMouseMove(0, Px(2), Px(2));
  EXPECT_EQ(CursorLine(), QString("Column 2, row 2: Boulder"));
  Trigger("OptionsMenu_Language_Deutsch");
  form_->EditorMouseMove(0, Px(2), Px(2) + 1);
  EXPECT_EQ(CursorLine(), QString("Spalte 2, Zeile 2: Fels"));
  Trigger("OptionsMenu_Language_Polski");
  form_->EditorMouseMove(0, Px(0), Px(0));
  EXPECT_EQ(CursorLine(), QString::fromUtf8("Kolumna 0, wiersz 0: Stalowa ściana"));
  form_->EditorMouseMove(0, Px(0), kPaletteY);
  EXPECT_EQ(CursorLine(), QString());
  Trigger("EditMenu_Undo");
  EXPECT_EQ(form_->windowTitle(), caption);
}

TEST_F(EditorToolsFormTest, EveryPanelCaptionIsWholeInEveryLanguage) {
  Trigger("GameMenu_CavesEditor");
  const char* languages[3] = {"OptionsMenu_Language_English", "OptionsMenu_Language_Deutsch", "OptionsMenu_Language_Polski"};
  const std::pair<const char*, const char*> labels[] = {
      {"Editor_Label_CaveTime", "Editor_Edit_CaveTime"}, {"Editor_Label_MagicTime", "Editor_Edit_MagicTime"},
      {"Editor_Label_AmoebaTime", "Editor_Edit_AmoebaTime"}, {"Editor_Label_Diamonds", "Editor_Edit_Diamonds"},
      {"Editor_Label_Value", "Editor_Edit_Value"},        {"Editor_Label_Bonus", "Editor_Edit_Bonus"}};
  for (const char* language : languages) {
    Trigger(language);
    for (const auto& [labelName, editName] : labels) {
      auto* label = qobject_cast<QLabel*>(Control(labelName));
      const QRect needed = QFontMetrics(label->font())
                               .boundingRect(QRect(0, 0, label->width(), 1000),
                                             label->wordWrap() ? int(Qt::TextWordWrap) : 0, label->text());
      EXPECT_LE(needed.width(), label->width()) << labelName << language;
      EXPECT_LE(needed.height(), label->height()) << labelName << language;
      EXPECT_LE(label->geometry().right(), Control(editName)->x()) << labelName << language;
      EXPECT_GE(label->y(), 472) << "below the surface";
      EXPECT_GE(label->font().pixelSize(), 7);
      for (const auto& [otherName, otherEdit] : labels) {
        if (otherName == labelName) continue;
        EXPECT_FALSE(label->geometry().intersects(Control(otherName)->geometry())) << labelName;
      }
    }
    for (QPushButton* button : form_->findChildren<QPushButton*>()) {
      if (!form_->Panel().Control(button->objectName().toStdString())) continue;
      EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width() - 8)
          << button->objectName().toStdString() << language;
    }
  }
  EXPECT_EQ(PanelCaption("Editor_Label_Value"), QString::fromUtf8("Wartość"));
}

}  // namespace
}  // namespace quarrion
