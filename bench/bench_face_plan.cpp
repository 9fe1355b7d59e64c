// Cost of deciding what the face draws on a clock tick: the tick's decision
// followed by the face plans of the fields that changed. An idle tick (the
// second has not changed yet) draws nothing; a seconds-only tick draws the two
// second digits; a repaint draws the whole big display.
#include <benchmark/benchmark.h>

#include "app/clock_tick.h"
#include "display/face_plan.h"

namespace orlavox {
namespace {

FacePlan PlanFor(const TickPlan& tick, const TickTime& t, const FaceSettings& s) {
  FacePlan plan;
  for (TickAction a : tick) {
    switch (a) {
      case TickAction::UpdateSeconds: PlanUpdateSeconds(plan, t); break;
      case TickAction::UpdateMinutes: PlanUpdateMinutes(plan, t); break;
      case TickAction::UpdateHours: PlanUpdateHours(plan, t, s); break;
      case TickAction::UpdateDate: PlanUpdateDate(plan, t); break;
      default: break;
    }
  }
  return plan;
}

TickInputs Inputs(uint8_t lastSecond) {
  TickInputs in;
  in.Now.Hour = 13;
  in.Now.Minute = 5;
  in.Now.Second = 30;
  in.Now.Day = 17;
  in.Now.DayOfWeek = 4;
  in.Last = {13, 5, lastSecond, 17};
  return in;
}

void BM_IdleTick(benchmark::State& state) {
  const TickInputs in = Inputs(30);
  const FaceSettings s;
  for (auto _ : state) {
    FacePlan plan = PlanFor(PlanTick(in), in.Now, s);
    benchmark::DoNotOptimize(plan);
  }
}
BENCHMARK(BM_IdleTick);

void BM_SecondsOnlyTick(benchmark::State& state) {
  const TickInputs in = Inputs(29);
  const FaceSettings s;
  for (auto _ : state) {
    FacePlan plan = PlanFor(PlanTick(in), in.Now, s);
    benchmark::DoNotOptimize(plan);
  }
}
BENCHMARK(BM_SecondsOnlyTick);

void BM_RepaintPlan(benchmark::State& state) {
  const TickInputs in = Inputs(29);
  const FaceSettings s = {false, true, true};
  for (auto _ : state) {
    FacePlan plan = PlanRepaint(in.Now, s, DisplayMode::Big);
    benchmark::DoNotOptimize(plan);
  }
}
BENCHMARK(BM_RepaintPlan);

}  // namespace
}  // namespace orlavox
