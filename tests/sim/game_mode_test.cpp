#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/cave_set_file.h"
#include "core/demo.h"
#include "core/elements.h"
#include "tools/sim/game_mode.h"
#include "tests/temp_path.h"

namespace quarrion::sim {
namespace {

std::string LastLine(const std::string& text) {
  std::string last;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) last = line;
  return last;
}

class GameModeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    caves_ = std::make_unique<CaveSet>();
    ResetCaves(*caves_);
    // cave 1 level 2: inbox, dirt, a diamond, the exit; a diamond is needed
    caves_->Cell(1, 2, 1, 1) = InBox;
    caves_->Cell(1, 2, 2, 1) = Dirt;
    caves_->Cell(1, 2, 3, 1) = Diamond;
    caves_->Cell(1, 2, 4, 1) = Space;
    caves_->Cell(1, 2, 4, 2) = OutBox;
    caves_->PropertyAt(1, 2, PropDiamondsNeeded) = 1;
    caves_->PropertyAt(1, 2, PropInboxDelay) = 0;
    caves_->PropertyAt(1, 2, PropCaveTime) = 99;
    // cave 6 level 0 has no inbox at all
    caves_->Cell(6, 0, 30, 15) = OutBox;
    path_ = testing_support::UniqueTempPath("quarrion-game-mode", ".qcv");
    out_ = testing_support::UniqueTempPath("quarrion-game-mode-demo", ".qcv");
    std::filesystem::remove(out_);
    ASSERT_TRUE(WriteCaveSetFile(path_, *caves_));
  }

  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), path_);
    std::ostringstream out, err;
    const int status = ModeMain(args, out, err);
    out_text_ = out.str();
    err_text_ = err.str();
    return status;
  }

  std::unique_ptr<CaveSet> caves_;
  std::string path_, out_, out_text_, err_text_;
};

// Born in pass 4, then right (dirt), right (diamond), right, down into the exit.
const std::string kToExit = "....RRRD";

TEST_F(GameModeTest, AGameRunEndsAtTheExitWithTheTimeBonusCounted) {
  ASSERT_EQ(Run({"--mode", "game", "--cave", "1", "--level", "2", "--keys", kToExit + "..."}), 0) << err_text_;
  const std::string last = LastLine(out_text_);
  ASSERT_EQ(last.rfind("end exit passes 9 score ", 0), 0u) << last;
  const int score = std::stoi(last.substr(last.rfind(' ') + 1));
  EXPECT_GT(score, 5 + 3 * 90) << "the diamond and at least 90 units of time at level 3";
  EXPECT_NE(out_text_.find(" phase 6 "), std::string::npos);
  EXPECT_NE(out_text_.find(" level 2 cave 1\n"), std::string::npos);
}

TEST_F(GameModeTest, EveryEndIsNamed) {
  ASSERT_EQ(Run({"--mode", "game", "--cave", "1", "--level", "2", "--keys", "..."}), 0);
  EXPECT_EQ(LastLine(out_text_), "end keys-done passes 3 score 0");
  ASSERT_EQ(Run({"--mode", "game", "--cave", "6", "--level", "0"}), 0);
  EXPECT_EQ(LastLine(out_text_), "end dead passes 1 score 0") << "a level without an inbox";

  caves_->PropertyAt(1, 2, PropCaveTime) = 0;  // one unit
  ASSERT_TRUE(WriteCaveSetFile(path_, *caves_));
  ASSERT_EQ(Run({"--mode", "game", "--cave", "1", "--level", "2", "--speed", "16"}), 0);
  EXPECT_EQ(LastLine(out_text_).rfind("end timeout passes ", 0), 0u) << LastLine(out_text_);
}

TEST_F(GameModeTest, DumpAllPrintsEveryPassWithThePhaseTimeLivesLevelAndCave) {
  ASSERT_EQ(Run({"--mode", "game", "--cave", "1", "--level", "2", "--keys", "..", "--lives", "7",
                 "--dump", "all"}),
            0);
  EXPECT_NE(out_text_.find("pass 1 score 0 collected 0 alive 1 born 0 phase 0 time 100 lives 7 level 2 cave 1\n"),
            std::string::npos)
      << out_text_.substr(0, 200);
  EXPECT_NE(out_text_.find("\npass 2 "), std::string::npos);
  EXPECT_EQ(out_text_.find("\npass 3 "), std::string::npos);
}

TEST_F(GameModeTest, ARecordedDemoPlaysBackToTheSameEndAtEverySpeed) {
  ASSERT_EQ(Run({"--mode", "game", "--cave", "1", "--level", "2", "--record-demo", kToExit + ".", "--out",
                 out_}),
            0)
      << err_text_;
  EXPECT_EQ(LastLine(out_text_), "end exit passes 9 score 5");
  CaveSet source;
  ASSERT_TRUE(ReadCaveSetFile(path_, source));
  EXPECT_FALSE(HasDemo(source, 1)) << "the set read is never written";
  CaveSet recorded;
  ASSERT_TRUE(ReadCaveSetFile(out_, recorded));
  ASSERT_TRUE(HasDemo(recorded, 1));
  EXPECT_EQ(recorded.DemoHeaderAt(1, DemoLevelColumn), 2);

  path_ = out_;
  for (const char* speed : {"10", "14", "16"}) {
    ASSERT_EQ(Run({"--mode", "game", "--play-demo", "1", "--speed", speed}), 0) << err_text_;
    EXPECT_EQ(LastLine(out_text_), "end exit passes 8 score 5") << "speed " << speed;
    EXPECT_NE(out_text_.find(" level 2 cave 1\n"), std::string::npos);
  }
}

TEST_F(GameModeTest, RecordingStopsWhenTheKeysAreDoneAndKeepsThem) {
  ASSERT_EQ(Run({"--mode", "game", "--cave", "1", "--level", "2", "--record-demo", "....RR", "--out", out_}), 0);
  EXPECT_EQ(LastLine(out_text_), "end keys-done passes 6 score 5");
  CaveSet recorded;
  ASSERT_TRUE(ReadCaveSetFile(out_, recorded));
  EXPECT_EQ(recorded.DemoByte(1, 0), 3) << "four idle passes";
  EXPECT_EQ(recorded.DemoByte(1, 1), 51) << "the two passes right, under way when the keys ran out";
  EXPECT_EQ(DemoLength(recorded, 1), 1);
}

TEST_F(GameModeTest, RefusesWhatItCannotRun) {
  EXPECT_EQ(Run({"--mode", "game", "--play-demo", "1"}), 2) << "cave 1 has no demo";
  EXPECT_EQ(err_text_, "quarrion-sim: cave 1 has no demo\n");
  EXPECT_EQ(Run({"--mode", "game", "--cave", "1", "--level", "2", "--record-demo", "RR"}), 2) << "no --out";
  EXPECT_EQ(Run({"--mode", "game", "--cave", "1"}), 2);
  EXPECT_EQ(Run({"--mode", "game", "--cave", "1", "--level", "2", "--speed", "25"}), 2);
  EXPECT_EQ(Run({"--mode", "game", "--cave", "1", "--level", "2", "--passes", "3"}), 2);
  EXPECT_EQ(Run({"--mode", "fast", "--cave", "1", "--level", "2"}), 2);
  EXPECT_EQ(Run({"--mode", "scan", "--cave", "1", "--level", "2"}), 0) << "scan mode by name";
  EXPECT_EQ(Run({"--cave", "1", "--level", "2"}), 0) << "scan mode by default";
  EXPECT_EQ(out_text_.rfind("pass 1 score 0 collected 0 alive 1 born 0\n", 0), 0u);
}

}  // namespace
}  // namespace quarrion::sim
