#include "editor/undo_history.h"

namespace quarrion {

void UndoHistory::Begin(const CaveSet& caves, UndoMark mark) {
  if (open_) End(caves, mark);  // what stands now is the open step's after-state
  if (!snapshot_) snapshot_ = std::make_unique<CaveSet>();
  *snapshot_ = caves;
  openMark_ = std::move(mark);
  open_ = true;
}

bool UndoHistory::End(const CaveSet& caves, UndoMark mark) {
  if (!open_) return false;
  open_ = false;
  Step step;
  for (std::size_t i = 0; i < kCaveSetBytes; ++i) {
    if (snapshot_->bytes[i] != caves.bytes[i]) step.changes.push_back({uint32_t(i), snapshot_->bytes[i], caves.bytes[i]});
  }
  if (step.changes.empty() && mark.texts == openMark_.texts && mark.slotBytes == openMark_.slotBytes) return false;
  step.before = std::move(openMark_);
  step.after = std::move(mark);
  done_.push_back(std::move(step));
  if (done_.size() > kMaxSteps) done_.pop_front();
  undone_.clear();  // a new step ends the way forward
  return true;
}

void UndoHistory::Apply(const Step& step, bool forward, CaveSet& caves, UndoApplied& applied) {
  for (const Change& change : step.changes) caves.bytes[change.index] = forward ? change.after : change.before;
  const UndoMark& target = forward ? step.after : step.before;
  applied.caveNo = step.before.caveNo;
  applied.levelNo = step.before.levelNo;
  applied.modified = target.modified;
  applied.texts = target.texts;
  applied.slotBytes = target.slotBytes;
  applied.textChanged.assign(target.texts.size(), false);
  for (std::size_t i = 0; i < target.texts.size() && i < step.after.texts.size() && i < step.before.texts.size(); ++i)
    applied.textChanged[i] = step.before.texts[i] != step.after.texts[i];
  applied.slotChanged.assign(target.slotBytes.size(), false);
  for (std::size_t i = 0; i < target.slotBytes.size() && i < step.after.slotBytes.size() && i < step.before.slotBytes.size(); ++i)
    applied.slotChanged[i] = step.before.slotBytes[i] != step.after.slotBytes[i];
}

bool UndoHistory::Undo(CaveSet& caves, UndoApplied& applied) {
  if (open_ || done_.empty()) return false;
  Apply(done_.back(), false, caves, applied);
  undone_.push_back(std::move(done_.back()));
  done_.pop_back();
  return true;
}

bool UndoHistory::Redo(CaveSet& caves, UndoApplied& applied) {
  if (open_ || undone_.empty()) return false;
  Apply(undone_.back(), true, caves, applied);
  done_.push_back(std::move(undone_.back()));
  undone_.pop_back();
  return true;
}

void UndoHistory::Clear() {
  done_.clear();
  undone_.clear();
  open_ = false;
}

void UndoHistory::MarkAllModified() {
  openMark_.modified = 1;
  for (std::deque<Step>* steps : {&done_, &undone_}) {
    for (Step& step : *steps) {
      step.before.modified = 1;
      step.after.modified = 1;
    }
  }
}

}  // namespace quarrion
