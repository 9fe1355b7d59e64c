#include "alarm/alarm_sound.h"

#include <gtest/gtest.h>

namespace orlavox {
namespace {

struct Devices {
  unsigned Count = 1;
  int Asked = 0;
  std::function<unsigned()> Fn() {
    return [this] {
      ++Asked;
      return Count;
    };
  }
};

AlarmSoundList FourSounds() { return {WaveImage{1}, WaveImage{2, 2}, WaveImage{3}, WaveImage{4}}; }

TEST(AlarmSound, BeepFileAndSilenceNeedNoWaveDevice) {
  const AlarmSoundList sounds = FourSounds();
  Devices none{0};
  EXPECT_EQ(PlanAlarmSound(0, sounds, none.Fn()).Call, AlarmSoundCall::MessageBeep);
  EXPECT_EQ(PlanAlarmSound(5, sounds, none.Fn()).Call, AlarmSoundCall::PlayFile);
  for (int index : {-1, 6, 100, -2147483647 - 1})
    EXPECT_EQ(PlanAlarmSound(index, sounds, none.Fn()).Call, AlarmSoundCall::Nothing) << index;
  EXPECT_EQ(none.Asked, 0);
}

TEST(AlarmSound, BuiltInSoundPlaysItsOwnListItemOnlyWhenThereIsSomethingToPlayAndADevice) {
  AlarmSoundList sounds = FourSounds();
  Devices one;
  for (int index = 1; index <= 4; ++index) {
    const AlarmSoundPlan plan = PlanAlarmSound(index, sounds, one.Fn());
    EXPECT_EQ(plan.Call, AlarmSoundCall::PlayImage);
    EXPECT_EQ(plan.Image, &sounds[size_t(index - 1)]) << index;
  }
  Devices none{0};
  EXPECT_EQ(PlanAlarmSound(2, sounds, none.Fn()).Call, AlarmSoundCall::Nothing);
  sounds[2].clear();
  EXPECT_EQ(PlanAlarmSound(3, sounds, one.Fn()).Call, AlarmSoundCall::Nothing);
  EXPECT_EQ(one.Asked, 4) << "an empty sound plays nothing before the devices are counted";
}

}  // namespace
}  // namespace orlavox
