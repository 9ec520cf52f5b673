// The real sound list and MIDI player on SDL2_mixer. Without an audio device both stay silent
// and the game plays on.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/media/media.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace quarrion {

// Opens the audio device once for the program; false when there is none.
bool OpenAudio();
void CloseAudio();

class SdlSoundList : public SoundList {
 public:
  ~SdlSoundList() override;
  void Assign(SoundListData data) override;
  int Count() const override { return int(items_.size()); }
  void Play(int item) override;
  void Stop(int item) override;
  void StopAll() override;
  void SetLooped(int item, bool looped) override;
  void SetMaxPlayingCount(int item, int count) override;

 private:
  struct Item {
    Mix_Chunk* chunk = nullptr;
    std::vector<uint8_t> samples;  // owned: the chunk only points into it
    bool looped = false;
    int maxPlaying = 0;
  };
  void Release();
  int PlayingCount(int item) const;

  std::vector<Item> items_;
};

class SdlMidiPlayer : public MidiPlayer {
 public:
  SdlMidiPlayer();
  ~SdlMidiPlayer() override;
  void SetFileName(const std::string& path) override { fileName_ = path; }
  const std::string& FileName() const override { return fileName_; }
  // The SoundFont setting: a file, or empty to search the usual folders at each Open.
  void SetSoundFont(const std::string& path) { soundFont_ = path; }
  bool Open() override;
  void Play() override;
  void Stop() override;
  int64_t Position() const override;
  void Rewind() override;
  int64_t TrackLength() const override { return lengthMs_; }
  void SetNotify(std::function<void()> notify) override { notify_ = std::move(notify); }

  // Called from the window's thread regularly: turns the mixer's end-of-tune into the notify call.
  void Service();

 private:
  std::string fileName_;
  std::string soundFont_;
  Mix_Music* music_ = nullptr;
  std::function<void()> notify_;
  int64_t lengthMs_ = 0;
  int64_t startedAt_ = 0;  // SDL ticks when the current play began, minus the position
  int64_t pausedPosition_ = 0;
  bool playing_ = false;
};

// Length of a standard MIDI file in milliseconds, following its tempo changes; 0 if unreadable.
int64_t MidiFileLengthMs(const std::vector<uint8_t>& bytes);

}  // namespace quarrion
