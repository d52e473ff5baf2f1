#include "shell/command_state.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QStyle>
#include <QSysInfo>
#include <QTextEdit>
#include <QVBoxLayout>
#include <array>
#include <cmath>

#include "document/data_state.h"
#include "document/document.h"
#include "document/document_collection.h"
#include "shell/main_window.h"
#include "shell/nav_bar.h"
#include "shell/screen.h"
#include "shell/shell_state.h"
#include "shell/summary_panels.h"

namespace norva {
namespace {

void SetBold(QWidget* w, bool bold) {
  QFont f = w->font();
  f.setBold(bold);
  w->setFont(f);
}

QPointer<frmProg> gProg;
std::string gResultKey;  // document the result panel shows
bool gProgUnloading = false;

}  // namespace

void UpdateCommandState(const CDocument* doc) {
  mdiMain* m = MainWindow();
  if (!m) return;
  const bool open = gDocuments.Count() > 0;
  const ShellWindows& w = Windows();
  const bool report = static_cast<bool>(w.reportDialog);
  const bool quantity = w.sheetOptions && w.quantityTable;
  const bool sheet = w.sheetOptions && w.sheetPreview;
  const bool dimView = static_cast<bool>(w.dimensionView);

  m->mnuFile[0]->setEnabled(true);
  for (int i = 1; i <= 5; ++i)
    if (i != 2) m->mnuFile[i]->setEnabled(open);
  m->mnuPrint[0]->setEnabled(open && report);
  m->mnuPrint[1]->setEnabled(open && report);
  m->mnuPrint[2]->setEnabled(open);
  m->mnuWord[0]->setEnabled(open && report);
  m->mnuExport[0]->setEnabled(open && quantity);
  m->mnuExport[1]->setEnabled(open && sheet);
  m->buttons["NEW"]->setEnabled(true);
  for (const char* key : {"COPY", "SAVE"}) m->buttons[key]->setEnabled(open);
  for (const char* key : {"PRINT", "PREVIEW", "WORD"}) m->buttons[key]->setEnabled(open && report);
  m->buttons["SXF"]->setEnabled(open && sheet);
  m->cmdIniData->setEnabled(open);
  SetBold(m->cmdIniData, open);

  frmNav* nav = m->nav;
  for (int i = 0; i < 6; ++i) {
    if (nav) nav->optTab[i]->setEnabled(open);
    m->mnuCommand[i]->setEnabled(open);
  }
  if (nav) {
    nav->cmdPreview->setEnabled(open && report);
    nav->cmdTool->setEnabled(open && dimView);
  }
  m->mnuCommand[7]->setEnabled(open && dimView);

  if (!open) {
    m->txtDataName->clear();
    m->vsdIniData->canvas().Clear();
    m->vsdAntRes->canvas().Clear();
    gResultKey.clear();
    m->cmdAntResApply->setEnabled(false);
    SetBold(m->cmdAntResApply, false);
  }

  if (doc) {
    const std::array<bool, 6> tab = OpenScreens(*doc);
    const bool tool = tab[2] && dimView;
    const bool preview = tab[5] && report;
    for (int i = 0; i < 6; ++i) {
      if (nav) nav->optTab[i]->setEnabled(tab[i]);
      m->mnuCommand[i]->setEnabled(tab[i]);
    }
    if (nav) {
      nav->cmdTool->setEnabled(tool);
      nav->cmdPreview->setEnabled(preview);
    }
    m->mnuCommand[7]->setEnabled(tool);
    const bool calc = tab[4];  // the first four screens are complete
    m->cmdAntResApply->setEnabled(calc);
    SetBold(m->cmdAntResApply, calc);
  }

  if (gKutaiSunpOpen && w.refreshDimensionView) w.refreshDimensionView();
}

namespace {
// Properties of a help box: the notice waiting to be read, and the text shown
// when no box has a hint to show.
constexpr char kNotice[] = "norvaNotice";
constexpr char kIdleHint[] = "norvaIdleHint";
constexpr char kShowingIdle[] = "norvaShowingIdle";

void PutHintText(QWidget* target, const QString& t) {
  if (auto* e = qobject_cast<QLineEdit*>(target))
    e->setText(t);
  else if (auto* l = qobject_cast<QLabel*>(target))
    l->setText(t);
  else if (auto* te = qobject_cast<QTextEdit*>(target))
    te->setPlainText(t);
  else if (auto* pe = qobject_cast<QPlainTextEdit*>(target))
    pe->setPlainText(t);
  else
    target->setProperty("text", t);
}
}  // namespace

void ShowHint(QWidget* target, const std::string& text) {
  if (!target) return;
  const QString idle = target->property(kIdleHint).toString();
  QString t = QString::fromStdString(text);
  if (t.isEmpty()) t = idle.isEmpty() ? QString::fromUtf8(kDefaultHint) : idle;
  target->setProperty(kShowingIdle, text.empty());
  // A notice stays through the box left and the box entered next, then goes.
  const QString notice = target->property(kNotice).toString();
  if (!notice.isEmpty()) {
    t = notice + QLatin1Char('\n') + t;
    if (!text.empty()) target->setProperty(kNotice, QString());
  }
  PutHintText(target, t);
}

void ShowNotice(QWidget* target, const std::string& notice) {
  if (!target) return;
  target->setProperty(kNotice, QString::fromStdString(notice));
  ShowHint(target, std::string());
}

void SetIdleHint(QWidget* target, const std::string& text) {
  if (!target) return;
  const QString t = QString::fromStdString(text);
  if (target->property(kIdleHint).toString() == t) return;
  target->setProperty(kIdleHint, t);
  if (target->property(kShowingIdle).toBool()) ShowHint(target, std::string());
}

frmProg::frmProg(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("frmProg");
  setWindowTitle(QStringLiteral("計算中..."));
  auto* lay = new QVBoxLayout(this);
  lblMesCalc = new QLabel(this);
  lblMesCalc->setObjectName("lblMesCalc");
  lblMesCalc->setMinimumWidth(300);
  prgCalc = new QProgressBar(this);
  prgCalc->setObjectName("prgCalc");
  prgCalc->setRange(0, 100);
  prgCalc->setValue(0);
  lay->addWidget(lblMesCalc);
  lay->addWidget(prgCalc);
}

void frmProg::closeEvent(QCloseEvent* e) {
  if (gProgUnloading)
    QWidget::closeEvent(e);
  else
    e->ignore();
}

frmProg* ProgressWindow() { return gProg.data(); }

frmProg* LoadProgressWindow() {
  if (!gProg) gProg = new frmProg(MainWindow());
  return gProg.data();
}

frmProg* ShowProgressWindow() {
  frmProg* p = LoadProgressWindow();
  p->adjustSize();
  // Over the middle of the main window, not wherever the desktop puts a new window.
  QRect around;
  if (QWidget* owner = p->parentWidget())
    around = owner->frameGeometry();
  else if (QScreen* screen = QGuiApplication::primaryScreen())
    around = screen->availableGeometry();
  if (around.isValid()) p->move(around.center() - QPoint(p->width() / 2, p->height() / 2));
  p->show();
  p->raise();
  return p;
}

void UnloadProgressWindow() {
  if (!gProg) return;
  gProgUnloading = true;
  gProg->close();
  gProgUnloading = false;
  delete gProg.data();
}

int32_t ProgressBarValue(int32_t percent, int32_t from, int32_t to) {
  const double v = static_cast<double>(percent) * static_cast<double>(to - from) / 100.0 + from;
  return static_cast<int32_t>(std::nearbyint(v));  // the default mode rounds halves to even
}

void ShowCalcProgress(int32_t percent, const std::string& message) {
  frmProg* p = LoadProgressWindow();
  p->lblMesCalc->setText(QString::fromStdString(message));
  if (percent >= 0) p->prgCalc->setValue(ProgressBarValue(percent, gProgressFrom, gProgressTo));
  p->repaint();
  QApplication::processEvents();
}

IProgress& ShellProgress() {
  class Progress final : public IProgress {
   public:
    void Report(int percent, const std::string& text) override { ShowCalcProgress(percent, text); }
  };
  static Progress progress;
  return progress;
}

void UpdateDataSummary(const CDocument* doc) {
  mdiMain* m = MainWindow();
  if (!m) return;
  m->txtDataName->setText(doc ? QString::fromStdString(doc->FileTitle) : QString());
  // A long title or guideline name wraps onto more lines than the panel's
  // usual height holds: the panel grows rather than cut the last ones off.
  constexpr double kUnits = 1000, kMargin = 10;
  m->vsdIniData->setFixedHeight(mdiMain::kIniDataHeight);
  const double bottom = DrawDataSummary(m->vsdIniData->canvas(), doc);
  if (bottom > kUnits - kMargin) {
    const int px =
        static_cast<int>(std::ceil(mdiMain::kIniDataHeight * (bottom + kMargin) / kUnits));
    m->vsdIniData->setFixedHeight(px);
    DrawDataSummary(m->vsdIniData->canvas(), doc, kUnits * px / mdiMain::kIniDataHeight);
  }
  m->vsdIniData->update();
}

void UpdateResultSummary(const CDocument* doc) {
  mdiMain* m = MainWindow();
  if (!m) return;
  const double tpp = 1440.0 / std::max(1, m->logicalDpiX());
  const QStyle* st = m->vsvAntRes->style();
  ResultPanelFrame f;
  f.viewportWidth = m->vsvAntRes->width() * tpp;
  f.viewportHeight = m->vsvAntRes->height() * tpp;
  f.frameX = std::round(st->pixelMetric(QStyle::PM_DefaultFrameWidth) * tpp);
  f.frameY = f.frameX;
  f.scrollBar = std::round(st->pixelMetric(QStyle::PM_ScrollBarExtent) * tpp);
  const ResultPanelSize size = DrawResultSummary(m->vsdAntRes->canvas(), doc, f);
  gResultKey = size.height > 0 ? doc->Key : std::string();
  if (size.width > 0 && size.height > 0)
    m->vsdAntRes->setFixedSize(static_cast<int>(std::lround(size.width / tpp)),
                               static_cast<int>(std::lround(size.height / tpp)));
  else
    m->vsdAntRes->setFixedSize(m->vsvAntRes->viewport()->size());
  m->vsdAntRes->update();
}

void RedrawResultSummary() {
  // An empty panel too takes the new size of its viewport (no stray scroll bar).
  if (gResultKey.empty() || gDocuments.ItemIndex(gResultKey) < 1) {
    UpdateResultSummary(nullptr);
    return;
  }
  UpdateResultSummary(gDocuments.Item(gResultKey).get());
}

namespace {
// DEVMODE paper codes of the common sizes.
int PaperCode(QPageSize::PageSizeId id) {
  switch (id) {
    case QPageSize::Letter:
      return 1;
    case QPageSize::Legal:
      return 5;
    case QPageSize::A3:
      return 8;
    case QPageSize::A4:
      return 9;
    case QPageSize::A5:
      return 11;
    case QPageSize::B4:
      return 12;
    case QPageSize::B5:
      return 13;
    default:
      return 9;
  }
}
QPageSize::PageSizeId PaperId(int code) {
  switch (code) {
    case 1:
      return QPageSize::Letter;
    case 5:
      return QPageSize::Legal;
    case 8:
      return QPageSize::A3;
    case 11:
      return QPageSize::A5;
    case 12:
      return QPageSize::B4;
    case 13:
      return QPageSize::B5;
    default:
      return QPageSize::A4;
  }
}
}  // namespace

void PrinterSetup() {
  QPrinter printer(QPrinter::HighResolution);
  if (!gPrinterSettings.DeviceName.empty())
    printer.setPrinterName(QString::fromStdString(gPrinterSettings.DeviceName));
  printer.setPageOrientation(gPrinterSettings.Orientation == 2 ? QPageLayout::Landscape
                                                               : QPageLayout::Portrait);
  printer.setPageSize(QPageSize(PaperId(gPrinterSettings.PaperSize)));
  printer.setCopyCount(std::max(1, gPrinterSettings.Copies));
  QPageSetupDialog dlg(&printer, MainWindow());
  if (dlg.exec() != QDialog::Accepted) return;
  PrinterSettingsRec& r = gPrinterSettings;
  r.Collate = printer.collateCopies() ? 1 : 0;
  r.ColorMode = std::max(1, printer.colorMode() == QPrinter::Color ? 2 : 1);
  r.Copies = std::max(1, printer.copyCount());
  r.Duplex = std::max(1, static_cast<int>(printer.duplex()));
  r.Orientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
  r.PaperBin = std::max(1, r.PaperBin);
  r.PaperSize = std::max(1, PaperCode(printer.pageLayout().pageSize().id()));
  r.DeviceName = printer.printerName().toStdString();
}

std::string GetWindowsVersionText() {
  return (QSysInfo::prettyProductName() + " (" + QSysInfo::kernelType() + " " +
          QSysInfo::kernelVersion() + ")")
      .toStdString();
}

}  // namespace norva
