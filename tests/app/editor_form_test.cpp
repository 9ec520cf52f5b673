#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <vector>

#include "app/editor_panel.h"
#include "app/texts.h"
#include "core/game_phases.h"
#include "tests/app/editor_form_fixture.h"

namespace quarrion {
namespace {

using testing::EditorFormTest;
using testing::Question;

struct Place {
  const char* name;
  int x, y, width, height;
};
constexpr Place kPlaces[] = {
    {"Editor_Edit_CaveTime", 76, 474, 30, 17},   {"Editor_UpDown_CaveTime", 106, 474, 33, 17},
    {"Editor_Edit_MagicTime", 76, 492, 30, 17},  {"Editor_UpDown_MagicTime", 106, 492, 32, 17},
    {"Editor_Edit_AmoebaTime", 76, 510, 30, 17}, {"Editor_UpDown_AmoebaTime", 106, 510, 32, 17},
    {"Editor_Edit_Diamonds", 200, 474, 30, 17},  {"Editor_UpDown_Diamonds", 230, 474, 32, 17},
    {"Editor_Edit_Value", 200, 492, 30, 17},     {"Editor_UpDown_Value", 230, 492, 32, 17},
    {"Editor_Edit_Bonus", 200, 510, 30, 17},     {"Editor_UpDown_Bonus", 230, 510, 32, 17},
    {"Editor_Button_IncCave", 268, 474, 69, 25}, {"Editor_Button_DecCave", 268, 502, 69, 25},
    {"Editor_Label_CaveLevel", 339, 472, 59, 40}, {"DRadio", 346, 512, 53, 13},
    {"Editor_Button_IncLevel", 400, 474, 69, 25}, {"Editor_Button_DecLevel", 400, 502, 69, 25},
    {"Editor_Button_TestCave", 400, 445, 57, 23}, {"Editor_Button_Copy", 460, 445, 55, 23},
    {"Editor_Button_Paste", 515, 445, 55, 23},   {"Editor_Button_Random", 476, 474, 77, 25},
    {"Editor_Button_ClearCave", 476, 502, 77, 25}, {"RandElement0", 564, 475, 30, 22},
    {"RandElement_UpDown0", 594, 475, 14, 22},   {"RandElement1", 620, 475, 30, 22},
    {"RandElement_UpDown1", 650, 475, 14, 22},   {"RandElement4", 752, 475, 30, 22},
    {"RandElement_UpDown4", 782, 475, 14, 22},   {"Editor_Button_Advanced", 570, 502, 95, 25},
    {"Editor_Button_GenerateCave", 670, 502, 127, 25},
};

TEST_F(EditorFormTest, OpensWithThePanelInPlaceAndTheEditorsMenus) {
  EXPECT_FALSE(Control("Editor_Button_TestCave")->isVisible());
  form_->show();
  Trigger("GameMenu_CavesEditor");
  EXPECT_EQ(form_->Game().play.inGame, 2);
  EXPECT_EQ(form_->Game().play.editorActive, 1);
  EXPECT_EQ(form_->centralWidget()->size(), QSize(800, 546));  // the cursor line below the panel
  EXPECT_EQ(form_->findChild<QWidget*>("DXDraw")->geometry(), QRect(0, 0, 800, 472));
  for (const Place& place : kPlaces) {
    QWidget* control = Control(place.name);
    ASSERT_NE(control, nullptr) << place.name;
    EXPECT_EQ(control->geometry(), QRect(place.x, place.y, place.width, place.height)) << place.name;
    EXPECT_TRUE(control->isVisible()) << place.name;
  }
  EXPECT_EQ(Menu("GameMenu")->title(), QString("Editor"));
  EXPECT_EQ(Caption("GameMenu_Exit"), QString("Exit Editor"));
  for (const char* hidden : {"GameMenu_LoadGame", "GameMenu_Start", "GameMenu_Stop", "GameMenu_CavesEditor", "FullScreen"})
    EXPECT_FALSE(form_->findChild<QAction*>(hidden)->isVisible()) << hidden;
  for (const char* shown : {"GameMenu_New", "GameMenu_LoadCaves", "GameMenu_SaveCaves", "GameMenu_SaveCavesAs"}) {
    EXPECT_TRUE(form_->findChild<QAction*>(shown)->isVisible()) << shown;
    EXPECT_TRUE(form_->findChild<QAction*>(shown)->isEnabled()) << shown;
  }
  EXPECT_FALSE(Menu("Menu_Zoom")->menuAction()->isVisible());
  EXPECT_TRUE(Menu("EditMenu")->menuAction()->isVisible());
  EXPECT_EQ(PanelCaption("Editor_Label_CaveLevel"), QString("A/1"));
  EXPECT_EQ(qobject_cast<QLineEdit*>(Control("Editor_Edit_CaveTime"))->text(),
            QString::number(form_->Game().caves.PropertyAt(0, 0, PropCaveTime)));
}

TEST_F(EditorFormTest, ThePanelSpeaksEachLanguage) {
  Trigger("GameMenu_CavesEditor");
  const char* languages[3] = {"OptionsMenu_Language_English", "OptionsMenu_Language_Deutsch", "OptionsMenu_Language_Polski"};
  struct Labelled {
    const char* name;
    int entry;
  };
  const Labelled labelled[] = {{"Editor_Label_CaveTime", 21},  {"Editor_Label_MagicTime", 22},  {"Editor_Label_AmoebaTime", 23},
                               {"Editor_Label_Diamonds", 24},  {"Editor_Label_Value", 25},      {"Editor_Button_Advanced", 26},
                               {"Editor_Button_Random", 27},   {"Editor_Button_TestCave", 28},  {"Editor_Button_DecCave", 29},
                               {"Editor_Button_IncCave", 30},  {"Editor_Button_DecLevel", 31},  {"Editor_Button_IncLevel", 32},
                               {"Editor_Button_GenerateCave", 57}, {"Editor_Button_Copy", 58},  {"Editor_Button_Paste", 60},
                               {"Editor_Button_ClearCave", 67}};
  for (int language = 0; language < 3; ++language) {
    Trigger(languages[language]);
    for (const Labelled& l : labelled)
      EXPECT_EQ(PanelCaption(l.name), QString::fromStdString(Text(l.entry, language))) << l.name << " " << language;
    EXPECT_EQ(Control("Editor_Button_Copy")->toolTip(), QString::fromStdString(Text(59, language)));
    EXPECT_EQ(Control("RandElement0")->toolTip(), QString::fromStdString(Text(62, language)));
    EXPECT_EQ(PanelCaption("Editor_Label_Bonus"), QString("Bonus"));  // the same in every language
    EXPECT_EQ(PanelCaption("DRadio"), QString("Demo"));
  }
  EXPECT_EQ(PanelCaption("Editor_Label_CaveTime"), QString("Czas"));
  EXPECT_EQ(Menu("EditMenu")->title(), QString::fromUtf8("Edycja"));
  EXPECT_EQ(form_->findChild<QAction*>("EditMenu_Undo")->text(), QString("Cofnij"));
}

TEST_F(EditorFormTest, PasteClearAndGenerateAskTheirQuestions) {
  Trigger("OptionsMenu_Language_Deutsch");
  Trigger("GameMenu_CavesEditor");
  form_->ClickPanelButton("Editor_Button_Paste");
  EXPECT_TRUE(questions_.empty());  // nothing copied: nothing asked
  form_->ClickPanelButton("Editor_Button_Copy");
  answer_ = false;
  form_->ClickPanelButton("Editor_Button_Paste");
  form_->ClickPanelButton("Editor_Button_ClearCave");
  form_->ClickPanelButton("Editor_Button_GenerateCave");
  ASSERT_EQ(questions_.size(), 3u);
  EXPECT_EQ(questions_[0].text, QString::fromUtf8("Wollen Sie die Cave wirklich einfügen?     "));
  EXPECT_EQ(questions_[1].text, QString::fromUtf8("Wollen Sie die Cave wirklich löschen?     "));
  EXPECT_EQ(questions_[2].text, QString::fromUtf8("Wollen Sie wirklich eine Cave generieren?     "));
  for (const Question& q : questions_) EXPECT_EQ(q.caption, QString("Editor"));
  EXPECT_EQ(form_->Game().caveSet.cavesModified, 0);  // No changes nothing

  Trigger("OptionsMenu_Language_English");
  answer_ = true;
  Cell(5, 5) = 24;
  form_->ClickPanelButton("Editor_Button_ClearCave");
  EXPECT_EQ(questions_.back().text, QString("You really want to clear cave?     "));
  EXPECT_EQ(Cell(5, 5), 1);
  EXPECT_EQ(form_->Game().caveSet.cavesModified, 1);
  EXPECT_FALSE(form_->findChild<QRadioButton*>("DRadio")->isChecked());
  EXPECT_EQ(form_->focusWidget(), Control("Editor_Button_TestCave"));
}

TEST_F(EditorFormTest, UndoAndRedoTakeAClearBackAndForth) {
  Trigger("GameMenu_CavesEditor");
  Cell(5, 5) = 24;
  form_->ClickPanelButton("Editor_Button_ClearCave");
  ASSERT_EQ(Cell(5, 5), 1);
  QAction* undo = form_->findChild<QAction*>("EditMenu_Undo");
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  undo->trigger();
  EXPECT_EQ(Cell(5, 5), 24);
  EXPECT_EQ(form_->Game().caveSet.cavesModified, 0);
  const auto redoKeys = form_->findChild<QAction*>("EditMenu_Redo")->shortcuts();
  EXPECT_TRUE(redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
  EXPECT_TRUE(redoKeys.contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
  Trigger("EditMenu_Redo");
  EXPECT_EQ(Cell(5, 5), 1);
  // leaving the editor ends the history
  Trigger("GameMenu_Exit");
  EXPECT_EQ(saveQuestions_, 1);
  EXPECT_FALSE(form_->EditorModel().history.CanUndo());
}

TEST_F(EditorFormTest, TheAdvancedOptionsConfirmedWithOkAreOneStep) {
  Trigger("GameMenu_CavesEditor");
  const uint8_t before = form_->Game().caves.PropertyAt(0, 0, PropAmoebaMaxSize);
  // the dialog is modal: its arrows and OK are worked from inside its own loop
  QTimer::singleShot(0, [] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    auto* field = dialog->findChild<QSpinBox*>("Edit_AmoebaMax");
    ASSERT_NE(field, nullptr);
    field->setValue(field->value() == 255 ? 254 : field->value() + 1);
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
      if (button->text() == "OK") button->click();
  });
  form_->ClickPanelButton("Editor_Button_Advanced");
  const uint8_t after = form_->Game().caves.PropertyAt(0, 0, PropAmoebaMaxSize);
  ASSERT_NE(after, before);
  EXPECT_EQ(form_->EditorModel().history.UndoCount(), 1u);
  Trigger("EditMenu_Undo");
  EXPECT_EQ(form_->Game().caves.PropertyAt(0, 0, PropAmoebaMaxSize), before);
  Trigger("EditMenu_Redo");
  EXPECT_EQ(form_->Game().caves.PropertyAt(0, 0, PropAmoebaMaxSize), after);
}

TEST_F(EditorFormTest, MousePaintsAsOneStepAndTheMiddleButtonOpensThePopup) {
  Trigger("GameMenu_CavesEditor");
  form_->EditorMouseDown(1, 26 * 3 + 10, 450);  // the boulder in the palette
  form_->EditorMouseDown(1, 50, 50);
  form_->EditorMouseMove(1, 70, 50);
  form_->EditorMouseUp(1, 70, 50);
  EXPECT_EQ(Cell(2, 2), 24);
  EXPECT_EQ(Cell(3, 2), 24);
  EXPECT_EQ(form_->EditorModel().history.UndoCount(), 1u);
  form_->EditorMouseDown(3, 50, 50);
  QMenu* popup = Menu("PopupMenu_StoneDiamond");
  EXPECT_TRUE(popup->isVisible());
  EXPECT_TRUE(form_->findChild<QAction*>("PopUpMenu_StoneDiamond_Stationary")->isChecked());
  EXPECT_FALSE(form_->findChild<QAction*>("PopUpMenu_StoneDiamond_Falling")->isChecked());
  Trigger("PopUpMenu_StoneDiamond_Falling");
  EXPECT_EQ(Cell(2, 2), 26);
  popup->hide();
}

TEST_F(EditorFormTest, ArrowsAndTypingMarkTheSetAndPanelKeysReachTheWindow) {
  Trigger("GameMenu_CavesEditor");
  auto* caveTime = qobject_cast<QLineEdit*>(Control("Editor_Edit_CaveTime"));
  caveTime->setFocus();
  Key(caveTime, Qt::Key_End);
  Key(caveTime, Qt::Key_Backspace);
  EXPECT_EQ(form_->Game().caveSet.cavesModified, 1) << "a typed value is a change";
  EXPECT_EQ(form_->EditorModel().panel.texts[FieldCaveTime], caveTime->text().toStdString());
  EXPECT_EQ(QString::number(form_->Game().caves.PropertyAt(0, 0, PropCaveTime)), caveTime->text());
  form_->Game().caveSet.cavesModified = 0;
  Control("Editor_UpDown_CaveTime")->findChildren<QAbstractButton*>().last()->click();
  EXPECT_EQ(form_->Game().caveSet.cavesModified, 1);
  // the property edits hand their keys to the window: "=" steps to the next cave
  Key(caveTime, Qt::Key_Equal, "=");
  EXPECT_EQ(form_->Game().play.caveNo, 1);
  EXPECT_EQ(PanelCaption("Editor_Label_CaveLevel"), QString("B/1"));
  // and the key is not typed into the edit as well, which would spoil the next store
  EXPECT_EQ(caveTime->text(), QString::number(form_->Game().caves.PropertyAt(1, 0, PropCaveTime)));
  Key(caveTime, Qt::Key_End);
  Key(caveTime, Qt::Key_Backspace);
  const QString shortened = caveTime->text();
  Key(caveTime, Qt::Key_A, "a");  // a letter is never typed
  EXPECT_EQ(caveTime->text(), shortened);
  // nor a digit beyond the edit's length, whatever the set's own value was
  Key(caveTime, Qt::Key_End);
  for (int i = 0; i < 3 && !caveTime->text().isEmpty(); ++i) Key(caveTime, Qt::Key_Backspace);
  for (int i = 0; i < 4; ++i) Key(caveTime, Qt::Key_1, "1");
  EXPECT_EQ(caveTime->text(), QString("111"));
  EXPECT_EQ(form_->EditorModel().panel.texts[FieldCaveTime], caveTime->text().toStdString());
  // the generator edits keep theirs
  Key(Control("RandElement1"), Qt::Key_Equal, "=");
  EXPECT_EQ(form_->Game().play.caveNo, 1);
}

TEST_F(EditorFormTest, ATestRunsTheLevelAndEscReturnsWithTheClipboardKept) {
  Trigger("GameMenu_CavesEditor");
  form_->ClickPanelButton("Editor_Button_Copy");
  ASSERT_EQ(form_->EditorModel().clipboardFull, 1);
  Key(form_.get(), Qt::Key_T);
  EXPECT_EQ(form_->Game().play.inGame, 1);
  EXPECT_FALSE(Control("Editor_Button_TestCave")->isVisible());
  form_->Game().play.phase = PhasePlay;  // the cover has opened
  Key(form_.get(), Qt::Key_Escape);
  EXPECT_EQ(form_->Game().play.inGame, 2);
  EXPECT_EQ(form_->Game().play.editorActive, 1);
  EXPECT_EQ(form_->EditorModel().clipboardFull, 1);
  answer_ = false;
  form_->ClickPanelButton("Editor_Button_Paste");
  EXPECT_EQ(questions_.size(), 1u);  // the copy before the test can be pasted
}

TEST_F(EditorFormTest, LeavingRestoresTheTitleAndCancelKeepsTheEditor) {
  Trigger("GameMenu_CavesEditor");
  form_->ClickPanelButton("Editor_Button_ClearCave");
  saveAnswer_ = SaveAnswer::Cancel;
  Trigger("GameMenu_Exit");
  EXPECT_EQ(form_->Game().play.editorActive, 1);
  saveAnswer_ = SaveAnswer::No;
  Trigger("GameMenu_Exit");
  EXPECT_EQ(saveQuestions_, 2);
  EXPECT_EQ(form_->Game().play.editorActive, 0);
  EXPECT_EQ(form_->Game().play.inGame, 0);
  EXPECT_EQ(form_->windowTitle(), QString("Quarrion"));
  EXPECT_EQ(Menu("GameMenu")->title(), QString("Game"));
  EXPECT_EQ(Caption("GameMenu_Exit"), QString("Exit"));
  EXPECT_TRUE(form_->findChild<QAction*>("GameMenu_Start")->isEnabled());
  EXPECT_FALSE(form_->findChild<QAction*>("GameMenu_New")->isVisible());
  EXPECT_FALSE(Menu("EditMenu")->menuAction()->isVisible());
  EXPECT_FALSE(Control("Editor_Button_TestCave")->isVisible());
  // No reads the file again: the cleared level is gone
  EXPECT_NE(form_->Game().caves.Cell(0, 0, 1, 1), 1);
}

TEST_F(EditorFormTest, TheDemoIndicatorCannotBeOperated) {
  Trigger("GameMenu_CavesEditor");
  auto* demo = form_->findChild<QRadioButton*>("DRadio");
  const bool checked = demo->isChecked();
  form_->show();
  QFocusEvent focusIn(QEvent::FocusIn);
  QApplication::sendEvent(demo, &focusIn);
  EXPECT_EQ(form_->focusWidget(), Control("Editor_Button_TestCave"));
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(demo, &press);
  EXPECT_EQ(demo->isChecked(), checked);
}

}  // namespace
}  // namespace quarrion
