#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <deque>
#include <fstream>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/cave_set_commands.h"
#include "core/cave_set_file.h"
#include "core/elements.h"
#include "tests/temp_path.h"

namespace quarrion {
namespace {

namespace fs = std::filesystem;

struct ScriptedDialogs : CaveSetDialogs {
  std::deque<std::optional<std::string>> openAnswers;
  std::deque<std::optional<std::string>> saveAnswers;
  std::deque<SaveAnswer> questionAnswers;
  int opens = 0;
  int saves = 0;
  int questions = 0;
  std::string lastFolder;

  std::optional<std::string> ChooseFileToOpen(const std::string& folder) override {
    ++opens;
    lastFolder = folder;
    return Take(openAnswers);
  }
  std::optional<std::string> ChooseFileToSave(const std::string& folder) override {
    ++saves;
    lastFolder = folder;
    return Take(saveAnswers);
  }
  SaveAnswer AskSaveChanges() override {
    ++questions;
    if (questionAnswers.empty()) return SaveAnswer::Cancel;
    const SaveAnswer answer = questionAnswers.front();
    questionAnswers.pop_front();
    return answer;
  }
  void ShowWriteFailure(const std::string& path, const FileWriteResult& failure) override {
    failures.push_back(path + ": " + failure.Reason());
  }
  std::vector<std::string> failures;
  static std::optional<std::string> Take(std::deque<std::optional<std::string>>& answers) {
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

struct WindowShell : ShellHooks {
  std::vector<std::string> captions;
  std::vector<std::string> calls;
  int paletteIndex = 5;
  void SetCaption(const std::string& caption) override { captions.push_back(caption); }
  void SetPaletteIndex(int index) override { paletteIndex = index; }
  void StoreEditorFields() override { calls.push_back("store"); }
  void LoadEditorFields() override { calls.push_back("load-fields"); }
  void ShowCaveLevel() override { calls.push_back("show-level"); }
  void ReturnToTitle() override { calls.push_back("title"); }
  void RestartMusic() override { calls.push_back("music"); }
  void StopLoopedSounds() override { calls.push_back("stop-loops"); }
  void EnableStartStopMenus() override { calls.push_back("start-stop"); }
  void EnableDemoMenus() override { calls.push_back("demo-menus"); }
};

class CaveSetCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(testing_support::UniqueTempPath("quarrion-commands"));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    game_ = std::make_unique<GameState>();
    context_ = std::make_unique<CaveSetCommandContext>(
        CaveSetCommandContext{*game_, shell_, dialogs_, (dir_ / "Levels").string()});
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string WriteSet(const std::string& name, uint8_t marker) {
    CaveSet caves;
    ResetCaves(caves);
    caves.Cell(0, 0, 1, 1) = marker;
    const std::string path = (dir_ / name).string();
    EXPECT_TRUE(WriteCaveSetFile(path, caves));
    return path;
  }
  uint8_t MarkerOnDisk(const std::string& path) {
    CaveSet caves;
    EXPECT_TRUE(ReadCaveSetFile(path, caves));
    return caves.Cell(0, 0, 1, 1);
  }

  fs::path dir_;
  std::unique_ptr<GameState> game_;
  WindowShell shell_;
  ScriptedDialogs dialogs_;
  std::unique_ptr<CaveSetCommandContext> context_;
};

TEST_F(CaveSetCommands, LoadOutsideTheEditorTakesTheSetAndGoesToTheTitle) {
  const std::string path = WriteSet("my set.qcv", Diamond);
  game_->play.caveNo = 5;
  game_->play.score = 300;
  game_->play.demoPlaying = 1;
  game_->play.inGame = 1;
  dialogs_.openAnswers.push_back(path);
  LoadCaveSetCommand(*context_);
  EXPECT_EQ(dialogs_.lastFolder, (dir_ / "Levels").string());
  EXPECT_EQ(game_->caves.Cell(0, 0, 1, 1), Diamond);
  EXPECT_EQ(game_->caveSet.caveSetFileName, path);
  EXPECT_EQ(game_->caveSet.caveSetName, "my set");
  EXPECT_EQ(game_->caveSet.caveSetLoaded, 1);
  EXPECT_EQ(game_->play.caveNo, 0);
  EXPECT_EQ(game_->play.score, 0);
  EXPECT_EQ(game_->play.demoPlaying, 0);
  EXPECT_EQ(game_->play.inGame, 0);
  EXPECT_EQ(game_->play.idleCounter, 24);
  EXPECT_EQ(shell_.paletteIndex, -1);
  EXPECT_TRUE(shell_.captions.empty()) << "the caption changes only in the editor";
  const std::vector<std::string> expected = {"stop-loops", "demo-menus", "show-level", "start-stop", "title", "music"};
  EXPECT_EQ(shell_.calls, expected);
}

TEST_F(CaveSetCommands, ALoadThatIsCancelledOrRefusedChangesOnlyThePalette) {
  game_->caves.bytes.fill(9);
  game_->caveSet.caveSetFileName = "old.qcv";
  LoadCaveSetCommand(*context_);  // cancelled
  const std::string bad = (dir_ / "short.qcv").string();
  { std::ofstream(bad, std::ios::binary) << std::string(95999, 'x'); }
  dialogs_.openAnswers.push_back(bad);
  LoadCaveSetCommand(*context_);
  EXPECT_EQ(dialogs_.opens, 2);
  EXPECT_EQ(game_->caves.Cell(3, 3, 3, 3), 9);
  EXPECT_EQ(game_->caveSet.caveSetFileName, "old.qcv");
  EXPECT_EQ(game_->caveSet.caveSetLoaded, 0);
  EXPECT_EQ(shell_.paletteIndex, -1);
}

TEST_F(CaveSetCommands, LoadInTheEditorAsksFirstAndCancelStopsEverything) {
  game_->play.editorActive = 1;
  game_->caveSet.cavesModified = 1;
  dialogs_.questionAnswers.push_back(SaveAnswer::Cancel);
  dialogs_.openAnswers.push_back(WriteSet("a.qcv", Diamond));
  LoadCaveSetCommand(*context_);
  EXPECT_EQ(dialogs_.questions, 1);
  EXPECT_EQ(dialogs_.opens, 0);
  EXPECT_EQ(game_->caveSet.cavesModified, 1);
}

TEST_F(CaveSetCommands, LoadInTheEditorSetsTheCaptionAndReloadsThePanel) {
  game_->play.editorActive = 1;
  game_->caveSet.cavesModified = 1;
  dialogs_.questionAnswers.push_back(SaveAnswer::No);
  dialogs_.openAnswers.push_back(WriteSet("x.dat", Diamond));
  LoadCaveSetCommand(*context_);
  EXPECT_EQ(game_->caveSet.cavesModified, 0);
  EXPECT_EQ(game_->caveSet.caveSetName, "x");
  EXPECT_EQ(shell_.captions, std::vector<std::string>{"Quarrion - x.qcv"});
  EXPECT_EQ(shell_.calls.back(), "load-fields");
}

TEST_F(CaveSetCommands, SaveWritesToTheKnownFileAndClearsTheFlag) {
  const std::string path = WriteSet("s.qcv", Dirt);
  game_->caveSet.caveSetFileName = path;
  game_->caveSet.cavesModified = 1;
  ResetCaves(game_->caves);
  game_->caves.Cell(0, 0, 1, 1) = Boulder;
  SaveCaveSetCommand(*context_);
  EXPECT_EQ(dialogs_.saves, 0);
  EXPECT_EQ(game_->caveSet.cavesModified, 0);
  EXPECT_EQ(MarkerOnDisk(path), Boulder);
}

TEST_F(CaveSetCommands, ACancelledSaveAsForgetsTheFileNameButKeepsTheCaption) {
  game_->caveSet.caveSetFileName = "/somewhere/old.qcv";
  game_->caveSet.caveSetName = "old";
  game_->caveSet.cavesModified = 1;
  SaveCaveSetAsCommand(*context_);
  EXPECT_EQ(game_->caveSet.caveSetFileName, "");
  EXPECT_EQ(game_->caveSet.caveSetName, "");
  EXPECT_TRUE(shell_.captions.empty());
  EXPECT_EQ(game_->caveSet.cavesModified, 1) << "nothing was written";
  SaveCaveSetCommand(*context_);
  EXPECT_EQ(dialogs_.saves, 2) << "the next save asks for a name again";
}

TEST_F(CaveSetCommands, SaveAsWritesTheChosenFileAndNamesTheSet) {
  const std::string path = (dir_ / "new one.qcv").string();
  dialogs_.saveAnswers.push_back(path);
  game_->caveSet.cavesModified = 1;
  game_->caves.Cell(0, 0, 1, 1) = Amoeba;
  SaveCaveSetAsCommand(*context_);
  EXPECT_EQ(MarkerOnDisk(path), Amoeba);
  EXPECT_EQ(game_->caveSet.caveSetFileName, path);
  EXPECT_EQ(shell_.captions, std::vector<std::string>{"Quarrion - new one.qcv"});
  EXPECT_EQ(game_->caveSet.cavesModified, 0);
}

// A save the player asked for that wrote nothing must say so: otherwise the next close asks
// nothing and the edits are gone.
TEST_F(CaveSetCommands, ASaveToAReadOnlyFileIsReportedAndTheSetStaysModified) {
  const std::string path = WriteSet("ro.qcv", Dirt);
  fs::permissions(path, fs::perms::owner_read);
  game_->caveSet.caveSetFileName = path;
  game_->caveSet.cavesModified = 1;
  game_->caves.Cell(0, 0, 1, 1) = Boulder;
  EXPECT_EQ(SaveCaveSetCommand(*context_), SaveOutcome::Failed);
  EXPECT_EQ(game_->caveSet.cavesModified, 1);
  EXPECT_EQ(MarkerOnDisk(path), Dirt);
  ASSERT_EQ(dialogs_.failures.size(), 1u);
  EXPECT_EQ(dialogs_.failures[0], path + ": " + std::strerror(EACCES));
}

TEST_F(CaveSetCommands, AFailedSaveAsKeepsTheOldFileNameAndCaption) {
  game_->caveSet.caveSetFileName = "/somewhere/old.qcv";
  game_->caveSet.caveSetName = "old";
  game_->caveSet.cavesModified = 1;
  const std::string gone = (dir_ / "no such folder" / "new.qcv").string();
  dialogs_.saveAnswers.push_back(gone);
  EXPECT_EQ(SaveCaveSetAsCommand(*context_), SaveOutcome::Failed);
  EXPECT_EQ(game_->caveSet.caveSetFileName, "/somewhere/old.qcv");
  EXPECT_TRUE(shell_.captions.empty());
  EXPECT_EQ(game_->caveSet.cavesModified, 1);
  ASSERT_EQ(dialogs_.failures.size(), 1u);
  EXPECT_EQ(dialogs_.failures[0], gone + ": " + std::strerror(ENOENT));
}

// Yes to the save question with a save that fails must not go on to drop the changes.
TEST_F(CaveSetCommands, AFailedSaveAfterYesStopsTheCommandThatAsked) {
  const std::string path = WriteSet("ro.qcv", Dirt);
  fs::permissions(path, fs::perms::owner_read);
  game_->caveSet.caveSetFileName = path;
  game_->caveSet.cavesModified = 1;
  game_->caves.Cell(0, 0, 1, 1) = Boulder;
  dialogs_.questionAnswers.push_back(SaveAnswer::Yes);
  NewCaveSetCommand(*context_);
  EXPECT_EQ(dialogs_.failures.size(), 1u);
  EXPECT_EQ(game_->caveSet.cavesModified, 1);
  EXPECT_EQ(game_->caveSet.caveSetFileName, path) << "the set was not replaced";
  EXPECT_EQ(game_->caves.Cell(0, 0, 1, 1), Boulder);
}

TEST_F(CaveSetCommands, NewGivesAFreshUnnamedSetThatCountsAsSaved) {
  game_->caveSet.caveSetFileName = "/x/y.qcv";
  game_->caveSet.caveSetName = "y";
  game_->play.caveNo = 9;
  game_->caves.bytes.fill(3);
  NewCaveSetCommand(*context_);
  EXPECT_EQ(dialogs_.questions, 0) << "an unmodified set is not asked about";
  EXPECT_EQ(game_->caveSet.caveSetFileName, "");
  EXPECT_EQ(game_->caveSet.caveSetName, "");
  EXPECT_EQ(shell_.captions, std::vector<std::string>{"Quarrion"});
  EXPECT_EQ(game_->caves.Cell(0, 0, 1, 1), Dirt);
  EXPECT_EQ(game_->caves.PropertyAt(4, 4, PropCaveTime), 120);
  EXPECT_EQ(game_->play.caveNo, 0);
  EXPECT_EQ(game_->caveSet.cavesModified, 0);
  EXPECT_EQ(game_->caveSet.caveSetLoaded, 1);
}

TEST_F(CaveSetCommands, YesThenACancelledSaveAsStillLetsNewGoOn) {
  game_->caveSet.cavesModified = 1;
  dialogs_.questionAnswers.push_back(SaveAnswer::Yes);
  game_->caves.bytes.fill(3);
  NewCaveSetCommand(*context_);
  EXPECT_EQ(dialogs_.saves, 1);
  EXPECT_EQ(game_->caveSet.cavesModified, 0);
  EXPECT_EQ(game_->caves.Cell(0, 0, 1, 1), Dirt) << "the unsaved changes are lost";
}

TEST_F(CaveSetCommands, CancelOnTheQuestionKeepsTheModifiedSet) {
  game_->caveSet.cavesModified = 1;
  game_->caves.bytes.fill(3);
  dialogs_.questionAnswers.push_back(SaveAnswer::Cancel);
  NewCaveSetCommand(*context_);
  EXPECT_EQ(game_->caves.Cell(0, 0, 1, 1), 3);
  EXPECT_EQ(game_->caveSet.cavesModified, 1);
}

}  // namespace
}  // namespace quarrion
