#include "core/cave_set_commands.h"

#include "core/cave_set_file.h"

namespace quarrion {
namespace {

void SetSetName(CaveSetCommandContext& c, const std::string& path) {
  c.game.caveSet.caveSetFileName = path;
  c.game.caveSet.caveSetName = path.empty() ? std::string() : CaveSetNameOf(path);
}

}  // namespace

bool ConfirmDiscardChanges(CaveSetCommandContext& c) {
  if (!c.game.caveSet.cavesModified) return true;
  switch (c.dialogs.AskSaveChanges()) {
    case SaveAnswer::Cancel:
      return false;
    case SaveAnswer::Yes:
      SaveCaveSetCommand(c);
      break;
    case SaveAnswer::No:
      break;
  }
  // the set counts as saved even when the save-as dialog was cancelled
  c.game.caveSet.cavesModified = 0;
  return true;
}

void LoadCaveSetCommand(CaveSetCommandContext& c) {
  PlayState& s = c.game.play;
  s.idleCounter = 24;
  c.shell.StopLoopedSounds();
  const bool inEditor = s.editorActive != 0;
  if (inEditor) {
    c.shell.StoreEditorFields();
    if (!ConfirmDiscardChanges(c)) return;
  }
  const std::optional<std::string> chosen = c.dialogs.ChooseFileToOpen(c.levelsFolder);
  c.shell.SetPaletteIndex(-1);
  if (!chosen || !ReadCaveSetFile(*chosen, c.game.caves)) return;

  SetSetName(c, *chosen);
  c.game.caveSet.caveSetLoaded = 1;
  c.shell.EnableDemoMenus();
  s.demoPlaying = 0;
  s.demoRecording = 0;
  s.titleIntro = 0;
  s.caveNo = 0;
  s.levelNo = 0;
  s.score = 0;
  c.shell.ShowCaveLevel();
  if (inEditor) {
    c.shell.LoadEditorFields();
    c.shell.SetCaption(CaveSetCaption(c.game.caveSet.caveSetName));
    return;
  }
  c.shell.EnableStartStopMenus();
  c.shell.ReturnToTitle();
  c.shell.RestartMusic();
  s.inGame = 0;
}

void SaveCaveSetCommand(CaveSetCommandContext& c) {
  c.shell.StoreEditorFields();
  if (c.game.caveSet.caveSetFileName.empty()) {
    SaveCaveSetAsCommand(c);
    return;
  }
  c.game.caveSet.cavesModified = 0;
  WriteCaveSetFile(c.game.caveSet.caveSetFileName, c.game.caves);
}

void SaveCaveSetAsCommand(CaveSetCommandContext& c) {
  c.shell.SetPaletteIndex(-1);
  c.shell.StoreEditorFields();
  const std::optional<std::string> chosen = c.dialogs.ChooseFileToSave(c.levelsFolder);
  if (chosen) {
    c.game.caveSet.cavesModified = 0;
    WriteCaveSetFile(*chosen, c.game.caves);
  }
  // a cancelled dialog leaves the set without a file name, and the caption as it was
  SetSetName(c, chosen.value_or(std::string()));
  if (!c.game.caveSet.caveSetName.empty()) c.shell.SetCaption(CaveSetCaption(c.game.caveSet.caveSetName));
}

void NewCaveSetCommand(CaveSetCommandContext& c) {
  if (!ConfirmDiscardChanges(c)) return;
  SetSetName(c, std::string());
  c.shell.SetCaption(CaveSetCaption(std::string()));
  ResetCaves(c.game.caves);
  c.game.caveSet.caveSetLoaded = 1;
  c.game.play.caveNo = 0;
  c.game.play.levelNo = 0;
  c.shell.ShowCaveLevel();
  c.shell.LoadEditorFields();
}

}  // namespace quarrion
