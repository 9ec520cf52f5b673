#include "editor/editor_fields.h"

#include <gtest/gtest.h>

#include "editor/editor_session.h"
#include "tests/editor/editor_test_support.h"

namespace quarrion {
namespace {

using testing::EditorFixture;

TEST(EditorEnter, NoCaveSetMakesANewOneAndOpensOnTheCurrentLevel) {
  GameState game;
  EditorState editor;
  game.play.caveNo = 3;
  game.play.levelNo = 2;
  editor.clipboardFull = 1;
  EXPECT_TRUE(EnterEditor(game, editor));
  EXPECT_EQ(game.caveSet.caveSetLoaded, 1);
  EXPECT_EQ(game.play.inGame, 2);
  EXPECT_EQ(game.play.editorActive, 1);
  EXPECT_EQ(editor.clipboardFull, 0);
  EXPECT_EQ(game.play.caveNo, 3);
  EXPECT_EQ(game.play.levelNo, 2);
  EXPECT_EQ(game.caves.Cell(3, 2, 0, 0), 7);  // a new set's steel frame
  EXPECT_EQ(editor.panel.texts[FieldCaveTime], "120");
  EXPECT_EQ(editor.panel.texts[FieldDiamonds], "10");
  // a set already loaded is kept
  game.caves.Cell(3, 2, 5, 5) = 24;
  EXPECT_FALSE(EnterEditor(game, editor));
  EXPECT_EQ(game.caves.Cell(3, 2, 5, 5), 24);
}

TEST(EditorEnter, TheReturnFromATestKeepsTheClipboard) {
  GameState game;
  EditorState editor;
  EnterEditor(game, editor);
  editor.clipboardFull = 1;
  game.play.inGame = 1;  // a test runs; the editor stays open behind it
  EnterEditor(game, editor);
  EXPECT_EQ(editor.clipboardFull, 1);
  game.play.editorActive = 0;  // left and entered again
  EnterEditor(game, editor);
  EXPECT_EQ(editor.clipboardFull, 0);
}

TEST(EditorFields, LoadShowsEveryPanelColumnAndTheSlots) {
  EditorFixture f;
  for (int column = 0; column < 22; ++column) f.Property(column) = uint8_t(100 + column);
  LoadEditorFields(*f.game, *f.editor);
  EXPECT_EQ(f.editor->panel.texts[FieldCaveTime], "100");
  EXPECT_EQ(f.editor->panel.texts[FieldDiamonds], "101");
  EXPECT_EQ(f.editor->panel.texts[FieldValue], "102");
  EXPECT_EQ(f.editor->panel.texts[FieldBonus], "103");
  EXPECT_EQ(f.editor->panel.texts[FieldMagicTime], "104");
  EXPECT_EQ(f.editor->panel.texts[FieldAmoebaTime], "105");
  EXPECT_EQ(f.editor->panel.texts[FieldRandElement0], "112");
  EXPECT_EQ(f.editor->panel.texts[FieldRandElement4], "116");
  EXPECT_EQ(f.editor->generatorSlots[0], 117);
  EXPECT_EQ(f.editor->generatorSlots[4], 121);
}

TEST(EditorFields, StoreStopsAtTheFirstTextThatIsNotAByte) {
  EditorFixture f;
  f.editor->panel.texts[FieldCaveTime] = "99";
  f.editor->panel.texts[FieldDiamonds] = "abc";
  f.editor->panel.texts[FieldValue] = "7";
  f.editor->generatorSlots[0] = 3;
  StoreEditorFields(*f.game, *f.editor);
  EXPECT_EQ(f.Property(PropCaveTime), 99);
  EXPECT_EQ(f.Property(PropDiamondsNeeded), 10);  // the bad one and all after it stay
  EXPECT_EQ(f.Property(PropDiamondValue), 5);
  EXPECT_EQ(f.Property(PropGeneratorFill), 0);

  f.editor->panel.texts[FieldDiamonds] = "12";
  f.editor->panel.texts[FieldCaveTime] = "300";
  StoreEditorFields(*f.game, *f.editor);
  EXPECT_EQ(f.Property(PropCaveTime), 99);  // 300 stores nothing at all
  EXPECT_EQ(f.Property(PropDiamondsNeeded), 10);

  f.editor->panel.texts[FieldCaveTime] = "0";  // the control range is not enforced here
  f.editor->panel.texts[FieldRandElement3] = "255";
  StoreEditorFields(*f.game, *f.editor);
  EXPECT_EQ(f.Property(PropCaveTime), 0);
  EXPECT_EQ(f.Property(PropDiamondsNeeded), 12);
  EXPECT_EQ(f.Property(PropGeneratorProbability1 + 2), 255);
  EXPECT_EQ(f.Property(PropGeneratorFill), 3);
}

TEST(EditorFields, AStoredByteThatChangesMarksTheSetModified) {
  EditorFixture f;
  f.editor->panel.texts[FieldCaveTime] = "120";  // the value it holds, typed again
  StoreEditorFields(*f.game, *f.editor);
  EXPECT_EQ(f.Modified(), 0);
  f.editor->panel.texts[FieldCaveTime] = "150";
  StoreEditorFields(*f.game, *f.editor);
  EXPECT_EQ(f.Property(PropCaveTime), 150);
  EXPECT_EQ(f.Modified(), 1);
}

TEST(EditorFields, AnEmptyEditKeepsItsValueAndTheStoreGoesOn) {
  EditorFixture f;
  f.editor->panel.texts[FieldDiamonds] = "";
  f.editor->panel.texts[FieldValue] = "7";
  f.editor->panel.texts[FieldRandElement4] = "";
  f.editor->generatorSlots[2] = 9;
  StoreEditorFields(*f.game, *f.editor);
  EXPECT_EQ(f.Property(PropDiamondsNeeded), 10);
  EXPECT_EQ(f.Property(PropDiamondValue), 7);
  EXPECT_EQ(f.Property(PropGeneratorFill + 2), 9) << "the slots after an empty edit are stored";
}

TEST(EditorFields, EditsTakeOnlyDigitsUpTo255WithinTheirLength) {
  EXPECT_TRUE(AcceptsPanelText(FieldCaveTime, "120", ""));
  EXPECT_TRUE(AcceptsPanelText(FieldCaveTime, "12", "255"));
  EXPECT_TRUE(AcceptsPanelText(FieldRandElement0, "0", "007"));
  EXPECT_FALSE(AcceptsPanelText(FieldCaveTime, "15", "150m")) << "a command letter";
  EXPECT_FALSE(AcceptsPanelText(FieldCaveTime, "12", "12a"));
  EXPECT_FALSE(AcceptsPanelText(FieldCaveTime, "", "-1"));
  EXPECT_FALSE(AcceptsPanelText(FieldCaveTime, "", "+5"));
  EXPECT_FALSE(AcceptsPanelText(FieldCaveTime, "30", "300")) << "would stop the store";
  EXPECT_FALSE(AcceptsPanelText(FieldCaveTime, "255", "2555"));
  EXPECT_FALSE(AcceptsPanelText(FieldValue, "12", "123"));
  EXPECT_TRUE(AcceptsPanelText(FieldValue, "200", "20")) << "a loaded long value may shrink";
  EXPECT_FALSE(AcceptsPanelText(kPanelFieldCount, "", "1"));
}

TEST(EditorFields, TypingStoresAtOnceAndIsOneUndoStepPerEdit) {
  EditorFixture f;
  for (const char* text : {"1", "15", "150"}) ASSERT_TRUE(TypePanelText(*f.game, *f.editor, FieldCaveTime, text));
  EXPECT_FALSE(TypePanelText(*f.game, *f.editor, FieldCaveTime, "150m"));
  EXPECT_EQ(f.editor->panel.texts[FieldCaveTime], "150");
  EXPECT_EQ(f.Property(PropCaveTime), 150);
  EXPECT_EQ(f.Modified(), 1) << "closing the window now asks";
  ASSERT_TRUE(TypePanelText(*f.game, *f.editor, FieldValue, "9"));
  ASSERT_TRUE(UndoEdit(*f.game, *f.editor));
  EXPECT_EQ(f.editor->panel.texts[FieldValue], "5");
  EXPECT_EQ(f.Property(PropDiamondValue), 5);
  EXPECT_EQ(f.Property(PropCaveTime), 150);
  ASSERT_TRUE(UndoEdit(*f.game, *f.editor));
  EXPECT_EQ(f.editor->panel.texts[FieldCaveTime], "120");
  EXPECT_EQ(f.Property(PropCaveTime), 120);
  EXPECT_EQ(f.Modified(), 0);
  EXPECT_FALSE(f.editor->history.CanUndo());
}

TEST(EditorFields, AnArrowIsAStoredStep) {
  EditorFixture f;
  PanelArrow(*f.game, *f.editor, FieldMagicTime, +1);
  EXPECT_EQ(f.Property(PropMagicWallTime), 21);
  EXPECT_EQ(f.Modified(), 1);
  ASSERT_TRUE(UndoEdit(*f.game, *f.editor));
  EXPECT_EQ(f.Property(PropMagicWallTime), 20);
  EXPECT_EQ(f.editor->panel.texts[FieldMagicTime], "20");
  EXPECT_EQ(f.Modified(), 0);
}

TEST(EditorFields, ReadPanelNumberTakesOnlyPlainDecimals) {
  EXPECT_EQ(ReadPanelNumber("42"), 42);
  EXPECT_EQ(ReadPanelNumber("-3"), -3);
  EXPECT_EQ(ReadPanelNumber("+7"), 7);
  EXPECT_FALSE(ReadPanelNumber(""));
  EXPECT_FALSE(ReadPanelNumber("-"));
  EXPECT_FALSE(ReadPanelNumber(" 4"));
  EXPECT_FALSE(ReadPanelNumber("4x"));
  // a long run of digits neither overflows nor comes back in range
  EXPECT_GT(*ReadPanelNumber("99999999999999999999999"), 255);
}

TEST(EditorNavigation, StoresTheLevelLeftAndLoadsTheOneReached) {
  EditorFixture f;
  f.editor->panel.texts[FieldCaveTime] = "77";
  f.editor->panel.texts[FieldDiamonds] = "abc";
  f.game->caves.PropertyAt(1, 0, PropDiamondsNeeded) = 33;
  EXPECT_TRUE(StepEditorCave(*f.game, *f.editor, +1));
  EXPECT_EQ(f.game->caves.PropertyAt(0, 0, PropCaveTime), 77);
  EXPECT_EQ(f.game->caves.PropertyAt(0, 0, PropDiamondsNeeded), 10);
  EXPECT_EQ(f.game->play.caveNo, 1);
  EXPECT_EQ(f.editor->panel.texts[FieldDiamonds], "33");  // loaded all the same
  EXPECT_EQ(f.Modified(), 1);  // by the 77 it stored
  f.game->caveSet.cavesModified = 0;
  EXPECT_TRUE(StepEditorCave(*f.game, *f.editor, -1));
  EXPECT_EQ(f.Modified(), 0);  // navigation alone is no change
}

TEST(EditorNavigation, StopsAtTheFirstAndLastCaveAndLevel) {
  EditorFixture f;
  EXPECT_FALSE(StepEditorCave(*f.game, *f.editor, -1));
  EXPECT_FALSE(StepEditorLevel(*f.game, *f.editor, -1));
  EXPECT_EQ(f.game->play.caveNo, 0);
  f.game->play.levelNo = 4;
  EXPECT_FALSE(StepEditorLevel(*f.game, *f.editor, +1));
  EXPECT_EQ(f.game->play.levelNo, 4);
  f.game->play.caveNo = 19;
  EXPECT_FALSE(StepEditorCave(*f.game, *f.editor, +1));
  EXPECT_EQ(f.game->play.caveNo, 19);
  EXPECT_TRUE(StepEditorLevel(*f.game, *f.editor, -1));
  EXPECT_EQ(f.game->play.levelNo, 3);
}

TEST(EditorLabel, NamesCaveAndLevelRedForSmallCavesWithTheDemoFlag) {
  EditorFixture f(16, 2);
  CaveLevelLabel label = ShowCaveLevel(*f.game);
  EXPECT_EQ(label.text, "Q/3");
  EXPECT_TRUE(label.red);
  EXPECT_FALSE(label.demo);
  f.game->play.caveNo = 15;
  f.game->caves.DemoHeaderAt(15, DemoFlagColumn) = 255;
  label = ShowCaveLevel(*f.game);
  EXPECT_EQ(label.text, "P/3");
  EXPECT_FALSE(label.red);
  EXPECT_TRUE(label.demo);
  f.game->caves.DemoHeaderAt(15, DemoFlagColumn) = 1;  // only 255 marks a demo
  EXPECT_FALSE(ShowCaveLevel(*f.game).demo);
  f.game->play.caveNo = 19;
  f.game->play.levelNo = 4;
  EXPECT_EQ(ShowCaveLevel(*f.game).text, "T/5");
}

TEST(EditorUpDown, TakesTheTypedNumberAsItsPositionAndKeepsToItsRange) {
  EditorPanel panel;
  StepUpDown(panel, FieldCaveTime, +1);
  EXPECT_EQ(panel.texts[FieldCaveTime], "121");
  panel.texts[FieldCaveTime] = "254";
  StepUpDown(panel, FieldCaveTime, +1);
  StepUpDown(panel, FieldCaveTime, +1);
  EXPECT_EQ(panel.texts[FieldCaveTime], "255");
  panel.texts[FieldCaveTime] = "abc";  // an unreadable text: the arrow goes on from where it stood
  StepUpDown(panel, FieldCaveTime, -1);
  EXPECT_EQ(panel.texts[FieldCaveTime], "254");
  panel.texts[FieldValue] = "200";  // a loaded byte beyond the arrow's range comes back into it
  StepUpDown(panel, FieldValue, -1);
  EXPECT_EQ(panel.texts[FieldValue], "98");
  panel.texts[FieldCaveTime] = "1";
  StepUpDown(panel, FieldCaveTime, -1);
  EXPECT_EQ(panel.texts[FieldCaveTime], "1");
}

}  // namespace
}  // namespace quarrion
