#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/language.h"
#include "app/texts.h"
#include "tests/app/custom_game_fixture.h"

namespace quarrion::custom_game_test {
namespace {

TEST_F(CustomGameFormTest, EveryControlExistsAndTakesItsCaptionInEachLanguage) {
  for (const char* name : {"EditCustom24", "EditCustom32", "EditCustom40", "EditCustomFonts", "EditCustomSounds",
                           "EditCustomMusic"}) {
    ASSERT_NE(Find<QLineEdit>(name), nullptr) << name;
    EXPECT_TRUE(Find<QLineEdit>(name)->isReadOnly()) << name;
  }
  for (const char* name : {"BLoad24", "BLoad32", "BLoad40", "BLoadFonts", "BLoadSounds", "BLoadMusic", "PackButton",
                           "UnpackButton", "BCustomClose"})
    ASSERT_NE(Find<QPushButton>(name), nullptr) << name;
  for (int language = 0; language < kLanguageCount; ++language) {
    form_->Prepare(language);
    EXPECT_EQ(form_->windowTitle().toStdString(), Text(kTextCustomGame, language));
    for (const ControlText& text : CustomGameDialogTexts(language)) {
      const QString name = QString::fromUtf8(text.control.data(), qsizetype(text.control.size()));
      if (name == "TCustomGameForm") continue;
      QString shown;
      if (auto* button = form_->findChild<QPushButton*>(name)) shown = button->text();
      else if (auto* label = form_->findChild<QLabel*>(name)) shown = label->text();
      else if (auto* box = form_->findChild<QGroupBox*>(name)) shown = box->title();
      else ADD_FAILURE() << "missing " << name.toStdString();
      EXPECT_EQ(shown.toStdString(), std::string(text.text)) << name.toStdString() << " in " << language;
    }
    EXPECT_EQ(Find<QPushButton>("BCustomClose")->text(), QString("OK"));
    EXPECT_EQ(Find<QLabel>("CustomLabel24")->text(), QString("24x24"));
    EXPECT_EQ(Find<QLabel>("CustomLabel40")->text(), QString("40x40"));
    form_->Finish();
  }
}

TEST_F(CustomGameFormTest, ShowingStopsTheGameAndMusicUntilClosedAndOnlyOkOnTheTitleRestartsTheTune) {
  form_->Prepare(0);
  EXPECT_FALSE(host_.timersEnabled);
  EXPECT_EQ(host_.musicStops, 1);
  EXPECT_EQ(Field("EditCustom24"), QString("Graphics24.dxg")) << "names are shown without their folder";
  EXPECT_EQ(Field("EditCustomMusic"), QString("Quarrion.mid"));
  EXPECT_EQ(form_->focusWidget(), Find<QPushButton>("BCustomClose"));
  form_->reject();  // the close box
  form_->Finish();
  EXPECT_TRUE(host_.timersEnabled);
  EXPECT_EQ(host_.musicRestarts, 0) << "only OK restarts the tune";

  host_.inGame = 1;
  form_->Prepare(0);
  form_->BCustomCloseClick();
  form_->Finish();
  EXPECT_EQ(host_.musicRestarts, 0) << "no title tune during a game";

  host_.inGame = 0;
  QTimer::singleShot(0, form_.get(), [this] {
    EXPECT_FALSE(host_.timersEnabled) << "the game stands still while the dialog is open";
    form_->BCustomCloseClick();
  });
  form_->ShowFor(2);
  EXPECT_TRUE(host_.timersEnabled);
  EXPECT_EQ(host_.musicRestarts, 1);
}

TEST_F(CustomGameFormTest, GraphicsPacksReloadOnlyWhenTheyAreTheOnesInUse) {
  host_.config.graph32Path = "C:\\Games\\Quarrion\\data\\old\\Tiles32.dxg";
  form_->Prepare(0);
  EXPECT_EQ(Field("EditCustom32"), QString("Tiles32.dxg")) << "a folder written with backslashes is dropped too";
  host_.zoom = 1;
  host_.answers = {"/packs/New24.dxg"};
  form_->BLoad24Click();
  EXPECT_EQ(host_.config.graph24Path, "/packs/New24.dxg");
  EXPECT_EQ(Field("EditCustom24"), QString("New24.dxg"));
  EXPECT_EQ(host_.graphicsLoads, 0) << "the 24-pixel pack waits for zoom 0";
  ASSERT_EQ(host_.requests.size(), 1u);
  EXPECT_EQ(host_.requests[0].folder, Data()) << "no Data folder on this disk: the data folder";
  EXPECT_EQ(host_.requests[0].filter, "*.dxg (*.dxg)");

  host_.zoom = 0;
  host_.answers = {"/packs/Other24.dxg"};
  form_->BLoad24Click();
  EXPECT_EQ(host_.graphicsLoads, 1);

  host_.answers = {std::nullopt, std::string()};
  form_->BLoad24Click();
  form_->BLoad24Click();
  EXPECT_EQ(host_.config.graph24Path, "/packs/Other24.dxg") << "a cancel or an empty name is no choice";
  EXPECT_EQ(host_.graphicsLoads, 1);

  host_.zoom = 1;
  host_.answers = {"/packs/New32.dxg"};
  form_->BLoad32Click();
  EXPECT_EQ(host_.graphicsLoads, 2);

  host_.editorActive = true;
  host_.inGame = 1;  // a cave test draws with the zoom's pack
  host_.answers = {"/packs/Test24.dxg"};
  form_->BLoad24Click();
  EXPECT_EQ(host_.graphicsLoads, 3);
}

TEST_F(CustomGameFormTest, AGraphicsPackThatFallsBackToTheDefaultShowsTheDefaultsName) {
  host_.zoom = 0;
  host_.zoomFallback = host_.config.graph24Path;
  host_.answers = {"/packs/Broken24.dxg"};
  form_->BLoad24Click();
  EXPECT_EQ(Field("EditCustom24"), QString("Graphics24.dxg")) << "the field must name the pack in use";
}

TEST_F(CustomGameFormTest, A40PixelPackInTheEditorViewGoesStraightIntoTheImages) {
  host_.zoom = 2;
  host_.editorActive = true;
  host_.inGame = 2;
  host_.answers = {"/packs/New40.dxg"};
  form_->BLoad40Click();
  EXPECT_EQ(host_.config.graph40Path, "/packs/New40.dxg");
  EXPECT_EQ(host_.editorImages, std::vector<std::string>{"/packs/New40.dxg"});
  EXPECT_EQ(host_.graphicsLoads, 0);

  host_.inGame = 1;
  host_.answers = {"/packs/Test40.dxg"};
  form_->BLoad40Click();
  EXPECT_EQ(host_.graphicsLoads, 1);

  host_.zoom = 1;
  host_.answers = {"/packs/Later40.dxg"};
  form_->BLoad40Click();
  EXPECT_EQ(host_.graphicsLoads, 1);
  EXPECT_EQ(host_.editorImages.size(), 1u);
  EXPECT_EQ(Field("EditCustom40"), QString("Later40.dxg"));
}

TEST_F(CustomGameFormTest, AFontOrSoundPackThatFailsKeepsTheOldPathFieldAndContents) {
  fs::create_directories(root_ / "Data");
  const fs::path oldFonts = root_ / "old.dxg";
  const fs::path newFonts = root_ / "new.dxg";
  WriteImagePack(oldFonts, 3);
  WriteImagePack(newFonts, 5);
  host_.config.fontsPath = oldFonts.string();
  ASSERT_TRUE(LoadImageList(oldFonts.string(), host_.fonts));
  Spit(root_ / "broken.dxg", {'n', 'o', 'p', 'e'});
  form_->Prepare(0);
  host_.answers = {(root_ / "broken.dxg").string()};
  form_->BLoadFontsClick();
  EXPECT_EQ(host_.requests.back().folder, (root_ / "Data").string()) << "a Data folder is preferred";
  EXPECT_EQ(host_.config.fontsPath, oldFonts.string());
  EXPECT_EQ(Field("EditCustomFonts"), QString("old.dxg"));
  EXPECT_EQ(host_.fonts.Count(), 3) << "the old fonts stay drawable";
  host_.answers = {newFonts.string()};
  form_->BLoadFontsClick();
  EXPECT_EQ(host_.config.fontsPath, newFonts.string());
  EXPECT_EQ(host_.fonts.Count(), 5);

  WriteSoundPack(root_ / "old.dxw", 0);
  host_.config.soundsPath = (root_ / "old.dxw").string();
  ASSERT_TRUE(LoadSoundList(host_.config.soundsPath, host_.waves));
  host_.answers = {(root_ / "broken.dxw").string()};
  form_->BLoadSoundsClick();
  EXPECT_EQ(host_.requests.back().filter, "*.dxw (*.dxw)");
  EXPECT_EQ(host_.config.soundsPath, (root_ / "old.dxw").string());
  EXPECT_EQ(Field("EditCustomSounds"), QString("old.dxw"));
  EXPECT_EQ(host_.waves.Count(), kPackedSounds);
}

TEST_F(CustomGameFormTest, ATuneThatFailsStaysChosenWithoutMusicAndTheTitleTuneAlwaysRestarts) {
  host_.musicOpens = false;
  host_.answers = {"/tunes/broken.mid"};
  form_->BLoadMusicClick();
  EXPECT_EQ(host_.requests.back().filter, "*.mid (*.mid)");
  EXPECT_EQ(host_.musicStops, 1);
  EXPECT_EQ(host_.openedMusic, std::vector<std::string>{"/tunes/broken.mid"});
  EXPECT_FALSE(host_.musicAvailable);
  EXPECT_EQ(host_.config.musicPath, "/tunes/broken.mid");
  EXPECT_EQ(Field("EditCustomMusic"), QString("broken.mid"));
  EXPECT_EQ(host_.musicRestarts, 1);

  host_.musicOpens = true;
  host_.answers = {"/tunes/good.mid"};
  form_->BLoadMusicClick();
  EXPECT_TRUE(host_.musicAvailable);
  EXPECT_EQ(host_.musicRestarts, 2);

  form_->BLoadMusicClick();  // cancelled
  EXPECT_EQ(host_.musicRestarts, 3) << "no choice still restarts the tune the dialog stopped";
  EXPECT_EQ(host_.musicStops, 2);

  host_.muted = true;
  form_->BLoadMusicClick();
  host_.muted = false;
  host_.inGame = 1;
  form_->BLoadMusicClick();
  EXPECT_EQ(host_.musicRestarts, 3) << "muted or in a game: no tune";
}

TEST(CustomGameFormHelpers, FiltersBecomeQtNameFiltersAndTheDialogCentresOverTheWindow) {
  EXPECT_EQ(QtFileFilter("*.dxg|*.dxg"), "*.dxg (*.dxg)");
  EXPECT_EQ(QtFileFilter("*.bmp; *.wav|*.bmp; *.wav"), "*.bmp; *.wav (*.bmp *.wav)");
  EXPECT_EQ(QtFileFilter("*.mid"), "*.mid (*.mid)");
  EXPECT_EQ(CentredOver(QRect(100, 50, 808, 560), QSize(400, 300)), QPoint(304, 180));
  EXPECT_EQ(CentredOver(QRect(0, 0, 300, 200), QSize(401, 301)), QPoint(-50, -50)) << "div truncates toward zero";
  EXPECT_EQ(DisplayFileName("/a/b/Fonts.dxg"), "Fonts.dxg");
  EXPECT_EQ(DisplayFileName("Fonts.dxg"), "Fonts.dxg");
}

}  // namespace
}  // namespace quarrion::custom_game_test
