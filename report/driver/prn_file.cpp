#include "report/driver/prn_file.h"

#include <cmath>
#include <filesystem>
#include <memory>
#include <system_error>

#include "calc/run/calc_antei.h"
#include "document/document.h"
#include "document/load_case.h"
#include "drawing/base/report_picture.h"
#include "report/driver/report_selection.h"
#include "text/vb_text_io.h"

namespace norva {

std::array<std::string, 2> PrnUnitWords{"kN", "N/m"};

PrnFile::PrnFile(VbTextWriter& out, std::string programDir)
    : out_(out), programDir_(std::move(programDir)) {}

void PrnFile::Line(std::string_view templ, const std::vector<ReportValue>& values) {
  PrintUsing(out_, templ, values);
}

void PrnBlockOpen(PrnFile& f) { f.Line("<PROTECT><PRE>"); }
void PrnBlockClose(PrnFile& f) { f.Line("</PRE></PROTECT>"); }
void PrnPageBreak(PrnFile& f) { f.Line("<RP>"); }

int16_t PrnLevel(const CDocument& doc, int16_t depth) {
  return static_cast<int16_t>(depth + (doc.WallType() == 3 ? 1 : 0));
}

void PrnHeading(PrnFile& f, const CDocument& doc, int16_t depth, std::string_view title) {
  const int16_t level = PrnLevel(doc, depth);
  f.Line("<H#>" + std::string(title) + "</H#>", {level, level});
}

namespace {
std::string CaseName(const CDocument& doc, int32_t i) {
  const std::shared_ptr<CKajyuCase> k = doc.pCase(i);
  return k ? k->CaseName : std::string();
}
}  // namespace

void PrnCaseHeading(PrnFile& f, const CDocument& doc, int32_t i, int16_t depth) {
  const int16_t level = PrnLevel(doc, depth);
  f.Line("<H#>荷重ケース.# － @時</H#>", {level, i + 1, CaseName(doc, i), level});
}

void PrnCaseHeadingFixed(PrnFile& f, const CDocument& doc, int32_t i) {
  if (doc.WallType() == 3) {
    f.Line("<H4>荷重ケース.# － @時</H4>", {i + 1, CaseName(doc, i)});
  } else {
    f.Line("<H3>荷重ケース.# － @時</H3>", {i + 1, CaseName(doc, i)});
  }
}

std::vector<int32_t> PrnReportedCases(const CDocument& doc, const CaseFlags& flags) {
  std::vector<int32_t> cases;
  for (int32_t i = 0; i < doc.nCase(); ++i) {
    if (flags(i) != 0) cases.push_back(i);
  }
  return cases;
}

std::string PrnWallPrefix(int32_t wallType) {
  static const char* const kPrefix[] = {"BLOCK", "JYU", "MOTARE", "KONGOU"};
  if (wallType < 0 || wallType > 3) return "";
  return kPrefix[wallType];
}

std::string PrnCopyFigure(const PrnFile& f, std::string_view shippedName, std::string_view folder,
                          std::string_view targetName) {
  namespace fs = std::filesystem;
  const fs::path source =
      fs::path(f.ProgramDir()) / "resource" / (std::string(shippedName) + ".svg");
  const std::string target = std::string(folder) + "/" + std::string(targetName) + ".svg";
  std::error_code ec;
  if (!fs::is_regular_file(source, ec)) {
    throw ReportError("帳票の図のファイルが見つかりません。\n" + source.string());
  }
  fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec);
  if (ec) throw ReportError("帳票の図のファイルを作成できません。\n" + target);
  return target;
}

std::string PrnSaveFigure(const ReportPicture& picture, std::string_view folder,
                          std::string_view name) {
  const std::string path = std::string(folder) + "/" + std::string(name) + ".svg";
  std::string reason;
  if (!picture.SaveSvg(path, &reason)) {
    throw ReportError("帳票の図のファイルを作成できません。\n" + path +
                      (reason.empty() ? "" : "\n(" + reason + ")"));
  }
  return path;
}

void PrnFigure(PrnFile& f, const std::string& path, int percent) {
  const std::string p = std::to_string(percent);
  f.Line("<IMG SRC=\"@\", WIDTH=" + p + "% HEIGHT=" + p + "%>", {path});
}

const char* PrnSign(double value, bool subtracted) {
  const bool plus = value >= 0;
  return plus != subtracted ? "+" : "-";
}

void PrnQuakeNote(PrnFile& f, const CDocument& doc, int32_t i) {
  // The levels named are those the stability calculation took: a seismic
  // case may keep the normal earth pressure and with it the normal levels.
  PrnQuakeNoteLevels(f, doc, i, CaseState(doc, i) != 0);
}

void PrnQuakeNoteLevels(PrnFile& f, const CDocument& doc, int32_t i, bool seismicLevels) {
  if (doc.bQuake == 0) return;
  const std::shared_ptr<CKajyuCase> k = doc.pCase(i);
  const bool quake = k && k->nQuake != 0;
  const char* consider = quake ? "する" : "しない";
  if (doc.nWater != 0 && k && k->nWater != 0) {
    f.Line("(@水位を考慮、地震の影響を考慮@)", {seismicLevels ? "地震時" : "常時", consider});
  } else if (doc.nWater != 0) {
    f.Line("(水の影響を考慮しない、地震の影響を考慮@)", {consider});
  } else {
    f.Line("(地震の影響を考慮@)", {consider});
  }
}

std::string PrnFmtSlope(double value) {
  if (!IsReportNumber(value)) return kReportNullText;
  if (value >= 0) return FormatPattern(value, "0.00");
  return "(-" + FormatPattern(std::fabs(value), "0.00") + ")";
}

}  // namespace norva
