#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/cave_scan.h"
#include "core/cave_set_file.h"
#include "core/cave_start.h"
#include "core/elements.h"
#include "tools/sim/sim.h"
#include "tests/temp_path.h"

namespace quarrion::sim {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class SimTest : public ::testing::Test {
 protected:
  void SetUp() override {
    caves_ = std::make_unique<CaveSet>();
    ResetCaves(*caves_);
    // cave 2 level 1: an inbox, a boulder over the path, a diamond and a firefly
    caves_->Cell(2, 1, 3, 3) = InBox;
    caves_->Cell(2, 1, 5, 2) = Boulder;
    caves_->Cell(2, 1, 6, 3) = Diamond;
    caves_->Cell(2, 1, 10, 10) = FireflyLeft;
    caves_->Cell(2, 1, 30, 15) = OutBox;
    caves_->PropertyAt(2, 1, PropInboxDelay) = 1;
    path_ = testing_support::UniqueTempPath("quarrion-sim", ".qcv");
    ASSERT_TRUE(WriteCaveSetFile(path_, *caves_));
  }
  void TearDown() override { std::filesystem::remove(path_); }

  int Run(const std::vector<std::string>& args) {
    out_.str("");
    err_.str("");
    return SimMain(args, out_, err_);
  }

  // The same run done by hand on the rules, to compare the simulator's output with.
  std::unique_ptr<GameState> Expected(const std::string& keys) {
    auto game = std::make_unique<GameState>();
    game->caves = *caves_;
    game->play.caveNo = 2;
    game->play.levelNo = 1;
    ShellHooks shell;
    CaveStart(*game, shell);
    FinishUncover(*game);
    game->random.SetState(10);
    for (char k : keys) {
      KeyFlagsOf(k, game->keys);
      CaveScan(*game, shell);
    }
    return game;
  }

  std::unique_ptr<CaveSet> caves_;
  std::string path_;
  std::ostringstream out_, err_;
};

TEST_F(SimTest, LastDumpIsTheSummaryAndTwentyTwoRowsOfTheRulesResult) {
  const std::string keys = "......RRr";
  ASSERT_EQ(Run({path_, "--cave", "2", "--level", "1", "--keys", keys}), 0) << err_.str();
  const std::vector<std::string> lines = Lines(out_.str());
  ASSERT_EQ(lines.size(), 23u);
  const auto game = Expected(keys);
  const PlayState& s = game->play;
  EXPECT_EQ(lines[0], "pass 9 score " + std::to_string(s.score) + " collected " +
                          std::to_string(s.diamondsCollected) + " alive 1 born 1");
  for (int y = 1; y <= kMapHeight; ++y) {
    std::string row;
    for (int x = 1; x <= kMapWidth; ++x)
      row += (x > 1 ? " " : "") + std::to_string(game->grids.playfield(x, y));
    EXPECT_EQ(lines[std::size_t(y)], row) << "row " << y;
  }
  EXPECT_GT(s.score, 0) << "the case takes the diamond with the fire key";
  EXPECT_TRUE(err_.str().empty());
}

TEST_F(SimTest, DumpAllPrintsEveryPassAndPassesOutlastTheKeys) {
  ASSERT_EQ(Run({path_, "--level", "1", "--cave", "2", "--keys", "R", "--passes", "4", "--dump", "all"}),
            0);
  const std::vector<std::string> lines = Lines(out_.str());
  ASSERT_EQ(lines.size(), 4u * 23u);
  for (int p = 0; p < 4; ++p) {
    const std::string head = "pass " + std::to_string(p + 1) + " ";
    EXPECT_EQ(lines[std::size_t(p) * 23].rfind(head, 0), 0u);
  }
  EXPECT_EQ(lines[0], "pass 1 score 0 collected 0 alive 1 born 0");
}

TEST_F(SimTest, WithoutKeysOrPassesOnePassRuns) {
  ASSERT_EQ(Run({path_, "--cave", "2", "--level", "1"}), 0);
  const std::vector<std::string> lines = Lines(out_.str());
  ASSERT_EQ(lines.size(), 23u);
  EXPECT_EQ(lines[0].rfind("pass 1 ", 0), 0u);
  EXPECT_EQ(std::count(lines[4].begin(), lines[4].end(), ' '), kMapWidth - 1) << "40 codes a row";
}

TEST_F(SimTest, TheFileIsNeverWrittenBack) {
  const auto before = std::filesystem::last_write_time(path_);
  ASSERT_EQ(Run({path_, "--cave", "2", "--level", "1", "--passes", "3"}), 0);
  CaveSet onDisk;
  ASSERT_TRUE(ReadCaveSetFile(path_, onDisk));
  EXPECT_EQ(onDisk.bytes, caves_->bytes) << "no saved position is stored by a simulation";
  EXPECT_EQ(std::filesystem::last_write_time(path_), before);
}

TEST_F(SimTest, BadArgumentsGiveOneLineAndStatusTwo) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {path_},
      {path_, "--cave", "2"},
      {path_, "--cave", "20", "--level", "0"},
      {path_, "--cave", "-1", "--level", "0"},
      {path_, "--cave", "2x", "--level", "0"},
      {path_, "--cave", "2", "--level", "5"},
      {path_, "--cave", "2", "--level", "1", "--keys", "RX"},
      {path_, "--cave", "2", "--level", "1", "--passes", "0"},
      {path_, "--cave", "2", "--level", "1", "--passes", "99999999999999999999"},
      {path_, "--cave", "2", "--level", "1", "--dump", "some"},
      {path_, "--cave", "2", "--level", "1", "--mode"},
      {path_, "--cave", "2", "--level", "1", "--speed", "3"},
      {path_, path_, "--cave", "2", "--level", "1"},
  };
  for (const auto& args : bad) {
    EXPECT_EQ(Run(args), 2) << args.size();
    EXPECT_TRUE(out_.str().empty());
    const std::vector<std::string> lines = Lines(err_.str());
    EXPECT_EQ(lines.size(), 1u) << err_.str();
  }
}

TEST_F(SimTest, UnreadableOrRefusedFileGivesStatusTwo) {
  EXPECT_EQ(Run({path_ + ".missing", "--cave", "0", "--level", "0"}), 2);
  EXPECT_EQ(Lines(err_.str()).size(), 1u);
  const std::string shortFile = path_ + ".short";
  {
    std::ofstream f(shortFile, std::ios::binary);
    f << std::string(95999, '\x07');
  }
  EXPECT_EQ(Run({shortFile, "--cave", "0", "--level", "0"}), 2) << "a file of the wrong length is refused";
  EXPECT_EQ(Lines(err_.str()).size(), 1u);
  std::filesystem::remove(shortFile);
  EXPECT_EQ(Run({std::filesystem::temp_directory_path().string(), "--cave", "0", "--level", "0"}), 2);
}

TEST(SimKeysTest, EveryKeyCharacterSetsItsFlagsAndNothingElse) {
  KeyFlags k;
  ASSERT_TRUE(KeyFlagsOf('r', k));
  EXPECT_TRUE(k.keyRight && k.keyFire && !k.keyLeft && !k.keyUp && !k.keyDown);
  ASSERT_TRUE(KeyFlagsOf('U', k));
  EXPECT_TRUE(k.keyUp && !k.keyFire);
  ASSERT_TRUE(KeyFlagsOf('F', k));
  EXPECT_TRUE(k.keyFire && !k.keyUp && !k.keyDown && !k.keyLeft && !k.keyRight);
  ASSERT_TRUE(KeyFlagsOf('.', k));
  EXPECT_FALSE(k.keyFire || k.keyUp || k.keyDown || k.keyLeft || k.keyRight);
  EXPECT_FALSE(KeyFlagsOf('x', k));
}

}  // namespace
}  // namespace quarrion::sim
