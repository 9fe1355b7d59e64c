// The cost of deciding one clock tick.
#include <benchmark/benchmark.h>

#include "app/clock_tick.h"

namespace {

using namespace orlavox;

TickInputs Inputs() {
  TickInputs in;
  in.Now = TickTime{10, 20, 30, 7, 2};
  in.Last = LastTick{10, 20, 30, 7};
  in.AnnounceOn = true;
  in.AnnounceInterval = 15;
  in.AlarmOn = true;
  in.AlarmHour = 7;
  return in;
}

// The yardstick: what an idle tick must do at the least, compare the four
// fields with the previous tick's.
void BM_BaselineCompareFourFields(benchmark::State& state) {
  TickInputs in = Inputs();
  for (auto _ : state) {
    benchmark::DoNotOptimize(in);
    const bool changed = in.Now.Second != in.Last.Second || in.Now.Minute != in.Last.Minute ||
                         in.Now.Hour != in.Last.Hour || in.Now.Day != in.Last.Day;
    benchmark::DoNotOptimize(changed);
  }
}
BENCHMARK(BM_BaselineCompareFourFields);

void BM_IdleTick(benchmark::State& state) {
  TickInputs in = Inputs();
  for (auto _ : state) {
    benchmark::DoNotOptimize(in);
    TickPlan plan = PlanTick(in);
    benchmark::DoNotOptimize(plan);
  }
}
BENCHMARK(BM_IdleTick);

void BM_SecondTick(benchmark::State& state) {
  TickInputs in = Inputs();
  in.Last.Second = 29;
  for (auto _ : state) {
    benchmark::DoNotOptimize(in);
    TickPlan plan = PlanTick(in);
    benchmark::DoNotOptimize(plan);
  }
}
BENCHMARK(BM_SecondTick);

void BM_MidnightTick(benchmark::State& state) {
  TickInputs in = Inputs();
  in.Now = TickTime{0, 0, 0, 8, 3};
  in.Last = LastTick{23, 59, 59, 7};
  for (auto _ : state) {
    benchmark::DoNotOptimize(in);
    TickPlan plan = PlanTick(in);
    benchmark::DoNotOptimize(plan);
  }
}
BENCHMARK(BM_MidnightTick);

}  // namespace

BENCHMARK_MAIN();
