// The editor's undo and redo: each step keeps only the cave set bytes it changed, with the
// modified flag and the panel's texts and generator slots before and after, so taking a step back
// restores exactly what it changed and nothing done since outside the steps.
#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "core/cave_set.h"

namespace quarrion {

// What a step records beside the bytes: where it happened and the editor's own values.
struct UndoMark {
  uint8_t caveNo = 0;
  uint8_t levelNo = 0;
  uint8_t modified = 0;
  std::vector<std::string> texts;  // the panel edits
  std::vector<uint8_t> slotBytes;  // the generator slots
};

// What Undo or Redo hands back to the editor to put on its panel.
struct UndoApplied {
  uint8_t caveNo = 0;
  uint8_t levelNo = 0;
  uint8_t modified = 0;
  std::vector<std::string> texts;  // the texts to show
  std::vector<bool> textChanged;   // only those the step changed are put back
  std::vector<uint8_t> slotBytes;
  std::vector<bool> slotChanged;
};

class UndoHistory {
 public:
  static constexpr std::size_t kMaxSteps = 1000;

  // Takes the state before an action; an open step is closed first.
  void Begin(const CaveSet& caves, UndoMark mark);
  // Closes the open step; it is kept when it changed a byte, a text or a slot. True when kept.
  bool End(const CaveSet& caves, UndoMark mark);
  bool StepOpen() const { return open_; }

  bool CanUndo() const { return !done_.empty(); }
  bool CanRedo() const { return !undone_.empty(); }
  std::size_t UndoCount() const { return done_.size(); }
  // Puts back the bytes of the last step and returns what the panel showed before it.
  bool Undo(CaveSet& caves, UndoApplied& applied);
  // Does the last undone step again and returns what the panel showed after it.
  bool Redo(CaveSet& caves, UndoApplied& applied);

  void Clear();
  // After a save the file holds the present bytes, and after a change outside the steps no
  // earlier state matches the file: either way every step leads to unsaved changes.
  void MarkAllModified();

 private:
  struct Change {
    uint32_t index;
    uint8_t before;
    uint8_t after;
  };
  struct Step {
    std::vector<Change> changes;
    UndoMark before;
    UndoMark after;
  };
  static void Apply(const Step& step, bool forward, CaveSet& caves, UndoApplied& applied);

  std::deque<Step> done_;
  std::deque<Step> undone_;
  std::unique_ptr<CaveSet> snapshot_;  // the bytes when the open step began
  UndoMark openMark_;
  bool open_ = false;
};

}  // namespace quarrion
