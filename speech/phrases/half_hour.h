#pragma once
// The way Swedish and Norwegian tell the time: minutes past the hour, then
// minutes to and past the half of the next hour, then minutes to the next
// hour ("fem i halv åtta", "ti over halv åtte"). The languages differ in their
// words and in where the half takes over.
#include "speech/phrases/phrase.h"

namespace orlavox {

struct HalfHourWords {
  const char* Intro;      // "Klockan är"
  const char* OneMinute;  // "en minut"
  const char* Minutes;    // "minuter", after counts that are not multiples of five
  const char* Past;       // "över"
  const char* To;         // "i"
  int PastUntil;          // last minute counted past the hour
  int PastHalfUntil;      // last minute counted past the half
};

// Clip keys used beside the words: "kvart", "halv", "ett" (one o'clock) and
// "n2".."n20" for the numbers.
void ComposeHalfHourTime(const HalfHourWords& words, int hour, int minute, PhraseBuilder& out);

}  // namespace orlavox
