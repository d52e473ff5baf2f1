#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/kusabi_res.h"
#include "document/nulls.h"
#include "report/driver/prn_file.h"
#include "report/earth_pressure/prn_kusabi.h"
#include "report/earth_pressure/prn_kusabi_sections.h"
#include "report/stability/stability_markup.h"

namespace norva {

namespace {

constexpr double kDeg = 57.29577951308238;

// The stored cut-face wedge counts as apart from the heel from 1 mm on, as
// the calculation rounds shorter distances to 0.
bool WedgeApart(const CKusabiRes& k0) { return k0.fDist >= 0.001; }

// The cut-face wedge of case i when the run stored one: a calculated wedge
// always carries the cut face's angle, an empty record none.
std::shared_ptr<CKusabiRes> StoredCutWedge(const CDocument& doc, int32_t i) {
  const std::shared_ptr<CAntRes> r = doc.AntRes(0, i);
  std::shared_ptr<CKusabiRes> k0 = r ? r->Kusabi(0) : nullptr;
  return k0 && k0->fTheta > 0 ? k0 : nullptr;
}

// ---- Method lines ------------------------------------------------------------

const char* const kM2 = "主働土圧の合力";
const char* const kM3 = "主働土圧合力の鉛直及び水平成分";
const char* const kM4 = "下部擁壁へ作用する土圧の鉛直及び水平分力";
const char* const kM5 = "土圧の作用位置";
const char* const kM6 = "(a),(b)の土圧を比較し大きい方の土圧を採用する。";

const char* const kF1 = "　　<math>P_A_=<box>Z<over>cos(ω_A_－φ－δ－α)</box></math>";
const char* const kF2 =
    "　　<math>Z=<box>{<left>W_1_＋W_2_<box>sin(ε－δ'＋θ)･cos(ω_A_－φ)<over>sin(ω_A_－φ＋θ)･"
    "cos(ε－δ')</box><right>}</box>･secθ･sin(ω_A_－φ＋θ)</math>";
const char* const kF3 =
    "　　　　　　　　　　<math>－c･l･cosφ－c'･l'･cosδ'<box>cos(ω_A_－φ)<over>cos(ε－δ')</box></"
    "math>";
const char* const kF4 = "　　<math>P_A_=max(P_A1_, P_A2_)</math>";
const char* const kF5 =
    "　　<math>P_A1_=<box>W･secθ･sin(ω_A1_－φ＋θ)－c･l･cosφ<over>cos(ω_A1_－φ－α－δ)</box></math>";
const char* const kF6 = "　　<math>P_A2_=<box>Z<over>cos(ω_A2_－φ－δ－α)</box></math>";
const char* const kF7 =
    "　　<math>Z=<box>{<left>W_1_＋W_2_<box>sin(ε－δ'＋θ)･cos(ω_A2_－φ)<over>sin(ω_A2_－φ＋θ)･"
    "cos(ε－δ')</box><right>}</box>･secθ･sin(ω_A2_－φ＋θ)</math>";
const char* const kF8 =
    "　　　　　　　　　　<math>－c･l･cosφ－c'･l'･cosδ'<box>cos(ω_A2_－φ)<over>cos(ε－δ')</box></"
    "math>";
const char* const kF9 =
    "　<math>P_A_=<box>Ｗ･secθ･sin(ε－δ'＋θ)－c'･l･cosδ'<over>cos(ε－δ'－α－δ)</box></math>";
const char* const kF10 =
    "　　<math>P_A1_=<box>Ｗ･secθ･sin(ω_A_－φ＋θ)－c･l･cosφ<over>cos(ω_A_－φ－α－δ)</box></math>";
const char* const kF11 =
    "　　<math>P_A2_=<box>Ｗ･secθ･sin(ε－δ'＋θ)－c'･l･cosδ'<over>cos(ε－δ'－α－δ)</box></math>";

// Symbol lines by their number in the legend tables; "@" is the force unit.
const char* const kSymbols[] = {
    "",
    "ここに、P<sub>A </sub>  ：主働土圧の合力 (@/m)",
    "ここに、P<sub>A </sub>  ：切土面における主働土圧の合力 (@/m)",
    "　　　　P<sub>A1</sub>  ：裏込め土のみによる主働土圧の合力 (@/m)",
    "　　　　P<sub>A2</sub>  ：切土面における主働土圧の合力 (@/m)",
    "　　　　W<sub>  </sub>  ：地表面の亀裂深さzcを考慮した土くさびの重量(載荷重を含む) (@/m)",
    "　　　　Ｗ<sub>  </sub> ：地表面の亀裂深さzcを考慮した土くさびの重量(載荷重を含む) (@/m)",
    "　　　　W<sub>1 </sub>  ：裏込め土内部のすべり面上の土くさびの重量 (載荷重を含む) (@/m)",
    "　　　　W<sub>2 </sub>  ：切土面上の亀裂深さzcを考慮した土くさびの重量(載荷重を含む) (@/m)",
    "　　　　ω<sub>A </sub> ：主働すべり角 (度)",
    "　　　　ω<sub>A1</sub> ：裏込め土内部のすべり面の主働すべり角 (度)",
    "　　　　ω<sub>A2</sub> ：擁壁かかとから切り土面までのすべり面の主働すべり角 (度)",
    "　　　　ε<sub>  </sub> ：地山が水平面となす角 (度)",
    "　　　　c<sub>  </sub>  ：裏込め土の粘着力 (@/m<sup>2</sup>)",
    "　　　　φ<sub>  </sub> ：裏込め土のせん断抵抗角 (度)",
    "　　　　δ<sub>  </sub> ：壁面摩擦角 (度)",
    "　　　　α<sub>  </sub> ：壁面が鉛直面となす角 (度)",
    "　　　　c'<sub>  </sub> ：切土面と裏込め土の間の粘着力 (@/m<sup>2</sup>)",
    "　　　　δ'<sub>  </sub>：切土面におけるすべり摩擦角 (度)",
    "　　　　θ<sub>  </sub> ：地震合成角 (度)　地震の影響を考慮しない場合はθ=0とする。",
    "　　　　　<sub>  </sub> 　θ = tan<sup>-1</sup>k<sub>H</sub>",
    "　　　　l<sub>  </sub>　：すべり面の長さ (m)",
    "　　　　l<sub>  </sub>  ：すべり面の長さ (m)",
    "　　　　z<sub>c </sub>　：地表面の亀裂深さ (m)",
    "　　　　z<sub>c </sub>  ：地表面の亀裂深さ (m)",
    "　　　　 <sub>  </sub>　　<math>z_c_ = <box>2c<over>γ</box>tan(45°＋φ/2)</math>",
    "　　　　 <sub>  </sub>  　<math>z_c_=<box>2c<over>γ</box>tan(45°＋<box>φ<over>2</box>)</math>",
    "　　　　γ<sub>  </sub> ：裏込め土の単位体積重量 (@/m<sup>3</sup>)",
    "　　　　H<sub>  </sub>  ：壁高 (m)",
    "　　　　P<sub>AV</sub>  ：主働土圧合力の鉛直成分 (@/m)",
    "　　　　P<sub>AH</sub>  ：主働土圧合力の水平成分 (@/m)",
    "　　　　X<sub>P </sub>  ：主働土圧合力のX方向の作用位置 (m)",
    "　　　　Y<sub>P </sub>  ：主働土圧合力のY方向の作用位置 (m)",
    "　　　　B<sub>  </sub>　：底面幅 (m)",
};

// Legend lines of the road-earthworks method.
const char* const kRoadSymbols[] = {
    "",
    "ここに、H<sub>  </sub>  ：壁高　 (m)",
    "　　　　P<sub>AV</sub>  ：主働土圧合力の鉛直成分　　　　(@/m)",
    "　　　　P<sub>AH</sub>  ：主働土圧合力の水平成分　　　　(@/m)",
    "　　　　P<sub>A1</sub>  ：裏込め土内部のみ通過するすべり面における最大の主働土圧の合力 (@/m)",
    "　　　　　<sub>  </sub> 　(a)図参照",
    "　　　　P<sub>A2</sub>  ：切土面にそったすべり面における主働土圧の合力　(b),(c)図参照　(@/m)",
    "　　　　δ<sub>  </sub> ：壁面摩擦角　　　　　　 (度)",
    "　　　　α<sub>  </sub> ：壁面が鉛直面となす角　 (度)",
    "　　　　θ<sub>  </sub> ：地震合成角　　　　　　 (度)",
    "　　　　　<sub>  </sub> 　θ = "
    "tan<sup>-1</sup>k<sub>H</sub>　地震の影響を考慮しない場合はθ=0とする。",
    "　　　　l<sub>  </sub>　：すべり面の長さ　　　　 (m)",
    "　　　　z<sub>c </sub>　：地表面の亀裂深さ　　　 (m)",
    "ここに、W<sub>1 </sub>  ：裏込め土内部のすべり面上の土くさびの重量 (載荷重を含む) (@/m)",
    "　　　　ε<sub>  </sub> ：地山が水平面となす角　　　　 (度)",
    "　　　　l'<sub>  </sub> ：切土面上のすべり面の長さ　　 (m)",
    "　　　　δ'<sub>  </sub>：切土面におけるすべり摩擦角　 (度)",
    "　　　　δ<sub>1 </sub> ：土塊W<sub>1</sub>およびW<sub>2</sub>の接触面における摩擦角 = #.## "
    "(度)",
};

// One legend line: the unit word for every "@" (at most one per line).
void Symbol(PrnFile& f, const char* line) {
  if (std::string(line).find('@') == std::string::npos) {
    f.Line(line);
  } else {
    f.Line(line, {PrnUnitWords[0]});
  }
}

void Symbols(PrnFile& f, std::initializer_list<int> numbers) {
  for (int n : numbers) Symbol(f, kSymbols[n]);
}

void RoadSymbols(PrnFile& f, const CDocument& doc, std::initializer_list<int> numbers) {
  for (int n : numbers) {
    if (n == 17) {
      f.Line(kRoadSymbols[n], {doc.KiriDlt});
    } else {
      Symbol(f, kRoadSymbols[n]);
    }
  }
}

bool Horizontal(const CDocument& doc) { return doc.WallType() == 3 || doc.nTentou == 3; }

// The earth pressure's components; `narrow` is the one-space form.
void Components(PrnFile& f, const CDocument& doc, bool narrow) {
  f.Empty();
  f.Line(kM3);
  f.Empty();
  const char* indent = narrow ? "　" : "　　";
  if (Horizontal(doc)) {
    f.Line(std::string(indent) + "<math>P_AV_&sp;=&sp;0.00</math>");
    f.Line(std::string(indent) + "<math>P_AH_&sp;=&sp;P_A_</math>");
    f.Line("　　　全土圧を水平方向に作用させるものとする。");
  } else {
    f.Line(std::string(indent) + "<math>P_AV_&sp;=&sp;P_A_･sin(α＋δ)</math>");
    f.Line(std::string(indent) + "<math>P_AH_&sp;=&sp;P_A_･cos(α＋δ)</math>");
  }
}

// What the lower wall of a mixed wall receives; `halfWidthPlus` writes
// "α+δ" as the comparing forms do.
void LowerWall(PrnFile& f, const CDocument& doc, bool halfWidthPlus) {
  if (doc.WallType() != 3) return;
  f.Empty();
  f.Line(kM4);
  f.Empty();
  if (halfWidthPlus) {
    f.Line("　　<math>P_AV_&sp;=&sp;P_A_･sin(α+δ)</math>");
    f.Line("　　<math>P_AH_&sp;=&sp;P_A_･cos(α+δ)</math>");
  } else {
    f.Line("　　<math>P_AV_&sp;=&sp;P_A_･sin(α＋δ)</math>");
    f.Line("　　<math>P_AH_&sp;=&sp;P_A_･cos(α＋δ)</math>");
  }
}

void Position(PrnFile& f, bool narrow) {
  const std::string indent = narrow ? "　" : "　　";
  f.Empty();
  f.Line(kM5);
  f.Empty();
  f.Line(indent + "<math>Y_P_=<box>1<over>3</box>･H</math>");
  f.Line(indent + "<math>X_P_=B-Y_P_･tanα</math>");
}

void SymbolOpener(PrnFile& f) {
  PrnBlockClose(f);
  PrnBlockOpen(f);
  f.Empty();
}

void Closing(PrnFile& f) {
  Symbols(f, {27, 28, 29, 30, 31, 32, 33});
  PrnBlockClose(f);
}

// withUnitWeight: the unit-weight line leads, unless an earlier legend of
// the section gave it.
void RoadClosing(PrnFile& f, const CDocument& doc, bool withUnitWeight) {
  if (withUnitWeight) Symbol(f, kSymbols[27]);
  RoadSymbols(f, doc, {1, 2, 3});
  Symbols(f, {31, 32, 33});
  PrnBlockClose(f);
}

const char* FigurePrefix(const CDocument& doc) {
  switch (doc.WallType()) {
    case 1:
      return "JYU";
    case 2:
      return "MOTARE";
    default:
      return "BLOCK";
  }
}

std::string Copy(PrnFile& f, const CDocument& doc, const char* name, const std::string& folder,
                 const char* target) {
  return PrnCopyFigure(f, std::string(FigurePrefix(doc)) + "_" + name, folder, target);
}

void Picture(PrnFile& f, const std::string& path, const char* size) {
  f.Line(std::string("<IMG SRC=@, WIDTH=") + size + " HEIGHT=" + size + ">", {PrnImgSrc(path)});
}

void Cell(PrnFile& f, int col, const std::string& path, const char* width, const char* height) {
  f.Line("<TD SROW=0, SCOL=" + std::to_string(col) + "><IMG SRC=@, WIDTH=" + width +
             " HEIGHT=" + height + "></TD>",
         {PrnImgSrc(path)});
}

// The two-picture table of the comparing forms.
void PairTable(PrnFile& f, const std::string& a, const std::string& b, bool road) {
  f.Line("<TABLE ROW=2, COL=2, HALIGN=CENTER>");
  f.Line("<HEADER>");
  Cell(f, 0, a, road ? "90%" : "75mm", road ? "90%" : "74mm");
  Cell(f, 1, b, road ? "90%" : "75mm", road ? "90%" : "74mm");
  f.Line("<TD SROW=1, SCOL=0><br>(a) 裏込め土内部のすべり面</TD>");
  f.Line("<TD SROW=1, SCOL=1><br>(b) 切土面でのすべり面</TD>");
  f.Line("</HEADER>");
  f.Line("</TABLE>");
}

void Head(PrnFile& f, const CDocument& doc) {
  PrnPageBreak(f);
  PrnBlockOpen(f);
  f.Empty();
  PrnHeading(f, doc, 2, "土　圧");
  PrnHeading(f, doc, 3, "計算方法");
  f.Line("土圧は試行くさび法により算出する。");
}

// Apart, cut face only: the broken slip from the heel to the cut face.
void ApartCutOnly(PrnFile& f, const CDocument& doc, const std::string& folder) {
  const std::string fig = Copy(f, doc, "KUSABI_KIRI_PA", folder, "KUSABI");
  Picture(f, fig, "90%");
  f.Empty();
  f.Line(kM2);
  f.Empty();
  f.Line(kF1);
  f.Line(kF2);
  f.Line(kF3);
  Components(f, doc, false);
  LowerWall(f, doc, false);
  Position(f, false);
  SymbolOpener(f);
  Symbols(f, {1, 7, 8, 9, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 23, 25});
}

void HeelCutOnly(PrnFile& f, const CDocument& doc, const std::string& folder) {
  const std::string fig = Copy(f, doc, "KUSABI_KIRI1_PA", folder, "KUSABI");
  Picture(f, fig, "90%");
  f.Empty();
  f.Line(kM2);
  f.Empty();
  f.Line(kF9);
  Components(f, doc, true);
  Position(f, true);
  SymbolOpener(f);
  Symbols(f, {2, 6, 12, 15, 16, 17, 18, 19, 20, 22, 24, 26, 13, 14});
}

void HeelCompare(PrnFile& f, const CDocument& doc, const std::string& folder, bool road) {
  const std::string a = Copy(f, doc, "KUSABI_KIRI1_PA1", folder, "KUSABI1");
  const std::string b = Copy(f, doc, "KUSABI_KIRI1_PA2", folder, "KUSABI2");
  f.Line(kM6);
  PairTable(f, a, b, road);
  f.Empty();
  f.Line(kM2);
  f.Empty();
  f.Line(kF4);
  f.Line(kF10);
  f.Line(kF11);
  Components(f, doc, false);
  Position(f, false);
  SymbolOpener(f);
  Symbols(f, {1, 3, 4, 6, 9, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 24, 26});
}

}  // namespace

KiriVariant KiriMethodVariantOf(const CDocument& doc) {
  bool apart = doc.KiriD > 0 || doc.WallType() == 3;
  for (int32_t i = 0; i < doc.nCase(); ++i) {
    if (const std::shared_ptr<CKusabiRes> k0 = StoredCutWedge(doc, i)) {
      apart = WedgeApart(*k0);
      break;
    }
  }
  const bool compare = doc.KiriDoatsu == 0;
  if (apart) return compare ? KiriVariant::kApartCompare : KiriVariant::kApartCutFaceOnly;
  return compare ? KiriVariant::kHeelCompare : KiriVariant::kHeelCutFaceOnly;
}

KiriVariant KiriCaseVariantOf(const CDocument& doc, int32_t i) {
  const std::shared_ptr<CKusabiRes> k0 = StoredCutWedge(doc, i);
  if (!k0) return KiriMethodVariantOf(doc);
  const bool compare = doc.KiriDoatsu == 0;
  if (WedgeApart(*k0)) {
    return compare ? KiriVariant::kApartCompare : KiriVariant::kApartCutFaceOnly;
  }
  return compare ? KiriVariant::kHeelCompare : KiriVariant::kHeelCutFaceOnly;
}

namespace {

void ApartCompare(PrnFile& f, const CDocument& doc, const std::string& folder) {
  const std::string a = Copy(f, doc, "KUSABI_KIRI_PA1", folder, "KUSABI1");
  const std::string b = Copy(f, doc, "KUSABI_KIRI_PA2", folder, "KUSABI2");
  f.Line(kM6);
  PairTable(f, a, b, false);
  f.Empty();
  f.Line(kM2);
  f.Empty();
  for (const char* l : {kF4, kF5, kF6, kF7, kF8}) f.Line(l);
  Components(f, doc, false);
  LowerWall(f, doc, true);
  Position(f, false);
  SymbolOpener(f);
  Symbols(f, {1, 3, 4, 5, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 23, 25});
}

// The road-earthworks form: the slip along the cut face solved by the force
// polygon of the two soil blocks.
void RoadApartCompare(PrnFile& f, const CDocument& doc, const std::string& folder) {
  const std::string a = Copy(f, doc, "KUSABI_KIRI_PA1", folder, "KUSABI1");
  const std::string b = Copy(f, doc, "KUSABI_KIRI_PA2", folder, "KUSABI2");
  const std::string c = PrnCopyFigure(f, "KUSABI", folder, "KUSABI3");
  f.Line("<TABLE ROW=2, COL=1, HALIGN=CENTER>");
  f.Line("<HEADER>");
  Cell(f, 0, a, "90%", "90%");
  f.Line("<TD SROW=1, SCOL=0><br>(a) 裏込め土内部のすべり面</TD>");
  f.Line("</HEADER>");
  f.Line("</TABLE>");
  SymbolOpener(f);
  f.Line(kM2);
  f.Line("　主働土圧の合力は次式で求める。");
  f.Empty();
  f.Line(kF4);
  f.Line(kF5);
  SymbolOpener(f);
  Symbol(f, kSymbols[1]);
  RoadSymbols(f, doc, {4, 5, 6});
  Symbols(f, {5, 10, 13, 14});
  RoadSymbols(f, doc, {7, 8, 9, 10, 11, 12});
  Symbols(f, {25, 27});
  PrnBlockClose(f);
  PrnBlockOpen(f);
  f.Line("<TABLE ROW=2, COL=2, HALIGN=CENTER>");
  f.Line("<HEADER>");
  Cell(f, 0, b, "90%", "90%");
  Cell(f, 1, c, "150%", "150%");
  f.Line("<TD SROW=1, SCOL=0><br>(b) 切土面でのすべり面</TD>");
  f.Line("<TD SROW=1, SCOL=1><br>(c) 連力図</TD>");
  f.Line("</HEADER>");
  f.Line("</TABLE>");
  SymbolOpener(f);
  f.Line("　切土面にそったすべり面における主働土圧の合力は(c)図の連力図を解いて次式で求める。");
  f.Empty();
  f.Line(
      "　　<math>P_A2_=<box>W_1_{tanθ･cos(ω_A2_-φ)+sin(ω_A2_-φ)} - "
      "c･l･cosφ<over>cos(ω_A2_-φ-α-δ)</box></math>");
  f.Line(
      "　　　　<math>+<box>W_2_{tanθ･cos(ε-δ')+sin(ε-δ')} - "
      "c'･l'･cosδ'<over>cos(ε-δ'-δ_1_)</box></math>");
  f.Line("　　　　　　<math>･<box>cos(ω_A2_-φ-δ_1_)<over>cos(ω_A2_-φ-α-δ)</box></math>");
  SymbolOpener(f);
  RoadSymbols(f, doc, {13});
  Symbols(f, {8, 11});
  RoadSymbols(f, doc, {14});
  Symbols(f, {17});
  RoadSymbols(f, doc, {15, 16, 17});
  Components(f, doc, false);
  LowerWall(f, doc, true);
  Position(f, false);
  SymbolOpener(f);
  RoadClosing(f, doc, false);
}

void KiriMethod(PrnFile& f, const CDocument& doc, const std::string& folder, bool road) {
  Head(f, doc);
  switch (KiriMethodVariantOf(doc)) {
    case KiriVariant::kApartCutFaceOnly:
      // Under the road guideline too: the slip the case sections report.
      ApartCutOnly(f, doc, folder);
      break;
    case KiriVariant::kApartCompare:
      if (road) {
        RoadApartCompare(f, doc, folder);
        return;
      }
      ApartCompare(f, doc, folder);
      break;
    case KiriVariant::kHeelCutFaceOnly:
      HeelCutOnly(f, doc, folder);
      break;
    case KiriVariant::kHeelCompare:
      HeelCompare(f, doc, folder, road);
      break;
  }
  if (road) {
    RoadClosing(f, doc, true);
  } else {
    Closing(f);
  }
}

}  // namespace

void PrnDoatsuKusabiKiri(PrnFile& f, const CDocument& doc, const std::string& folder) {
  KiriMethod(f, doc, folder, false);
}

void PrnDoatsuKusabiKiriDoro(PrnFile& f, const CDocument& doc, const std::string& folder) {
  KiriMethod(f, doc, folder, true);
}

// ---- One load case -----------------------------------------------------------------

namespace {

struct TrialWedge {
  const char* stem;
  const char* labels;
  const char* intro;
  const char* fixed;
  const char* maximum;
  const char* result;
};

constexpr TrialWedge kCutApartOnly = {
    "AntKusabiRes0",
    "ω<SUB>A</SUB>|ｌ|ｌ'|Ｗ<sub>1</sub>|Ｗ<sub>2</sub>|Ｐ<SUB>A</SUB>",
    "ω<sub>A</sub>を変化させ、切土面での最大土圧を計算した結果は下表の通り。",
    "切土面での土圧はω<sub>A</sub>=##.###°の時とし、",
    "従って、切土面での最大土圧はω<SUB>A</sub>=##.###°の時となり、",
    "　　P<sub>A</sub>=##.## (@/m)"};
constexpr TrialWedge kBackfillApart = {
    "AntKusabiRes1",
    "ω<SUB>A1</SUB>|ｌ|Ｗ|Ｐ<SUB>A1</SUB>",
    "ω<sub>A1</sub>を変化させ、裏込め土内部のすべり面での最大土圧を計算した結果は下表の通り。",
    "裏込め土内部のすべり面で採用する土圧はω<SUB>A1</sub>=##.###°の時となり、",
    "従って、裏込め土内部のすべり面の最大土圧はω<SUB>A1</sub>=##.###°の時となり、",
    "　　P<sub>A1</sub>=##.## (@/m)"};
constexpr TrialWedge kCutApartCompared = {
    "AntKusabiRes0",
    "ω<SUB>A2</SUB>|ｌ|ｌ'|Ｗ<sub>1</sub>|Ｗ<sub>2</sub>|Ｐ<SUB>A2</SUB>",
    "ω<sub>A2</sub>を変化させ、切土面での最大土圧を計算した結果は下表の通り。",
    "切土面での土圧はω<sub>A2</sub>=##.###°の時とし、",
    "従って、切土面での最大土圧はω<SUB>A2</sub>=##.###°の時となり、",
    "　　P<sub>A2</sub>=##.## (@/m)"};
constexpr TrialWedge kBackfillHeel = {
    "AntKusabiRes",
    "ω<SUB>A</SUB>|ｌ|Ｗ|Ｐ<SUB>A1</SUB>",
    "ω<sub>A</sub>を変化させ、裏込め土内部のすべり面での最大土圧を計算した結果は下表の通り。",
    "裏込め土内部のすべり面で採用する土圧はω<SUB>A</sub>=##.###°の時とし、",
    "従って、裏込め土内部のすべり面の最大土圧はω<SUB>A</sub>=##.###°の時となり、",
    "　　P<sub>A1</sub>=##.## (@/m)"};

// A searched wedge: its graph, the table of its trials, the slip angle taken
// and its earth pressure. The graph is drawn before any line is written,
// the block opening its lines too when openBlock.
void Trials(PrnFile& f, const CDocument& doc, const std::shared_ptr<CKusabiRes>& held,
            const TrialWedge& t, int32_t i, const std::string& folder, bool openBlock = false) {
  const CKusabiRes none;
  const CKusabiRes& k = held ? *held : none;
  const std::string graph = PrnKusabiGraphPath(folder, t.stem, "00", i);
  const bool drawn = PrnKusabiGraph(doc, k, graph) != 0;
  if (openBlock) PrnBlockOpen(f);
  f.Empty();
  f.Line(t.intro);
  f.Empty();
  if (drawn) PrnFigure(f, graph, 50);
  PrnKusabiTable(f, doc, held.get(), t.labels);
  f.Empty();
  f.Line(k.bChgOmg != 0 ? t.fixed : t.maximum, {k.fOmega * kDeg});
  f.Empty();
  f.Line(t.result, {k.fPa, PrnUnitWords[0]});
}

// The cut-face wedge through the heel by its closed formula, with its
// numbers; `fullWidth` is the comparing form.
void CutFaceFormula(PrnFile& f, const CKusabiRes& k, bool fullWidth) {
  const double eps = (fullWidth ? k.fTheta : k.fOmega) * kDeg;
  const double th = k.fKh * kDeg, dd = k.fFaid * kDeg;
  std::vector<ReportValue> v = {
      k.fWQ(1) + k.fWQ(0), th, eps, dd, th, k.fCd, k.fL(1) + k.fL(0), dd, eps, dd, k.fAlpha * kDeg,
      k.fDelta * kDeg};
  if (fullWidth) {
    PrnSignedLine(
        f,
        "　  <math>=<box>##.##×sec(##.##)×sin(##.##－##.##＋##.##)－##.##×##.###×cos(##.##)"
        "<over>cos(##.##－##.##－##.##－##.##)</box></math>",
        std::move(v));
  } else {
    PrnSignedLine(
        f,
        "　　  <math>=<box>##.##×sec(##.##)×sin(##.##-##.##+##.##)-##.##×##.###×cos(##.##)"
        "<over>cos(##.##-##.##-##.##-##.##)</box></math>",
        std::move(v));
  }
}

void Adopted(PrnFile& f, const CKusabiRes& k1, const CKusabiRes& k0, const CAntRes& r) {
  f.Empty();
  f.Line("以上より、主働土圧合力は、");
  f.Empty();
  f.Line(
      "　　P<sub>A</sub> = max(P<sub>A1</sub>, P<sub>A2</sub>) = max(##.##, ##.##) = ##.## (@/m)",
      {k1.fPa, k0.fPa, r.Pa, PrnUnitWords[0]});
}

}  // namespace

void PrnDoatsuKusabiKiriCase(PrnFile& f, const CDocument& doc, int32_t i,
                             const std::string& folder) {
  const std::shared_ptr<CAntRes> held = doc.AntRes(0, i);
  const CAntRes noResult;
  const CAntRes& r = held ? *held : noResult;
  const std::shared_ptr<CKusabiRes> k0 = r.Kusabi(0), k1 = r.Kusabi(1);
  const CKusabiRes none;
  const CKusabiRes& K0 = k0 ? *k0 : none;
  const CKusabiRes& K1 = k1 ? *k1 : none;
  const std::string& unit = PrnUnitWords[0];
  const double a = K0.fAlpha * kDeg, d = K0.fDelta * kDeg;
  // H, B and Y_P in the frame of the stored point of action, so that the
  // X_P line gives the stored X_P.
  const bool point = !IsNullValue(r.Pax) && !IsNullValue(r.Pay);
  const double Yp = IsNullValue(r.Pay) ? kNullBox : r.Pay;
  const double H = IsNullValue(r.Pay) ? kNullBox : 3 * r.Pay;
  const double B = point ? r.Pax - r.Pay * std::tan(-K0.fAlpha) : kNullBox;
  const KiriVariant variant = KiriCaseVariantOf(doc, i);

  PrnBlockOpen(f);
  f.Empty();
  PrnCaseHeadingFixed(f, doc, i);
  PrnQuakeNote(f, doc, i);
  f.Empty();
  f.Line("傾 斜 角　　地山の傾斜角　　　　　ε<sub> </sub> = ###.## (度)", {K0.fTheta * kDeg});
  f.Line("　　　　　　壁面傾斜角　　　　　　α<sub> </sub> = ###.## (度)", {a});
  if (K0.fKh > 0) {
    f.Line("地震の影響　設計水平震度　　　　　k<sub>H</sub>  = ###.##", {std::tan(K0.fKh)});
    f.Line("　　　　　　地震合成角　　　　　　θ<sub> </sub> = ###.## (度)", {K0.fKh * kDeg});
  }
  f.Line("裏込め土　　内部摩擦角　　　　　　φ<sub> </sub> = ###.## (度)", {K0.fFai * kDeg});
  f.Line("　　　　　　壁面摩擦角　　　　　　δ<sub> </sub> = ###.## (度)", {d});
  f.Line("　　　　　　湿 潤 重 量　 　　　　γ<sub> </sub> = ###.## (@/m<sup>3</sup>)",
         {doc.Gamb, unit});
  if (K0.fWlvl > 0) {
    f.Line("　　　　　　水 中 重 量　 　　　　γ'<sub> </sub>= ###.## (@/m<sup>3</sup>)",
           {doc.Gambd, unit});
  }
  f.Line("　　　　　　粘　着　力　　　　　　ｃ<sub> </sub> = ###.## (@/m<sup>2</sup>)",
         {K0.fC, unit});
  f.Line("切 土 面　　摩擦角　　　　　　　　δ'<sub> </sub>= ###.## (度)", {doc.Deltd});
  f.Line("　　　　　　裏込め土の間の粘着力　ｃ'<sub> </sub>= ###.## (@/m<sup>2</sup>)",
         {doc.Cd, unit});

  switch (variant) {
    case KiriVariant::kApartCutFaceOnly:
      Trials(f, doc, k0, kCutApartOnly, i, folder);
      PrnBlockClose(f);
      PrnBlockOpen(f);
      break;
    case KiriVariant::kHeelCutFaceOnly:
      f.Empty();
      f.Line("主働土圧合力は、");
      f.Empty();
      f.Line("　　<math>P_A_=<box>Ｗ･secθ･sin(ε-δ'+θ)-c'･l･cosδ'<over>cos(ε-δ'-α-δ)</box></math>");
      f.Empty();
      CutFaceFormula(f, K0, false);
      f.Empty();
      f.Line("　　　<math>=##.## (@/m)</math>", {K0.fPa, unit});
      break;
    case KiriVariant::kApartCompare: {
      Trials(f, doc, k1, kBackfillApart, i, folder);
      PrnBlockClose(f);
      Trials(f, doc, k0, kCutApartCompared, i, folder, true);
      PrnBlockClose(f);
      PrnBlockOpen(f);
      Adopted(f, K1, K0, r);
      break;
    }
    case KiriVariant::kHeelCompare:
      Trials(f, doc, k1, kBackfillHeel, i, folder);
      PrnBlockClose(f);
      PrnBlockOpen(f);
      f.Empty();
      f.Line("切土面での土圧、");
      f.Line(
          "　<math>P_A2_=<box>Ｗ･secθ･sin(ε－δ'＋θ)－c'･l･cosδ'<over>cos(ε－δ'－α－δ)</box></"
          "math>");
      f.Empty();
      CutFaceFormula(f, K0, true);
      f.Empty();
      f.Line("　　<math>=##.## (@/m)</math>", {K0.fPa, unit});
      PrnBlockClose(f);
      PrnBlockOpen(f);
      Adopted(f, K1, K0, r);
      break;
  }

  f.Empty();
  f.Line("P<sub>A</sub>の鉛直及び水平分力P<sub>AV</sub>,P<sub>AH</sub>は、");
  f.Empty();
  const char* pav =
      "　　P<sub>AV</sub> = P<sub>A</sub>･sin(α+δ) = ##.##×sin(##.##+##.##) = ##.## (@/m)";
  const char* pah =
      "　　P<sub>AH</sub> = P<sub>A</sub>･cos(α+δ) = ##.##×cos(##.##+##.##) = ##.## (@/m)";
  if (Horizontal(doc)) {
    f.Line("　　P<sub>AV</sub> = 0.00 (@/m)", {unit});
    f.Line("　　P<sub>AH</sub> = P<sub>A</sub> = ##.## (@/m)", {r.Pa, unit});
    if (doc.WallType() == 3) {
      f.Empty();
      f.Line("下部擁壁へ作用する土圧の鉛直及び水平分力、");
      f.Empty();
      f.Line(pav, {K0.fPa, a, d, r.Pav, unit});
      f.Line(pah, {K0.fPa, a, d, r.Pah, unit});
    }
  } else {
    f.Line(pav, {r.Pa, a, d, r.Pav, unit});
    f.Line(pah, {r.Pa, a, d, r.Pah, unit});
  }
  f.Empty();
  f.Line("土圧の作用位置X<sub>P</sub>,Y<sub>P</sub>は、");
  f.Empty();
  f.Line("　　<math>Y_P_=<box>1<over>3</box>･H=<box>1<over>3</box>×#.###=#.### (m)</math>",
         {H, Yp});
  PrnSignedLine(f, "　　<math>X_P_=B-Y_P_･tanα=##.###-#.###×tan(##.##)=#.### (m)</math>",
                {B, Yp, a, r.Pax});
  PrnBlockClose(f);
}

}  // namespace norva
