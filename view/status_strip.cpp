#include "view/status_strip.h"

#include <string_view>

#include "core/cave_set.h"
#include "view/anim_tables.h"
#include "view/font_text.h"

namespace quarrion {
namespace {

constexpr int kColour0 = 0;
constexpr int kColour1 = 1;
constexpr int kColour2 = 2;
constexpr int kIconY = 2;

// Keeps the draw calls short: every text of the strip is at y = 0 from the status origin.
struct Strip {
  const GameState& game;
  const ViewState& view;
  Media& media;
  int x0;

  void Text(int x, std::string_view text, int colour) const {
    DrawFontText(media.surface, media.fonts, x0 + x, 0, text, colour);
  }
  void Number(int x, int64_t value, int digits, int colour) const { Text(x, PadNumber(value, digits), colour); }
  void Panel() const { media.surface.Draw(media.fonts, kPanelGlyph + view.zoom, 0, 0, 0); }
  void Icon(int x) const {
    media.surface.Draw(media.fonts, kDiamondIconAnim[std::size_t(AnimIndex(game.play))], 0, x0 + x, kIconY);
  }
  bool NeededReached() const { return game.params.diamondsNeeded <= game.play.diamondsCollected; }

  void NeededField() const {
    if (!NeededReached()) {
      Number(4, game.params.diamondsNeeded, 3, kColour0);
      Number(100, game.params.diamondValue, 2, kColour0);
    } else {
      Number(100, game.params.bonusValue, 2, kColour0);
    }
  }
  void CollectedField() const { Number(170, game.play.diamondsCollected, 3, kColour1); }
  void TimeField() const { Number(260, TimeFieldValue(game), 3, kColour2); }
  void ScoreField() const {
    if (game.play.demoRecording) {
      Text(348, "REC/", kColour0);
      Number(414, 400 - game.play.demoPos, 3, kColour2);  // demo bytes still free
    } else if (game.play.demoPlaying) {
      Text(364, "DEMO", kColour0);
    } else {
      Number(352, game.play.score, 6, kColour0);
    }
  }
  void CaveTitle() const {
    const PlayState& p = game.play;
    const std::string_view label = p.demoRecording  ? std::string_view("RECORDING DEMO")
                                   : p.demoPlaying ? std::string_view("PLAYING DEMO")
                                                   : std::string_view(game.caveSet.caveSetName);
    Text(4, label, kColour0);
    const char cave[] = {char('A' + p.caveNo), '\0'};
    const char level[] = {'/', char('1' + p.levelNo), '\0'};
    Text(424, cave, kColour0);
    Text(444, level, kColour0);
  }
  void LivesLine() const {
    Number(4, game.play.lives, 1, kColour1);
    Text(34, game.play.lives == 1 ? "MAN     HIGH SCORE" : "MEN     HIGH SCORE", kColour0);
    Number(352, game.play.hiScore, 6, kColour0);
  }

  // Before the player is born: the cave's name first, then the lives, or a small cave's promise.
  void BeforeBirth() const {
    const PlayState& p = game.play;
    if (game.params.inboxDelay >= 13) {
      if (IsSmallCave(p.caveNo))
        Text(160, "BONUS LIFE", kColour0);
      else
        CaveTitle();
    } else if (p.demoRecording || p.demoPlaying) {
      CaveTitle();
    } else {
      LivesLine();
    }
  }
};

}  // namespace

int TimeFieldValue(const GameState& game) {
  const int caveTime = game.params.caveTime;
  const int property = game.caves.PropertyAt(game.play.caveNo % kCaveCount, game.play.levelNo % kLevelCount,
                                             PropCaveTime);
  return caveTime == property + 1 ? caveTime - 1 : caveTime;
}

void DrawStatusStrip(const GameState& game, const ViewState& view, Media& media) {
  const Strip strip{game, view, media, GeometryOf(view.zoom).statusX};
  const PlayState& p = game.play;
  strip.Panel();
  if (p.playerBorn) strip.Icon(74);
  if (strip.NeededReached()) {
    // the two extra icons stand where the needed number was
    strip.Icon(48);
    strip.Icon(24);
  }
  switch (p.phase) {
    case 0:
    case 1:
    case 2:
    case 5:
    case 6:
      if (!p.playerBorn) {
        strip.BeforeBirth();
      } else {
        strip.NeededField();
        strip.CollectedField();
        strip.TimeField();
        strip.ScoreField();
      }
      break;
    case 3:
      strip.NeededField();
      strip.CollectedField();
      strip.Text(246, "PAUSE", kColour0);
      strip.ScoreField();
      if (!p.playerBorn) strip.Icon(74);
      break;
    case 4:
      strip.NeededField();
      strip.CollectedField();
      strip.Text(260, "OUT OF TIME", kColour0);
      break;
    case 7:
      strip.Panel();
      strip.Text(160, "GAME OVER", kColour0);
      break;
    case 8:
      strip.Panel();
      strip.Text(116, "QUARRION", kColour0);
      break;
    default:
      break;
  }
  if (p.extraLifeFlash > 0) {
    strip.Panel();
    strip.Text(160, "BONUS LIFE", kColour0);
  }
}

}  // namespace quarrion
