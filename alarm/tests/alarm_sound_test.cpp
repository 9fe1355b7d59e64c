#include "alarm/alarm_sound.h"

#include <gtest/gtest.h>

namespace orlavox {
namespace {

TEST(AlarmSound, EachIndexMakesItsCallAndDevicesAreCountedOnlyForAnImageToPlay) {
  const uint8_t bytes[4] = {1, 2, 3, 4};
  AlarmSoundList sounds = {WaveImage{bytes, 1}, WaveImage{bytes + 1, 2}, WaveImage{bytes + 2, 1}, WaveImage{bytes + 3, 1}};
  unsigned devices = 0;
  int asked = 0;
  const auto count = [&] { return ++asked, devices; };

  EXPECT_EQ(PlanAlarmSound(0, sounds, count).Call, AlarmSoundCall::MessageBeep);
  EXPECT_EQ(PlanAlarmSound(5, sounds, count).Call, AlarmSoundCall::PlayFile);
  for (int index : {-1, 6, 100, -2147483647 - 1})
    EXPECT_EQ(PlanAlarmSound(index, sounds, count).Call, AlarmSoundCall::Nothing) << index;
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(PlanAlarmSound(2, sounds, count).Call, AlarmSoundCall::Nothing) << "no wave output device";

  devices = 1;
  for (int index = 1; index <= 4; ++index) {
    const AlarmSoundPlan plan = PlanAlarmSound(index, sounds, count);
    EXPECT_EQ(plan.Call, AlarmSoundCall::PlayImage);
    EXPECT_EQ(plan.Image, &sounds[size_t(index - 1)]) << index;
  }
  sounds[2] = {};
  asked = 0;
  EXPECT_EQ(PlanAlarmSound(3, sounds, count).Call, AlarmSoundCall::Nothing);
  EXPECT_EQ(asked, 0) << "an empty sound plays nothing before the devices are counted";
}

}  // namespace
}  // namespace orlavox
