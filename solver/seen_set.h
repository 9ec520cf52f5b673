// The search's set of state keys: open addressing with linear probing in one flat array, eight
// bytes a key at most half full, so its memory is known and a look-up touches one cache line.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quarrion {

class SeenSet {
 public:
  SeenSet() : slots_(std::size_t{1} << 16, 0) {}

  // True when the key was not in the set before.
  bool Insert(uint64_t key) {
    if (key == 0) key = 1;  // zero marks an empty slot
    if ((size_ + 1) * 2 > slots_.size()) Grow();
    if (!Place(slots_, key)) return false;
    ++size_;
    return true;
  }

  std::size_t Size() const { return size_; }
  std::size_t Bytes() const { return slots_.size() * sizeof(uint64_t); }

 private:
  static bool Place(std::vector<uint64_t>& slots, uint64_t key) {
    const std::size_t mask = slots.size() - 1;
    for (std::size_t i = std::size_t(key * 0x9E3779B97F4A7C15ull >> 20) & mask;; i = (i + 1) & mask) {
      if (slots[i] == key) return false;
      if (slots[i] == 0) {
        slots[i] = key;
        return true;
      }
    }
  }

  void Grow() {
    std::vector<uint64_t> bigger(slots_.size() * 2, 0);
    for (uint64_t key : slots_)
      if (key != 0) Place(bigger, key);
    slots_.swap(bigger);
  }

  std::vector<uint64_t> slots_;
  std::size_t size_ = 0;
};

}  // namespace quarrion
