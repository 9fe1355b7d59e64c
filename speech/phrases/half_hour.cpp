#include "speech/phrases/half_hour.h"

namespace orlavox {
namespace {

void AddHour(int hour, PhraseBuilder& out) {
  if (Hour12(hour) == 1)
    out.Add("ett");
  else
    out.Add("n", Hour12(hour));
}

void AddCount(const HalfHourWords& w, int count, PhraseBuilder& out) {
  if (count == 1) {
    out.Add(w.OneMinute);
  } else if (count == 15) {
    out.Add("kvart");
  } else {
    out.Add("n", count);
    if (count % 5 != 0) out.Add(w.Minutes);
  }
}

}  // namespace

void ComposeHalfHourTime(const HalfHourWords& w, int hour, int minute, PhraseBuilder& out) {
  out.Add(w.Intro);
  const int next = (hour + 1) % 24;
  if (minute == 0) {
    AddHour(hour, out);
  } else if (minute <= w.PastUntil) {
    AddCount(w, minute, out);
    out.Add(w.Past);
    AddHour(hour, out);
  } else if (minute < 30) {
    AddCount(w, 30 - minute, out);
    out.Add(w.To);
    out.Add("halv");
    AddHour(next, out);
  } else if (minute == 30) {
    out.Add("halv");
    AddHour(next, out);
  } else if (minute <= w.PastHalfUntil) {
    AddCount(w, minute - 30, out);
    out.Add(w.Past);
    out.Add("halv");
    AddHour(next, out);
  } else {
    AddCount(w, 60 - minute, out);
    out.Add(w.To);
    AddHour(next, out);
  }
}

}  // namespace orlavox
