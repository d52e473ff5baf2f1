// Every shipped sample as a user meets it: open, calculate, tick every chapter
// the report selection dialog offers, and read the full report back from the
// renderer's PDF (pdftotext) and from its RTF (LibreOffice). Chapters the
// dialog starts offering later are picked up through the heading table.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QPrinter>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "calc/member/suryou.h"
#include "calc/run/calc_antei.h"
#include "calc/run/wlvl_auto.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/document_file.h"
#include "document/report_format.h"
#include "drawing/backends/qt_picture_saver.h"
#include "drawing/base/report_picture.h"
#include "report/driver/prn_out_exec.h"
#include "report/driver/report_selection.h"
#include "report/driver/report_writers.h"
#include "report/report_test_support.h"
#include "screens/report/frm_prn_sel.h"
#include "screens/report/reader_support.h"
#include "screens/report/report_screens_support.h"
#include "screens/results/frm_suryou.h"
#include "screens/sheet/frm_sec_print.h"
#include "text/cp932.h"

namespace norva {
namespace {

const std::string kExamples = std::string(NORVA_SOURCE_DIR) + "/examples/";

std::vector<std::string> Samples() {
  std::vector<std::string> out;
  for (const auto& e : std::filesystem::directory_iterator(kExamples)) {
    if (e.path().extension() == ".nrv") out.push_back(e.path().stem().string());
  }
  std::sort(out.begin(), out.end());
  return out;
}

// The heading each chapter of the dialog prints first; a chapter offered
// without a row here fails the test, so a new chapter must name its heading.
const std::map<std::string, const char*> kHeadings = {
    {"chkInpdata", "設計条件"},        {"chkAnt", "安定計算結果一覧"},
    {"chkWall", "たて壁の応力度一覧"}, {"chkFoot", "つま先版の応力度一覧"},
    {"chkTokki", "突起の応力度一覧"},
};

// True when a <PROTECT> block opens before the previous one closed.
bool NestedBlock(const std::string& markup) {
  int depth = 0;
  for (size_t at = markup.find('<'); at != std::string::npos; at = markup.find('<', at + 1)) {
    if (markup.compare(at, 9, "<PROTECT>") == 0 && ++depth > 1) return true;
    if (markup.compare(at, 10, "</PROTECT>") == 0) --depth;
  }
  return false;
}

class EndToEnd : public ::testing::TestWithParam<std::string> {};

TEST_P(EndToEnd, FullReportReadsBackFromPdfAndRtf) {
  const std::string name = GetParam();
  test::ReportApp();
  QLibrary lib(QStringLiteral(NORVA_BIN_DIR "/Ravtek2"));
  if (!lib.load()) GTEST_SKIP() << "Ravtek2 is not built: " << lib.errorString().toStdString();
  auto doPreview = reinterpret_cast<test::DoPreviewFn>(lib.resolve("DoPreview"));
  ASSERT_NE(doPreview, nullptr);

  test::TempFolder work("norva_end_to_end");
  test::RecordingSink sink;
  RegisterQtPictureSaver();
  PrnWriters() = ReportWriters{};
  RegisterReportWriters();
  CDocument doc;
  ASSERT_TRUE(DataFileReadFrom(doc, kExamples + name + ".nrv"));

  test::RecordingRenderer recorder;
  frmPrnSel dlg;
  dlg.stabilityRun = [](CDocument& d) {
    if (d.nWater != 0 && d.nWlvlAuto != 0) CalcWlvlAuto(d);
    std::vector<CaseFailure> failures;
    CalcAntei(d, 0, 0, nullptr, &failures);
    return failures.empty();
  };
  const ReportEnv env{work.path(), test::ShippedFolder(), test::ShippedFolder(), &recorder};
  dlg.SetReportEnv(env);
  doc.SetbInpSt(4, -1);
  doc.SetbInpSt(5, -1);
  dlg.SetDoc(doc);

  std::vector<std::string> offered;
  if (dlg.chkInpdata->isEnabled() && dlg.chkInpdata->isChecked()) offered.push_back("chkInpdata");
  for (const auto& ch : dlg.chapters) {
    if (ch.chk->isEnabled() && ch.chk->isChecked())
      offered.push_back(ch.chk->objectName().toStdString());
  }
  ASSERT_FALSE(offered.empty());

  ASSERT_TRUE(PrnOutExec(doc, 0, env)) << (sink.shown.empty() ? "" : sink.shown[0]);
  ASSERT_EQ(recorder.calls.size(), 1u);
  // A block opened inside another stops the renderer at a message box.
  ASSERT_FALSE(NestedBlock(recorder.calls[0].markup));
  std::string text;
  ASSERT_NO_FATAL_FAILURE(test::PrintToPdf(doPreview, recorder.calls[0], work.path() + "/full.pdf",
                                           QString::fromStdString("norva_full_" + name + ".pdf"),
                                           &text));
  const std::string squeezed = Squeezed(text);
  for (const std::string& chapter : offered) {
    const auto h = kHeadings.find(chapter);
    ASSERT_NE(h, kHeadings.end()) << chapter << " has no heading in the table";
    EXPECT_NE(squeezed.find(h->second), std::string::npos) << chapter << ": " << h->second;
  }
  // The stored key results as the summary table prints them: the size of the
  // eccentricity, and the larger reaction as qmax (the spring model stores
  // the toe's value first, whichever is larger).
  if (PrnSel().PrnSelAntei != 0) {
    const int part = doc.WallType() == 3 ? 1 : 0;
    for (int c = 0; c < doc.nCase(); ++c) {
      const auto r = doc.AntRes(part, c);
      ASSERT_NE(r, nullptr);
      for (const std::string& want :
           {"e=" + FormatNum(std::fabs(r->E), "0.000"), "Fs=" + FormatNum(r->Fs, "0.000"),
            "qmax=" + FormatNum(std::max(r->Qmax, r->Qmin), "0.00"),
            "qmin=" + FormatNum(std::min(r->Qmax, r->Qmin), "0.00"), FormatNum(r->SgmV, "0.00")}) {
        EXPECT_NE(squeezed.find(want), std::string::npos) << "case " << c + 1 << ": " << want;
      }
    }
  }
  EXPECT_TRUE(sink.shown.empty()) << sink.shown[0];

  // LibreOffice reads the same chapters from the RTF, one conversion per
  // sample, and shows one picture per figure of the report (and one per
  // formula: the RTF carries each formula as a picture).
  const QStringList rtf = QDir(QString::fromStdString(work.path())).entryList({"KVD*.rtf"});
  ASSERT_EQ(rtf.size(), 1);
  const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
  if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice is not installed";
  const PdfConversion c =
      ConvertRtfToPdf(soffice, work.path() + "/lo", work.path() + "/" + rtf.first().toStdString());
  ASSERT_TRUE(c.finished && QFileInfo::exists(c.pdf)) << c.errors;
  const std::string fromRtf = Squeezed(RunTool("pdftotext", {c.pdf, "-"}));
  for (const std::string& chapter : offered) {
    EXPECT_NE(fromRtf.find(kHeadings.at(chapter)), std::string::npos) << "RTF " << chapter;
  }
  const std::string& markup = recorder.calls[0].markup;
  const auto count = [&markup](const char* tag) {
    int n = 0;
    for (size_t at = markup.find(tag); at != std::string::npos; at = markup.find(tag, at + 1)) ++n;
    return n;
  };
  const int figures = count("<IMG "), formulas = count("<math>");
  int pictures = 0;
  std::istringstream list(RunTool("pdfimages", {"-list", c.pdf}));
  for (std::string line; std::getline(list, line);) {
    std::istringstream cols(line);
    std::string page, num, type;
    cols >> page >> num >> type;
    pictures += type == "image";
  }
  EXPECT_GT(figures, 0);
  EXPECT_EQ(pictures, figures + formulas);
  PrnWriters() = ReportWriters{};
  PrnSel() = ReportSelection{};
  SetPictureSaver(nullptr);
}

// The standard-section sheet printed to PDF, and the quantity table exported
// to CSV, each read back. (The sheet's SFC and P21 files go through the SXF
// checker in the SXF tests, for every sample.)
TEST_P(EndToEnd, SheetPdfAndQuantityCsvReadBack) {
  const std::string name = GetParam();
  test::ReportApp();
  test::TempFolder work("norva_end_to_end_sheet");
  test::RecordingSink sink;
  CDocument doc;
  ASSERT_TRUE(DataFileReadFrom(doc, kExamples + name + ".nrv"));

  {
    frmSecPrint w;
    w.SetDoc(&doc);
    QPrinter printer(QPrinter::HighResolution);
    w.vspSecDraw->SetUpPrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const std::string pdf = work.path() + "/sheet.pdf";
    printer.setOutputFileName(QString::fromStdString(pdf));
    ASSERT_TRUE(w.vspSecDraw->PrintTo(printer));
    // With NORVA_KEEP_OUTPUT (a folder) set, a copy of the sheet stays there for a look.
    if (const char* keep = std::getenv("NORVA_KEEP_OUTPUT")) {
      const QString to =
          QString::fromLocal8Bit(keep) + "/" + QString::fromStdString(name) + "_sheet.pdf";
      QFile::remove(to);
      QFile::copy(QString::fromStdString(pdf), to);
    }
    const std::string text = Squeezed(RunTool("pdftotext", {QString::fromStdString(pdf), "-"}));
    for (const char* want : {"工事名", "数量表(10m当たり)"}) {
      EXPECT_NE(text.find(want), std::string::npos) << "sheet: " << want;
    }
  }

  const QString csv = QString::fromStdString(work.path() + "/quantities.csv");
  frmSuryou table;
  table.chooseCsvFile = [csv](QWidget*) { return csv; };
  table.SetDoc(&doc);
  ASSERT_GT(SuryouCnt, 0);
  const std::vector<SuryouRec> rows(SuryouList.begin(), SuryouList.begin() + SuryouCnt);
  table.cmdExport->click();
  // One line per row of the table, four quoted fields, CP932 with CR LF.
  std::string expected;
  for (const SuryouRec& r : rows) {
    expected += "\"" + r.Koumoku + "\",\"" + r.Tani + "\",\"" + r.Suryou + "\",\"\"\r\n";
  }
  EXPECT_EQ(Cp932ToUtf8(test::ReadBytes(csv.toStdString())), expected);
  EXPECT_TRUE(sink.shown.empty()) << sink.shown[0];
}

INSTANTIATE_TEST_SUITE_P(Examples, EndToEnd, ::testing::ValuesIn(Samples()),
                         [](const ::testing::TestParamInfo<std::string>& i) { return i.param; });

}  // namespace
}  // namespace norva
