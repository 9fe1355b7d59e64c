#pragma once
// How a voice carries its clips: clip i of the language's table is the
// RCDATA resource kFirstClipResource + i, raw PCM in the format below.
// Shared by the clip generator (tools/voice_clips) and the voices.

namespace orlavox {

inline constexpr int kFirstClipResource = 1;
inline constexpr unsigned kClipSampleRate = 22050;
inline constexpr unsigned kClipChannels = 1;
inline constexpr unsigned kClipBitsPerSample = 16;

}  // namespace orlavox
