#include "drawing/sheet/sheet_title.h"

#include <cmath>
#include <vector>

#include "calc/member/suryou.h"
#include "document/document.h"
#include "document/numeric.h"
#include "document/report_format.h"
#include "drawing/sheet/sheet_run.h"

namespace norva {

namespace {

void Closed(SheetRun& run, std::vector<double> xs, std::vector<double> ys) {
  xs.push_back(xs.front());
  ys.push_back(ys.front());
  run.SkzPolyLine(static_cast<int32_t>(xs.size()), xs, ys);
}

void TitleBlock(SheetRun& run, const CDocument& doc) {
  const double W = run.SkzPaperW, H = run.SkzPaperH;
  const double L = doc.Margin(0), R = doc.Margin(1), T = doc.Margin(2), B = doc.Margin(3);
  const double X = W - R;
  run.LineAttrib(kLayerTitleFrame);
  run.SkzTarget->SetFukugo("TITLE");
  Closed(run, {L, L, W - R, W - R}, {B, H - T, H - T, B});
  Closed(run, {X, X - 100, X - 100, X}, {B, B, B + 60, B + 60});
  for (int i = 1; i <= 5; ++i) run.SkzLine(X, B + 10 * i, X - 100, B + 10 * i);
  run.SkzLine(X - 80, B + 60, X - 80, B);
  run.SkzLine(X - 50, B + 30, X - 50, B + 20);
  run.SkzLine(X - 30, B + 30, X - 30, B + 20);

  run.FontAttrib(kLayerTitleText);
  run.SkzTarget->SetTextAlign(0);
  run.SkzTarget->SetTextAngle(0);
  run.SkzFontSize(5.0);
  run.SkzCenterText(X - 100, B + 60, 20, 10, "工事名");
  run.SkzCenterText(X - 100, B + 50, 20, 10, "図面名");
  run.SkzCenterText(X - 100, B + 40, 20, 10, "年月日");
  run.SkzCenterText(X - 100, B + 30, 20, 10, "尺度");
  run.SkzCenterText(X - 80, B + 30, 30, 10, "1:" + FormatPattern(1.0 / run.SkzScale, "##0"));
  run.SkzCenterText(X - 100, B + 20, 20, 10, "会社名");
  run.SkzCenterText(X - 100, B + 10, 20, 10, "事務所名");
  run.SkzCenterText(X - 50, B + 30, 20, 10, "図面番号");
  run.SkzFontSize(2.5);
  run.SkzCenterText(X - 30, B + 22.5, 30, 2.5, "葉之内");
}

void QuantityTable(SheetRun& run, const CDocument& doc) {
  CalcSuryou(doc);
  const int rows = SuryouCnt;
  const int n = rows + 2;
  auto row = [](int j) -> const SuryouRec& { return SuryouList[static_cast<size_t>(j)]; };

  run.SkzFontSize(4.0);
  double c0 = run.SkzTextWidth("　項 目　"), c1 = run.SkzTextWidth("(  )");
  double c2 = run.SkzTextWidth("　数 量　"), c3 = run.SkzTextWidth("　摘 要　");
  for (int j = 0; j < rows; ++j) {
    c0 = MaxOf(c0, {run.SkzTextWidth(row(j).Koumoku)});
    c1 = MaxOf(c1, {run.SkzTextWidth("(" + row(j).Tani + ")")});
    c2 = MaxOf(c2, {run.SkzTextWidth(QuantityCellText(row(j).Suryou))});
    c3 = MaxOf(c3, {run.SkzTextWidth(row(j).Bikou)});
  }
  run.SkzMatW = c0 + c1 + c2 + c3;
  run.SkzMatH = 5.0 * n;
  const double matW = run.SkzMatW, matH = run.SkzMatH;

  const double orgX = run.SkzOrgX, orgY = run.SkzOrgY;
  if (run.SkzSxfMode == 1) {
    // Drawn at its own coordinates into its composite figure.
    run.SkzOrgX = run.SkzOrgY = 0;
  } else {
    // The table's own (0, 0) is its lower-left corner, its upper-right corner
    // 5 mm inside the upper-right corner of the frame.
    const double x = run.SkzPaperW - doc.Margin(1) - 5 - matW;
    const double y = run.SkzPaperH - doc.Margin(2) - 5 - matH;
    run.SkzOrgX = run.ToTargetX(x);
    run.SkzOrgY = run.ToTargetY(y);
  }
  run.SkzTarget->SetFukugo("MATERIAL");
  run.LineAttrib(kLayerTableFrame);
  Closed(run, {0, matW, matW, 0}, {matH - 5, matH - 5, 0, 0});
  for (int k = 1; k <= n - 2; ++k) run.SkzLine(0, matH - 5 - 5 * k, matW, matH - 5 - 5 * k);
  run.SkzLine(c0 + c1, matH - 5, c0 + c1, 0);
  run.SkzLine(c0 + c1 + c2, matH - 5, c0 + c1 + c2, 0);

  run.FontAttrib(kLayerTableText);
  run.SkzFontSize(4.0);
  run.SkzText(run.SkzTextWidth(" "), matH, QuantityTableTitle(doc.WallL));
  run.SkzCenterText(0, matH - 5, c0 + c1, 5, "項 目");
  run.SkzCenterText(c0 + c1, matH - 5, c2, 5, "数 量");
  run.SkzCenterText(c0 + c1 + c2, matH - 5, c3, 5, "摘 要");
  run.SkzFontSize(4.0);
  run.SkzTarget->SetTextAlign(0);
  for (int j = 0; j < rows; ++j) {
    const double y = matH - 5 - 5 * (j + 1);
    run.SkzText(0, y, row(j).Koumoku);
    run.SkzText(c0, y, "(" + row(j).Tani + ")");
    run.SkzText(c0 + c1 + c2, y, row(j).Bikou);
  }
  run.FontAttrib(kLayerTableQuantity);
  run.SkzFontSize(3.0);
  run.SkzTarget->SetTextAlign(0);
  for (int j = 0; j < rows; ++j) {
    const double y = matH - 5 - 5 * (j + 1);
    run.SkzCenterText(c0 + c1, y, c2, 5, QuantityCellText(row(j).Suryou));
  }
  run.SkzOrgX = orgX;
  run.SkzOrgY = orgY;
}

}  // namespace

std::string QuantityTableTitle(double wallLength) {
  if (!(wallLength > 0) || !std::isfinite(wallLength)) return "数量表";
  // The length as entered: at most three decimals, no trailing zeros.
  std::string length = FormatPattern(wallLength, "0.000");
  length.erase(length.find_last_not_of('0') + 1);
  if (length.back() == '.') length.pop_back();
  return "数量表(" + length + "m当たり)";
}

std::string QuantityCellText(const std::string& quantity) {
  // Characters, not bytes: start from the end and step over whole UTF-8 characters.
  const std::string padded = std::string(10, ' ') + quantity;
  size_t pos = padded.size();
  for (int chars = 0; chars < 10 && pos > 0; ++chars) {
    do {
      --pos;
    } while (pos > 0 && (static_cast<unsigned char>(padded[pos]) & 0xC0) == 0x80);
  }
  return padded.substr(pos);
}

void SkzTitle(SheetRun& run, const CDocument& doc) {
  TitleBlock(run, doc);
  if (doc.Suryou != 0) return;
  QuantityTable(run, doc);
}

}  // namespace norva
