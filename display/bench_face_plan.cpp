// Cost of deciding what the face draws on a tick: an idle tick (nothing
// changed: the tick builds no plan at all, measured as the repaint decision
// the paint handlers make) and a tick where only the second changed.
#include <benchmark/benchmark.h>

#include "display/face_plan.h"

namespace orlavox {
namespace {

void BM_SecondsOnlyTick(benchmark::State& state) {
  TickTime t;
  t.Hour = 13;
  t.Minute = 5;
  for (auto _ : state) {
    t.Second = static_cast<uint8_t>((t.Second + 1) % 60);
    FacePlan plan;
    PlanUpdateSeconds(plan, t);
    benchmark::DoNotOptimize(plan);
  }
}
BENCHMARK(BM_SecondsOnlyTick);

void BM_FullRepaintPlan(benchmark::State& state) {
  TickTime t;
  t.Hour = 21;
  t.Minute = 45;
  t.Day = 17;
  t.DayOfWeek = 4;
  const FaceSettings s = {false, true, true};
  for (auto _ : state) {
    t.Second = static_cast<uint8_t>((t.Second + 1) % 60);
    FacePlan plan = PlanRepaint(t, s, DisplayMode::Big);
    benchmark::DoNotOptimize(plan);
  }
}
BENCHMARK(BM_FullRepaintPlan);

}  // namespace
}  // namespace orlavox
