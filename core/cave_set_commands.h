// The load, save, save-as and new commands of the cave set, with the save question. The file
// choosers and the question box come from the window through CaveSetDialogs.
#pragma once
#include <optional>
#include <string>

#include "core/game_state.h"
#include "core/shell_hooks.h"

namespace quarrion {

enum class SaveAnswer { Yes, No, Cancel };

class CaveSetDialogs {
 public:
  virtual ~CaveSetDialogs() = default;
  // A chosen path, or nothing when the dialog was cancelled.
  virtual std::optional<std::string> ChooseFileToOpen(const std::string& initialFolder) = 0;
  virtual std::optional<std::string> ChooseFileToSave(const std::string& initialFolder) = 0;
  virtual SaveAnswer AskSaveChanges() = 0;
};

struct CaveSetCommandContext {
  GameState& game;
  ShellHooks& shell;
  CaveSetDialogs& dialogs;
  std::string levelsFolder;  // "Levels" beside the program
};

void LoadCaveSetCommand(CaveSetCommandContext& c);
void SaveCaveSetCommand(CaveSetCommandContext& c);
void SaveCaveSetAsCommand(CaveSetCommandContext& c);
void NewCaveSetCommand(CaveSetCommandContext& c);

// Asks before unsaved changes are lost: Yes saves, Yes and No clear the flag. False on Cancel.
bool ConfirmDiscardChanges(CaveSetCommandContext& c);

}  // namespace quarrion
