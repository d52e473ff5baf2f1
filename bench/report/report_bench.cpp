// The full report of the richest sample, measured as a user waits for it:
// from the stored results to the PDF (chapter writers, figures, layout and
// the renderer's PDF), and LibreOffice converting the same report's RTF to
// PDF, in the same run; and the program's start on the sample to its first
// window with the document open, less the splash's fixed wait.
//
// Run by hand: build/bin/norva_report_bench (needs LibreOffice for the second
// figure, Xvfb for the third; a display or QT_QPA_PLATFORM=offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QLibrary>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
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

// The program started on the sample under a virtual display whose frame
// buffer is a file; the time is when the screen last changes (the main window
// with the document open), less the splash's fixed 2.5 s. The screen is
// watched for 8 s.
void BM_StartToDocumentWindow(benchmark::State& state) {
  const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
  if (xvfb.isEmpty()) {
    state.SkipWithError("Xvfb is not installed");
    return;
  }
  QTemporaryDir dir;
  const QString display = QStringLiteral(":%1").arg(150 + QCoreApplication::applicationPid() % 100);
  QProcess server;
  server.start(xvfb, {display, "-screen", "0", "1280x900x24", "-fbdir", dir.path()});
  QThread::msleep(1500);
  const QString fb = dir.path() + "/Xvfb_screen0";
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("DISPLAY", display);
  env.remove("QT_QPA_PLATFORM");
  env.insert("HOME", dir.path() + "/home");
  env.insert("XDG_RUNTIME_DIR", dir.path() + "/run");
  QDir().mkpath(dir.path() + "/run");
  QFile::setPermissions(dir.path() + "/run",
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  for (auto _ : state) {
    QProcess program;
    program.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    program.start(QStringLiteral(NORVA_BIN_DIR "/NorvaV4"), {QString::fromUtf8(kSample)});
    size_t last = 0;
    qint64 changed = 0;
    while (t.elapsed() < 8000) {
      QFile f(fb);
      if (f.open(QIODevice::ReadOnly)) {
        const size_t h = qHash(f.readAll());
        if (h != last) {
          last = h;
          changed = t.nsecsElapsed();
        }
      }
      QThread::msleep(10);
    }
    program.terminate();
    if (!program.waitForFinished(5000)) program.kill();
    state.SetIterationTime(static_cast<double>(changed) / 1e9 - 2.5);
  }
  server.terminate();
  server.waitForFinished(5000);
}
BENCHMARK(BM_StartToDocumentWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

}  // namespace
}  // namespace norva::bench

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
