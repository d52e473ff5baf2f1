// Trial-wedge drivers: embankment, cut slope, large-block blend, mixed wall.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "calc/earth_pressure/doatsu.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/numeric.h"
#include "document/temp_files.h"

namespace norva {

KusabiSoil SoilOf(const CDocument& doc) { return {doc.Gamb, doc.Gambd, doc.rKiriDlt()}; }

int16_t CalcKusabiPa(const CDocument& doc, int16_t n, const std::vector<DPoint>& pts,
                     CKusabiRes& w) {
  const int m = std::min<int>(n, static_cast<int>(pts.size()));
  return KusabiTrial(SoilOf(doc), m, pts.data(), w);
}

void GetKusabiLoads(const CDocument& doc, int16_t cas, double x0, int16_t& count,
                    std::array<double, 11>& load, std::array<double, 11>& xs,
                    std::array<double, 11>& xe) {
  count = 0;
  std::shared_ptr<CKajyuCase> c = doc.pCase(cas);
  if (!c) return;
  auto add = [&](int16_t docSw, int16_t caseSw, double q, double pos, double width, bool snow) {
    if (docSw != 0 || caseSw != 1) return;
    load[count] = q;
    xs[count] = x0 + std::max(0.0, pos);
    xe[count] = snow ? xs[count] + 99999 : xs[count] + std::max(0.0, width);
    ++count;
  };
  add(doc.nAutoMobile, c->nAutoMobil, doc.AutoLoad, doc.AutoPos, doc.AutoWidth, false);
  add(doc.nGunsyu, c->nGunsyu, doc.GunsyuLoad, doc.GunsyuPos, doc.GunsyuWidth, false);
  add(doc.nSnow, c->nSnow, doc.SnowLoad, doc.SnowPos, 0, true);
  add(doc.nTakuchi, c->nTakuchi, doc.TakuchiLoad, doc.TakuchiPos, doc.TakuchiWidth, false);
}

std::string KusabiKey(int16_t mode, const std::string& suffix, int32_t cas) {
  return "KUSABI" + std::to_string(mode) + suffix + std::to_string(cas);
}

namespace {
thread_local int g_noTrialFiles = 0;
}  // namespace

NoTrialFilesScope::NoTrialFilesScope() { ++g_noTrialFiles; }
NoTrialFilesScope::~NoTrialFilesScope() { --g_noTrialFiles; }
bool TrialFilesWanted() { return g_noTrialFiles == 0; }

namespace {

constexpr int16_t kTrue = -1;

// What the drivers share: the document, the case, the outline, the trial file
// bookkeeping and the outcome.
struct Driver {
  int16_t mode;
  CDocument& doc;
  int32_t cas;
  const std::vector<DPoint>& pts;
  int n;  // points of pts in use
  KusabiSoil soil;
  bool invalid = false;  // a two-part wedge needed the unset interface friction
  std::string warning;

  Driver(int16_t m, CDocument& d, int32_t c, const std::vector<DPoint>& p, int16_t count)
      : mode(m),
        doc(d),
        cas(c),
        pts(p),
        n(std::min<int>(count, static_cast<int>(p.size()))),
        soil(SoilOf(d)) {}

  int16_t Trial(CKusabiRes& w) {
    const int16_t r = KusabiTrial(soil, n, pts.data(), w);
    if (r == kKusabiInvalid) invalid = true;
    return r;
  }

  int16_t Search(CKusabiRes& w, int32_t& count, KusabiTrials& trials, double& upper,
                 double& lower) {
    return SearchOmega(soil, n, pts.data(), w, count, trials, upper, lower, &invalid);
  }

  // A new trial file under the key; "" (with a warning) when none can be made.
  std::string NewFile(const std::string& suffix) {
    try {
      return doc.AddTempFile(KusabiKey(mode, suffix, cas));
    } catch (const std::exception&) {
      warning = kEpReasonTrialFile;
      return "";
    }
  }

  // Stores W as a new holder with a trial file: the old file copied for a
  // user-fixed angle, else the trials of the search. Inside a
  // NoTrialFilesScope the holder owns no file and the trials are dropped.
  std::shared_ptr<CKusabiRes> Store(const CKusabiRes& w, const std::string& suffix, bool fixed,
                                    const std::string& oldFile, int32_t& count,
                                    KusabiTrials& trials) {
    auto h = std::make_shared<CKusabiRes>();
    h->Copy(w);
    h->TempFile = TrialFilesWanted() ? NewFile(suffix) : std::string();
    if (h->TempFile.empty()) {
      trials.clear();
      trials.resize(1);
      count = 0;
      return h;
    }
    if (fixed) {
      // The earlier trials stay on record; without an earlier file the new
      // file stays empty.
      if (!oldFile.empty() && PathExistsNoFollow(oldFile)) {
        std::error_code ec;
        std::filesystem::copy_file(oldFile, h->TempFile,
                                   std::filesystem::copy_options::overwrite_existing, ec);
        if (ec) warning = kEpReasonTrialFile;
      }
    } else if (!SaveKusabiFile(h->TempFile, count, trials, true)) {
      warning = kEpReasonTrialFile;
    }
    return h;
  }

  EpStatus Done(bool ok, const char* reason) {
    EpStatus st = ok ? EpStatus::Ok() : EpStatus::Fail(invalid ? kEpReasonKiriDlt : reason);
    if (ok && !warning.empty()) st.reason = warning;
    return st;
  }
};

// The wedge record of a case, back-face angle and cut face excepted: loads
// from x0, water, seismic angle and the backfill.
void CaseRecord(const CDocument& doc, int32_t cas, int16_t state, double wl, double x0,
                CKusabiRes& w) {
  std::array<double, 11> q{}, xs{}, xe{};
  int16_t count = 0;
  GetKusabiLoads(doc, static_cast<int16_t>(cas), x0, count, q, xs, xe);
  w.SetNq(count);
  for (int i = 0; i < count; ++i) {
    w.SetfQload(i, q[i]);
    w.SetfQxs(i, xs[i]);
    w.SetfQxe(i, xe[i]);
  }
  w.fWlvl = wl;
  w.fKh = state != 0 ? std::atan(doc.Kh(1)) : 0.0;
  w.fFai = doc.Fai * kCalcDegToRad;
  w.fDelta = doc.delt(state) * kCalcDegToRad;
  w.fC = doc.C(state);
}

// The common wedge record with the back-face angle of the segment
// iTop-1..iTop and no cut face. False for a flat segment.
bool BaseRecord(const CDocument& doc, int32_t cas, int16_t state, double wl,
                const std::vector<DPoint>& pts, int16_t iTop, CKusabiRes& w) {
  CaseRecord(doc, cas, state, wl, pts[iTop].X, w);
  const double dy = pts[iTop].Y - pts[iTop - 1].Y;
  if (dy == 0) return false;
  w.fAlpha = -std::atan((pts[iTop].X - pts[iTop - 1].X) / dy);
  w.fDist = w.fTheta = w.fFaid = w.fCd = 0;
  return true;
}

bool ValidOutline(const std::vector<DPoint>& pts, int16_t n, int16_t iTop) {
  return iTop >= 1 && iTop < n && static_cast<size_t>(n) <= pts.size();
}

void PointOfAction(const std::vector<DPoint>& pts, int16_t iTop, double alpha, double& Px,
                   double& Py) {
  const double h = pts[iTop].Y - pts[0].Y;
  Py = pts[0].Y + h / 3;
  Px = pts[0].X + (h / 3) * std::tan(-alpha);
}

void SetCutFace(const CDocument& doc, CKusabiRes& w, double dist) {
  w.fDist = dist;
  w.fTheta = kCalcHalfPi - std::atan(doc.KiriN);
  w.fFaid = doc.Deltd * kCalcDegToRad;
  w.fCd = doc.Cd;
}

void ClearCutFace(CKusabiRes& w) { w.fDist = w.fTheta = w.fFaid = w.fCd = 0; }

// One trial at the angle omega; the wedge, which keeps no trial file, or null
// when there is none.
std::shared_ptr<CKusabiRes> SingleWedge(Driver& dv, CKusabiRes& w, double omega) {
  w.fOmega = omega;
  if (dv.Trial(w) != kKusabiOk) return nullptr;
  auto h = std::make_shared<CKusabiRes>();
  h->Copy(w);
  h->TempFile = "";
  return h;
}

// A two-part wedge needs the friction between its parts.
bool KiriDltMissing(const Driver& dv) {
  return IsNullValue(dv.soil.rKiriDlt) || dv.soil.rKiriDlt < 0;
}

// A case without an earth pressure keeps no wedge of an earlier calculation.
EpStatus NoWedges(KusabiPair& K, const char* why) {
  K = {};
  return EpStatus::Fail(why);
}

bool IsFixed(const std::shared_ptr<CKusabiRes>& k) { return k && k->bChgOmg != 0; }
std::string FileOf(const std::shared_ptr<CKusabiRes>& k) { return k ? k->TempFile : ""; }

// One wedge: a single trial at the user's angle or the search. True when the
// wedge exists.
bool RunWedge(Driver& dv, CKusabiRes& w, const std::shared_ptr<CKusabiRes>& old, double& upper,
              double& lower, int32_t& count, KusabiTrials& trials) {
  if (IsFixed(old)) {
    w.fOmega = old->fChgOmg * kCalcDegToRad;
    w.fChgOmg = old->fChgOmg;
    w.bChgOmg = kTrue;
    return dv.Trial(w) == kKusabiOk;
  }
  w.bChgOmg = 0;
  return dv.Search(w, count, trials, upper, lower) == 0;
}

// The larger of two wedges (a tie keeps the cut-face wedge); only wedges that
// exist take part.
bool ChooseWedge(bool ok0, const std::shared_ptr<CKusabiRes>& k0, bool ok1,
                 const std::shared_ptr<CKusabiRes>& k1, double& Pa) {
  Pa = 0;
  if (ok0 && ok1) {
    Pa = GreaterEqTol(k0->fPa, k1->fPa) ? k0->fPa : k1->fPa;
  } else if (ok0) {
    Pa = k0->fPa;
  } else if (ok1) {
    Pa = k1->fPa;
  } else {
    return false;
  }
  return true;
}

}  // namespace

EpStatus CalcKusabiMori(int16_t mode, CDocument& doc, int32_t cas, int16_t state, double wl,
                        double /*base*/, const KutaiPoints& /*wall*/, int16_t n,
                        const std::vector<DPoint>& pts, int16_t iTop, double& Pa, double& Px,
                        double& Py, std::shared_ptr<CKusabiRes>& holder) {
  Pa = Px = Py = 0;
  // A case without an earth pressure keeps no wedge of an earlier calculation.
  CKusabiRes w;
  if (!ValidOutline(pts, n, iTop) || !BaseRecord(doc, cas, state, wl, pts, iTop, w)) {
    holder = nullptr;
    return EpStatus::Fail(kEpReasonFlatBackFace);
  }
  Driver dv(mode, doc, cas, pts, n);
  const std::shared_ptr<CKusabiRes> old = holder;
  w.fMinOmg = w.fFai * kCalcRadToDeg;
  w.fMaxOmg = std::min(89.0, std::trunc(90 + w.fAlpha * kCalcRadToDeg));
  int32_t count = 0;
  KusabiTrials trials(2);
  double upper = -1000, lower = -1000;
  const bool ok = RunWedge(dv, w, old, upper, lower, count, trials);
  holder = dv.Store(w, "", IsFixed(old), FileOf(old), count, trials);
  PointOfAction(pts, iTop, w.fAlpha, Px, Py);
  if (ok) Pa = w.fPa;
  return dv.Done(ok, kEpReasonNoWedge);
}

EpStatus CalcKusabiKiri(int16_t mode, CDocument& doc, int32_t cas, int16_t state, double wl,
                        double /*base*/, const KutaiPoints& wall, int16_t n,
                        const std::vector<DPoint>& pts, int16_t iTop, double& Pa, double& Px,
                        double& Py, KusabiPair& K) {
  Pa = Px = Py = 0;
  CKusabiRes w;
  if (!ValidOutline(pts, n, iTop) || !BaseRecord(doc, cas, state, wl, pts, iTop, w))
    return NoWedges(K, kEpReasonFlatBackFace);
  Driver dv(mode, doc, cas, pts, n);
  const KusabiPair old = K;
  const double alpha = w.fAlpha;
  const DPoint p0 = pts[0];
  SetCutFace(doc, w, CutFaceDistance(doc, wall, p0));

  // Wedge on the cut face.
  bool ok0 = false;
  double omegaB = 0;
  if (w.fDist > 0) {
    if (KiriDltMissing(dv)) return NoWedges(K, kEpReasonKiriDlt);
    w.fCrossX = -1000;
    w.fOmega = 0.0017453292519943279;
    dv.Trial(w);
    if (w.fCrossX != -1000) {
      omegaB = std::atan((w.fCrossY - p0.Y) / (w.fCrossX - p0.X)) * kCalcRadToDeg;
      double upper = omegaB, lower = 0;
      int32_t count = 0;
      KusabiTrials trials(2);
      ok0 = RunWedge(dv, w, old[0], upper, lower, count, trials);
      w.fMinOmg = lower;
      w.fMaxOmg = omegaB;
      K[0] = dv.Store(w, "0", IsFixed(old[0]), FileOf(old[0]), count, trials);
    } else {
      // No wedge reaches the cut face: an earlier record must not stand for it.
      K[0] = nullptr;
    }
  } else {
    K[0] = SingleWedge(dv, w, w.fTheta);
    ok0 = K[0] != nullptr;
    omegaB = w.fTheta * kCalcRadToDeg;
  }

  // Wedge inside the backfill.
  bool ok1 = false;
  if (doc.KiriDoatsu == 0) {
    ClearCutFace(w);
    double upper = std::min(89.0, std::trunc(w.fAlpha * kCalcRadToDeg + 90));
    double lower = omegaB;
    int32_t count = 0;
    KusabiTrials trials(2);
    ok1 = RunWedge(dv, w, old[1], upper, lower, count, trials);
    w.fMinOmg = lower;
    w.fMaxOmg = upper;
    K[1] = dv.Store(w, "1", IsFixed(old[1]), FileOf(old[1]), count, trials);
  }

  PointOfAction(pts, iTop, alpha, Px, Py);
  bool ok;
  if (doc.KiriDoatsu != 0) {
    // The backfill wedge is not part of this method: an earlier one must not
    // be shown as if it were.
    K[1] = nullptr;
    ok = ok0;
    Pa = ok0 ? K[0]->fPa : 0;
  } else {
    ok = ChooseWedge(ok0, K[0], ok1, K[1], Pa);
  }
  return dv.Done(ok, kEpReasonNoWedge);
}

// Cut face foot at the level of point 0: the reference x of the wall (the
// line 3-9 at y = 0 for the block wall, point 4 otherwise).
double CutFaceDistance(const CDocument& doc, const KutaiPoints& wall, const DPoint& p0) {
  const double xref = doc.WallType() == 0 ? InterpolateX(wall[3], wall[9], 0) : wall[4].X;
  const double xf = (p0.Y - wall[4].Y) * doc.KiriN + doc.KiriD + xref;
  double d = std::max(0.0, xf - p0.X);
  if (d < 0.001) d = 0;
  return d;
}

double OogataBlend(double Pa0, double Pa1, double d, double d1) {
  if (d1 == 0) return Pa0;
  // Beyond d1 the natural ground no longer matters: the embankment wedge.
  if (d >= d1) return Pa1;
  const double r = (d - d1) / d1;
  return Pa0 + (Pa1 - Pa0) * std::sqrt(1 - r * r);
}

EpStatus CalcKusabiOogata(int16_t mode, CDocument& doc, int32_t cas, int16_t state, double wl,
                          double /*base*/, const KutaiPoints& wall, int16_t n,
                          const std::vector<DPoint>& pts, int16_t iTop, double& Pa, double& Px,
                          double& Py, double& d1, KusabiPair& K) {
  Pa = Px = Py = 0;
  d1 = 0;
  CKusabiRes base;
  if (!ValidOutline(pts, n, iTop) || !BaseRecord(doc, cas, state, wl, pts, iTop, base))
    return NoWedges(K, kEpReasonFlatBackFace);
  Driver dv(mode, doc, cas, pts, n);
  const DPoint p0 = pts[0];

  // Embankment wedge (natural ground ignored).
  CKusabiRes w1;
  w1.Copy(base);
  int32_t count = 0;
  KusabiTrials trials(2);
  double upper = -1000, lower = -1000;
  const bool ok1 = dv.Search(w1, count, trials, upper, lower) == 0;
  K[0] = dv.Store(w1, "", false, "", count, trials);
  const double pa1 = K[0]->fPa;
  if (ok1) d1 = std::max(0.0, (K[0]->fCrossX - p0.X) - (K[0]->fCrossY - p0.Y) * doc.KiriN);

  // Wedge with the natural ground at the heel.
  const double thetaN = kCalcHalfPi - std::atan(doc.KiriN);
  CKusabiRes w0;
  w0.Copy(base);
  K[1] = SingleWedge(dv, w0, thetaN);
  const bool ok0 = K[1] != nullptr;
  if (!ok1 || !ok0) return dv.Done(false, kEpReasonNoWedge);

  Pa = OogataBlend(w0.fPa, pa1, CutFaceDistance(doc, wall, p0), d1);
  PointOfAction(pts, iTop, base.fAlpha, Px, Py);
  return dv.Done(true, kEpReasonNoWedge);
}

namespace {

// Cut-face wedge of a mixed-wall part: the flat-base probe to the cut face,
// then the wedge below the angle to the top of the cut face.
bool MxwCutWedge(Driver& dv, CKusabiRes& w, const std::shared_ptr<CKusabiRes>& old,
                 const std::string& suffix, const DPoint& p0, std::shared_ptr<CKusabiRes>& out,
                 double& omegaC) {
  omegaC = 0;
  w.fCrossX = -1000;
  w.fOmega = 0;
  dv.Trial(w);
  if (w.fCrossX == -1000) {
    out = nullptr;
    return false;
  }
  omegaC = std::atan((w.fCrossY - p0.Y) / (w.fCrossX - p0.X)) * kCalcRadToDeg;
  double upper = omegaC, lower = 0;
  int32_t count = 0;
  KusabiTrials trials(2);
  const bool ok = RunWedge(dv, w, old, upper, lower, count, trials);
  w.fMinOmg = lower;
  w.fMaxOmg = omegaC;
  out = dv.Store(w, suffix, IsFixed(old), FileOf(old), count, trials);
  return ok;
}

// Backfill wedge of a mixed-wall part and the choice between the two.
bool MxwBackfillWedge(Driver& dv, CKusabiRes& w, const CDocument& doc, int16_t state,
                      const KusabiPair& old, const std::string& suffix, double lower, KusabiPair& K,
                      bool ok0, double& Pa) {
  if (doc.KiriDoatsu != 0) {
    K[1] = nullptr;
    Pa = ok0 ? K[0]->fPa : 0;
    return ok0;
  }
  w.fFai = doc.Fai * kCalcDegToRad;
  w.fDelta = doc.delt(state) * kCalcDegToRad;
  w.fC = doc.C(state);
  ClearCutFace(w);
  double upper = std::min(89.0, std::trunc(w.fAlpha * kCalcRadToDeg + 90));
  int32_t count = 0;
  KusabiTrials trials(2);
  const bool ok1 = RunWedge(dv, w, old[1], upper, lower, count, trials);
  w.fMinOmg = lower;
  w.fMaxOmg = upper;
  K[1] = dv.Store(w, suffix, IsFixed(old[1]), FileOf(old[1]), count, trials);
  return ChooseWedge(ok0, K[0], ok1, K[1], Pa);
}

// Either part of a mixed wall behind an embankment: the backfill wedge alone.
bool MxwEmbankmentWedge(Driver& dv, CKusabiRes& w, const std::shared_ptr<CKusabiRes>& old,
                        const std::string& suffix, std::shared_ptr<CKusabiRes>& out, double& Pa) {
  ClearCutFace(w);
  double upper = -1000, lower = -1000;
  int32_t count = 0;
  KusabiTrials trials(2);
  const bool ok = RunWedge(dv, w, old, upper, lower, count, trials);
  w.fMinOmg = 1;
  w.fMaxOmg = std::min(89.0, std::trunc(90 + w.fAlpha * kCalcRadToDeg));
  out = dv.Store(w, suffix, IsFixed(old), FileOf(old), count, trials);
  Pa = ok ? w.fPa : 0;
  return ok;
}

// Either part of a mixed wall: the cut face, its foot measured from point 4.
// False when the face needs the interface friction angle and it is unset.
bool MxwCutFace(const Driver& dv, const CDocument& doc, const KutaiPoints& wall, const DPoint& p0,
                CKusabiRes& w) {
  SetCutFace(doc, w, std::max(0.0, (p0.Y - wall[4].Y) * doc.KiriN + doc.KiriD + wall[4].X - p0.X));
  if (w.fDist < 0.001) w.fDist = 0;
  return !(w.fDist > 0 && KiriDltMissing(dv));
}

}  // namespace

EpStatus CalcKusabiMxwUpper(int16_t mode, CDocument& doc, int32_t cas, int16_t state, double wl,
                            double /*base*/, const KutaiPoints& wall, int16_t count,
                            const std::vector<DPoint>& pts, int16_t n, double& Pa, double& x,
                            double& y, KusabiPair& K) {
  Pa = x = y = 0;
  if (n < 1 || n >= count || static_cast<size_t>(count) > pts.size())
    return NoWedges(K, kEpReasonFlatBackFace);
  const double dy = pts[n].Y - pts[n - 1].Y;
  if (dy == 0) return NoWedges(K, kEpReasonFlatBackFace);
  Driver dv(mode, doc, cas, pts, count);
  const KusabiPair old = K;
  CKusabiRes w;
  CaseRecord(doc, cas, state, wl, pts[n].X, w);
  w.fAlpha = -std::atan((pts[n].X - pts[n - 1].X) / dy);
  const double alpha = w.fAlpha;
  const DPoint p0 = pts[0];
  bool ok;
  if (doc.BackType == 0) {
    ok = MxwEmbankmentWedge(dv, w, old[0], "0", K[0], Pa);
  } else {
    if (!MxwCutFace(dv, doc, wall, p0, w)) return NoWedges(K, kEpReasonKiriDlt);
    double omegaC = 0;
    const bool ok0 = MxwCutWedge(dv, w, old[0], "00", p0, K[0], omegaC);
    ok = MxwBackfillWedge(dv, w, doc, state, old, "01", omegaC, K, ok0, Pa);
  }
  y = pts[n - 1].Y + dy / 3;
  x = pts[n - 1].X + (dy / 3) * std::tan(-alpha);
  if (!ok) Pa = 0;
  return dv.Done(ok, kEpReasonNoWedge);
}

EpStatus CalcKusabiMxwLower(int16_t mode, CDocument& doc, int32_t cas, int16_t state, double wl,
                            double /*base*/, const KutaiPoints& wall, int16_t count,
                            const std::vector<DPoint>& pts, int16_t n, double alphaU, double PaU,
                            double& Pa, double& x, double& y, KusabiPair& K) {
  Pa = x = y = 0;
  if (n < 1 || n >= count || static_cast<size_t>(count) > pts.size())
    return NoWedges(K, kEpReasonFlatBackFace);
  const double dy = wall[3].Y - wall[4].Y;
  if (dy == 0) return NoWedges(K, kEpReasonFlatBackFace);
  Driver dv(mode, doc, cas, pts, count);
  const KusabiPair old = K;
  CKusabiRes w;
  CaseRecord(doc, cas, state, wl, pts[n].X, w);
  w.fAlpha = -std::atan((wall[3].X - wall[4].X) / dy);
  w.nMix = 1;
  w.fAlphaU = alphaU;
  w.fPaU = PaU;
  const DPoint p0 = pts[0];
  const double h1 = wall[3].Y - p0.Y;
  bool ok;
  if (doc.BackType == 0) {
    ok = MxwEmbankmentWedge(dv, w, old[0], "1", K[0], Pa);
  } else {
    if (!MxwCutFace(dv, doc, wall, p0, w)) return NoWedges(K, kEpReasonKiriDlt);
    bool ok0 = false;
    double lower = 0;
    if (w.fDist > 0) {
      ok0 = MxwCutWedge(dv, w, old[0], "10", p0, K[0], lower);
    } else {
      K[0] = SingleWedge(dv, w, w.fTheta);
      ok0 = K[0] != nullptr;
      lower = w.fTheta * kCalcRadToDeg;
    }
    ok = MxwBackfillWedge(dv, w, doc, state, old, "11", lower, K, ok0, Pa);
  }
  const double h2 = pts[n].Y - wall[3].Y;
  const double den = h1 + 2 * h2;
  y = den != 0 ? p0.Y + (3 * h2 + h1) * (h1 / 3) / den : p0.Y;
  x = InterpolateX(p0, wall[3], y);
  if (!ok) Pa = 0;
  return dv.Done(ok, kEpReasonNoWedge);
}

}  // namespace norva
