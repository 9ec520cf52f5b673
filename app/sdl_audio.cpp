#include "app/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>

#include "app/sound_font.h"

namespace quarrion {
namespace {

constexpr int kChannels = 32;
// Half volume for the game's sounds: single sounds peak close to full scale, and the mixer adds
// overlapping ones, so at full volume a busy cave (falling boulders, explosions) was clipped.
constexpr int kEffectsVolume = MIX_MAX_VOLUME / 2;

bool audioOpen = false;
std::array<Mix_Chunk*, kChannels> channelChunk{};  // what each mixer channel last started
std::atomic<bool> musicFinished{false};

void SDLCALL OnMusicFinished() { musicFinished = true; }

// A reader that never runs past the end of the bytes: every read fails softly instead.
struct ByteReader {
  const std::vector<uint8_t>& bytes;
  std::size_t pos = 0;
  bool ok = true;

  bool Has(std::size_t n) const { return ok && n <= bytes.size() - std::min(pos, bytes.size()); }
  uint32_t Big(int n) {
    if (!Has(std::size_t(n))) {
      ok = false;
      return 0;
    }
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = v << 8 | bytes[pos++];
    return v;
  }
  uint32_t Var() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      const uint32_t b = Big(1);
      v = v << 7 | (b & 0x7F);
      if (!(b & 0x80)) return v;
    }
    return v;
  }
  void Skip(std::size_t n) {
    if (!Has(n)) {
      ok = false;
      return;
    }
    pos += n;
  }
};

}  // namespace

bool OpenAudio() {
  if (audioOpen) return true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_Init(MIX_INIT_MID);
  Mix_AllocateChannels(kChannels);
  Mix_Volume(-1, kEffectsVolume);
  Mix_HookMusicFinished(OnMusicFinished);
  audioOpen = true;
  return true;
}

void CloseAudio() {
  if (!audioOpen) return;
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  audioOpen = false;
}

SdlSoundList::~SdlSoundList() { Release(); }

void SdlSoundList::Release() {
  if (audioOpen) {
    for (int c = 0; c < kChannels; ++c) {
      for (const Item& item : items_)
        if (item.chunk != nullptr && channelChunk[std::size_t(c)] == item.chunk) Mix_HaltChannel(c);
    }
  }
  for (Item& item : items_) {
    if (item.chunk != nullptr) Mix_FreeChunk(item.chunk);
  }
  items_.clear();
}

void SdlSoundList::Assign(SoundListData data) {
  Release();
  items_.resize(data.items.size());
  int rate = 0;
  Uint16 format = 0;
  int channels = 0;
  const bool device = audioOpen && Mix_QuerySpec(&rate, &format, &channels) != 0;
  for (std::size_t i = 0; i < data.items.size(); ++i) {
    const SoundItem& source = data.items[i];
    Item& item = items_[i];
    item.looped = source.looped;
    item.maxPlaying = source.maxPlayingCount;
    const Wave& wave = source.wave;
    if (!device || wave.Empty() || wave.channels < 1 || wave.channels > 2 || wave.sampleRate <= 0) continue;
    // convert once to the device's format so playing costs nothing
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, AUDIO_S16SYS, Uint8(wave.channels), wave.sampleRate, format, Uint8(channels),
                          rate) < 0)
      continue;
    const std::size_t bytes = wave.samples.size() * sizeof(int16_t);
    item.samples.resize(bytes * std::size_t(std::max(1, cvt.len_mult)));
    std::memcpy(item.samples.data(), wave.samples.data(), bytes);
    cvt.buf = item.samples.data();
    cvt.len = int(bytes);
    if (cvt.needed && SDL_ConvertAudio(&cvt) != 0) continue;
    item.samples.resize(std::size_t(cvt.needed ? cvt.len_cvt : cvt.len));
    item.chunk = Mix_QuickLoad_RAW(item.samples.data(), Uint32(item.samples.size()));
  }
}

int SdlSoundList::PlayingCount(int item) const {
  int count = 0;
  for (int c = 0; c < kChannels; ++c)
    count += Mix_Playing(c) && channelChunk[std::size_t(c)] == items_[std::size_t(item)].chunk;
  return count;
}

void SdlSoundList::Play(int item) {
  if (item < 0 || item >= Count() || items_[std::size_t(item)].chunk == nullptr) return;
  const Item& it = items_[std::size_t(item)];
  if (it.maxPlaying > 0 && PlayingCount(item) >= it.maxPlaying) return;
  const int channel = Mix_PlayChannel(-1, it.chunk, it.looped ? -1 : 0);
  if (channel >= 0 && channel < kChannels) channelChunk[std::size_t(channel)] = it.chunk;
}

void SdlSoundList::Stop(int item) {
  if (item < 0 || item >= Count() || items_[std::size_t(item)].chunk == nullptr) return;
  for (int c = 0; c < kChannels; ++c)
    if (channelChunk[std::size_t(c)] == items_[std::size_t(item)].chunk) Mix_HaltChannel(c);
}

void SdlSoundList::StopAll() {
  if (audioOpen) Mix_HaltChannel(-1);
}

void SdlSoundList::SetLooped(int item, bool looped) {
  if (item >= 0 && item < Count()) items_[std::size_t(item)].looped = looped;
}

void SdlSoundList::SetMaxPlayingCount(int item, int count) {
  if (item >= 0 && item < Count()) items_[std::size_t(item)].maxPlaying = count;
}

int64_t MidiFileLengthMs(const std::vector<uint8_t>& bytes) {
  ByteReader in{bytes};
  if (in.Big(4) != 0x4D546864) return 0;  // "MThd"
  const uint32_t headerLength = in.Big(4);
  in.Big(2);  // format
  const uint32_t tracks = in.Big(2);
  const int16_t division = int16_t(in.Big(2));
  in.Skip(headerLength >= 6 ? headerLength - 6 : 0);
  if (!in.ok || division == 0) return 0;

  std::map<uint64_t, uint32_t> tempos;  // absolute tick → microseconds per quarter note
  uint64_t endTick = 0;
  for (uint32_t t = 0; t < tracks && in.ok; ++t) {
    if (in.Big(4) != 0x4D54726B) return 0;  // "MTrk"
    const uint32_t length = in.Big(4);
    if (!in.Has(length)) return 0;
    const std::size_t end = in.pos + length;
    uint64_t tick = 0;
    uint32_t status = 0;
    while (in.ok && in.pos < end) {
      tick += in.Var();
      uint32_t byte = in.Big(1);
      if (byte == 0xFF) {
        const uint32_t type = in.Big(1);
        const uint32_t len = in.Var();
        if (type == 0x51 && len == 3) {
          tempos[tick] = in.Big(3);
        } else {
          in.Skip(len);
        }
        if (type == 0x2F) break;
      } else if (byte == 0xF0 || byte == 0xF7) {
        in.Skip(in.Var());
      } else {
        if (byte & 0x80) {
          status = byte;
          byte = in.Big(1);
        }
        const uint32_t kind = status & 0xF0;
        if (kind != 0xC0 && kind != 0xD0) in.Big(1);  // two data bytes, the first already read
      }
    }
    endTick = std::max(endTick, tick);
    in.pos = end;
  }
  if (!in.ok) return 0;
  if (division < 0) {  // frames per second × ticks per frame
    const int fps = -(division >> 8);
    const int perFrame = division & 0xFF;
    return fps > 0 && perFrame > 0 ? int64_t(endTick * 1000 / uint64_t(fps * perFrame)) : 0;
  }
  double us = 0;
  uint64_t lastTick = 0;
  uint32_t tempo = 500000;
  for (const auto& [tick, value] : tempos) {
    if (tick >= endTick) break;
    us += double(tick - lastTick) * tempo / division;
    lastTick = tick;
    tempo = value;
  }
  us += double(endTick - lastTick) * tempo / division;
  return int64_t(us / 1000.0);
}

SdlMidiPlayer::SdlMidiPlayer() = default;

SdlMidiPlayer::~SdlMidiPlayer() {
  if (music_ != nullptr) {
    if (audioOpen) Mix_HaltMusic();
    Mix_FreeMusic(music_);
  }
}

bool SdlMidiPlayer::Open() {
  if (music_ != nullptr) {
    if (audioOpen) Mix_HaltMusic();
    Mix_FreeMusic(music_);
    music_ = nullptr;
  }
  playing_ = false;
  pausedPosition_ = 0;
  std::ifstream in(fileName_, std::ios::binary);
  if (!in) return false;
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
  lengthMs_ = MidiFileLengthMs(bytes);
  if (lengthMs_ <= 0) return false;
  // without an audio device the tune still counts as open: its length and position still run
  if (!audioOpen) return true;
  // a tune that cannot sound stays off, and the log says why
  const SoundFontChoice font = FindSoundFont(soundFont_, SoundFontFolders());
  if (!font.note.empty()) std::fprintf(stderr, "Quarrion: %s\n", font.note.c_str());
  if (font.path.empty()) {
    lengthMs_ = 0;
    return false;
  }
  Mix_SetSoundFonts(font.path.c_str());
  music_ = Mix_LoadMUS(fileName_.c_str());
  if (music_ == nullptr) {
    std::fprintf(stderr, "Quarrion: the tune \"%s\" cannot be played with the SoundFont \"%s\": %s\n",
                 fileName_.c_str(), font.path.c_str(), Mix_GetError());
    lengthMs_ = 0;
    return false;
  }
  return true;
}

void SdlMidiPlayer::Play() {
  if (lengthMs_ <= 0) return;
  musicFinished = false;
  if (music_ != nullptr) {
    Mix_PlayMusic(music_, 0);
    if (pausedPosition_ > 0) Mix_SetMusicPosition(double(pausedPosition_) / 1000.0);
  }
  startedAt_ = int64_t(SDL_GetTicks64()) - pausedPosition_;
  playing_ = true;
}

void SdlMidiPlayer::Stop() {
  if (!playing_) return;
  pausedPosition_ = Position();
  playing_ = false;
  if (music_ != nullptr) Mix_HaltMusic();
  musicFinished = false;
  if (notify_) notify_();
}

int64_t SdlMidiPlayer::Position() const {
  if (!playing_) return pausedPosition_;
  return std::min<int64_t>(lengthMs_, int64_t(SDL_GetTicks64()) - startedAt_);
}

void SdlMidiPlayer::Rewind() {
  pausedPosition_ = 0;
  if (playing_) {
    startedAt_ = int64_t(SDL_GetTicks64());
    if (music_ != nullptr) Mix_RewindMusic();
  }
}

void SdlMidiPlayer::Service() {
  if (!playing_) return;
  const bool ended = music_ != nullptr ? musicFinished.exchange(false) : Position() >= lengthMs_;
  if (!ended) return;
  pausedPosition_ = lengthMs_;  // the tune ran to its end: the notification sees position = length
  playing_ = false;
  if (notify_) notify_();
}

}  // namespace quarrion
