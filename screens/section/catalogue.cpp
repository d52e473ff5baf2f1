#include "screens/section/catalogue.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "document/document.h"
#include "document/numeric.h"
#include "document/report_format.h"
#include "text/vb_text_io.h"

namespace norva {
namespace {

// The cells of a layout: 'S' a text, 'D' a number.
const char* Layout(int32_t wallType) {
  switch (wallType) {
    case 0:
      return "SDDSDDD";
    case 1:
      return "SDDDDDD";
    case 2:
      return "SSDDDDDDDDD";
    case 3:
      return "DDDDDDDDDDDDDDDDD";
    default:
      return "";
  }
}

CatalogueRecord EmptyRecord(const char* layout) {
  CatalogueRecord r;
  for (const char* c = layout; *c; ++c) {
    if (*c == 'S')
      r.emplace_back(std::string());
    else
      r.emplace_back(0.0);
  }
  return r;
}

double Val(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

const std::string kCrLf = "\r\n";

}  // namespace

std::string CatalogueFileName(int32_t wallType) {
  switch (wallType) {
    case 0:
      return "block.csv";
    case 1:
      return "Jyuryoku.csv";
    case 2:
      return "motare.csv";
    case 3:
      return "kongou.csv";
    default:
      return "";
  }
}

std::vector<CatalogueRecord> ReadCatalogue(int32_t wallType, const std::string& path) {
  const char* layout = Layout(wallType);
  std::error_code ec;
  if (!*layout || !std::filesystem::is_regular_file(path, ec)) return {};
  try {
    VbTextReader in = VbTextReader::FromFile(path);
    const int16_t count = in.InputInt16();
    if (count <= 0) return {EmptyRecord(layout)};
    std::vector<CatalogueRecord> out;
    out.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
      CatalogueRecord r;
      for (const char* c = layout; *c; ++c) {
        if (*c == 'S')
          r.emplace_back(in.InputString());
        else
          r.emplace_back(in.InputDouble());
      }
      if (wallType == 0) {
        // Unit weight in tf/m3 and surcharge in tf/m2 in the file.
        r[BlkSizeRec::UraGam] = std::get<double>(r[BlkSizeRec::UraGam]) * 10;
        r[BlkSizeRec::Q] = std::get<double>(r[BlkSizeRec::Q]) * 9.8;
      }
      out.push_back(std::move(r));
    }
    return out;
  } catch (const std::exception&) {
    return {EmptyRecord(layout)};
  }
}

double CellNumber(const CatalogueRecord& r, int field) {
  const auto* v = std::get_if<double>(&r[static_cast<size_t>(field)]);
  return v ? *v : 0.0;
}

std::string CellText(const CatalogueRecord& r, int field) {
  const auto* v = std::get_if<std::string>(&r[static_cast<size_t>(field)]);
  return v ? *v : std::string();
}

// ---- The search ---------------------------------------------------------------------------

CatalogueWizard::CatalogueWizard(int32_t wallType, std::vector<CatalogueRecord> data)
    : type_(wallType), data_(std::move(data)) {
  switch (wallType) {
    case 0:
      steps_ = {{BlkSizeRec::Kozo, nullptr},   {BlkSizeRec::DeltB, "#0.00"},
                {BlkSizeRec::N, "#0.0"},       {BlkSizeRec::Uragome, nullptr},
                {BlkSizeRec::UraGam, "#0.00"}, {BlkSizeRec::Q, "#0.00"}};
      break;
    case 1:
      steps_ = {{GrwSizeRec::Uragome, nullptr},
                {GrwSizeRec::Morido, "0.00"},
                {GrwSizeRec::N, "0.00"},
                {GrwSizeRec::H, "#0.000"}};
      break;
    case 2:
      steps_ = {{MtwSizeRec::Kiso, nullptr},
                {MtwSizeRec::Uragome, nullptr},
                {MtwSizeRec::Morido, "0.00"},
                {MtwSizeRec::N1, "0.00"},
                {MtwSizeRec::H, "#0.000"}};
      break;
    default:
      break;
  }
  // Nothing chosen: texts "", numbers -1.
  const char* layout = Layout(wallType);
  for (const char* c = layout; *c; ++c) {
    if (*c == 'S')
      sel_.emplace_back(std::string());
    else
      sel_.emplace_back(-1.0);
  }
  lists_.resize(steps_.size());
  done_.assign(steps_.size() + 1, false);
  if (steps_.empty()) return;
  std::vector<const CatalogueRecord*> all;
  for (const CatalogueRecord& r : data_) all.push_back(&r);
  lists_[0] = ListOf(all, steps_[0].field, steps_[0].mask);
}

bool CatalogueWizard::SameValue(const CatalogueCell& a, const CatalogueCell& b) const {
  if (a.index() != b.index()) return false;
  if (const auto* s = std::get_if<std::string>(&a)) return *s == std::get<std::string>(b);
  return EqualTol(std::get<double>(a), std::get<double>(b));
}

bool CatalogueWizard::Matches(const CatalogueRecord& r, int upTo) const {
  for (int i = 0; i < upTo; ++i) {
    const size_t f = static_cast<size_t>(steps_[static_cast<size_t>(i)].field);
    if (!SameValue(r[f], sel_[f])) return false;
  }
  return true;
}

// Entries in order of first appearance; a number is shown with the mask and
// counts as listed when a listed entry read back lies within 1e-5 of it.
std::vector<std::string> CatalogueWizard::ListOf(const std::vector<const CatalogueRecord*>& recs,
                                                 int field, const char* mask) const {
  std::vector<std::string> out;
  for (const CatalogueRecord* r : recs) {
    const CatalogueCell& c = (*r)[static_cast<size_t>(field)];
    bool listed = false;
    if (const auto* s = std::get_if<std::string>(&c)) {
      for (const std::string& e : out) listed = listed || e == *s;
      if (!listed) out.push_back(*s);
      continue;
    }
    const double v = std::get<double>(c);
    for (const std::string& e : out) listed = listed || EqualTol(Val(e), v);
    if (!listed) out.push_back(FormatPattern(v, mask ? mask : "#0.000"));
  }
  return out;
}

bool CatalogueWizard::Dry() const {
  return type_ == 0 && CellText(sel_, BlkSizeRec::Kozo) == kKaraZumi;
}

void CatalogueWizard::Choose(int k, const std::string& entry) {
  if (k < 0 || k >= Last()) return;
  const StepField& f = steps_[static_cast<size_t>(k)];
  const CatalogueCell value = f.mask ? CatalogueCell(Val(entry)) : CatalogueCell(entry);
  if (SameValue(value, sel_[static_cast<size_t>(f.field)])) return;
  if (k == Last() - 1) {
    LastChoice(value);
    return;
  }
  std::vector<const CatalogueRecord*> matching;
  for (const CatalogueRecord& r : data_)
    if (Matches(r, k) && SameValue(r[static_cast<size_t>(f.field)], value)) matching.push_back(&r);
  sel_[static_cast<size_t>(f.field)] = value;
  int next = k + 1;
  if (type_ == 0 && k == 0 && entry == kKaraZumi) {
    // Dry masonry has no back concrete: its step counts as chosen with 0.
    sel_[BlkSizeRec::DeltB] = 0.0;
    done_[1] = true;
    next = 2;
  }
  const StepField& n = steps_[static_cast<size_t>(next)];
  lists_[static_cast<size_t>(next)] = ListOf(matching, n.field, n.mask);
  sel_[static_cast<size_t>(n.field)] = n.mask ? CatalogueCell(-1.0) : CatalogueCell(std::string());
  done_[static_cast<size_t>(k)] = true;
  done_[static_cast<size_t>(next)] = false;
}

void CatalogueWizard::LastChoice(const CatalogueCell& value) {
  const int k = Last() - 1;
  const size_t field = static_cast<size_t>(steps_[static_cast<size_t>(k)].field);
  const CatalogueRecord* found = nullptr;
  for (const CatalogueRecord& r : data_) {
    if (Matches(r, k) && SameValue(r[field], value)) {
      found = &r;
      break;
    }
  }
  // Without a record the selection keeps what it held, and nothing can be
  // applied from it.
  found_ = found != nullptr;
  if (found) {
    if (type_ == 0) {
      sel_[BlkSizeRec::H] = (*found)[BlkSizeRec::H];
      sel_[BlkSizeRec::Q] = value;
    } else {
      sel_ = *found;
    }
  }
  summary_ = found ? MakeSummary() : std::string();
  done_[static_cast<size_t>(k)] = true;
  done_[static_cast<size_t>(k + 1)] = false;
}

void CatalogueWizard::Move(int move) {
  if (move == 0 && step_ > 0) step_ = (Dry() && step_ == 2) ? 0 : step_ - 1;
  if (move == 1 && step_ < Last()) step_ = (Dry() && step_ == 0) ? 2 : step_ + 1;
}

std::string CatalogueWizard::Caption() const {
  if (step_ == Last()) return "図集検索 - 完了!";
  return "図集検索 - Step " + std::to_string(step_ + 1) + "/" + std::to_string(Last() + 1);
}

std::string CatalogueWizard::MakeSummary() const {
  auto num = [this](int field, const char* mask) {
    return FormatPattern(CellNumber(sel_, field), mask);
  };
  switch (type_) {
    case 1:
      return "裏込め土の種類　:　" + CellText(sel_, GrwSizeRec::Uragome) + kCrLf +
             "盛土高比　　　　:　" + num(GrwSizeRec::Morido, "#0.0") + kCrLf +
             "前面勾配　　　　:　" + num(GrwSizeRec::N, "#0.00") + kCrLf + "擁壁高　　　　　:　" +
             num(GrwSizeRec::H, "#0.000") + kCrLf + "底版幅　　　　　:　" +
             num(GrwSizeRec::B, "#0.000") + kCrLf;
    case 2:
      return "基礎地盤の種類　:　" + CellText(sel_, MtwSizeRec::Kiso) + kCrLf +
             "裏込め土の種類　:　" + CellText(sel_, MtwSizeRec::Uragome) + kCrLf +
             "盛土高比　　　　:　" + num(MtwSizeRec::Morido, "#0.0") + kCrLf +
             "前面勾配　　　　:　" + num(MtwSizeRec::N1, "#0.00") + kCrLf + "擁壁高　　　　　:　" +
             num(MtwSizeRec::H, "#0.000") + kCrLf + "底版幅　　　　　:　" +
             num(MtwSizeRec::B, "#0.000") + kCrLf + "底版前面厚　　　:　" +
             num(MtwSizeRec::H2, "#0.000") + kCrLf + "基礎前面幅　　　:　" +
             num(MtwSizeRec::B1, "#0.000");
    default: {
      const std::string kozo = CellText(sel_, BlkSizeRec::Kozo);
      std::string s = "擁壁の構造  　 : " + kozo + kCrLf;
      if (kozo == "練積み")
        s += "裏込めｺﾝｸﾘｰﾄ厚 : " + num(BlkSizeRec::DeltB, "#0.0") + " (cm)" + kCrLf;
      return s + "前面勾配　　　 : " + num(BlkSizeRec::N, "#0.00") + kCrLf +
             "裏込め土の種類 : " + CellText(sel_, BlkSizeRec::Uragome) + kCrLf +
             "裏込め土の単重 : " + num(BlkSizeRec::UraGam, "##0.000") + " (kN/m3)" + kCrLf +
             "上載(換算)荷重 : " + num(BlkSizeRec::Q, "#0.000") + " (kN/m2)" + kCrLf +
             "擁壁高   　　　: " + num(BlkSizeRec::H, "#0.000") + " (m)";
    }
  }
}

int SizeInpPages(int32_t wallType) {
  switch (wallType) {
    case 0:
      return 7;
    case 1:
      return 5;
    case 2:
      return 6;
    default:
      return 0;
  }
}

std::string SizeInpPictureName(int32_t wallType, int step) {
  if (step < 0 || step >= SizeInpPages(wallType)) return "";
  static const char* const kWall[] = {"Blk", "Grw", "Mtw"};
  return std::string("SizeInp") + kWall[wallType] + std::to_string(step) + ".svg";
}

std::vector<std::vector<std::string>> MixedRows(const std::vector<CatalogueRecord>& data) {
  std::vector<std::vector<std::string>> rows;
  for (const CatalogueRecord& r : data) {
    rows.push_back({});
    for (int f : {MxwSizeRec::H, MxwSizeRec::B, MxwSizeRec::H1, MxwSizeRec::H0})
      rows.back().push_back(FormatPattern(CellNumber(r, f), "#0.000"));
  }
  return rows;
}

// ---- Applying ----------------------------------------------------------------------------------

namespace {

// The wall's unit weight, the backfill's unit weights, its friction angle
// and the wall friction that follows from it.
void Materials(CDocument& d, double gamcw, double gamb, double fai) {
  d.Gamcw = gamcw;
  d.Gamb = gamb;
  d.Gambd = gamb - 9;
  d.Fai = fai;
  d.Setdelt(0, d.Fai * 2 / 3);
  d.Setdelt(1, d.Fai / 2);
}

void BackfillShape(CDocument& d, double H0) {
  d.UragomeType = 0;
  d.UraHd = 0;
  if (H0 > 0) {
    d.UragomeType = 2;
    d.UraX1 = 0;
    d.UraX2 = 1.5 * H0;
    d.UraH0 = H0;
  }
}

void NoFrontSoil(CDocument& d) {
  d.Gamf = 0;
  d.Gamfd = 0;
  d.SetSoilFH(0, 0);
  d.SetSoilFH(1, 0);
}

}  // namespace

void ApplyBlkSize(CDocument& d, const CatalogueRecord& sel) {
  using namespace BlkSizeRec;
  const bool dry = CellText(sel, Kozo) == kKaraZumi;
  d.Gamcw = dry ? 19.5 : 22.5;
  d.Gamcf = 23;
  d.Gamb = CellNumber(sel, UraGam);
  d.Gambd = d.Gamb - 9;
  d.WallH = CellNumber(sel, H);
  d.BlkT = 0.35;
  d.BlkDeltT1 = dry ? 0 : CellNumber(sel, DeltB) / 100;
  d.BlkDeltT2 = d.BlkDeltT1;
  d.BlkN = CellNumber(sel, N);
  d.nBlkSetup = 0;
  d.nBlkFound = 0;
  if (d.WallH <= 1.5) {
    d.BlkH1 = 0.25;
    d.BlkH2 = 0.15;
  } else if (d.WallH <= 3) {
    d.BlkH1 = 0.3;
    d.BlkH2 = 0.15;
  } else {
    d.BlkH1 = 0.4;
    d.BlkH2 = 0.25;
  }
  d.BlkB1 = 0.1;
  const double t1 = d.BlkDeltT1;
  if (t1 <= 0)
    d.BlkB = 0.45;
  else if (t1 <= 0.1)
    d.BlkB = 0.55;
  else if (t1 <= 0.15)
    d.BlkB = 0.6;
  else if (t1 <= 0.2)
    d.BlkB = 0.65;
  else
    d.BlkB = (t1 + d.BlkT) * std::cos(std::atan(d.BlkN)) + d.BlkB1;
  d.WallB = d.BlkB;  // the footing carries the wall
  NoFrontSoil(d);
}

void ApplyGrwSize(CDocument& d, const CatalogueRecord& sel) {
  using namespace GrwSizeRec;
  const bool c2 = CellText(sel, Uragome) == "C2";
  Materials(d, 23, c2 ? 19 : 18, c2 ? 30 : 25);
  d.WallH = CellNumber(sel, H);
  d.GrwB = CellNumber(sel, B);
  d.GrwB1 = CellNumber(sel, H) * CellNumber(sel, N);
  d.GrwB2 = CellNumber(sel, B2);
  d.GrwN = CellNumber(sel, N);
  BackfillShape(d, CellNumber(sel, H0));
  NoFrontSoil(d);
}

void ApplyMtwSize(CDocument& d, const CatalogueRecord& sel) {
  using namespace MtwSizeRec;
  const bool c1 = CellText(sel, Uragome) == "C1";
  Materials(d, 23, c1 ? 20 : 19, c1 ? 35 : 30);
  d.WallH = CellNumber(sel, H);
  d.MtwH1 = CellNumber(sel, H) - CellNumber(sel, H2);
  d.MtwH2 = CellNumber(sel, H2);
  d.MtwH3 = 0;
  d.MtwB1 = CellNumber(sel, B1);
  d.MtwB2 = d.MtwH1 * CellNumber(sel, N1);
  d.MtwB3 = CellNumber(sel, B3);
  d.MtwB4 = d.MtwH1 * CellNumber(sel, N2);
  d.MtwN1 = CellNumber(sel, N1);
  d.MtwN2 = CellNumber(sel, N2);
  BackfillShape(d, CellNumber(sel, H0));
  NoFrontSoil(d);
}

std::string ApplyMxwSize(CDocument& d, const CatalogueRecord& r) {
  using namespace MxwSizeRec;
  if (CellNumber(r, LowerH) == 0 || CellNumber(r, TokkiPitch) == 0) return kMxwZeroMessage;
  Materials(d, 22.5, 19, 30);
  d.Gamcf = 23;
  d.MxwH1 = CellNumber(r, UpperH);
  d.MxwH2 = CellNumber(r, LowerH);
  d.MxwH3 = CellNumber(r, LowerH) - CellNumber(r, H1);
  d.WallH = d.MxwH2 + d.MxwH1;
  d.BlkT = CellNumber(r, UpperT);
  d.BlkDeltT1 = CellNumber(r, UpperDeltT);
  d.BlkDeltT2 = d.BlkDeltT1;
  d.BlkN = CellNumber(r, UpperN);
  d.GrwB = CellNumber(r, B);
  d.GrwB1 = CellNumber(r, LowerB1);
  d.GrwB2 = CellNumber(r, LowerB2);
  d.GrwB3 = CellNumber(r, LowerB3);
  d.GrwN = d.GrwB1 / d.MxwH2;
  d.Tokki = 1;
  d.TokX = CellNumber(r, TokkiX);
  d.TokB = CellNumber(r, TokkiB);
  d.TokL = CellNumber(r, TokkiL);
  // A half goes to the even neighbour (the default rounding mode).
  d.TokDia = static_cast<int16_t>(std::nearbyint(CellNumber(r, TokkiDia)));
  d.TokHon = 1000 / CellNumber(r, TokkiPitch);
  BackfillShape(d, CellNumber(r, H0));
  NoFrontSoil(d);
  return "";
}

std::vector<std::vector<std::string>> KisoSizeTable() {
  const std::string widths = "　　　　　　　　　　底　面　幅　Ｂ (cm)　　　　　　";
  return {{"擁壁全高", "前面高 Ｈ1", "背面高 Ｈ2", widths, "", "", ""},
          {"(m)", "(cm)", "(cm)", "⊿ｔ = 0", "⊿ｔ = 10", "⊿ｔ = 15", "⊿ｔ = 20"},
          {"1.00～1.50", "25", "15", "45", "55", "60", "65"},
          {"1.51～3.00", "30", "15", "45", "55", "60", "65"},
          {"3.01～5.00", "40", "25", "45", "55", "60", "65"}};
}

}  // namespace norva
