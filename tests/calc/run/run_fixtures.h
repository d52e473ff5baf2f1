#pragma once
// Documents built in memory for the calculation-run tests, and recorders for
// progress and messages.
#include <dirent.h>
#include <stdlib.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "calc/reference_wall.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/services.h"

namespace norva::testing_run {

// Gravity wall 2 m wide and 4 m high, vertical back face at x = 2, level
// backfill (phi 30, gamma 18 / 9), wall friction 20 / 15 degrees, kh 0.2,
// concrete 23, water 9.8, mu 0.6; Coulomb earth pressure; bearing from an
// entered Qa of 300. Cases: "常時" (normal) and, with seismic, "地震時".
inline std::unique_ptr<CDocument> GravityWall(bool seismic) {
  auto d = std::make_unique<CDocument>();
  test::SetReferenceShape(*d);
  test::SetReferenceGround(*d);
  d->Gamcw = 23;
  d->Gamcf = 23;
  d->Gamw = 9.8;
  d->Gamf = 18;
  d->Gamfd = 9;
  d->Doatsu = 0;
  d->KiriN = 0.5;
  d->KiriD = 0;
  d->Deltd = 20;
  d->KiriDlt = 10;
  d->bQuake = seismic ? -1 : 0;
  d->nWater = 0;
  d->SetSoilFH(0, 0);
  d->SetSoilFH(1, 0);
  d->SetWatFH(0, 0);
  d->SetWatFH(1, 0);
  d->SetWatBH(0, 0);
  d->SetWatBH(1, 0);
  d->Myu = 0.6;
  d->cb = 0;
  d->ChkSlide = 1;
  d->nJyudo = 0;
  d->nQa = 1;
  d->Qa = 300;
  test::SetReferenceCases(*d, seismic);
  d->pCase(0)->QuPremium = 3;
  if (seismic) d->pCase(1)->QuPremium = 2;
  d->pCase(0)->QaPremium = 1;
  if (seismic) d->pCase(1)->QaPremium = 1.5;
  return d;
}

// Mixed wall over GravityWall's soil: a block upper wall (batter 1 : 0.5,
// blocks 0.35 and backfill concrete 0.15 thick) 2 m high on a gravity lower
// wall 2 m high with a base 2.5 m wide. WallH is left to the caller.
inline void SetMixedShape(CDocument& d) {
  d.BlkN = 0.5;
  d.BlkT = 0.35;
  d.BlkDeltT1 = 0.15;
  d.BlkDeltT2 = 0.15;
  d.MxwH1 = 2;
  d.MxwH2 = 2;
  d.MxwH3 = 0;
  d.GrwB = 2.5;
  d.GrwB1 = 0.4;
  d.GrwB2 = 2.1;
  d.GrwB3 = 0.1;
}

// Leaning wall 4 m high above a base of height h2; h3 is the drop of the back
// face at the base. WallH is left to the caller.
inline void SetLeaningShape(CDocument& d, double h2, double h3) {
  d.MtwB1 = 0.5;
  d.MtwB2 = 1.0;
  d.MtwB3 = 0.6;
  d.MtwB4 = 0.8;
  d.MtwH1 = 4;
  d.MtwH2 = h2;
  d.MtwH3 = h3;
}

// Block wall 3 m high on the ground over GravityWall's soil: batter 1 : 0.5,
// blocks 0.35 and backfill concrete 0.15 thick, laid level, line of thrust.
inline std::unique_ptr<CDocument> BlockWall() {
  auto d = GravityWall(false);
  d->SetWallType(0);
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
  return d;
}

// Adds a case copied from case `from` under a new name; returns its index.
inline int AddCase(CDocument& d, int from, const std::string& name) {
  const int i = d.nCase();
  d.SetnCase(static_cast<int16_t>(i + 1));
  d.pCase(i)->Copy(*d.pCase(from));
  d.pCase(i)->CaseName = name;
  return i;
}

struct ProgressRecorder : IProgress {
  std::vector<std::pair<int, std::string>> calls;
  void Report(int percent, const std::string& text) override { calls.emplace_back(percent, text); }
  std::vector<int> Percents() const {
    std::vector<int> v;
    for (const auto& c : calls) {
      if (c.first >= 0) v.push_back(c.first);
    }
    return v;
  }
};

struct MessageRecorder : IMessageSink {
  std::vector<std::string> texts;
  MsgAnswer Show(const std::string&, const std::string& text, MsgIcon, MsgButtons) override {
    texts.push_back(text);
    return MsgAnswer::Ok;
  }
};

// Installs a message recorder for the life of the object.
struct ScopedMessages {
  MessageRecorder rec;
  ScopedMessages() { SetMessageSink(&rec); }
  ~ScopedMessages() { SetMessageSink(nullptr); }
};

// A private temporary folder for the life of the object, so files can be
// counted without other programs' files in the way.
struct ScopedTempDir {
  std::string dir;
  std::string saved;
  bool had = false;
  ScopedTempDir() {
    char buf[] = "/tmp/norva-run-test-XXXXXX";
    dir = ::mkdtemp(buf);
    if (const char* t = ::getenv("TMPDIR")) {
      had = true;
      saved = t;
    }
    ::setenv("TMPDIR", dir.c_str(), 1);
  }
  ~ScopedTempDir() {
    if (had) {
      ::setenv("TMPDIR", saved.c_str(), 1);
    } else {
      ::unsetenv("TMPDIR");
    }
    const std::string work = WorkFolder();
    for (const std::string& f : Files()) ::unlink((work + "/" + f).c_str());
    ::rmdir(work.c_str());
    ::rmdir(dir.c_str());
  }
  std::string WorkFolder() const {
    return dir + "/" + kProgramTitle + "-" +
           std::to_string(static_cast<unsigned long>(::geteuid()));
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> out;
    DIR* d = ::opendir(WorkFolder().c_str());
    if (d == nullptr) return out;
    while (dirent* e = ::readdir(d)) {
      const std::string n = e->d_name;
      if (n != "." && n != "..") out.push_back(n);
    }
    ::closedir(d);
    return out;
  }
};

}  // namespace norva::testing_run
