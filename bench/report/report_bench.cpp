// The full report of the richest sample, measured as a user waits for it:
// from the stored results to the PDF (chapter writers, figures, layout and
// the renderer's PDF), and LibreOffice converting the same report's RTF to
// PDF, in the same run.
//
// Run by hand: build/bin/norva_report_bench (needs LibreOffice for the second
// figure; a display or QT_QPA_PLATFORM=offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLibrary>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "calc/run/calc_antei.h"
#include "calc/run/wlvl_auto.h"
#include "document/document.h"
#include "document/document_file.h"
#include "drawing/backends/qt_picture_saver.h"
#include "renderer/printer_settings.h"
#include "report/driver/prn_out_exec.h"
#include "report/driver/report_selection.h"
#include "report/driver/report_writers.h"
#include "tests/renderer/external_tools.h"
#include "text/cp932.h"

namespace norva::bench {
namespace {

using DoPreviewFn = int32_t (*)(int32_t, int32_t, const char*, const char*, const char*,
                                const void*);

// The richest sample: two cases, normal and seismic, with the cut back
// ground, the shear key and the trial wedge.
const char* const kSample = NORVA_SOURCE_DIR "/examples/gravity_cut_shear_key.nrv";
const std::string kShipped = std::string(NORVA_SOURCE_DIR) + "/resources";

// Keeps the driver's text instead of showing it.
class KeptRenderer final : public IReportRenderer {
 public:
  bool Render(int16_t, const std::string& m, const std::string& style, const std::string&,
              std::string&) override {
    markup = m;
    stylePath = style;
    return true;
  }
  std::string markup, stylePath;
};

struct Report {
  QTemporaryDir work;
  CDocument doc;
  KeptRenderer kept;
  DoPreviewFn doPreview = nullptr;
  std::unique_ptr<QLibrary> lib;
};

// The sample opened and calculated once, every chapter selected.
Report& Prepared() {
  static Report* r = [] {
    auto* p = new Report;
    RegisterQtPictureSaver();
    PrnWriters() = ReportWriters{};
    RegisterReportWriters();
    DataFileReadFrom(p->doc, kSample);
    if (p->doc.nWater != 0 && p->doc.nWlvlAuto != 0) CalcWlvlAuto(p->doc);
    CalcAntei(p->doc, 0, 0);
    ReportSelection& s = PrnSel();
    s = ReportSelection{};
    s.NewDocument(p->doc.nCase());
    s.PrnSelJyouken = s.PrnSelAntei = s.PrnSelWall = 1;
    s.PrnSelFot = p->doc.bFotCalc() != 0;
    s.PrnSelTokki = p->doc.Tokki == 1;
    for (int i = 0; i < p->doc.nCase(); ++i) {
      s.PrnAnteiCases.Set(i, 1);
      s.PrnWallCases.Set(i, 1);
      s.PrnFotCases.Set(i, 1);
      s.PrnTokkiCases.Set(i, 1);
    }
    p->lib = std::make_unique<QLibrary>(QStringLiteral(NORVA_BIN_DIR "/Ravtek2"));
    if (p->lib->load()) p->doPreview = reinterpret_cast<DoPreviewFn>(p->lib->resolve("DoPreview"));
    return p;
  }();
  return *r;
}

// Writers, figures, layout and the PDF, from the stored results.
void BM_FullReportToPdf(benchmark::State& state) {
  Report& r = Prepared();
  if (!r.doPreview) {
    state.SkipWithError("Ravtek2 is not built");
    return;
  }
  const std::string work = r.work.path().toStdString();
  const std::string pdf = work + "/report.pdf";
  for (auto _ : state) {
    const ReportEnv env{work, kShipped, kShipped, &r.kept};
    if (!PrnOutExec(r.doc, 0, env)) {
      state.SkipWithError("the report driver failed");
      return;
    }
    ::PrinterSettingsRec printer{};
    printer.DeviceName = pdf.c_str();
    printer.Orientation = 1;
    r.doPreview(0, 1, r.kept.markup.c_str(), Utf8ToCp932(r.kept.stylePath).c_str(), work.c_str(),
                &printer);
  }
  state.counters["bytes"] = static_cast<double>(QFileInfo(QString::fromStdString(pdf)).size());
}
BENCHMARK(BM_FullReportToPdf)->Unit(benchmark::kMillisecond)->Iterations(5);

// LibreOffice converting the RTF of the same report (left by the run above).
void BM_LibreOfficeRtfToPdf(benchmark::State& state) {
  Report& r = Prepared();
  const QStringList rtf = QDir(r.work.path()).entryList({"KVD*.rtf"});
  const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
  if (rtf.isEmpty() || soffice.isEmpty()) {
    state.SkipWithError("no RTF or no LibreOffice");
    return;
  }
  const std::string work = r.work.path().toStdString();
  const std::string file = work + "/" + rtf.first().toStdString();
  ConvertRtfToPdf(soffice, work + "/lo", file);  // the profile is made once, untimed
  for (auto _ : state) {
    if (!ConvertRtfToPdf(soffice, work + "/lo", file).finished) {
      state.SkipWithError("LibreOffice did not finish");
      return;
    }
  }
}
BENCHMARK(BM_LibreOfficeRtfToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace norva::bench

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
