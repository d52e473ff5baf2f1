#include "screens/loads/case_rules.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "calc/stability/load_defaults.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/report_format.h"
#include "document/services.h"

namespace norva {
namespace {

// Rows 2 and 4..12: the case's switch of that row.
int16_t* CaseSwitch(CKajyuCase& k, int row) {
  switch (row) {
    case kRowQuake:
      return &k.nQuake;
    case kRowWater:
      return &k.nWater;
    case kRowSoilF:
      return &k.nSoilF;
    case kRowAuto:
      return &k.nAutoMobil;
    case kRowGunsyu:
      return &k.nGunsyu;
    case kRowSnow:
      return &k.nSnow;
    case kRowTakuchi:
      return &k.nTakuchi;
    case kRowCrash:
      return &k.nAutoCrash;
    case kRowStone:
      return &k.nStoneCrash;
    case kRowWind:
      return &k.nWind;
    default:
      return nullptr;
  }
}

std::string Factor(double v) { return FormatPattern(v, kFactorFormat); }

// Full-width digits, point, signs and blank as an input method types them,
// made plain ASCII; other characters stay.
std::string NarrowDigits(std::string_view s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (s.substr(i, 3) == "\u3000") {
      out += ' ';
      i += 2;
      continue;
    }
    // U+FF0B..U+FF19 (＋ ， － ． ／ ０-９) are EF BC 8B..99 in UTF-8.
    if (b == 0xEF && i + 2 < s.size() && static_cast<unsigned char>(s[i + 1]) == 0xBC) {
      const auto c = static_cast<unsigned char>(s[i + 2]);
      if (c >= 0x8B && c <= 0x99 && c != 0x8C && c != 0x8F) {
        out += static_cast<char>(c - 0x8B + '+');
        i += 2;
        continue;
      }
    }
    out += s[i];
  }
  return out;
}

}  // namespace

CaseTableLayout MakeCaseTableLayout(const CDocument& doc) {
  CaseTableLayout t;
  t.labels = {"",           "ケース名", "地震の影響", "土　　圧", "水の影響",       "前面土砂",
              "自動車荷重", "群集荷重", "雪荷重",     "宅地荷重", "自動車衝突荷重", "落石衝突荷重",
              "風荷重"};
  t.niniCount = doc.nNiniCount() > 0 ? doc.nNiniCount() : 0;
  for (int i = 0; i < t.niniCount; ++i) {
    const auto load = doc.pNini(i);
    t.labels.push_back(load ? load->LoadName : std::string());
  }
  if (doc.nTentou == 1) {
    t.rowFsTentou = static_cast<int>(t.labels.size());
    t.labels.push_back("転倒安全率");
  }
  if (doc.ChkSlide == 1) {
    t.rowFsKatsudou = static_cast<int>(t.labels.size());
    t.labels.push_back("滑動安全率");
  }
  t.rowQPremium = static_cast<int>(t.labels.size());
  t.bearingFixed = doc.Sisin == 3;
  t.labels.push_back(t.bearingFixed ? "支持力安全率" : "許容支持力度割増");
  t.rows = static_cast<int>(t.labels.size());
  t.doatVisible = doc.Sisin == 4;
  return t;
}

bool CaseRowConsidered(const CDocument& doc, const FrontSoil& soil, int row) {
  switch (row) {
    case kRowQuake:
      return doc.bQuake != 0;
    case kRowWater:
      return doc.nWater != 0;
    case kRowSoilF:
      return soil[0] || soil[1];
    case kRowAuto:
      return doc.nAutoMobile != 1;
    case kRowGunsyu:
      return doc.nGunsyu != 1;
    case kRowSnow:
      return doc.nSnow != 1;
    case kRowTakuchi:
      return doc.nTakuchi != 1;
    case kRowCrash:
      return !(doc.nAutoCrash(0) == 1 && doc.nAutoCrash(1) == 1);
    case kRowStone:
      return doc.nStone != 1;
    case kRowWind:
      return doc.nWind != 1;
    default:
      return true;
  }
}

std::vector<CaseCell> SetCaseColumn(const CDocument& doc, const FrontSoil& soil,
                                    const CaseTableLayout& layout, int k, CKajyuCase& kase) {
  std::vector<CaseCell> cells(static_cast<size_t>(layout.rows));
  cells[kRowNo].text = std::to_string(k);
  cells[kRowName].text = kase.CaseName;
  for (int row = kRowQuake; row <= kRowWind; ++row) {
    if (row == kRowDoat) continue;
    CaseCell& c = cells[static_cast<size_t>(row)];
    int16_t* sw = CaseSwitch(kase, row);
    if (!CaseRowConsidered(doc, soil, row)) {
      c.kind = CaseCell::kDash;
      c.text = "-";
      *sw = 0;
    } else {
      c.kind = CaseCell::kCheck;
      c.checked = *sw == 1;
    }
  }
  // Outside residential land the earth pressure is not chosen: it follows the
  // seismic switch.
  if (layout.doatVisible)
    cells[kRowDoat].text = kase.Doat == 0 ? kDoatNormal : kDoatSeismic;
  else
    kase.Doat = kase.nQuake == 1 ? 1 : 0;
  for (int i = 0; i < layout.niniCount; ++i) {
    CaseCell& c = cells[static_cast<size_t>(kRowNini + i)];
    c.kind = CaseCell::kCheck;
    c.checked = kase.nNini(i) == 1;
  }
  // The file keeps no bearing safety factor: the case holds the standard one,
  // so what is shown is what is calculated, before and after saving.
  kase.QuPremium = GetDefQuPremium(doc, kase);
  auto factor = [&](int row, double v, CaseCell::Kind kind) {
    if (row <= 0 || row >= layout.rows) return;
    cells[static_cast<size_t>(row)].kind = kind;
    cells[static_cast<size_t>(row)].text = Factor(v);
  };
  factor(layout.rowFsTentou, kase.FsTentou, CaseCell::kFactor);
  factor(layout.rowFsKatsudou, kase.FsKatsudou, CaseCell::kFactor);
  if (layout.bearingFixed)
    factor(layout.rowQPremium, kase.QuPremium, CaseCell::kFixedFactor);
  else
    factor(layout.rowQPremium, kase.QaPremium, CaseCell::kFactor);
  return cells;
}

bool ParseFactor(const std::string& text, double* value) {
  const std::string s = NarrowDigits(text);
  const size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return false;
  const size_t e = s.find_last_not_of(" \t");
  const std::string t = s.substr(b, e - b + 1);
  if (t.find_first_not_of("+-.0123456789") != std::string::npos) return false;
  char* end = nullptr;
  errno = 0;
  const double v = std::strtod(t.c_str(), &end);
  if (end != t.c_str() + t.size() || errno != 0 || !std::isfinite(v) || !(v > 0)) return false;
  *value = v;
  return true;
}

CaseEdit WriteBackCaseCell(const CDocument& doc, const CaseTableLayout& layout, CKajyuCase& kase,
                           int row, bool checked, const std::string& text) {
  CaseEdit r;
  if (row < kRowQuake || row >= layout.rows) return r;
  const int16_t v = checked ? 1 : 0;
  if (row == kRowDoat) {
    kase.Doat = text == kDoatNormal ? 0 : 1;
  } else if (row <= kRowWind) {
    *CaseSwitch(kase, row) = v;
  } else if (row < kRowNini + layout.niniCount) {
    kase.SetnNini(row - kRowNini, v);
  } else if (row == layout.rowQPremium && layout.bearingFixed) {
    return r;  // read-only: the file could not keep an edit
  } else if (row == layout.rowFsTentou || row == layout.rowFsKatsudou ||
             row == layout.rowQPremium) {
    double* member = row == layout.rowFsTentou     ? &kase.FsTentou
                     : row == layout.rowFsKatsudou ? &kase.FsKatsudou
                                                   : &kase.QaPremium;
    double x = 0;
    r.refused = !ParseFactor(text, &x);
    if (!r.refused) *member = x;
    r.text = Factor(*member);
  }
  if (row == kRowQuake || row == kRowCrash || row == kRowStone || row == kRowWind) {
    SetCaseStdFactors(doc, kase);
    r.factorsReset = true;
  }
  return r;
}

void SetCaseStdFactors(const CDocument& doc, CKajyuCase& kase) {
  kase.Ea = GetDefEa(doc.WallType(), doc.Sisin, kase);
  kase.FsTentou = GetDefFsTentou(doc.Sisin, kase);
  kase.FsKatsudou = GetDefFsKatsudou(doc.Sisin, kase);
  kase.AllowPremium = GetDefAllowPremium(kase);
  kase.QaPremium = GetDefQaPremium(kase);
  kase.QuPremium = GetDefQuPremium(doc, kase);
}

std::shared_ptr<CKajyuCase> NewCase(const CDocument& doc, const std::string& name) {
  auto k = std::make_shared<CKajyuCase>();
  k->CaseName = name;
  k->SetnNiniCount(doc.nNiniCount());
  return k;
}

int AppendCase(CDocument& doc, const std::shared_ptr<CKajyuCase>& kase) {
  SetCaseStdFactors(doc, *kase);
  const int16_t n = doc.nCase();
  doc.SetnCase(static_cast<int16_t>(n + 1));
  doc.SetpCase(n, kase);
  return n;
}

bool DeleteCase(CDocument& doc, int i) {
  const int n = doc.nCase();
  if (i < 0 || i >= n) return false;
  for (int j = i + 1; j < n; ++j) doc.pCase(j - 1)->Copy(*doc.pCase(j));
  doc.SetnCase(static_cast<int16_t>(n - 1));
  return true;
}

std::string DeleteCaseQuestion(int i, const std::string& name) {
  return "荷重ケース" + std::to_string(i + 1) + "(" + name + ")を削除します。\nよろしいですか？";
}

bool MakeStdCases(CDocument& doc, const FrontSoil& soil) {
  if (doc.nCase() > 0 && MessageSink().Show(kProgramTitle, kMakeStdCasesQuestion, MsgIcon::Question,
                                            MsgButtons::OkCancel) != MsgAnswer::Ok)
    return false;
  doc.SetnCase(0);
  const std::string suffix = doc.nWater == 1 ? "+浮力" : doc.nWater == 2 ? "+揚圧力" : "";
  const bool water = doc.nWater != 0;
  const bool V = doc.nAutoMobile == 0, S = doc.nSnow == 0, G = doc.nGunsyu == 0,
             T = doc.nTakuchi == 0;
  const bool C = doc.nAutoCrash(0) == 0 || doc.nAutoCrash(1) == 0;
  const bool R = doc.nStone == 0, W = doc.nWind == 0, Q = doc.bQuake != 0;

  // A dry case, then (with water) its twin with the water acting.
  auto add = [&](const std::string& base, bool seismic, auto&& setSwitches) {
    auto k = NewCase(doc, water ? base + suffix + "無視" : base);
    for (int i = 0; i < k->nNiniCount(); ++i) k->SetnNini(i, 1);
    k->nSoilF = soil[seismic ? 1 : 0] ? 1 : 0;
    setSwitches(*k);
    AppendCase(doc, k);
    if (!water) return;
    auto wet = std::make_shared<CKajyuCase>();
    wet->Copy(*k);
    wet->CaseName = base + suffix + "考慮";
    wet->nWater = 1;
    AppendCase(doc, wet);
  };
  const std::string load1 = V && S ? "自重+載荷重(自動車+雪)"
                            : V    ? "自重+載荷重(自動車)"
                            : S    ? "自重+載荷重(雪)"
                                   : "自重";
  add(load1, false, [&](CKajyuCase& k) {
    k.nAutoMobil = V ? 1 : 0;
    k.nSnow = S ? 1 : 0;
  });
  if (G || T) {
    const std::string load2 = G && T ? "自重+載荷重(群集+宅地)"
                              : G    ? "自重+載荷重(群集)"
                                     : "自重+載荷重(宅地)";
    add(load2, false, [&](CKajyuCase& k) {
      k.nGunsyu = G ? 1 : 0;
      k.nTakuchi = T ? 1 : 0;
    });
  }
  if (S && T) add("自重+載荷重(雪+宅地)", false, [](CKajyuCase& k) { k.nSnow = k.nTakuchi = 1; });
  if (C) add("自重+衝突(自動車)", false, [](CKajyuCase& k) { k.nAutoCrash = 1; });
  if (R) add("自重+衝突(落石)", false, [](CKajyuCase& k) { k.nStoneCrash = 1; });
  if (W) add("自重+風", false, [](CKajyuCase& k) { k.nWind = 1; });
  if (Q && doc.Sisin == 4) {
    add("地震時(常時土圧)", true, [](CKajyuCase& k) { k.nQuake = 1; });
    add("地震時(地震時土圧)", true, [](CKajyuCase& k) {
      k.nQuake = 1;
      k.Doat = 1;
    });
  } else if (Q) {
    add("自重+慣性力", true, [](CKajyuCase& k) {
      k.nQuake = 1;
      k.Doat = 1;
    });
  }
  return true;
}

void SyncCaseNiniCounts(CDocument& doc) {
  for (int i = 0; i < doc.nCase(); ++i)
    if (auto k = doc.pCase(i)) k->SetnNiniCount(doc.nNiniCount());
}

}  // namespace norva
