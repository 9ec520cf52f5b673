// A fuzz target's entry: libFuzzer's own in the fuzz build, a named function in the test that
// replays every seed corpus, so all targets link into one test program.
#pragma once
#include <cstddef>
#include <cstdint>

#ifdef QUARRION_FUZZ_REPLAY
#define QUARRION_FUZZ_TARGET(name) int name(const uint8_t* data, size_t size)
#else
#define QUARRION_FUZZ_TARGET(name) extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
#endif
