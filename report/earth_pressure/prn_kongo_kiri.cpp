#include <cmath>
#include <initializer_list>
#include <memory>
#include <string>

#include "document/ant_res.h"
#include "document/document.h"
#include "document/kusabi_res.h"
#include "document/load_case.h"
#include "document/nulls.h"
#include "report/driver/prn_file.h"
#include "report/earth_pressure/prn_kusabi.h"
#include "report/earth_pressure/prn_kusabi_sections.h"
#include "report/stability/stability_markup.h"

namespace norva {

namespace {

constexpr double kDeg = 57.29577951308238;

// Legend lines of the lower wall's method; "@" is the force unit.
const char* const kLegend[] = {
    "",
    "ここに、P<sub>A </sub>  ：主働土圧の合力 (@/m)",
    "ここに、P<sub>A </sub>  ：切土面における主働土圧の合力 (@/m)",
    "　　　　P<sub>A1</sub>  ：裏込め土のみによる主働土圧の合力 (@/m)",
    "　　　　P<sub>A2</sub>  ：切土面における主働土圧の合力 (@/m)",
    "　　　　P<sub>1 </sub>  ：上部擁壁に作用する土圧 (@/m)",
    "　　　　W<sub>  </sub>  ：地表面の亀裂深さzcを考慮した土くさびの重量(載荷重を含む) (@/m)",
    "　　　　W<sub>1 </sub>  ：裏込め土内部のすべり面上の土くさびの重量 (載荷重を含む) (@/m)",
    "　　　　W<sub>2 </sub>  ：切土面上の亀裂深さzcを考慮した土くさびの重量(載荷重を含む) (@/m)",
    "　　　　ω<sub>A </sub> ：主働すべり角 (度)",
    "　　　　ω<sub>A1</sub> ：盛土部擁壁として計算した場合の主働すべり角 (度)",
    "　　　　ω<sub>A2</sub> ：擁壁かかとから切土面までの裏込め土内部のすべり線の主働すべり角 (度)",
    "　　　　ε<sub>  </sub> ：地山が水平面となす角 (度)",
    "　　　　c<sub>  </sub>  ：裏込め土の粘着力 (@/m<sup>2</sup>)",
    "　　　　φ<sub>  </sub> ：裏込め土のせん断抵抗角 (度)",
    "　　　　δ<sub>  </sub> ：壁面摩擦角 (度)",
    "　　　　α<sub>1 </sub> ：上部擁壁の背面が鉛直面となす角 (度)",
    "　　　　α<sub>2 </sub> ：下部擁壁の背面が鉛直面となす角 (度)",
    "　　　　c'<sub>  </sub> ：切土面と裏込め土の間の粘着力 (@/m<sup>2</sup>)",
    "　　　　δ'<sub>  </sub>：切土面におけるすべり摩擦角 (度)",
    "　　　　θ<sub>  </sub> ：地震合成角 (度)　地震の影響を考慮しない場合はθ=0とする。",
    "　　　　　<sub>  </sub> 　θ = tan<sup>-1</sup>k<sub>H</sub>",
    "　　　　l<sub>  </sub>  ：すべり面の長さ (m)",
    "　　　　z<sub>c </sub>  ：地表面の亀裂深さ (m)",
    "　　　　 <sub>  </sub>  　<math>z_c_=<box>2c<over>γ</box>tan(45°＋<box>φ<over>2</box>)</math>",
    "　　　　l<sub>  </sub>　：裏込め土内部のすべり面の長さ (m)",
    "　　　　l'<sub>  </sub> ：切土面上のすべり面の長さ (m)",
    "　　　　z<sub>c </sub>　：地表面の亀裂深さ (m)",
    "　　　　 <sub>  </sub>　　<math>z_c_ = <box>2c<over>γ</box>tan(45°＋φ/2)</math>",
    "　　　　γ<sub>  </sub> ：裏込め土の単位体積重量 (@/m<sup>3</sup>)",
    "　　　　H<sub>1 </sub>  ：上部擁壁背面高 (m)",
    "　　　　H<sub>2 </sub>  ：下部擁壁背面高 (m)",
    "　　　　P<sub>AV</sub>  ：主働土圧合力の鉛直成分 (@/m)",
    "　　　　P<sub>AH</sub>  ：主働土圧合力の水平成分 (@/m)",
    "　　　　X<sub>P </sub>  ：主働土圧合力のX方向の作用位置 (m)",
    "　　　　Y<sub>P </sub>  ：主働土圧合力のY方向の作用位置 (m)",
};

void Legend(PrnFile& f, std::initializer_list<int> numbers) {
  for (int n : numbers) {
    const char* l = kLegend[n];
    if (std::string(l).find('@') == std::string::npos) {
      f.Line(l);
    } else {
      f.Line(l, {PrnUnitWords[0]});
    }
  }
}

std::string Shipped(const PrnFile& f, const char* name) {
  return PrnImgSrc(f.ProgramDir() + "/resource/" + name + ".svg");
}

void PairOfFigures(PrnFile& f, const char* a, const char* b) {
  f.Line("(a),(b)の土圧を比較し大きい方の土圧を採用する。");
  f.Line("<TABLE ROW=2, COL=2>");
  f.Line("<HEADER>");
  f.Line("<TD SROW=0, SCOL=0><IMG SRC=@, WIDTH=90%, HEIGHT=90%></TD>", {Shipped(f, a)});
  f.Line("<TD SROW=0, SCOL=1><IMG SRC=@, WIDTH=90%, HEIGHT=90%></TD>", {Shipped(f, b)});
  f.Line("<TD SROW=1, SCOL=0><br>(a) 裏込め土内部のすべり面</TD>");
  f.Line("<TD SROW=1, SCOL=1><br>(b) 切土面でのすべり面</TD>");
  f.Line("</HEADER>");
  f.Line("</TABLE>");
  f.Empty();
  f.Line("主働土圧の合力");
  f.Empty();
}

void OneFigure(PrnFile& f, const char* name) {
  f.Line("<IMG SRC=@, WIDTH=90%, HEIGHT=90%>", {Shipped(f, name)});
  f.Empty();
  f.Line("主働土圧の合力");
  f.Empty();
}

// The components and point of action on the lower wall, then the legend's
// opening.
void ComponentsAndPosition(PrnFile& f, const char* alpha) {
  f.Empty();
  f.Line("主働土圧合力の鉛直及び水平成分");
  f.Empty();
  f.Line(std::string("　　<math>P_AV_&sp;=&sp;P_A_･sin(") + alpha + "＋δ)</math>");
  f.Line(std::string("　　<math>P_AH_&sp;=&sp;P_A_･cos(") + alpha + "＋δ)</math>");
  f.Empty();
  f.Line("土圧の作用位置");
  f.Empty();
  f.Line("　　<math>Y_P_=<box>H_2_<over>3</box>･<box>3H_1_+H_2_<over>2H_1_+H_2_</box></math>");
  f.Line("　　<math>X_P_=B-Y_P_･tanα_2_</math>");
  PrnBlockClose(f);
  PrnBlockOpen(f);
  f.Empty();
}

// The cut-face wedge's pressure as the calculation projects the upper
// wall's thrust: on the normal to the reaction on the cut face (δ').
const char* const kCutFaceP1 =
    "　　<math>P_A2_=<box>W･secθ･sin(ε-δ'+θ)-c'･l･cosδ'-P_1_･cos(ε-δ'-δ-α_1_)<over>cos(ε-δ'-α_2_-"
    "δ)</box></math>";

// The stored cut-face wedge of the lower wall in case i, if the run stored one.
std::shared_ptr<CKusabiRes> StoredLowerCutWedge(const CDocument& doc, int32_t i) {
  const std::shared_ptr<CAntRes> r = doc.AntRes(1, i);
  std::shared_ptr<CKusabiRes> k0 = r ? r->Kusabi(0) : nullptr;
  return k0 && k0->fTheta > 0 ? k0 : nullptr;
}

KiriVariant VariantOf(bool apart, const CDocument& doc) {
  const bool compare = doc.KiriDoatsu == 0;
  if (apart) return compare ? KiriVariant::kApartCompare : KiriVariant::kApartCutFaceOnly;
  return compare ? KiriVariant::kHeelCompare : KiriVariant::kHeelCutFaceOnly;
}

}  // namespace

KiriVariant KiriLowerMethodVariantOf(const CDocument& doc) {
  for (int32_t i = 0; i < doc.nCase(); ++i) {
    if (const std::shared_ptr<CKusabiRes> k0 = StoredLowerCutWedge(doc, i)) {
      return VariantOf(k0->fDist >= 0.001, doc);
    }
  }
  return VariantOf(doc.KiriD > 0, doc);
}

KiriVariant KiriLowerCaseVariantOf(const CDocument& doc, int32_t i) {
  const std::shared_ptr<CKusabiRes> k0 = StoredLowerCutWedge(doc, i);
  return k0 ? VariantOf(k0->fDist >= 0.001, doc) : KiriLowerMethodVariantOf(doc);
}

void PrnDoatsuKongoKiri(PrnFile& f, const CDocument& doc, const std::string& /*folder*/) {
  PrnPageBreak(f);
  PrnBlockOpen(f);
  f.Empty();
  PrnHeading(f, doc, 2, "土　圧");
  PrnHeading(f, doc, 3, "計算方法");
  f.Line("土圧は試行くさび法により算出する。");
  switch (KiriLowerMethodVariantOf(doc)) {
    case KiriVariant::kHeelCompare:
      PairOfFigures(f, "KONGO_KIRI1_PA1", "KONGO_KIRI1_PA2");
      f.Line("　　<math>P_A_=max(P_A1_, P_A2_)</math>");
      f.Line(
          "　　<math>P_A1_=<box>W･secθ･sin(ω_A_-φ+θ)-c･l･cosφ-P_1_･cos(ω_A_-φ-δ-α_1_)<over>cos(ω_A_"
          "-"
          "φ-α_2_-δ)</box></math>");
      f.Line(kCutFaceP1);
      ComponentsAndPosition(f, "α_2_");
      Legend(f, {1, 3, 4, 5, 6, 9, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24});
      break;
    case KiriVariant::kHeelCutFaceOnly:
      OneFigure(f, "KONGO_KIRI1_PA");
      f.Line(kCutFaceP1);
      ComponentsAndPosition(f, "α_2_");
      Legend(f, {2, 5, 6, 12, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 13, 14});
      break;
    case KiriVariant::kApartCompare:
      PairOfFigures(f, "KONGO_KIRI2_PA1", "KONGO_KIRI2_PA2");
      f.Line("　<math>P_A_=max(P_A1_, P_A2_)</math>");
      f.Line(
          "　<math>P_A1_=<box>W･secθ･sin(ω_A1_-φ+θ)-c･l･cosφ-P_1_･cos(ω_A1_-φ-δ-α_1_)<over>cos(ω_"
          "A1_-φ-α_2_-δ)</box></math>");
      f.Line("　<math>P_A2_=<box>Z-P_1_･cos(ω_A2_-φ-δ-α_1_)<over>cos(ω_A2_-φ-δ-α_2_)</box></math>");
      f.Line(
          "　<math>Z=<box>{<left>W_1_+W_2_<box>sin(ε-δ'+θ)･cos(ω_A2_-φ)<over>sin(ω_A2_-φ+θ)･cos(ε-"
          "δ')"
          "</box><right>}</box>･secθ･sin(ω_A2_-φ+θ)</math>");
      f.Line(
          "　　　　　　　　　　<math>-c･l･cosφ-c'･l'･cosδ'<box>cos(ω_A2_-φ)<over>cos(ε-δ')</box></"
          "math>");
      ComponentsAndPosition(f, "α");
      Legend(f,
             {1, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 25, 26, 27, 28});
      break;
    case KiriVariant::kApartCutFaceOnly:
      // The lower wall's own components and point of action, as its cases
      // print them.
      OneFigure(f, "KONGO_KIRI2_PA");
      f.Line("　　<math>P_A_=<box>Z-P_1_･cos(ω_A_-φ-δ-α_1_)<over>cos(ω_A_-φ-δ-α_2_)</box></math>");
      f.Line(
          "　　<math>Z=<box>{<left>W_1_+W_2_<box>sin(ε-δ'+θ)･cos(ω_A_-φ)<over>sin(ω_A_-φ+θ)･cos(ε-"
          "δ')"
          "</box><right>}</box>･secθ･sin(ω_A_-φ+θ)</math>");
      f.Line(
          "　　　　　　　　　　<math>-c･l･cosφ-c'･l'･cosδ'<box>cos(ω_A_-φ)<over>cos(ε-δ')</box></"
          "math>");
      ComponentsAndPosition(f, "α_2_");
      Legend(f, {1, 5, 7, 8, 9, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 25, 26, 27, 28});
      break;
  }
  Legend(f, {29, 30, 31, 32, 33, 34, 35});
  PrnBlockClose(f);
}

}  // namespace norva

namespace norva {

namespace {

// The searched wedge of a lower-wall case: its graph, drawn before any of
// its lines, the sentence, picture and table. Returns after the table.
void LowerTrials(PrnFile& f, const CDocument& doc, const std::shared_ptr<CKusabiRes>& held,
                 const char* stem, int32_t i, const std::string& folder, bool openBlock,
                 const char* title, const char* intro, const char* labels) {
  const CKusabiRes none;
  const std::string graph = PrnKusabiGraphPath(folder, stem, "01", i);
  const bool drawn = PrnKusabiGraph(doc, held ? *held : none, graph) != 0;
  if (openBlock) PrnBlockOpen(f);
  f.Empty();
  f.Line(title);
  f.Empty();
  f.Line(intro);
  f.Empty();
  if (drawn) PrnImage(f, graph, 50);
  PrnKusabiTable(f, doc, held.get(), labels);
  f.Empty();
}

// The cut-face wedge through the heel by its formula, with Z worked out
// from the wedge record. Z over the printed denominator is the stored
// pressure unless the record was not calculated this way; then the stored
// value stands alone, with a note.
void CutFaceByZ(PrnFile& f, const CKusabiRes& k, const char* lhs, const char* p1Indent) {
  const double W = k.fWQ(1) + k.fWQ(0), l = k.fL(1) + k.fL(0);
  const double z = W / std::cos(k.fKh) * std::sin(k.fTheta - k.fFaid + k.fKh) -
                   k.fCd * l * std::cos(k.fFaid) -
                   k.fPaU * std::cos(k.fOmega - k.fFaid - k.fDelta - k.fAlphaU);
  const double den = std::cos(k.fTheta - k.fFaid - k.fAlpha - k.fDelta);
  const bool leads = std::fabs(den) > 1e-9 && std::fabs(z / den - k.fPa) < 0.005;
  const std::string& unit = PrnUnitWords[0];
  f.Line(std::string("　　<math>") + lhs + "=<box>Z<over>cos(ε-δ'-α_2_-δ)</box></math>");
  f.Empty();
  if (leads) {
    PrnSignedLine(f, "　　　<math>=<box>##.##<over>cos(##.##-##.##-##.##-##.##)</box></math>",
                  {z, k.fTheta * kDeg, k.fFaid * kDeg, k.fAlpha * kDeg, k.fDelta * kDeg});
    f.Empty();
  }
  f.Line("　　　<math>=##.## (@/m)</math>", {k.fPa, unit});
  if (!leads) {
    f.Line("　※P<sub>A</sub>は安定計算に用いた値を示す。");
    return;
  }
  f.Empty();
  f.Line("　　<math>Z=W･secθ･sin(ε-δ'+θ)-c'･l･cosδ'-P_1_･cos(ε-δ'-δ-α_1_)</math>");
  f.Empty();
  PrnSignedLine(
      f, "　　　<math>=##.##×sec(##.##)×sin(##.##-##.##+##.##)-##.##×##.###×cos(##.##)</math>",
      {W, k.fKh * kDeg, k.fTheta * kDeg, k.fFaid * kDeg, k.fKh * kDeg, k.fCd, l, k.fFaid * kDeg});
  f.Empty();
  PrnSignedLine(f, std::string(p1Indent) + "<math>-##.##×cos(##.##-##.##-##.##-##.##)</math>",
                {k.fPaU, k.fOmega * kDeg, k.fFaid * kDeg, k.fDelta * kDeg, k.fAlphaU * kDeg});
  f.Empty();
  f.Line("　　　<math>=##.##</math>", {z});
}

void MaxLine(PrnFile& f, const CKusabiRes& k1, const CKusabiRes& k0, const CAntRes& r) {
  f.Line("　　<math>P_A_=max(P_A1_, P_A2_)=max(##.##, ##.##)=##.## (@/m)</math>",
         {k1.fPa, k0.fPa, r.Pa, PrnUnitWords[0]});
}

}  // namespace

void PrnDoatsuKongoKiriCase(PrnFile& f, const CDocument& doc, int32_t i,
                            const std::string& folder) {
  const std::shared_ptr<CAntRes> result = doc.AntRes(1, i);
  const CAntRes noResult;
  const CAntRes& r = result ? *result : noResult;
  const std::shared_ptr<CKusabiRes> k0 = r.Kusabi(0), k1 = r.Kusabi(1);
  const CKusabiRes none;
  const CKusabiRes& K0 = k0 ? *k0 : none;
  const CKusabiRes& K1 = k1 ? *k1 : none;
  const std::string& unit = PrnUnitWords[0];
  const double a2 = K0.fAlpha * kDeg, d = K0.fDelta * kDeg;
  const KiriVariant variant = KiriLowerCaseVariantOf(doc, i);

  // The backfill wedge's graph of the comparing forms comes before any line.
  std::string graph1;
  bool drawn1 = false;
  if (variant == KiriVariant::kHeelCompare || variant == KiriVariant::kApartCompare) {
    graph1 = PrnKusabiGraphPath(
        folder, variant == KiriVariant::kHeelCompare ? "AntKusabiRes" : "AntKusabiRes0", "01", i);
    drawn1 = PrnKusabiGraph(doc, K1, graph1) != 0;
  }

  PrnBlockOpen(f);
  f.Empty();
  // The lower wall's case heading keeps its fixed level 3.
  f.Line("<H3>荷重ケース.# － @時</H3>", {i + 1, doc.pCase(i) ? doc.pCase(i)->CaseName : ""});
  PrnQuakeNote(f, doc, i);
  f.Empty();
  f.Line("上部擁壁　壁面傾斜角　α<sub>1</sub> = ##.## (度)", {K0.fAlphaU * kDeg});
  f.Line("　　　　　土　圧　　　P<sub>1</sub>  = ##.## (@/m)", {K0.fPaU, unit});
  f.Empty();
  f.Line("下部擁壁　壁面傾斜角　α<sub>2</sub> = ##.## (度)", {a2});
  f.Line("　　　　　壁面摩擦角　δ<sub> </sub> = ##.## (度)", {d});
  f.Empty();
  f.Line("裏込め土　内部摩擦角　φ<sub> </sub> = ##.## (度)", {K0.fFai * kDeg});
  f.Line("　　　　　粘　着　力　ｃ<sub> </sub> =##.### (@/m<sup>2</sup>)", {K0.fC, unit});
  f.Line("　　　　　湿潤重量　　γ<sub> </sub> = ##.## (@/m<sup>3</sup>)", {doc.Gamb, unit});
  if (K0.fWlvl > 0) {
    f.Line("　　　　　水中重量　　γ'<sub> </sub>= ##.## (@/m<sup>3</sup>)", {doc.Gambd, unit});
  }
  f.Empty();
  f.Line("切土面　　傾斜角　　　ε<sub> </sub> = ##.## (度)", {90 - std::atan(doc.KiriN) * kDeg});
  f.Line("　　　　　摩擦角　　　δ'<sub> </sub>= ##.## (度)", {doc.Deltd});
  f.Empty();
  f.Line("地震合成角　　　　　　θ = tan<sup>-1</sup>k<sub>H</sub> = ##.### (度)", {K0.fKh * kDeg});

  auto backfillSentence = [&](const char* fixed, const char* maximum) {
    f.Line(K1.bChgOmg != 0 ? fixed : maximum, {K1.fOmega * kDeg});
  };
  switch (variant) {
    case KiriVariant::kHeelCompare:
      f.Empty();
      f.Line("裏込め土内部のすべり面による土圧");
      f.Empty();
      f.Line("　　主働すべり角ω<SUB>A</SUB>を変化させ最大土圧を算出した結果は下の通り。");
      f.Empty();
      if (drawn1) PrnImage(f, graph1, 50);
      PrnKusabiTable(f, doc, k1.get(), "ω<SUB>A</SUB>|ｌ|Ｗ|Ｐ<SUB>A</SUB>");
      f.Empty();
      backfillSentence(
          "　　裏込め土内部のすべり面で採用する主働土圧はω<sub>A</sub>=##.##°の時とする。",
          "　　従って、最大主働土圧はω<sub>A</sub>=##.##°の時となる。");
      PrnBlockClose(f);
      PrnBlockOpen(f);
      f.Empty();
      f.Line("切土面での土圧");
      f.Empty();
      CutFaceByZ(f, K0, "P_A2_", "　　　　　　　　　　　　　　　　　");
      f.Empty();
      f.Line("以上より、主働土圧合力は、");
      f.Empty();
      MaxLine(f, K1, K0, r);
      break;
    case KiriVariant::kHeelCutFaceOnly:
      f.Empty();
      f.Line("主働土圧合力");
      f.Empty();
      CutFaceByZ(f, K0, "P_A_", "　　　　　　　　　　　　　　　　　　");
      break;
    case KiriVariant::kApartCompare:
      f.Empty();
      f.Line("裏込め土内部のすべり面による土圧");
      f.Empty();
      f.Line("　　主働すべり角ω<SUB>A1</SUB>を変化させ最大土圧を算出した結果は下の通り。");
      f.Empty();
      if (drawn1) PrnImage(f, graph1, 50);
      PrnKusabiTable(f, doc, k1.get(), "ω<SUB>A1</SUB>|ｌ|Ｗ|P<SUB>A1</SUB>");
      f.Empty();
      backfillSentence(
          "　　裏込め土内部のすべり面で採用する主働土圧はω<sub>A1</sub>=##.###°の時とする。",
          "　　従って、最大主働土圧はω<sub>A1</sub>=##.###°の時となる。");
      PrnBlockClose(f);
      LowerTrials(f, doc, k0, "AntKusabiRes1", i, folder, true, "切土面での土圧",
                  "　　主働すべり角ω<SUB>A2</SUB>を変化させ最大土圧を算出した結果は下の通り。",
                  "ω<SUB>A2</SUB>|ｌ|ｌ'|Ｗ<sub>1</sub>|Ｗ<sub>2</sub>|P<SUB>A2</SUB>");
      f.Line(K0.bChgOmg != 0 ? "　　切土面での土圧はω<sub>A2</sub>=##.###°の時とする。"
                             : "　　従って、最大主働土圧はω<sub>A2</sub>=##.###°の時となる。",
             {K0.fOmega * kDeg});
      PrnBlockClose(f);
      PrnBlockOpen(f);
      f.Empty();
      f.Line("以上より、主働土圧合力は、");
      f.Empty();
      MaxLine(f, K1, K0, r);
      break;
    case KiriVariant::kApartCutFaceOnly:
      LowerTrials(f, doc, k0, "AntKusabiRes", i, folder, false, "切土面での土圧",
                  "　　主働すべり角ω<SUB>A</SUB>を変化させ最大土圧を算出した結果は下の通り。",
                  "ω<SUB>A</SUB>|ｌ|ｌ'|Ｗ<sub>1</sub>|Ｗ<sub>2</sub>|P<SUB>A</SUB>");
      f.Line(K0.bChgOmg != 0 ? "切土面での土圧はω<sub>A</sub>=##.###°の時とする。"
                             : "従って、最大主働土圧はω<sub>A</sub>=##.###°の時となる。",
             {K0.fOmega * kDeg});
      f.Empty();
      f.Line("　　<math>P_A_=##.## (@/m)</math>", {r.Pa, unit});
      break;
  }

  PrnBlockClose(f);
  PrnKongoComponentsBlock(f, doc, r.Pa, K0, r);
}

}  // namespace norva
