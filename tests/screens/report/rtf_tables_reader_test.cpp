// Every table of a sample's whole report, in the RTF copy as LibreOffice lays
// it out: no cell boundary beyond the text width, and every number and column
// heading of the tables whole on one line of the page.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStandardPaths>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "calc/member/fot_stress.h"
#include "calc/member/wall_stress.h"
#include "calc/run/calc_antei.h"
#include "calc/run/wlvl_auto.h"
#include "document/document.h"
#include "document/document_file.h"
#include "drawing/backends/qt_picture_saver.h"
#include "drawing/base/report_picture.h"
#include "renderer/external_tools.h"
#include "report/driver/prn_out_exec.h"
#include "report/driver/report_selection.h"
#include "report/driver/report_writers.h"
#include "report/report_test_support.h"
#include "screens/report/reader_support.h"
#include "screens/report/report_screens_support.h"
#include "text/cp932.h"

namespace norva {
namespace {

// The value of an RTF control word's first occurrence ("\paperw11906").
int ControlValue(const std::string& rtf, const std::string& word) {
  const std::regex re("\\\\" + word + "(-?[0-9]+)");
  std::smatch m;
  return std::regex_search(rtf, m, re) ? std::stoi(m[1]) : -1;
}

// The words of the table cells of the markup (tags dropped, entities read)
// that a reader must find whole, with how often the cells hold them: those
// with a digit, and every word of a header row.
std::map<std::string, size_t> CellWords(const std::string& markup) {
  std::map<std::string, size_t> words;
  const std::regex cell("<TD[^>]*>([^]*?)</TD>", std::regex::icase);
  bool header = false;
  size_t at = 0;
  for (auto it = std::sregex_iterator(markup.begin(), markup.end(), cell);
       it != std::sregex_iterator(); ++it) {
    const size_t pos = static_cast<size_t>(it->position(0));
    const std::string between = markup.substr(at, pos - at);
    if (between.find("<HEADER>") != std::string::npos) header = true;
    if (between.find("</HEADER>") != std::string::npos) header = false;
    at = pos + static_cast<size_t>(it->length(0));
    std::string text = std::regex_replace((*it)[1].str(), std::regex("<[^>]*>"), "");
    for (const auto& [entity, ch] : {std::pair<const char*, const char*>{"&lt;", "<"},
                                     {"&gt;", ">"},
                                     {"&nbsp;", " "},
                                     {"&sp;", " "},
                                     {"&amp;", "&"}}) {
      text = std::regex_replace(text, std::regex(entity), ch);
    }
    text = std::regex_replace(text, std::regex("　"), " ");
    std::istringstream in(text);
    for (std::string w; in >> w;) {
      if (header || std::regex_search(w, std::regex("[0-9]"))) ++words[w];
    }
  }
  return words;
}

void SelectWholeReport(CDocument& doc) {
  PrnSel() = ReportSelection{};
  PrnSel().NewDocument(doc.nCase());
  PrnSel().PrnSelJyouken = 1;
  PrnSel().PrnSelAntei = 1;
  PrnSel().PrnSelWall = 1;
  PrnSel().PrnSelFot = doc.bFotCalc() ? 1 : 0;
  for (int i = 0; i < doc.nCase(); ++i) {
    PrnSel().PrnAnteiCases.Set(i, 1);
    PrnSel().PrnWallCases.Set(i, 1);
    PrnSel().PrnFotCases.Set(i, 1);
  }
}

class RtfTables : public ::testing::TestWithParam<const char*> {};

TEST_P(RtfTables, FitTheTextWidthAndKeepEveryNumberWhole) {
  const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
  if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice is not installed";
  test::ReportApp();
  QLibrary lib(QStringLiteral(NORVA_BIN_DIR "/Ravtek2"));
  if (!lib.load()) GTEST_SKIP() << "Ravtek2 is not built: " << lib.errorString().toStdString();
  auto doPreview = reinterpret_cast<test::DoPreviewFn>(lib.resolve("DoPreview"));
  ASSERT_NE(doPreview, nullptr);

  test::TempFolder work("norva_rtf_tables");
  test::RecordingSink sink;
  RegisterQtPictureSaver();
  PrnWriters() = ReportWriters{};
  RegisterReportWriters();
  auto doc = std::make_unique<CDocument>();
  doc->FileName = std::string(NORVA_SOURCE_DIR) + "/examples/" + GetParam() + ".nrv";
  ASSERT_TRUE(DataFileRead(*doc));
  if (doc->nWater != 0 && doc->nWlvlAuto != 0) CalcWlvlAuto(*doc);
  CalcAntei(*doc, 0, 0);
  for (int i = 0; i < doc->nCase(); ++i) {
    CalcWallStress(*doc, i, 0);
    if (doc->WallType() == 3) CalcWallStress(*doc, i, 1);
    if (doc->bFotCalc()) CalcFotStress(*doc, i);
  }
  SelectWholeReport(*doc);
  test::RecordingRenderer recorder;
  const ReportEnv env{work.path(), test::ShippedFolder(), test::ShippedFolder(), &recorder};
  ASSERT_TRUE(PrnOutExec(*doc, 0, env)) << (sink.shown.empty() ? "" : sink.shown[0]);
  ASSERT_EQ(recorder.calls.size(), 1u);
  std::string printed;
  ASSERT_NO_FATAL_FAILURE(
      test::PrintToPdf(doPreview, recorder.calls[0], work.path() + "/report.pdf",
                       QString("norva_rtf_tables_") + GetParam() + ".pdf", &printed));

  const QStringList files = QDir(QString::fromStdString(work.path())).entryList({"KVD*.rtf"});
  ASSERT_EQ(files.size(), 1);
  const std::string rtfPath = work.path() + "/" + files.first().toStdString();
  std::ifstream in(rtfPath, std::ios::binary);
  const std::string rtf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const int textWidth =
      ControlValue(rtf, "paperw") - ControlValue(rtf, "margl") - ControlValue(rtf, "margr");
  ASSERT_GT(textWidth, 0);
  const std::regex cellx("\\\\cellx(-?[0-9]+)");
  int tables = 0;
  for (auto it = std::sregex_iterator(rtf.begin(), rtf.end(), cellx); it != std::sregex_iterator();
       ++it) {
    ++tables;
    const int x = std::stoi((*it)[1]);
    EXPECT_LE(x, textWidth) << "a cell ends beyond the text width";
    if (x > textWidth) break;
  }
  EXPECT_GT(tables, 0);

  const std::string outDir = work.path() + "/lo";
  QDir().mkpath(QString::fromStdString(outDir));
  const PdfConversion c = ConvertRtfToPdf(soffice, outDir, rtfPath);
  ASSERT_TRUE(c.finished) << c.errors;
  ASSERT_TRUE(QFileInfo::exists(c.pdf)) << c.errors;
  if (const char* keep = std::getenv("NORVA_KEEP_OUTPUT")) {
    QFile::remove(QString::fromLocal8Bit(keep) + "/norva_rtf_tables_lo_" + GetParam() + ".pdf");
    QFile::copy(c.pdf,
                QString::fromLocal8Bit(keep) + "/norva_rtf_tables_lo_" + GetParam() + ".pdf");
  }
  // Each line of the laid-out pages without its blanks: a word broken inside
  // its cell has its halves on two lines, so it is found fewer times than the
  // cells hold it.
  std::vector<std::string> lines;
  std::istringstream layout(RunTool("pdftotext", {"-layout", c.pdf, "-"}));
  for (std::string line; std::getline(layout, line);) lines.push_back(Squeezed(line));
  for (const auto& [word, cells] : CellWords(Cp932ToUtf8(recorder.calls[0].markup))) {
    size_t found = 0;
    for (const std::string& line : lines) found += Count(line, word);
    EXPECT_GE(found, cells) << "not whole on one line: " << word;
  }
  PrnWriters() = ReportWriters{};
  PrnSel() = ReportSelection{};
  SetPictureSaver(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Samples, RtfTables,
                         ::testing::Values("gravity", "leaning", "block_masonry", "mixed",
                                           "gravity_fails_seismic_sliding"));

}  // namespace
}  // namespace norva
