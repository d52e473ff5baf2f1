// Wedge trial files of the calculation run. The water-level search's quiet
// runs make none (their wedges are replaced by the full run before anything
// reads them); a full run writes each searched wedge's file as before.
//
// Hand values of the 2 m x 4 m gravity wall (vertical back face at x = 2,
// level backfill 4 m high, gamma 18, phi 30, delta 20, no cohesion, no load):
// the wedge at slip angle w has the triangle (2, 0), (2, 4), (2 + 4 / tan w, 4),
//   W = 18 * 4 * (4 / tan w) / 2 = 144 / tan w,  L = 4 / sin w,
//   Pa = W sin(w - phi) / cos(w - phi - delta).
// In whole degrees Pa is largest at 56 (Pa(55) = 42.7753, Pa(56) = 42.8132,
// Pa(57) = 42.7736), so the kept pass is 57 down to 55 in steps of 0.2.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "calc/earth_pressure/doatsu.h"
#include "calc/run/calc_antei.h"
#include "calc/run/line_of_thrust.h"
#include "calc/run/run_fixtures.h"
#include "calc/run/wlvl_auto.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/kusabi_res.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "document/outline.h"
#include "document/temp_files.h"

namespace norva {
namespace {

using testing_run::BlockWall;
using testing_run::GravityWall;
using testing_run::ScopedTempDir;

constexpr double kD = 0.017453292519943278;

// Counts the files created in the work folder while it lives.
class CreationWatch {
 public:
  CreationWatch() {
    fd_ = ::inotify_init1(IN_NONBLOCK);
    if (fd_ >= 0) wd_ = ::inotify_add_watch(fd_, PrivateWorkFolder().c_str(), IN_CREATE);
  }
  ~CreationWatch() {
    if (fd_ >= 0) ::close(fd_);
  }
  bool Ok() const { return fd_ >= 0 && wd_ >= 0; }
  // Files created since the last call.
  int Created() {
    int n = 0;
    alignas(inotify_event) char buf[1 << 14];
    for (;;) {
      const ssize_t got = ::read(fd_, buf, sizeof buf);
      if (got <= 0) break;
      for (char* p = buf; p < buf + got;) {
        const auto* e = reinterpret_cast<const inotify_event*>(p);
        if ((e->mask & IN_CREATE) != 0) ++n;
        p += sizeof(inotify_event) + e->len;
      }
    }
    return n;
  }

 private:
  int fd_ = -1;
  int wd_ = -1;
};

std::string Bytes(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// The files the results own, by case and wedge.
std::map<std::pair<int, int>, std::string> OwnedFiles(CDocument& d) {
  std::map<std::pair<int, int>, std::string> out;
  for (int i = 0; i < d.nCase(); ++i) {
    for (int k = 0; k < 2; ++k) {
      if (auto w = d.AntRes(0, i)->Kusabi(k); w && !w->TempFile.empty()) out[{i, k}] = w->TempFile;
    }
  }
  return out;
}

// The gravity wall with uplift, water in both cases and the automatic level,
// by trial wedge; embankment or cut back ground.
std::unique_ptr<CDocument> WaterWedgeWall(bool cut) {
  auto d = GravityWall(true);
  d->Doatsu = 1;
  d->nWater = 2;
  d->nWlvlAuto = -1;
  for (int i = 0; i < d->nCase(); ++i) d->pCase(i)->nWater = 1;
  if (cut) {
    d->BackType = 1;
    d->KiriN = 0.5;
    d->KiriD = 1.0;  // the cut face 1 m behind the heel: two searched wedges
  }
  return d;
}

TEST(TrialFiles, QuietRunsCreateNone) {
  struct Case {
    const char* what;
    bool cut;
    size_t filesPerFullRun;  // searched wedges: one per case, or two on a cut
  };
  for (const Case& c : {Case{"embankment", false, 2}, Case{"cut slope", true, 4}}) {
    SCOPED_TRACE(c.what);
    ScopedTempDir tmp;
    auto d = WaterWedgeWall(c.cut);
    // A full run first: its files must go when the quiet runs replace its wedges.
    CalcAntei(*d, 0, 0);
    ASSERT_EQ(OwnedFiles(*d).size(), c.filesPerFullRun);
    ASSERT_EQ(tmp.Files().size(), c.filesPerFullRun);

    CreationWatch watch;
    ASSERT_TRUE(watch.Ok());
    ASSERT_TRUE(CalcWlvlAuto(*d));
    EXPECT_EQ(watch.Created(), 0);
    EXPECT_TRUE(tmp.Files().empty());
    // The wedges of the last trial level are there, with no file to own.
    for (int i = 0; i < d->nCase(); ++i) {
      ASSERT_TRUE(d->AntRes(0, i)->Kusabi(c.cut ? 1 : 0));
      EXPECT_GT(d->AntRes(0, i)->Pa, 0);
    }
    EXPECT_TRUE(OwnedFiles(*d).empty());

    // A single quiet run on its own makes none either.
    CalcAntei(*d, 1, 1);
    EXPECT_EQ(watch.Created(), 0);

    // The full run that follows writes one file per searched wedge.
    CalcAntei(*d, 0, 0);
    EXPECT_EQ(watch.Created(), static_cast<int>(c.filesPerFullRun));
    const auto owned = OwnedFiles(*d);
    EXPECT_EQ(owned.size(), c.filesPerFullRun);
    for (const auto& [key, path] : owned) EXPECT_GE(KusabiRecordCount(path), 11) << path;
    d.reset();
    EXPECT_TRUE(tmp.Files().empty());
  }
}

// Independent of the run: the file of the dry wall, record by record.
double HandPa(double deg) {
  const double w = deg * kD, phi = 30 * kD, delta = 20 * kD;
  return 144 / std::tan(w) * std::sin(w - phi) / std::cos(w - phi - delta);
}

double LittleDouble(const std::string& b, size_t at) {
  uint64_t bits = 0;
  for (int k = 0; k < 8; ++k)
    bits |= static_cast<uint64_t>(static_cast<unsigned char>(b[at + k])) << (8 * k);
  double v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

TEST(TrialFiles, FullRunFileRecordByRecord) {
  ScopedTempDir tmp;
  auto d = GravityWall(false);
  d->Doatsu = 1;
  CalcAntei(*d, 0, 0);
  const auto owned = OwnedFiles(*d);
  ASSERT_EQ(owned.size(), 1u);
  const std::string bytes = Bytes(owned.begin()->second);

  // The hand maximum in whole degrees, then the 0.2 degree pass around it.
  int best = 89;
  for (int deg = 89; deg >= 30; --deg) {
    if (HandPa(deg) > HandPa(best)) best = deg;
  }
  ASSERT_EQ(best, 56);
  ASSERT_EQ(bytes.size(), 11u * 500u);
  for (int k = 0; k < 11; ++k) {
    SCOPED_TRACE(k);
    const size_t at = static_cast<size_t>(k) * 500;
    const double deg = 55 + 0.2 * k;  // ascending
    const double w = deg * kD;
    EXPECT_NEAR(LittleDouble(bytes, at + 64) / kD, deg, 1e-9);               // fOmega
    EXPECT_NEAR(LittleDouble(bytes, at + 426), HandPa(deg), 1e-9);           // fPa
    EXPECT_NEAR(LittleDouble(bytes, at + 394), 144 / std::tan(w), 1e-9);     // fWQ(0)
    EXPECT_EQ(LittleDouble(bytes, at + 402), 0.0);                           // fWQ(1)
    EXPECT_NEAR(LittleDouble(bytes, at + 410), 4 / std::sin(w), 1e-12);      // fL(0)
    EXPECT_EQ(LittleDouble(bytes, at + 418), 0.0);                           // fL(1)
    EXPECT_EQ(LittleDouble(bytes, at + 24), 30 * kD);                        // fFai
    EXPECT_EQ(LittleDouble(bytes, at + 40), 20 * kD);                        // fDelta
    EXPECT_NEAR(LittleDouble(bytes, at + 434), 2 + 4 / std::tan(w), 1e-12);  // fCrossX
    EXPECT_NEAR(LittleDouble(bytes, at + 442), 4, 1e-12);                    // fCrossY
    // Nq 0, nMix 0, and the rest of the slot zero.
    EXPECT_EQ(bytes.substr(at + 88, 2), std::string(2, '\0'));
    EXPECT_EQ(bytes.substr(at + 450, 50), std::string(50, '\0'));
  }
  // The adopted wedge is the largest of the 0.2 degree pass: 56.0 (Pa(55.8) =
  // 42.8119, Pa(56.2) = 42.8114).
  EXPECT_NEAR(d->AntRes(0, 0)->Pa, HandPa(56), 1e-9);

  // Written in one piece, the file is what writing its records one by one
  // into their slots gives.
  const std::vector<CKusabiRes> recs = ReadKusabiFile(owned.begin()->second);
  ASSERT_EQ(recs.size(), 11u);
  std::stringstream slots(std::ios::in | std::ios::out | std::ios::binary);
  for (int k = 0; k < 11; ++k) {
    CKusabiRes r;
    r.Copy(recs[static_cast<size_t>(k)]);
    ASSERT_EQ(r.Serialize(1, slots, static_cast<int16_t>(k + 1)), 0);
  }
  EXPECT_EQ(slots.str(), bytes);
}

TEST(TrialFiles, SectionWedgesOfTheLineOfThrustCreateNone) {
  ScopedTempDir tmp;
  // Block wall 3 m high, batter 1 : 0.5, on the ground; line of thrust in
  // the full run.
  auto d = BlockWall();
  d->Doatsu = 1;
  d->SecDoatsu = 1;  // a wedge search at every check section
  CreationWatch watch;
  ASSERT_TRUE(watch.Ok());
  const int64_t sections0 = ThrustForceCalls();
  CalcAntei(*d, 0, 0);
  ASSERT_GT(ThrustForceCalls(), sections0);  // the search did look at sections
  // Only the whole wall's wedge keeps a file.
  EXPECT_EQ(watch.Created(), 1);
  EXPECT_EQ(OwnedFiles(*d).size(), 1u);
  EXPECT_EQ(tmp.Files().size(), 1u);

  EXPECT_FALSE(IsNullValue(d->AntRes(0, 0)->Xh));

  // A section run by itself, on the 2 m x 4 m gravity wall: no file.
  auto g = GravityWall(false);
  g->Doatsu = 1;
  g->SecDoatsu = 1;
  KutaiPoints wall{};
  DPoint c1, c2;
  MakeKutaiOutline(*g, wall, c1, c2, 0);
  double PV = 0, PH = 0, MV = 0, MH = 0;
  const double y = 1;
  const int16_t thrust = 1;
  ASSERT_TRUE(CalcSecDoatsu(*g, 0, wall, 0, 0, y, thrust, PV, PH, MV, MH));
  // 3 m of backfill above the section: Coulomb 0.297314 * 18 * 9 / 2 (the
  // 0.2 degree grid is within 1e-4 of it).
  EXPECT_NEAR(PH, 0.297313857 * 81, 1e-4 * PH);
  EXPECT_EQ(watch.Created(), 0);
}

TEST(TrialFiles, WaterSearchLeavesTheFullRunsFilesAsAFullRunAlone) {
  struct Case {
    const char* what;
    bool cut;
  };
  for (const Case& c : {Case{"embankment", false}, Case{"cut slope", true}}) {
    SCOPED_TRACE(c.what);
    ScopedTempDir tmp;
    auto searched = WaterWedgeWall(c.cut);
    ASSERT_TRUE(CalcWlvlAuto(*searched));
    CalcAntei(*searched, 0, 0);

    // The same wall at the levels found, by a full run alone.
    auto alone = WaterWedgeWall(c.cut);
    alone->nWlvlAuto = 0;
    for (int s = 0; s < 2; ++s) {
      alone->SetWatFH(s, searched->WatFH(s));
      alone->SetWatBH(s, searched->WatBH(s));
    }
    CalcAntei(*alone, 0, 0);

    const auto a = OwnedFiles(*searched), b = OwnedFiles(*alone);
    ASSERT_EQ(a.size(), b.size());
    ASSERT_FALSE(a.empty());
    for (const auto& [key, path] : a) {
      ASSERT_EQ(b.count(key), 1u);
      const std::string x = Bytes(path), y = Bytes(b.at(key));
      EXPECT_FALSE(x.empty());
      EXPECT_EQ(x, y) << "case " << key.first << " wedge " << key.second;
    }
    for (int i = 0; i < searched->nCase(); ++i) {
      EXPECT_EQ(searched->AntRes(0, i)->Pa, alone->AntRes(0, i)->Pa);
      EXPECT_EQ(searched->AntRes(0, i)->Fs, alone->AntRes(0, i)->Fs);
    }
  }
}

}  // namespace
}  // namespace norva
