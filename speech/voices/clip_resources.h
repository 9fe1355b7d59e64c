#pragma once
// How a voice carries its clips: clip i of the language's table is the
// RCDATA resource kFirstClipResource + i, Microsoft ADPCM that the voice
// decodes itself (speech/voices/clip_codec.h) into 16-bit PCM of the format
// below. Shared by the clip generator (tools/voice_clips) and the voices.

namespace orlavox {

inline constexpr int kFirstClipResource = 1;
inline constexpr unsigned kClipSampleRate = 16000;
inline constexpr unsigned kClipChannels = 1;
inline constexpr unsigned kClipBitsPerSample = 16;

}  // namespace orlavox
