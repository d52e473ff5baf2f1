#include "screens/results/member_sections.h"

#include <cmath>
#include <utility>

#include "document/document.h"
#include "document/numeric.h"
#include "document/outline.h"
#include "document/report_format.h"
#include "document/services.h"

namespace norva {
namespace {

constexpr double kRootTol = 0.00001;
constexpr double kSameTol = 0.001;

}  // namespace

int16_t PagePart(int32_t wallType, int page) { return wallType == 3 && page == 1 ? 1 : 0; }

double FrontHeight(const CDocument& doc, int16_t part) {
  KutaiPoints pts{};
  DPoint crestFront{}, crestBack{};
  MakeKutaiOutline(doc, pts, crestFront, crestBack, 0);
  if (doc.WallType() == 3 && part != 0) return pts[1].Y - pts[0].Y;
  return pts[5].Y - pts[2].Y;
}

std::string SectionText(double y) { return FormatPattern(y, "##0.000"); }

std::vector<std::string> SectionTexts(const CDocument& doc, int16_t part) {
  std::vector<std::string> out;
  for (int c = 0; c < doc.nWallSecCnt(part); ++c) out.push_back(SectionText(doc.WallSecY(part, c)));
  return out;
}

AddOutcome AddCheckSection(CDocument& doc, int16_t part, double y) {
  if (GreaterEqTol(y, FrontHeight(doc, part)))
    return {false, "入力した断面位置は壁の高さを超えています。"};
  const int n = doc.nWallSecCnt(part);
  for (int k = 0; k < n; ++k)
    if (std::fabs(y - doc.WallSecY(part, k)) <= kSameTol)
      return {false, "既に同じ位置の断面が入力されています。"};
  doc.SetnWallSecCnt(part, static_cast<int16_t>(n + 1));
  doc.SetWallSecY(part, n, y);
  return {true, SectionText(y) + " (m)の位置を追加しました。"};
}

void SortCheckSections(CDocument& doc, int16_t part) {
  const int n = doc.nWallSecCnt(part);
  for (int i = 0; i < n - 1; ++i)
    for (int k = i + 1; k < n; ++k) {
      const double a = doc.WallSecY(part, i), b = doc.WallSecY(part, k);
      if (a > b) {
        doc.SetWallSecY(part, i, b);
        doc.SetWallSecY(part, k, a);
      }
    }
}

int SectionToSelect(const CDocument& doc, int16_t part, double height) {
  int select = 0;
  for (int c = 0; c < doc.nWallSecCnt(part); ++c)
    if (std::fabs(doc.WallSecY(part, c) - height) <= kSameTol) select = c;
  return select;
}

namespace {

// Deletes section s after the user's consent; the height to select after.
bool DeleteSection(CDocument& doc, int16_t part, int s, IMessageSink& sink, double& select) {
  const int n = doc.nWallSecCnt(part);
  if (s < 0 || s >= n) return false;
  const double y = doc.WallSecY(part, s);
  if (std::fabs(y) <= kRootTol) {
    sink.Show(kProgramTitle, "付け根位置は削除できません。", MsgIcon::Information, MsgButtons::Ok);
    return false;
  }
  const std::string ask = SectionText(y) + " (m)の位置を削除してもよろしいですか？";
  if (sink.Show(kProgramTitle, ask, MsgIcon::Question, MsgButtons::OkCancel) != MsgAnswer::Ok)
    return false;
  for (int h = s; h < n - 1; ++h) doc.SetWallSecY(part, h, doc.WallSecY(part, h + 1));
  doc.SetnWallSecCnt(part, static_cast<int16_t>(n - 1));
  select = doc.WallSecY(part, std::max(s - 1, 0));
  return true;
}

bool AddSections(CDocument& doc, int16_t part, const SectionActions& actions, double& select) {
  const int16_t before = doc.nWallSecCnt(part);
  if (actions.addDialog) actions.addDialog(part);
  const int n = doc.nWallSecCnt(part);
  if (n == before) return false;
  select = doc.WallSecY(part, n - 1);
  SortCheckSections(doc, part);
  return true;
}

}  // namespace

SectionClick SectionButton(CDocument& doc, int index, int selected, const SectionActions& actions,
                           IMessageSink& sink) {
  SectionClick click;
  click.part = PagePart(doc.WallType(), index / 2);
  double select = 0;
  click.changed = index % 2 == 0 ? AddSections(doc, click.part, actions, select)
                                 : DeleteSection(doc, click.part, selected, sink, select);
  if (!click.changed) {
    click.select = selected;
    return click;
  }
  if (actions.recalc)
    for (int32_t i = 0; i < doc.nCase(); ++i) actions.recalc(i, click.part);
  click.select = SectionToSelect(doc, click.part, select);
  return click;
}

}  // namespace norva
