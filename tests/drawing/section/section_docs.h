#pragma once
// Small designs for the wall-section drawing tests, one per wall type, with
// their outline points worked out by hand in the comments.
#include <memory>

#include "document/document.h"
#include "document/outline.h"

namespace norva::section_test {

// Gravity wall on a level base, no key, no front soil or water:
// 0 (0, 0), 1 (0, 0.5), 2 (0.3, 0.5), 3 (2.0, 0.5), 4 (2.0, 0), 5 (0.9, 3.0),
// 6 (1.4, 3.0). The heel (x 2.0) lies beyond the crest back (x 1.4).
inline std::unique_ptr<CDocument> GravityDoc() {
  auto d = std::make_unique<CDocument>();
  d->SetWallType(1);
  d->WallH = 3.0;
  d->GrwB = 2.0;
  d->GrwB1 = 0.6;
  d->GrwB2 = 0.5;
  d->GrwB4 = 0.3;
  d->GrwH1 = 0.5;
  d->nKeisya = 1;
  d->KeisyaH = 0.2;
  d->Tokki = 0;
  d->UragomeType = 0;
  d->UraHd = 0.5;
  d->nWater = 0;
  return d;
}

// Leaning wall on a level base with a toe (WallH left unset, as the leaning
// screens leave it): y0 = 0; 0 (0, 0), 1 (0, 0.5), 2 (0.3, 0.5),
// 3 (0.3 + 0.6 + 0.5 − 0.2 = 1.2, 0.2), 4 (1.2, 0), 5 (0.9, 3.5), 6 (1.4, 3.5).
inline std::unique_ptr<CDocument> LeaningDoc() {
  auto d = std::make_unique<CDocument>();
  d->SetWallType(2);
  d->MtwH1 = 3.0;
  d->MtwH2 = 0.5;
  d->MtwH3 = 0.3;
  d->MtwB1 = 0.3;
  d->MtwB2 = 0.6;
  d->MtwB3 = 0.5;
  d->MtwB4 = 0.2;
  d->MtwN1 = 0.2;
  d->MtwN2 = 0.3;
  d->nKeisya = 1;
  d->Tokki = 0;
  d->UragomeType = 0;
  d->UraHd = 0.5;
  return d;
}

// Mixed wall, WallH unset: lower wall 1.5 m at the front, upper wall 2.0 m,
// so the crest (points 5 and 9) lies at 3.5.
inline std::unique_ptr<CDocument> MixedDoc() {
  auto d = std::make_unique<CDocument>();
  d->SetWallType(3);
  d->MxwH1 = 2.0;
  d->MxwH2 = 1.5;
  d->MxwH3 = 0.2;
  d->BlkN = 0.3;
  d->BlkT = 0.35;
  d->BlkDeltT1 = 0.2;
  d->BlkDeltT2 = 0.3;
  d->GrwB = 2.0;
  d->GrwB1 = 0.2;
  d->GrwB2 = 1.5;
  d->GrwB3 = 0.1;
  d->nKeisya = 1;
  d->Tokki = 0;
  d->UragomeType = 0;
  d->UraHd = 0.5;
  return d;
}

// Block wall with a footing, blocks square to the face, level base.
inline std::unique_ptr<CDocument> BlockDoc() {
  auto d = std::make_unique<CDocument>();
  d->SetWallType(0);
  d->WallH = 3.0;
  d->BlkN = 0.3;
  d->BlkT = 0.35;
  d->BlkDeltT1 = 0.2;
  d->BlkDeltT2 = 0.3;
  d->nBlkSetup = 0;
  d->nBlkFound = 0;
  d->BlkB = 1.5;
  d->BlkB1 = 0.2;
  d->BlkH1 = 0.4;
  d->BlkH2 = 0.3;
  d->nKeisya = 1;
  d->UragomeType = 0;
  d->UraHd = 0.5;
  return d;
}

// The gravity outline of GravityDoc moved right by a 1 m front strip:
// 0 (1, 0), 1 (1, 0.5), 2 (1.3, 0.5), 3 (3.0, 0.5), 4 (3.0, 0), 5 (1.9, 3.0),
// 6 (2.4, 3.0); the front face 2-5 rises 2.5 over 0.6.
inline KutaiPoints StripGravity() {
  KutaiPoints p{};
  p[0] = {1.0, 0};
  p[1] = {1.0, 0.5};
  p[2] = {1.3, 0.5};
  p[3] = {3.0, 0.5};
  p[4] = {3.0, 0};
  p[5] = {1.9, 3.0};
  p[6] = {2.4, 3.0};
  return p;
}

}  // namespace norva::section_test
