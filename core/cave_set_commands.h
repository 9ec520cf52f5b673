// The load, save, save-as and new commands of the cave set, with the save question. The file
// choosers and the question box come from the window through CaveSetDialogs.
#pragma once
#include <optional>
#include <string>

#include "core/game_state.h"
#include "core/safe_file.h"
#include "core/shell_hooks.h"

namespace quarrion {

enum class SaveAnswer { Yes, No, Cancel };
// Saved, or no name chosen in the save-as dialog, or the write failed (reported, set still modified).
enum class SaveOutcome { Saved, Cancelled, Failed };

class CaveSetDialogs {
 public:
  virtual ~CaveSetDialogs() = default;
  // A chosen path, or nothing when the dialog was cancelled.
  virtual std::optional<std::string> ChooseFileToOpen(const std::string& initialFolder) = 0;
  virtual std::optional<std::string> ChooseFileToSave(const std::string& initialFolder) = 0;
  virtual SaveAnswer AskSaveChanges() = 0;
  // Tells the player that a save they asked for wrote nothing, and why.
  virtual void ShowWriteFailure(const std::string& path, const FileWriteResult& failure) = 0;
};

struct CaveSetCommandContext {
  GameState& game;
  ShellHooks& shell;
  CaveSetDialogs& dialogs;
  std::string levelsFolder;  // "Levels" beside the program
};

void LoadCaveSetCommand(CaveSetCommandContext& c);
// A failed write is shown through the dialogs and leaves CavesModified as it was.
SaveOutcome SaveCaveSetCommand(CaveSetCommandContext& c);
SaveOutcome SaveCaveSetAsCommand(CaveSetCommandContext& c);
void NewCaveSetCommand(CaveSetCommandContext& c);

// Asks before unsaved changes are lost: Yes saves, Yes and No clear the flag. False on Cancel, and
// when the save failed: the changes are kept and the command that asked goes no further.
bool ConfirmDiscardChanges(CaveSetCommandContext& c);

}  // namespace quarrion
