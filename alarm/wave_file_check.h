#pragma once
// The user's wave file, read by the program itself, is handed to the platform
// from memory without its length: the platform's player believes every size
// the file states and reads as far as they say. A damaged file (cut short, or
// with a size that claims more than there is) would make it read past the
// image and end its playback thread, and with it the program.
#include <cstdint>
#include <string>

namespace orlavox {

// The highest average byte rate a wave may state: Windows' and Wine's player
// size their buffers from it (a third of a second each).
constexpr uint32_t kMaxWaveBytesPerSecond = uint32_t(1) << 24;

// Rewrites the bytes of a wave file into an image that is safe to play from
// memory: a RIFF header, then the file's first "fmt " chunk and its first
// "data" chunk, in that order, whichever came first in the file, each with
// exactly the size it holds. The format keeps what it needs (16 bytes of PCM,
// or 18 and its stated extra bytes); the data keeps what the bytes hold of it,
// in whole blocks; other chunks are left out. The RIFF size is that of the
// image. Returns false, leaving `bytes` as they were, when they hold no
// playable wave: no RIFF "WAVE" header, no "fmt " chunk lying wholly inside
// them, no "data" chunk (or one that hides a "fmt " chunk behind a size
// reaching past the end), a format with no channels, no sample rate, no block
// alignment, no or an absurd byte rate, or extra bytes beyond its chunk, or
// not one whole block of data.
bool MakeWaveImageSafe(std::string& bytes);

}  // namespace orlavox
