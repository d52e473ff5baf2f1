#include "drawing/sheet/sxf_sheet.h"

#include <filesystem>
#include <system_error>

#include "document/document.h"
#include "document/services.h"
#include "drawing/sheet/sheet_run.h"

namespace norva {

namespace {

const char* const kSheetNames[5] = {"A0 横", "A1 横", "A2 横", "A3 横", "A4 横"};

void Warn(const std::string& text) {
  MessageSink().Show(kProgramTitle, text, MsgIcon::Warning, MsgButtons::Ok);
}

std::string PendingMessage(CSxf& sxf) {
  int32_t number = 0;
  std::string text;
  sxf.GetMsg(number, text);
  return text;
}

}  // namespace

std::string SxfFilePath(const std::string& folder, const std::string& fileName) {
  if (!folder.empty() && folder.back() == '/') return folder + fileName;
  return folder + "/" + fileName;
}

SxfPlacements SxfFigurePlacements(const SheetRun& run, const CDocument& doc) {
  const double W = run.SkzPaperW, H = run.SkzPaperH;
  SxfPlacements p;
  p.materialX = W - doc.Margin(1) - 5 - run.SkzMatW;
  p.materialY = H - doc.Margin(2) - 5 - run.SkzMatH;
  double fw = (W - doc.Margin(0) - doc.Margin(1) - run.SkzFigW) * 0.5;
  if (fw < run.SkzMatW) fw = W - doc.Margin(0) - doc.Margin(1) - run.SkzMatW - run.SkzFigW;
  const double fh = (H - doc.Margin(2) - doc.Margin(3) - run.SkzFigH) * 0.5;
  p.sectionX = doc.Margin(0) + fw;
  p.sectionY = doc.Margin(3) + fh;
  return p;
}

bool SkzSxfOpen(SheetRun& run, const CDocument& doc, CSxf& sxf, const SxfFileDialog& dialog,
                std::string& path) {
  SxfFileChoice choice;
  choice.folder = doc.FilePath;
  if (!dialog || !dialog(choice)) return false;
  sxf.FileType = choice.fileType;
  path = SxfFilePath(choice.folder, choice.fileName);
  std::error_code ec;
  if (std::filesystem::exists(path, ec) &&
      MessageSink().Show(kProgramTitle, path + "\nは既に存在します。上書きしますか？",
                         MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
    return false;
  if (sxf.SxfFileOpen(path, 1.0E-4, 1.0E-4) < 0) {
    const std::string message = PendingMessage(sxf);
    Warn("ｴﾗｰが発生しました。\n" + message);
    sxf.FileClose();
    return false;
  }
  for (size_t i = 1; i < kSxfLayers.size(); ++i) sxf.SetLayer(kSxfLayers[i].name, 1);
  for (const char* c : {"yellow", "white", "red"}) sxf.SetColor(c);
  for (const char* t : {"continuous", "chain", "dotted"}) sxf.SetLineType(t);
  for (double w : {0.13, 0.25, 0.5}) sxf.SetLineWidth(w);
  sxf.SetFont("ＭＳ ゴシック");
  run.SkzOrgX = run.SkzOrgY = 0;
  return true;
}

bool SkzSxfFinish(SheetRun& run, const CDocument& doc, CSxf& sxf) {
  const int16_t sheet = doc.Sheet;
  sxf.SetSheet(sheet >= 0 && sheet <= 4 ? kSheetNames[sheet] : "", sheet, 1, 0, 0);
  sxf.SetFukugoLocate(0, "TITLE", 0, 0, 0, 1, 1);
  const SxfPlacements p = SxfFigurePlacements(run, doc);
  if (doc.Suryou == 0) sxf.SetFukugoLocate(0, "MATERIAL", p.materialX, p.materialY, 0, 1, 1);
  sxf.SetFukugoLocate(0, "STANDARD-SEC", p.sectionX, p.sectionY, 0, 1, 1);
  // A file the writer could not complete is not there: say so.
  if (sxf.FileClose() < 0) {
    Warn("ｴﾗｰが発生しました。\n" + PendingMessage(sxf));
    return false;
  }
  return true;
}

SxfSheet::SxfSheet(SxfFileDialog dialog, ISxfLibrary& library)
    : dialog_(std::move(dialog)), sxf_(library) {}

bool SxfSheet::Open(SheetRun& run, const CDocument& doc) {
  written_ = false;
  path_.clear();
  return SkzSxfOpen(run, doc, sxf_, dialog_, path_);
}

void SxfSheet::Finish(SheetRun& run, const CDocument& doc) {
  written_ = SkzSxfFinish(run, doc, sxf_);
}

void SxfSheet::DrawLine(double x1, double y1, double x2, double y2) {
  sxf_.DrawLine(x1, y1, x2, y2);
}

void SxfSheet::DrawPolyLine(const std::vector<double>& xs, const std::vector<double>& ys) {
  sxf_.DrawPolyLine(static_cast<int32_t>(std::min(xs.size(), ys.size())), xs, ys);
}

void SxfSheet::DrawChain(const SheetChain& c) {
  int32_t ns = c.Last();
  std::vector<std::string> texts = c.texts;
  switch (c.kind) {
    case SheetChain::Kind::kHorizontal:
      sxf_.HSunp(ns, c.xs, c.ys, c.pos, c.typ, texts);
      break;
    case SheetChain::Kind::kVertical:
      sxf_.VSunp(ns, c.xs, c.ys, c.pos, c.typ, texts);
      break;
    case SheetChain::Kind::kRotated:
      sxf_.RotSunp(ns, c.xs, c.ys, c.refX, c.refY, c.angle, c.typ, texts);
      break;
  }
}

void SxfSheet::SetCurLineAttrib(int layer, int color, int type, int width) {
  sxf_.SetCurLineAttrib(layer, color, type, width);
}

void SxfSheet::SetCurFontAttrib(int layer, int color, int font, double spacing, double slant,
                                int direction) {
  sxf_.SetCurFontAttrib(layer, color, font, spacing, slant, direction);
}

void SxfSheet::SetFukugoLocate(int layer, const std::string& name, double x, double y, double angle,
                               double ratioX, double ratioY) {
  sxf_.SetFukugoLocate(layer, name, x, y, angle, ratioX, ratioY);
}

}  // namespace norva
