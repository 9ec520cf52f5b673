// Demos: one per cave, stored as run bytes inside the cave set, recorded pass by pass and played
// back through the key flags; the amoeba's switch to fast growth is kept as a pass number.
#pragma once
#include <cstdint>

#include "core/game_state.h"
#include "core/shell_hooks.h"

namespace quarrion {

constexpr int kDemoMoveCount = 9;
constexpr int kLastDemoPos = kDemoBytes - 1;
constexpr uint8_t kFirstDamagedDemoByte = 250;  // 250..255 are never written by the recorder

// A move for one pass: 0 no direction, 1..4 right, down, left, up, 5..8 the same with fire.
int DemoMoveOf(const KeyFlags& keys);
// The longest run one byte of this move holds.
int MaxRunOf(int move);
// The byte of a run of count passes (1..MaxRunOf(move)) of this move.
uint8_t DemoByteFor(int move, int count);

struct DemoRun {
  int move = 0;
  int count = 0;  // 0 for a damaged byte
};
DemoRun DecodeDemoByte(uint8_t byte);

// Sets the key flags of a move as playback does: move 0 leaves the fire flag as it is.
void SetKeysOfMove(KeyFlags& keys, int move);

// A cave's demo counts as stored when its flag is set and its level can be started.
bool HasDemo(const CaveSet& caves, int cave);
bool AnyDemo(const CaveSet& caves);
int DemoLength(const CaveSet& caves, int cave);

// The play command: the first cave with a demo from CaveNo on in cave order is played.
void PlayDemoCommand(GameState& game, ShellHooks& shell);
// The record command: the current cave and level are played and recorded as that cave's demo.
void RecordDemoCommand(GameState& game, ShellHooks& shell);
// The idle title's start of the demo chain.
void StartAutomaticDemo(GameState& game, ShellHooks& shell);

// Start of every pass while playing: sets the key flags for the pass and may end the playback.
void DemoStep(GameState& game, ShellHooks& shell);
// End of every recorded pass after the first: extends or closes the current run.
void RecordDemoStep(GameState& game, ShellHooks& shell);

// Stores the demo, covers the screen (phase 8) and takes the title's position back.
void EndDemoRecording(GameState& game, ShellHooks& shell);
// Covers the screen (phase 8); in the idle chain it looks ahead whether another demo follows.
void EndDemoPlayback(GameState& game, ShellHooks& shell);

// True once the demo under way has ended and its cover phase runs.
inline bool DemoHasEnded(const PlayState& s) { return s.phase == 8; }

}  // namespace quarrion
