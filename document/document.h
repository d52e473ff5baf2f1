#pragma once
// The design document: every input of one retaining wall, the records it owns
// and the temporary files it has registered.
//
// Conventions:
// - Plain public fields are plain storage. Inputs whose setter does more than
//   store (or that are indexed) are accessor pairs: `X()` / `SetX(...)`.
// - Flags held as int16_t store 0 / -1; tests treat any non-zero as true.
// - "Guarded" indexed accessors read 0 (or nullptr) and ignore writes outside
//   their range; "throwing" ones raise std::out_of_range.
// - kNullDouble (-1.7E+10) marks a double input that was never entered.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/nulls.h"

namespace norva {

class CNini;
class CKajyuCase;
class CAntRes;
class CWlvlCalc;
class CWallRes;
class CFotRes;
class CTokRes;
class CWeight;
class IScreen;  // the screen form currently shown (defined by the screens)

// Every plain input of the document (the inputs the document file holds,
// except those behind accessors below). Copy takes them as one block.
struct CDocumentInputs {
  // ---- Coded settings --------------------------------------------------
  int32_t Unit = 0;
  int32_t Sisin = 0;
  int32_t Doatsu = 1;
  int16_t bQuake = 0;
  int32_t BackType = 0;
  int32_t KiriDoatsu = 0;
  int16_t SecDoatsu = 0;
  int32_t nTentou = kNullInt16;  // -32768: not chosen
  int16_t ChkSlide = 1;
  int16_t nJyudo = 0;
  int16_t nQa = 0;
  int32_t nWater = 0;
  int16_t nWlvlAuto = 0;
  int32_t UragomeType = 0;
  int32_t nBlkSetup = 0;
  int16_t nBlkFound = 0;
  int16_t nKeisya = 1;
  int32_t Tokki = 0;

  // ---- Unit weights, soil constants, seismic coefficients --------------
  double Gamb = kNullDouble;
  double Gambd = kNullDouble;
  double Gamf = kNullDouble;
  double Gamfd = kNullDouble;
  double Gamcw = kNullDouble;
  double Gamcf = kNullDouble;
  double Gamw = kNullDouble;
  double Fai = kNullDouble;
  double Deltd = kNullDouble;
  double Cd = 0;

  // ---- Allowable stresses (N/mm2) ----------------------------------------
  double SgmCk = 16;
  double Sgmca = 4;
  double Sgmta = 0.2;
  double Taua = 0.3;
  double Sgmsa = 180;

  // ---- Wall section, all types ------------------------------------------
  double WallH = kNullDouble;
  double WallL = 10;
  double WallB = 0;
  double KeisyaH = kNullDouble;
  double TokX = kNullDouble;
  double TokB = kNullDouble;
  double TokL = kNullDouble;

  // ---- Block wall (and upper wall of the mixed wall) --------------------
  double BlkT = kNullDouble;
  double BlkDeltT1 = kNullDouble;
  double BlkDeltT2 = kNullDouble;
  double BlkN = kNullDouble;
  double BlkT2 = 0;
  double BlkB = kNullDouble;
  double BlkB1 = 0;
  double BlkH1 = kNullDouble;
  double BlkH2 = kNullDouble;

  // ---- Gravity wall (and lower wall of the mixed wall) ------------------
  double GrwB = kNullDouble;
  double GrwB1 = kNullDouble;
  double GrwB2 = kNullDouble;
  double GrwB4 = 0;
  double GrwH1 = 0;
  double GrwN = kNullDouble;

  // ---- Leaning wall -------------------------------------------------------
  double MtwH1 = kNullDouble;
  double MtwH2 = kNullDouble;
  double MtwH3 = kNullDouble;
  double MtwB1 = kNullDouble;
  double MtwB2 = kNullDouble;
  double MtwB3 = kNullDouble;
  double MtwB4 = kNullDouble;
  double MtwN1 = kNullDouble;
  double MtwN2 = kNullDouble;

  // ---- Mixed wall ----------------------------------------------------------
  double MxwH1 = kNullDouble;
  double MxwH2 = kNullDouble;
  double MxwH3 = kNullDouble;
  double GrwB3 = kNullDouble;

  // ---- Back ground and backfill -------------------------------------------
  double UraHd = 0;
  double UraN = kNullDouble;
  double UraX1 = kNullDouble;
  double UraX2 = kNullDouble;
  double UraH0 = kNullDouble;
  double KiriD = kNullDouble;
  double KiriN = kNullDouble;
  double KiriDlt = 0;  // negative: not set

  // ---- Stability-check settings and ground constants ---------------------
  double Qa = kNullDouble;
  double Faib = kNullDouble;
  double Myu = kNullDouble;
  double cb = kNullDouble;
  double SijiFai = kNullDouble;
  double SijiC = kNullDouble;
  double SijiGam1 = kNullDouble;
  double Df = kNullDouble;
  double Dfd = kNullDouble;
  double SijiGam2 = kNullDouble;

  // ---- Loads: document switches 0 considered, 1 not, -1 not chosen -------
  int16_t nAutoMobile = -1;
  int16_t nAutoTload = -1;
  double AutoPos = kNullDouble;
  double AutoWidth = kNullDouble;
  double AutoLoad = kNullDouble;
  int16_t nGunsyu = 1;
  double GunsyuPos = kNullDouble;
  double GunsyuWidth = kNullDouble;
  double GunsyuLoad = kNullDouble;
  int16_t nTakuchi = 1;
  double TakuchiPos = kNullDouble;
  double TakuchiWidth = kNullDouble;
  double TakuchiLoad = kNullDouble;
  int16_t nSnow = 1;
  int16_t nSnowType = -1;
  double SnowPos = kNullDouble;
  double SnowDepth = 1.0;
  double SnowLoad = kNullDouble;
  int16_t nAutoCrashBougo = -1;
  int16_t nAutoCrashBougoClass = -1;
  int16_t nAutoCrashBougoModel = -1;
  double AutoCrashWidth = 1.0;
  double AutoCrashHigh = kNullDouble;
  double AutoCrashLoad = kNullDouble;
  double AutoCrashV = 0;
  int16_t nStone = 1;
  double StoneHight = kNullDouble;
  double StonePich = kNullDouble;
  double StoneLoad = kNullDouble;
  double StoneSgmy = kNullDouble;
  double StoneZ = kNullDouble;
  int16_t nWind = 1;
  double WindPos = kNullDouble;
  double WindHight = kNullDouble;
  double WindLoad = kNullDouble;

  // ---- Passive earth-pressure calculator inputs --------------------------
  double JyudoH = kNullDouble;
  double JyudoGam = kNullDouble;
  double JyudoFai = kNullDouble;
  double JyudoDelt = kNullDouble;
  double JyudoAlp = kNullDouble;
  double JyudoI = kNullDouble;
  double JyudoKh = kNullDouble;
  int16_t JyudoPrn = 0;

  // ---- Seismic-coefficient derivation data -------------------------------
  int16_t Tiiki = 0;
  int16_t Jiban1 = 1;
  int16_t Kouzou = 1;
  double Delt3 = 0.75;
  int16_t Kibo = 0;
  int16_t Jiban2 = 1;
  double Youto = 0.75;
  double cZ = 0;
  int16_t nTokuseiPrn = -1;
  double JibanHa = kNullDouble;
  double JibanHd = kNullDouble;
  int16_t nJibanPrn = 0;

  // ---- Shear-key reinforcement -------------------------------------------
  int16_t TokDia = -1;
  double TokHon = kNullDouble;
  double TokPich = kNullDouble;
  double TokKab = kNullDouble;
  double TokAs = 0;

  // ---- Drawing-sheet options ---------------------------------------------
  double KisoH1 = 0.1;
  double KisoH2 = 0.2;
  double KisoB = 0.1;
  int16_t Mizunuki = 0;
  int16_t MizuDan = 0;
  double MizuN = 50;
  double MizuFai = 40;
  int16_t DrwScale = 0;
  int16_t Sheet = 0;
  int16_t Suryou = 0;
};

class CDocument : public CDocumentInputs {
 public:
  CDocument();
  // Deletes every registered temporary file that still exists.
  ~CDocument();
  // A document owns files on disk; duplicate one with Copy only.
  CDocument(const CDocument&) = delete;
  CDocument& operator=(const CDocument&) = delete;

  // ---- Identity and screen -------------------------------------------
  std::string Key;
  std::string FileName;
  std::string FilePath;
  std::string FileTitle;
  std::string FileExt;
  IScreen* DataForm = nullptr;  // not owned
  std::string Title;

  // ---- Coded settings --------------------------------------------------
  // Setting the block wall (0) also clears Tokki: a block wall has no key.
  int32_t WallType() const { return wallType_; }
  void SetWallType(int32_t v);

  // ---- Unit weights, soil constants, seismic coefficients --------------
  // Guarded, i = 0 normal, 1 seismic.
  double C(int i) const;
  void SetC(int i, double v);
  double delt(int i) const;
  void Setdelt(int i, double v);
  // Guarded, i = 0 wall body, 1 backfill.
  double Kh(int i) const;
  void SetKh(int i, double v);

  // ---- Leaning wall -------------------------------------------------------
  int16_t MtwKeisya = 0;  // written by the stability calculation

  // ---- Back ground and backfill -------------------------------------------
  // Count of change points. Raising it keeps the existing points and makes
  // the new ones null; 0 or less leaves the arrays but hides every point.
  int16_t nUraNini() const { return static_cast<int16_t>(nUraNini_); }
  void SetnUraNini(int16_t v);
  // Guarded, 0 <= i < nUraNini.
  double UraNiniX(int i) const;
  void SetUraNiniX(int i, double v);
  double UraNiniY(int i) const;
  void SetUraNiniY(int i, double v);

  // ---- Front soil and water (guarded, 0 normal, 1 seismic) ---------------
  double SoilFH(int i) const;
  void SetSoilFH(int i, double v);
  double WatFH(int i) const;
  void SetWatFH(int i, double v);
  double WatBH(int i) const;
  void SetWatBH(int i, double v);

  // ---- Stability-check settings and ground constants ---------------------
  // Throwing, i = 0 normal, 1 seismic.
  double Pp(int i) const;
  void SetPp(int i, double v);
  // Throwing, i = 0 back ground, 1 bearing ground.
  double AE0(int i) const;
  void SetAE0(int i, double v);

  // ---- Derived (read only) -----------------------------------------------
  // Inclination of the back face of wall part nULflg (radians). A degenerate
  // section whose height term is 0 gives 0 rather than an infinite angle.
  double thet(double nULflg) const;
  // KiriDlt in radians, or kNullDouble when KiriDlt is negative.
  double rKiriDlt() const;
  // -1 when the wall has a toe slab whose stresses are checked, else 0.
  int16_t bFotCalc() const;

  // ---- Loads: document switches 0 considered, 1 not, -1 not chosen -------
  // Sets SnowLoad from Sisin, nSnowType and SnowDepth. A blank depth (either
  // null) gives the null load instead of a multiple of the null.
  void SetSnowLoad();

  // Guarded, 0 stability, 1 stem; a value other than 0 or 1 is ignored.
  int16_t nAutoCrash(int i) const;
  void SetnAutoCrash(int i, int16_t v);

  // ---- Seismic-coefficient derivation data -------------------------------
  // Number of ground layers. Raising it keeps the arrays' values (new
  // elements 0); below 1 leaves the arrays but hides every layer.
  int16_t nTokusei() const { return nTokusei_; }
  void SetnTokusei(int16_t v);
  // Guarded, 0 <= i < nTokusei.
  double TokuseiT(int i) const;
  void SetTokuseiT(int i, double v);
  int16_t TokuseiN(int i) const;
  void SetTokuseiN(int i, int16_t v);
  int16_t TokuseiS(int i) const;
  void SetTokuseiS(int i, int16_t v);

  // ---- Drawing-sheet options ---------------------------------------------
  // Throwing, i = 0..4.
  double MizuH1(int i) const;
  void SetMizuH1(int i, double v);
  // Guarded, i = 0..3 (mm).
  int16_t Margin(int i) const;
  void SetMargin(int i, int16_t v);

  // ---- Input state (throwing, i = 0..5) -----------------------------------
  int16_t bInpSt(int i) const;
  void SetbInpSt(int i, int16_t v);
  // The file bytes of the inputs the present results were computed from;
  // empty until the shell records a run. Never written to a file or copied.
  std::string ResultInputs;

  // ---- Owned records -------------------------------------------------------
  // Count setters create records for new slots, release dropped ones and keep
  // the surviving records (same objects). A negative count is ignored.
  int16_t nNiniCount() const { return nNiniCount_; }
  void SetnNiniCount(int16_t v);
  int16_t nCase() const { return nCase_; }
  void SetnCase(int16_t v);
  // Throwing for nUL outside 0..1; the setter ignores a bad nUL or n < 0.
  int16_t nWallSecCnt(int nUL) const;
  void SetnWallSecCnt(int nUL, int16_t v);
  // Below 1 discards every search record.
  int32_t nWlvlCase() const { return nWlvlCase_; }
  void SetnWlvlCase(int32_t v);

  // For the file reader and Copy: sets the four counts directly (a count
  // below 1 creates no list) and gives every slot in use a new empty record:
  // loads, cases, stem results at (0, c, k < s0) and (1, c, k < s1), toe-slab
  // and shear-key results per case. Section heights become 0.
  void RebuildOwnedRecords(int16_t niniCount, int16_t caseCount, int16_t s0, int16_t s1);

  // Guarded: nullptr / ignored outside the counts.
  std::shared_ptr<CNini> pNini(int i) const;
  void SetpNini(int i, std::shared_ptr<CNini> rec);
  std::shared_ptr<CKajyuCase> pCase(int i) const;
  void SetpCase(int i, std::shared_ptr<CKajyuCase> rec);
  std::shared_ptr<CWallRes> pWallRes(int nUL, int nCas, int Index) const;
  void SetpWallRes(int nUL, int nCas, int Index, std::shared_ptr<CWallRes> rec);
  std::shared_ptr<CFotRes> pFotRes(int nCas) const;
  void SetpFotRes(int nCas, std::shared_ptr<CFotRes> rec);
  std::shared_ptr<CTokRes> pTokRes(int nCas) const;
  void SetpTokRes(int nCas, std::shared_ptr<CTokRes> rec);
  // i >= nWlvlCase: nullptr / ignored; i < 0 throws.
  std::shared_ptr<CWlvlCalc> WlvlRes(int32_t i) const;
  void SetWlvlRes(int32_t i, std::shared_ptr<CWlvlCalc> rec);
  // Created on first read (also through a const document: the slot is a
  // cache of results, not an input). Index outside 0..1 or nCas < 0:
  // nullptr / ignored. Setting nullptr makes the next read create a fresh one.
  std::shared_ptr<CAntRes> AntRes(int Index, int nCas) const;
  void SetAntRes(int Index, int nCas, std::shared_ptr<CAntRes> rec);

  // Height of check section Index of wall part nUL. Throws for nUL outside
  // 0..1; Index outside 0..nWallSecCnt(nUL)-1 reads 0 and ignores writes.
  double WallSecY(int nUL, int Index) const;
  void SetWallSecY(int nUL, int Index, double v);

  int16_t ReAntCalc = 0;

  // Polygon weights set by the calculation (throwing for an index not 0..1).
  std::shared_ptr<CWeight> KutaiW1(int Index) const;
  void SetKutaiW1(int Index, std::shared_ptr<CWeight> w);
  std::shared_ptr<CWeight> Furyoku1(int Index) const;
  void SetFuryoku1(int Index, std::shared_ptr<CWeight> w);
  std::shared_ptr<CWeight> SoilW1(int nQuake, int nWat) const;
  void SetSoilW1(int nQuake, int nWat, std::shared_ptr<CWeight> w);
  std::shared_ptr<CWeight> KutaiW2(int Index) const;
  void SetKutaiW2(int Index, std::shared_ptr<CWeight> w);
  std::shared_ptr<CWeight> Furyoku2(int Index) const;
  void SetFuryoku2(int Index, std::shared_ptr<CWeight> w);
  std::shared_ptr<CWeight> SoilW2(int nQuake, int nWat) const;
  void SetSoilW2(int nQuake, int nWat, std::shared_ptr<CWeight> w);
  std::shared_ptr<CWeight> KutaiWS;
  std::shared_ptr<CWeight> FuryokuS(int Index) const;
  void SetFuryokuS(int Index, std::shared_ptr<CWeight> w);
  std::shared_ptr<CWeight> SoilWS(int nQuake, int nWat) const;
  void SetSoilWS(int nQuake, int nWat, std::shared_ptr<CWeight> w);

  // ---- Temporary files -------------------------------------------------------
  // Creates a new empty file "Zuv….tmp" in the private work folder and
  // registers it under the key (keys ignore letter case). A key registered
  // already now names the new file; the old file is left to its user.
  // Throws TempFileError when no file can be made; never returns "".
  std::string AddTempFile(const std::string& sTempFileKey);
  // Path of the first entry with the key whose file exists, or "".
  std::string TempFile(const std::string& sTempFileKey) const;
  // Deletes the first existing file under the key and drops its entry:
  // false when an entry was removed, true when nothing was.
  bool RemoveTempFile(const std::string& sTempFileKey);
  // Number of registry entries in use.
  int32_t TempFileCount() const { return tempCount_; }

  // ---- Copy ------------------------------------------------------------------
  // Fills this (newly created) document with the inputs of src. Left out:
  // Unit, the shear-key bars (TokDia, TokHon, TokKab, TokPich, TokAs), the
  // file names, Key, DataForm, every result, polygons, ReAntCalc and the
  // temporary files. Loads and cases are new records; result containers get
  // one new empty record per slot in use.
  void Copy(const CDocument& src);

 private:
  int32_t wallType_ = 0;
  std::array<double, 2> c_{0, 0};
  std::array<double, 2> delt_{kNullDouble, kNullDouble};
  std::array<double, 2> kh_{kNullDouble, kNullDouble};
  int32_t nUraNini_ = 0;
  std::vector<double> uraNiniX_;
  std::vector<double> uraNiniY_;
  std::array<double, 2> soilFH_{kNullDouble, kNullDouble};
  std::array<double, 2> watFH_{kNullDouble, kNullDouble};
  std::array<double, 2> watBH_{kNullDouble, kNullDouble};
  std::array<double, 2> pp_{kNullDouble, kNullDouble};
  std::array<double, 2> ae0_{kNullDouble, kNullDouble};
  std::array<int16_t, 2> nAutoCrash_{1, 1};
  int16_t nTokusei_ = 0;
  std::vector<double> tokuseiT_;
  std::vector<int16_t> tokuseiN_;
  std::vector<int16_t> tokuseiS_;
  std::array<double, 5> mizuH1_{0, 0, 0, 0, 0};
  std::array<int16_t, 4> margin_{20, 20, 20, 20};
  std::array<int16_t, 6> bInpSt_{0, 0, 0, 0, 0, 0};

  // Owned records. Arrays may hold more slots than the counts; slots outside
  // the counts are never handed out.
  int16_t nNiniCount_ = 0;
  int16_t nCase_ = 0;
  std::array<int16_t, 2> nWallSecCnt_{1, 1};
  int32_t nWlvlCase_ = 0;
  std::vector<std::shared_ptr<CNini>> pNini_;
  std::vector<std::shared_ptr<CKajyuCase>> pCase_;
  std::vector<std::shared_ptr<CFotRes>> pFotRes_;
  std::vector<std::shared_ptr<CTokRes>> pTokRes_;
  std::vector<std::shared_ptr<CWlvlCalc>> wlvlRes_;
  mutable std::array<std::vector<std::shared_ptr<CAntRes>>, 2> antRes_;

  // Stem records: wall part (2) x case x section, flat.
  struct WallResGrid {
    int cases = 0;
    int sections = 0;
    std::vector<std::shared_ptr<CWallRes>> cells;  // 2 * cases * sections
    void Reset(int c, int s);
    bool Has(int part, int c, int s) const {
      return part >= 0 && part < 2 && c >= 0 && c < cases && s >= 0 && s < sections;
    }
    std::shared_ptr<CWallRes>& At(int part, int c, int s) {
      return cells[(static_cast<size_t>(part) * cases + c) * sections + s];
    }
    const std::shared_ptr<CWallRes>& At(int part, int c, int s) const {
      return cells[(static_cast<size_t>(part) * cases + c) * sections + s];
    }
  };
  WallResGrid wallRes_;
  // Section heights: 2 x sections, flat (part-major).
  int secCols_ = 1;
  std::vector<double> wallSecY_;

  std::array<std::shared_ptr<CWeight>, 2> kutaiW1_, furyoku1_, kutaiW2_, furyoku2_, furyokuS_;
  std::array<std::shared_ptr<CWeight>, 4> soilW1_, soilW2_, soilWS_;

  // Temporary-file registry: parallel lists, entries 0..tempCount_-1 in use.
  int32_t tempCount_ = 0;
  std::vector<std::string> tempKeys_;
  std::vector<std::string> tempPaths_;

  void ResizeWallSecY(int sections);
  void DeleteRegisteredTempFiles();
};

}  // namespace norva
