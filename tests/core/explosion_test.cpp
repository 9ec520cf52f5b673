#include <gtest/gtest.h>

#include "core/explosion.h"
#include "tests/core/cave_text.h"

namespace quarrion {
namespace {

using test::CaveText;
using test::Rows;

TEST(ExplosionTest, SteelSurvivesButWallsExitAndInboxDoNot) {
  CaveText cave({"#######",
                 "#=#X  #",
                 "#I<P  #",
                 "#*O.  #",
                 "#######"});
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#######", "#1#1  #", "#111  #", "#111  #", "#######"}));
  EXPECT_EQ(cave.game().sounds.sndExplosion, 1);
}

TEST(ExplosionTest, BlockShowsFourStagesThenSpace) {
  CaveText cave({"#####",
                 "#   #",
                 "#   #",
                 "#   #",
                 "#####"});
  cave.At(2, 2) = ExplodeToSpace;
  for (char stage : {'1', '2', '3', '4'}) {
    cave.Pass();
    const std::string row = std::string("#") + stage + stage + stage + "#";
    EXPECT_EQ(cave.Picture(), Rows({"#####", row, row, row, "#####"})) << stage;
  }
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#####", "#   #", "#   #", "#   #", "#####"}));
}

TEST(ExplosionTest, CellCaughtAgainRestartsAtStageOne) {
  CaveText cave({"#######",
                 "#     #",
                 "#     #",
                 "#     #",
                 "#######"});
  cave.At(2, 2) = ExplodeToSpace;
  cave.Pass();
  cave.At(4, 2) = ExplodeToSpace;
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"#######", "#22111#", "#22111#", "#22111#", "#######"}))
      << "visited cells overwritten after their step and cells ahead alike end at stage 1";
  cave.Pass(3);
  EXPECT_EQ(cave.Picture(), Rows({"#######", "#  444#", "#  444#", "#  444#", "#######"}));
  cave.Pass();
  EXPECT_EQ(cave.Count(Space), 15);
}

TEST(ExplosionTest, DiamondExplosionEndsInDiamonds) {
  CaveText cave({"#####",
                 "#...#",
                 "#...#",
                 "#####"});
  cave.At(2, 1) = ExplodeToDiamonds;
  cave.Pass(5);
  EXPECT_EQ(cave.Picture(), Rows({"#####", "#***#", "#***#", "#####"}));
}

TEST(ExplosionTest, SecondFireflyInTheBlockIsDestroyedWithoutExploding) {
  CaveText cave({"########",
                 "#......#",
                 "#P<<...#",
                 "#......#",
                 "########"});
  cave.Pass();
  EXPECT_EQ(cave.Picture(), Rows({"########", "#111...#", "#111...#", "#111...#", "########"}))
      << "the block stays 3 x 3";
}

TEST(ExplosionTest, ExplosionCatchingADummyKillsThePlayerAtItsNextVisit) {
  CaveText cave({"#########",
                 "#P  #   #",
                 "#   # p #",
                 "#########"});
  cave.At(6, 1) = ExplodeToSpace;
  cave.Pass();
  EXPECT_EQ(cave.game().play.dummyKilled, 1);
  EXPECT_EQ(cave.Code(1, 1), Player) << "the player was visited before the dummy died";
  EXPECT_EQ(cave.game().play.playerAlive, 1);
  cave.Pass();
  EXPECT_EQ(cave.Code(1, 1), SpaceExplosion1);
  EXPECT_EQ(cave.game().play.playerAlive, 0);
}

TEST(ExplosionTest, MarkedPlayerIsDestroyedWithoutTheCry) {
  CaveText cave({"#####",
                 "#   #",
                 "#   #",
                 "#####"});
  cave.At(2, 2) = PlayerMoved;
  Explode(cave.game(), 2, 2, ExplosionKind::ToSpace);
  EXPECT_EQ(cave.game().sounds.sndKilled, 0);
  cave.At(1, 1) = Player;
  Explode(cave.game(), 2, 2, ExplosionKind::ToSpace);
  EXPECT_EQ(cave.game().sounds.sndKilled, 1);
}

}  // namespace
}  // namespace quarrion
