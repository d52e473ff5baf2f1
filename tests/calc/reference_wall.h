#pragma once
// The reference wall of the calculation tests, whose numbers the tests work
// out by hand: a gravity wall 2 m wide and 4 m high, toe at x = 0, vertical
// back face at x = 2, level base, no key. Each part sets only what it names;
// a test adds what its own check needs.
#include "document/document.h"
#include "document/load_case.h"

namespace norva::test {

// The outline: WallType 1, GrwB = GrwB2 = 2, GrwB1 = GrwB4 = GrwH1 = 0,
// WallH 4, level base, no key.
inline void SetReferenceShape(CDocument& d) {
  d.SetWallType(1);
  d.GrwB = 2;
  d.GrwB1 = 0;
  d.GrwB2 = 2;
  d.GrwB4 = 0;
  d.GrwH1 = 0;
  d.WallH = 4;
  d.nKeisya = 1;
  d.Tokki = 0;
}

// The ground behind it: level embankment backfill, φ 30°, c 0, γ 18 / 9
// (wet / submerged), wall friction 20° normal and 15° seismic, kh 0.2 for the
// body and the backfill, the farm-road guideline, overturning by eccentricity,
// and no vehicle, crowd, residential or snow load.
inline void SetReferenceGround(CDocument& d) {
  d.Fai = 30;
  d.Setdelt(0, 20);
  d.Setdelt(1, 15);
  d.SetC(0, 0);
  d.SetC(1, 0);
  d.SetKh(0, 0.2);
  d.SetKh(1, 0.2);
  d.Gamb = 18;
  d.Gambd = 9;
  d.UragomeType = 0;
  d.UraHd = 0;
  d.nTentou = 0;
  d.Sisin = 0;
  d.BackType = 0;
  d.nAutoMobile = 1;
  d.nGunsyu = 1;
  d.nTakuchi = 1;
  d.nSnow = 1;
}

// The load cases: "常時" (normal: Ea divisor 6, safety factors 1.5) and, when
// seismic, "地震時" (seismic earth pressure: divisor 3, factors 1.2).
inline void SetReferenceCases(CDocument& d, bool seismic) {
  d.SetnCase(seismic ? 2 : 1);
  CKajyuCase& n = *d.pCase(0);
  n.CaseName = "常時";
  n.Ea = 6;
  n.FsTentou = 1.5;
  n.FsKatsudou = 1.5;
  if (!seismic) return;
  CKajyuCase& q = *d.pCase(1);
  q.CaseName = "地震時";
  q.nQuake = 1;
  q.Doat = 1;
  q.Ea = 3;
  q.FsTentou = 1.2;
  q.FsKatsudou = 1.2;
}

}  // namespace norva::test
