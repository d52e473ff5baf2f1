// Benchmarks of the calculation run: a whole document (critical water level
// in both states, then the full run), by trial wedge and by Coulomb; the
// line-of-thrust search of a block wall with a trial wedge per check section;
// and one wedge trial.
//
// Each benchmark first makes one untimed run that counts the wedge trials and
// the temporary files created; the timed runs count nothing. Time is wall
// clock per run.
#include <benchmark/benchmark.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/wedge_counter.h"
#include "calc/earth_pressure/doatsu.h"
#include "calc/run/calc_antei.h"
#include "calc/run/line_of_thrust.h"
#include "calc/run/wlvl_auto.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/kusabi_res.h"
#include "document/load_case.h"
#include "document/outline.h"
#include "document/temp_files.h"

namespace norva::bench {
namespace {

// Gravity wall 5 m high: base 2.6 m with a toe 0.3 m wide and 0.5 m high,
// front batter 1.0 m, crest 0.5 m (back face leaning forward by 0.8 m);
// backfill phi 30, gamma 18 / 10; front soil 1.0 m; water with buoyancy;
// automatic water level. Six cases: three normal (plain, vehicle surcharge,
// crowd load) and the same three seismic, all with water.
std::unique_ptr<CDocument> SixCaseGravityWall(int32_t doatsu) {
  auto d = std::make_unique<CDocument>();
  d->SetWallType(1);
  d->WallH = 5;
  d->GrwB = 2.6;
  d->GrwB4 = 0.3;
  d->GrwH1 = 0.5;
  d->GrwB1 = 1.0;
  d->GrwB2 = 0.5;
  d->nKeisya = 1;
  d->Tokki = 0;
  d->Gamcw = 23;
  d->Gamcf = 23;
  d->Gamw = 9.8;
  d->Gamf = 18;
  d->Gamfd = 10;
  d->Gamb = 18;
  d->Gambd = 10;
  d->Fai = 30;
  d->Setdelt(0, 20);
  d->Setdelt(1, 15);
  d->SetC(0, 0);
  d->SetC(1, 0);
  d->SetKh(0, 0.2);
  d->SetKh(1, 0.2);
  d->UragomeType = 0;
  d->UraHd = 0;
  d->Doatsu = doatsu;
  d->BackType = 0;
  d->nTentou = 0;
  d->Sisin = 0;
  d->bQuake = -1;
  d->nWater = 1;
  d->nWlvlAuto = -1;
  d->SetSoilFH(0, 1.0);
  d->SetSoilFH(1, 1.0);
  for (int s = 0; s < 2; ++s) {
    d->SetWatFH(s, 0);
    d->SetWatBH(s, 0);
  }
  d->Myu = 0.6;
  d->cb = 0;
  d->ChkSlide = 1;
  d->nQa = 1;
  d->Qa = 300;
  d->nAutoMobile = 0;
  d->AutoLoad = 10;
  d->AutoPos = 0;
  d->AutoWidth = 99;
  d->nGunsyu = 0;
  d->GunsyuLoad = 5;
  d->GunsyuPos = 0.5;
  d->GunsyuWidth = 2;
  d->nTakuchi = 1;
  d->nSnow = 1;
  d->SetnCase(6);
  const char* names[] = {"常時",   "常時（自動車）",   "常時（群集）",
                         "地震時", "地震時（自動車）", "地震時（群集）"};
  for (int i = 0; i < 6; ++i) {
    CKajyuCase& k = *d->pCase(i);
    const bool quake = i >= 3;
    k.CaseName = names[i];
    k.nWater = 1;
    k.nSoilF = 1;
    k.nQuake = quake ? 1 : 0;
    k.Doat = quake ? 1 : 0;
    k.nAutoMobil = (i % 3 == 1) ? 1 : 0;
    k.nGunsyu = (i % 3 == 2) ? 1 : 0;
    k.Ea = quake ? 3 : 6;
    k.FsTentou = quake ? 1.2 : 1.5;
    k.FsKatsudou = quake ? 1.2 : 1.5;
    k.QuPremium = quake ? 2 : 3;
    k.QaPremium = 1;
    k.AllowPremium = 1;
  }
  return d;
}

// Block wall 3 m high on the ground, batter 1 : 0.5, trial wedges for the
// whole wall and for every check section, line-of-thrust check.
std::unique_ptr<CDocument> BlockWall() {
  auto d = SixCaseGravityWall(1);
  d->SetWallType(0);
  d->nWater = 0;
  d->nWlvlAuto = 0;
  d->SetSoilFH(0, 0);
  d->SetSoilFH(1, 0);
  d->nBlkSetup = 1;
  d->nBlkFound = 1;
  d->BlkN = 0.5;
  d->BlkT = 0.35;
  d->BlkDeltT1 = 0.15;
  d->BlkDeltT2 = 0.15;
  d->BlkB = 0;
  d->BlkB1 = 0;
  d->BlkH1 = 0;
  d->WallH = 3;
  d->nTentou = 3;
  d->SecDoatsu = 1;
  d->SetnCase(1);
  d->pCase(0)->nWater = 0;
  d->pCase(0)->nSoilF = 0;
  return d;
}

// The whole calculation as the program runs it: the water-level search when
// the document asks for it, then the full run.
void WholeRun(CDocument& d) {
  if (d.nWater != 0 && d.nWlvlAuto != 0) CalcWlvlAuto(d);
  CalcAntei(d, 0, 0);
}

struct Counts {
  int64_t trials = 0;
  int64_t files = 0;
  int64_t quietRuns = 0;
  int64_t sectionForces = 0;
};

// One untimed run of fn with the counters on.
Counts CountOneRun(const std::function<void()>& fn) {
  Counts c;
  const int fd = inotify_init1(IN_NONBLOCK);
  if (fd >= 0) inotify_add_watch(fd, PrivateWorkFolder().c_str(), IN_CREATE);
  const int64_t t0 = WedgeTrials(), q0 = WlvlQuietRuns(), s0 = ThrustForceCalls();
  SetWedgeCounting(true);
  fn();
  SetWedgeCounting(false);
  c.trials = WedgeTrials() - t0;
  c.quietRuns = WlvlQuietRuns() - q0;
  c.sectionForces = ThrustForceCalls() - s0;
  if (fd >= 0) {
    alignas(inotify_event) char buf[1 << 16];
    for (;;) {
      const ssize_t n = read(fd, buf, sizeof buf);
      if (n <= 0) break;
      for (char* p = buf; p < buf + n;) {
        const auto* e = reinterpret_cast<const inotify_event*>(p);
        if ((e->mask & IN_CREATE) != 0) ++c.files;
        p += sizeof(inotify_event) + e->len;
      }
    }
    close(fd);
  }
  return c;
}

void Report(benchmark::State& state, const Counts& c, const char* what) {
  static std::vector<std::string> printed;
  state.counters["wedge_trials"] = static_cast<double>(c.trials);
  state.counters["temp_files"] = static_cast<double>(c.files);
  if (c.quietRuns > 0) state.counters["quiet_runs"] = static_cast<double>(c.quietRuns);
  if (c.sectionForces > 0) state.counters["section_forces"] = static_cast<double>(c.sectionForces);
  for (const std::string& p : printed) {
    if (p == what) return;
  }
  printed.push_back(what);
  std::printf(
      "%s: %lld wedge trials, %lld temporary files, %lld quiet runs, "
      "%lld section-force calls per run\n",
      what, static_cast<long long>(c.trials), static_cast<long long>(c.files),
      static_cast<long long>(c.quietRuns), static_cast<long long>(c.sectionForces));
}

void BM_WholeRunTrialWedgeAutoWater(benchmark::State& state) {
  auto d = SixCaseGravityWall(1);
  const Counts c = CountOneRun([&] { WholeRun(*d); });
  for (auto _ : state) WholeRun(*d);
  Report(state, c, "whole run, trial wedge, automatic water level, 6 cases");
}
BENCHMARK(BM_WholeRunTrialWedgeAutoWater)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WholeRunCoulombAutoWater(benchmark::State& state) {
  auto d = SixCaseGravityWall(0);
  const Counts c = CountOneRun([&] { WholeRun(*d); });
  for (auto _ : state) WholeRun(*d);
  Report(state, c, "whole run, Coulomb, automatic water level, 6 cases");
}
BENCHMARK(BM_WholeRunCoulombAutoWater)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LineOfThrustBlockWallSectionWedges(benchmark::State& state) {
  auto d = BlockWall();
  CalcAntei(*d, 0, 0);
  CAntRes& r = *d->AntRes(0, 0);
  const Counts c = CountOneRun([&] { CalcSiryokusen(*d, 0, r); });
  for (auto _ : state) CalcSiryokusen(*d, 0, r);
  Report(state, c, "line-of-thrust search, block wall, wedge per section");
}
BENCHMARK(BM_LineOfThrustBlockWallSectionWedges)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CalcKusabiPa(benchmark::State& state) {
  auto d = SixCaseGravityWall(1);
  KutaiPoints wall{};
  DPoint c1, c2;
  MakeKutaiOutline(*d, wall, c1, c2, 0);
  std::vector<DPoint> pts(21);
  int16_t count = 0, top = 0;
  MakeUraOutline(*d, 0, wall, count, pts, top, 0);
  CKusabiRes w;
  w.fFai = 30 * 0.017453292519943278;
  w.fDelta = 20 * 0.017453292519943278;
  w.fAlpha = std::atan(0.8 / 4.5);
  w.fWlvl = 2.5;
  w.SetNq(0);
  int64_t n = 0;
  for (auto _ : state) {
    w.fOmega = (50 + (n++ % 30)) * 0.017453292519943278;
    benchmark::DoNotOptimize(CalcKusabiPa(*d, count, pts, w));
    benchmark::DoNotOptimize(w.fPa);
  }
  state.SetItemsProcessed(n);
}
BENCHMARK(BM_CalcKusabiPa)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace norva::bench

int main(int argc, char** argv) {
  // A private temporary folder, so the files counted are this program's own;
  // NORVA_BENCH_TMPDIR chooses the file system it lives on (default /tmp).
  const char* base = std::getenv("NORVA_BENCH_TMPDIR");
  std::string pattern =
      std::string(base != nullptr && base[0] == '/' ? base : "/tmp") + "/norva-bench-XXXXXX";
  std::vector<char> dirBuf(pattern.begin(), pattern.end());
  dirBuf.push_back('\0');
  char* dir = dirBuf.data();
  if (mkdtemp(dir) != nullptr) setenv("TMPDIR", dir, 1);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  const std::string work = norva::PrivateWorkFolder();
  rmdir(work.c_str());
  rmdir(dir);
  if (norva::bench::WedgeCountMismatches() != 0) {
    std::fprintf(stderr, "wedge trial count: %lld searches replayed differently\n",
                 static_cast<long long>(norva::bench::WedgeCountMismatches()));
    return 1;
  }
  return 0;
}
