#include "core/cave_set_commands.h"

#include "core/cave_set_file.h"

namespace quarrion {
namespace {

void SetSetName(CaveSetCommandContext& c, const std::string& path) {
  c.game.caveSet.caveSetFileName = path;
  c.game.caveSet.caveSetName = path.empty() ? std::string() : CaveSetNameOf(path);
}

// The set counts as saved only once the file really holds it; a failed write is shown and the
// changes stay marked, so the next close still asks.
SaveOutcome WriteAndReport(CaveSetCommandContext& c, const std::string& path) {
  const FileWriteResult written = WriteCaveSetFile(path, c.game.caves);
  if (!written) {
    c.dialogs.ShowWriteFailure(path, written);
    return SaveOutcome::Failed;
  }
  c.game.caveSet.cavesModified = 0;
  return SaveOutcome::Saved;
}

}  // namespace

bool ConfirmDiscardChanges(CaveSetCommandContext& c) {
  if (!c.game.caveSet.cavesModified) return true;
  switch (c.dialogs.AskSaveChanges()) {
    case SaveAnswer::Cancel:
      return false;
    case SaveAnswer::Yes:
      if (SaveCaveSetCommand(c) == SaveOutcome::Failed) return false;
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

SaveOutcome SaveCaveSetCommand(CaveSetCommandContext& c) {
  c.shell.StoreEditorFields();
  if (c.game.caveSet.caveSetFileName.empty()) return SaveCaveSetAsCommand(c);
  return WriteAndReport(c, c.game.caveSet.caveSetFileName);
}

SaveOutcome SaveCaveSetAsCommand(CaveSetCommandContext& c) {
  c.shell.SetPaletteIndex(-1);
  c.shell.StoreEditorFields();
  const std::optional<std::string> chosen = c.dialogs.ChooseFileToSave(c.levelsFolder);
  const SaveOutcome outcome = chosen ? WriteAndReport(c, *chosen) : SaveOutcome::Cancelled;
  // a set whose save failed keeps the file it came from
  if (outcome == SaveOutcome::Failed) return outcome;
  // a cancelled dialog leaves the set without a file name, and the caption as it was
  SetSetName(c, chosen.value_or(std::string()));
  if (!c.game.caveSet.caveSetName.empty()) c.shell.SetCaption(CaveSetCaption(c.game.caveSet.caveSetName));
  return outcome;
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
