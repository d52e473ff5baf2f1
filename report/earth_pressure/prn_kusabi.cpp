#include "report/earth_pressure/prn_kusabi.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "document/kusabi_res.h"
#include "document/nulls.h"
#include "document/report_format.h"
#include "drawing/base/report_picture.h"
#include "drawing/figures/kusabi_graph.h"
#include "report/driver/prn_file.h"

namespace norva {

std::string PrnKusabiGraphPath(const std::string& folder, std::string_view stem,
                               std::string_view pair, int32_t caseIndex) {
  return folder + "/" + std::string(stem) + std::string(pair) + FormatPattern(caseIndex, "00") +
         ".svg";
}

int16_t PrnKusabiGraph(const CDocument& doc, const CKusabiRes& wedge, const std::string& path) {
  if (path.empty()) return 0;
  std::error_code ec;
  if (wedge.TempFile.empty() || !std::filesystem::is_regular_file(wedge.TempFile, ec)) return 0;
  ReportPicture picture(kKusabiGraphWidth, kKusabiGraphHeight);
  DrawKusabiGraph(doc, picture.Draw(), wedge.TempFile, wedge);
  const size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.size() > 4 && name.compare(name.size() - 4, 4, ".svg") == 0) {
    name.resize(name.size() - 4);
  }
  PrnSaveFigure(picture, folder, name);
  return 1;
}

namespace {

std::vector<std::string> SplitLabels(const std::string& labels) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t bar = labels.find('|', start);
    parts.push_back(labels.substr(start, bar - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  return parts;
}

constexpr double kDeg = 57.29577951308238;

}  // namespace

int16_t PrnKusabiTable(PrnFile& f, const CDocument& /*doc*/, const CKusabiRes* wedge,
                       const std::string& labels) {
  if (wedge == nullptr || wedge->TempFile.empty()) return 0;
  const int32_t n = KusabiRecordCount(wedge->TempFile);
  if (n <= 0) return 0;
  // Row numbers are 16-bit: a table holds at most 32765 trials.
  const int32_t rows = std::min<int32_t>(n, 32765);
  const std::vector<CKusabiRes> trials = ReadKusabiFile(wedge->TempFile);
  std::vector<std::string> l = SplitLabels(labels);
  const bool four = l.size() == 4;
  l.resize(std::max<size_t>(l.size(), 6));
  const std::string& unit = PrnUnitWords[0];
  const int16_t cols = four ? 4 : 6;
  const std::string last = std::to_string(cols - 1);
  f.Line("<TABLE ROW=##, COL=" + std::to_string(cols) + ", HALIGN=CENTER>",
         {static_cast<int16_t>(rows + 2)});
  f.Line("<COLWIDTH=12, SCOL=0, ECOL=" + last + ">");
  f.Line("<HEADER>");
  for (int c = 0; c < cols; ++c) {
    const std::string sc = std::to_string(c);
    f.Line("<TL=9, SROW=0, SCOL=" + sc + ", EROW=1, ECOL=" + sc + ">");
  }
  for (int c = 0; c < cols; ++c) {
    f.Line("<TD SROW=0, SCOL=" + std::to_string(c) + ">@</TD>", {l[static_cast<size_t>(c)]});
  }
  f.Line("<TD SROW=1, SCOL=0>(度)</TD>");
  f.Line("<TD SROW=1, SCOL=1>(m)</TD>");
  if (!four) f.Line("<TD SROW=1, SCOL=2>(m)</TD>");
  for (int c = four ? 2 : 3; c < cols; ++c) {
    f.Line("<TD SROW=1, SCOL=" + std::to_string(c) + ">(@/m)</TD>", {unit});
  }
  f.Line("</HEADER>");
  f.Line("<LOOP>");
  f.Line("<TL=11, SROW=2, SCOL=0, EROW=##, ECOL=" + last + ">", {static_cast<int16_t>(rows + 1)});
  const CKusabiRes empty;
  for (int32_t k = 1; k <= rows; ++k) {
    // A record that cannot be read repeats the one before it.
    const CKusabiRes& t = trials.empty()
                              ? empty
                              : trials[static_cast<size_t>(
                                    std::min<int32_t>(k, static_cast<int32_t>(trials.size())) - 1)];
    const int16_t row = static_cast<int16_t>(k + 1);
    f.Line("<TD SROW=##, SCOL=0>##.###</TD>", {row, t.fOmega * kDeg});
    if (four) {
      f.Line("<TD SROW=##, SCOL=1>##.###</TD>", {row, t.fL(0) + t.fL(1)});
      f.Line("<TD SROW=##, SCOL=2>#####.##</TD>", {row, t.fWQ(0) + t.fWQ(1)});
      f.Line("<TD SROW=##, SCOL=3>####.###</TD>", {row, t.fPa});
    } else {
      f.Line("<TD SROW=##, SCOL=1>##.###</TD>", {row, t.fL(0)});
      f.Line("<TD SROW=##, SCOL=2>##.###</TD>", {row, t.fL(1)});
      f.Line("<TD SROW=##, SCOL=3>#####.##</TD>", {row, t.fWQ(0)});
      f.Line("<TD SROW=##, SCOL=4>#####.##</TD>", {row, t.fWQ(1)});
      f.Line("<TD SROW=##, SCOL=5>####.###</TD>", {row, t.fPa});
    }
  }
  f.Line("</LOOP>");
  f.Line("</TABLE>");
  return 0;
}

void PrnSignedLine(PrnFile& f, std::string_view templ, std::vector<ReportValue> values) {
  static const std::string kMinus = "－", kPlus = "＋";
  std::string out;
  out.reserve(templ.size());
  size_t field = 0;
  for (size_t p = 0; p < templ.size();) {
    const char c = templ[p];
    if (c == '@') {
      ++field;
      out += c;
      ++p;
      continue;
    }
    if (c != '#') {
      out += c;
      ++p;
      continue;
    }
    size_t e = p;
    while (e < templ.size() &&
           (templ[e] == '#' || (templ[e] == '.' && e + 1 < templ.size() && templ[e + 1] == '#'))) {
      ++e;
    }
    if (field < values.size() && values[field].IsNumber() && values[field].number() < 0 &&
        !IsNullValue(values[field].number())) {
      const double v = values[field].number();
      if (!out.empty() && out.back() == '-') {
        out.back() = '+';
        values[field] = std::fabs(v);
      } else if (out.size() >= kMinus.size() &&
                 out.compare(out.size() - kMinus.size(), kMinus.size(), kMinus) == 0) {
        out.replace(out.size() - kMinus.size(), kMinus.size(), kPlus);
        values[field] = std::fabs(v);
      }
    }
    out.append(templ.substr(p, e - p));
    ++field;
    p = e;
  }
  f.Line(out, values);
}

}  // namespace norva
