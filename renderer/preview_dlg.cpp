#include "renderer/preview_dlg.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPainter>
#include <QPainterPath>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>

#include "text/cp932.h"

namespace norva {

namespace {

bool OpenWithDesktop(const QString& path) {
  // The desktop's opener reports success even when no application is
  // registered for the type and nothing opens: ask the type registry first.
  const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
  if (!xdgMime.isEmpty()) {
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"),
                          QMimeDatabase().mimeTypeForFile(path).name()});
    if (query.waitForFinished(5000) && query.exitStatus() == QProcess::NormalExit &&
        query.readAllStandardOutput().trimmed().isEmpty())
      return false;
  }
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool OfferCopy(QWidget* owner, const QString& text) {
  return QMessageBox::question(owner, QStringLiteral("WORD変換"), text,
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

QString CopyName(QWidget* owner, const QString& start) {
  QFileDialog fd(owner, QStringLiteral("名前を付けて保存"));
  fd.setOption(QFileDialog::DontUseNativeDialog, true);
  fd.setAcceptMode(QFileDialog::AcceptSave);
  fd.setNameFilter(QStringLiteral("リッチテキスト形式 (*.rtf)"));
  fd.setDefaultSuffix(QStringLiteral("rtf"));
  fd.setDirectory(QFileInfo(start).absolutePath());
  fd.selectFile(QFileInfo(start).fileName());
  if (fd.exec() != QDialog::Accepted || fd.selectedFiles().isEmpty()) return {};
  return fd.selectedFiles().first();
}

void Tell(QWidget* owner, const QString& text) {
  QMessageBox::warning(owner, QStringLiteral("WORD変換"), text);
}

}  // namespace

WordOutputHooks& WordOutput() {
  static WordOutputHooks hooks{OpenWithDesktop, OfferCopy, CopyName, Tell};
  return hooks;
}

namespace {

// The seven toolbar images, 16 x 15, drawn rather than shipped.
QIcon ToolIcon(int index) {
  QPixmap pm(16, 15);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 40, 40), 1.2));
  switch (index) {
    case 0:    // next page
    case 1: {  // previous page
      QPainterPath path;
      const bool next = index == 0;
      path.moveTo(next ? 5 : 11, 3);
      path.lineTo(next ? 11 : 5, 7.5);
      path.lineTo(next ? 5 : 11, 12);
      path.closeSubpath();
      p.fillPath(path, QColor(30, 90, 170));
      break;
    }
    case 2:  // zoom in
    case 3:  // zoom out
      p.drawEllipse(QRectF(2, 1.5, 9, 9));
      p.drawLine(QPointF(10, 10), QPointF(14, 14));
      p.drawLine(QPointF(4.5, 6), QPointF(8.5, 6));
      if (index == 2) p.drawLine(QPointF(6.5, 4), QPointF(6.5, 8));
      break;
    case 4:  // print
      p.drawRect(QRectF(4, 1.5, 8, 5));
      p.fillRect(QRectF(1.5, 6, 13, 6), QColor(120, 120, 120));
      p.fillRect(QRectF(4, 10, 8, 4), Qt::white);
      p.drawRect(QRectF(4, 10, 8, 4));
      break;
    case 5:  // word processor
      p.drawRect(QRectF(3, 1.5, 10, 12));
      p.setFont(QFont(QStringLiteral("DejaVu Sans"), 6, QFont::Bold));
      p.drawText(QRectF(3, 1.5, 10, 12), Qt::AlignCenter, QStringLiteral("W"));
      break;
    default:  // end
      p.setPen(QPen(QColor(170, 30, 30), 2));
      p.drawLine(QPointF(4, 3.5), QPointF(12, 11.5));
      p.drawLine(QPointF(12, 3.5), QPointF(4, 11.5));
      break;
  }
  return QIcon(pm);
}

}  // namespace

// ---- progress window --------------------------------------------------------

CProgressDlg::CProgressDlg() {
  setWindowTitle(QStringLiteral("出力中..."));
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  QFont f(QStringLiteral("IPAPGothic"));
  f.setPointSizeF(9);
  setFont(f);
  auto* layout = new QVBoxLayout(this);
  text_ = new QLabel(QStringLiteral("100%"), this);
  text_->setObjectName(QStringLiteral("1004"));
  text_->setAlignment(Qt::AlignCenter);
  bar_ = new QProgressBar(this);
  bar_->setObjectName(QStringLiteral("1003"));
  bar_->setTextVisible(false);
  cancelButton_ = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  cancelButton_->setObjectName(QStringLiteral("1005"));
  layout->addWidget(text_);
  layout->addWidget(bar_);
  layout->addWidget(cancelButton_, 0, Qt::AlignHCenter);
  connect(cancelButton_, &QPushButton::clicked, this, [this] { OnCancelButton(); });
  setFixedWidth(300);
}

bool CProgressDlg::CreateAndShow() {
  bar_->setRange(0, 100);
  bar_->setValue(0);
  text_->setText(QStringLiteral("0%"));
  adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect r = screen->availableGeometry();
    move(r.center() - QPoint(width() / 2, height() / 2));
  }
  show();
  QCoreApplication::processEvents();
  return true;
}

bool CProgressDlg::CheckCancel() {
  // Window events go through now and then; every token would be far too often.
  static QElapsedTimer timer;
  if (!timer.isValid() || timer.elapsed() >= 15) {
    QCoreApplication::processEvents();
    timer.restart();
  }
  const bool cancelled = cancel_ != 0;
  cancel_ = 0;
  return cancelled;
}

void CProgressDlg::SetPercent(int percent) {
  const QString text = QStringLiteral("%1%").arg(percent);
  if (text != text_->text()) text_->setText(text);
  bar_->setValue(percent);
}

// ---- page view ----------------------------------------------------------------

PageView::PageView(PageComposer* composer, QWidget* parent) : QWidget(parent), composer_(composer) {
  setBackgroundRole(QPalette::Dark);
  setAutoFillBackground(true);
}

double PageView::Scale() const {
  const double dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
  switch (mode_) {
    case Mode::Zoom:
      return composer_->Zoom() / 100.0 * dpi / 1440.0;
    case Mode::TwoPages:
    case Mode::Thumbnails: {
      const QWidget* port = parentWidget() ? parentWidget() : this;
      const double across = mode_ == Mode::TwoPages ? 2 : 4;
      double w = 11906, h = 16838;
      if (composer_->TotalPages() > 0) {
        w = composer_->Pages()[0].width;
        h = composer_->Pages()[0].height;
      }
      const double sx = (port->width() - 20.0 * (across + 1)) / (across * w);
      const double sy = (port->height() - 40.0) / h;
      return std::max(0.01, mode_ == Mode::TwoPages ? std::min(sx, sy) : sx);
    }
  }
  return 1;
}

std::vector<int> PageView::VisiblePages() const {
  const int total = composer_->TotalPages();
  std::vector<int> pages;
  if (total == 0) return pages;
  const int shown = composer_->DisplayedPage() - 1;
  if (mode_ == Mode::Zoom) pages.push_back(shown);
  if (mode_ == Mode::TwoPages) {
    pages.push_back(shown);
    if (shown + 1 < total) pages.push_back(shown + 1);
  }
  if (mode_ == Mode::Thumbnails) {
    for (int i = 0; i < total; ++i) pages.push_back(i);
  }
  return pages;
}

QRectF PageView::PageRect(int index) const {
  const double s = Scale();
  const ComposedPage& page = composer_->Pages()[static_cast<size_t>(index)];
  const double w = page.width * s, h = page.height * s;
  if (mode_ == Mode::Zoom) return {std::max(20.0, (width() - w) / 2), 20, w, h};
  const std::vector<int> pages = VisiblePages();
  const int pos = static_cast<int>(std::find(pages.begin(), pages.end(), index) - pages.begin());
  const int across = mode_ == Mode::TwoPages ? 2 : 4;
  const double cellW = 11906 * s + 20, cellH = 16838 * s + 20;
  return {20 + (pos % across) * cellW, 20 + (pos / across) * cellH, w, h};
}

void PageView::Relayout() {
  const std::vector<int> pages = VisiblePages();
  QSizeF need(100, 100);
  for (int i : pages) {
    const QRectF r = PageRect(i);
    need = need.expandedTo(QSizeF(r.right() + 20, r.bottom() + 20));
  }
  if (mode_ == Mode::Zoom && !pages.empty()) {
    const double s = Scale();
    const ComposedPage& page = composer_->Pages()[static_cast<size_t>(pages[0])];
    need = QSizeF(page.width * s + 40, page.height * s + 40);
  }
  resize(need.toSize());
  update();
}

void PageView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const double s = Scale();
  for (int i : VisiblePages()) {
    const QRectF r = PageRect(i);
    painter.fillRect(r.translated(4, 4), QColor(60, 60, 60));
    painter.fillRect(r, Qt::white);
    painter.save();
    painter.translate(r.topLeft());
    painter.scale(s, s);
    painter.setClipRect(QRectF(0, 0, r.width() / s, r.height() / s));
    composer_->PaintPage(painter, i);
    painter.restore();
  }
}

void PageView::contextMenuEvent(QContextMenuEvent* e) {
  QMenu menu(this);
  const QStringList items =
      QStringLiteral("ﾍﾟｰｼﾞ全体(&P)|ﾍﾟｰｼﾞ幅(&W)|2ﾍﾟｰｼﾞ(&T)|ｻﾑﾈｲﾙ(&N)").split(u'|');
  QAction* whole = menu.addAction(items[0]);
  QAction* wide = menu.addAction(items[1]);
  QAction* two = menu.addAction(items[2]);
  QAction* thumbs = menu.addAction(items[3]);
  QAction* chosen = menu.exec(e->globalPos());
  if (!onModeRequest || !chosen) return;
  if (chosen == whole) onModeRequest(Mode::Zoom, -1);
  if (chosen == wide) onModeRequest(Mode::Zoom, -2);
  if (chosen == two) onModeRequest(Mode::TwoPages, 0);
  if (chosen == thumbs) onModeRequest(Mode::Thumbnails, 0);
}

void PageView::mousePressEvent(QMouseEvent* e) {
  if (mode_ == Mode::Zoom || e->button() != Qt::LeftButton) return;
  for (int i : VisiblePages()) {
    if (PageRect(i).contains(e->position()) && onPagePicked) {
      onPagePicked(i + 1);
      return;
    }
  }
}

// ---- preview window -----------------------------------------------------------

CPreviewDlg::CPreviewDlg(int32_t mode, int32_t showProgress, std::string_view text, RenderRun& run,
                         const PrinterSettingsRec* printer)
    : mode_(mode), showProgress_(showProgress), text_(text), run_(run), printer_(printer) {
  setWindowTitle(QStringLiteral("印刷プレビュー"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  QFont f(QStringLiteral("IPAPGothic"));
  f.setPointSizeF(9);
  setFont(f);
  resize(262 * 3, 209 * 3);

  toolbar_ = new QToolBar(this);
  toolbar_->setObjectName(QStringLiteral("133"));
  toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  toolbar_->setIconSize(QSize(16, 15));
  struct Button {
    int image;
    int command;
    const char* label;
    const char* tip;
    void (CPreviewDlg::*slot)();
    bool sepBefore;
  };
  const Button buttons[] = {
      {0, 32773, "次ページ", "次ページに移動", &CPreviewDlg::OnNextPage, false},
      {1, 32772, "前ページ", "前ページに移動", &CPreviewDlg::OnPrevPage, false},
      {2, 32774, "拡大", "拡大", &CPreviewDlg::OnZoomIn, true},
      {3, 32775, "縮小", "縮小", &CPreviewDlg::OnZoomOut, false},
      {4, 32776, "印刷", "プリンターへ出力", &CPreviewDlg::OnPrint, true},
      {5, 32778, "WORD変換", "Microsoft Word文書に変換", &CPreviewDlg::OpenInWord, true},
      {6, 32777, "終了", "印刷プレビューの終了", &CPreviewDlg::OnExit, true},
  };
  for (const Button& b : buttons) {
    if (b.sepBefore) toolbar_->addSeparator();
    QAction* a = toolbar_->addAction(ToolIcon(b.image), QString::fromUtf8(b.label));
    a->setObjectName(QString::number(b.command));
    a->setToolTip(QString::fromUtf8(b.tip));
    connect(a, &QAction::triggered, this, [this, slot = b.slot] { (this->*slot)(); });
  }

  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("1001"));
  scroll_->setBackgroundRole(QPalette::Dark);
  scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  view_ = new PageView(&composer_, scroll_->viewport());
  scroll_->setWidget(view_);
  scroll_->setWidgetResizable(false);
  view_->onModeRequest = [this](PageView::Mode m, int zoom) {
    view_->SetMode(m);
    if (zoom == -1) FitZoom(true);
    if (zoom == -2) FitZoom(false);
  };
  view_->onPagePicked = [this](int page) {
    composer_.SetDisplayedPage(page);
    view_->SetMode(PageView::Mode::Zoom);
    UpdateCaption();
  };

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolbar_);
  layout->addWidget(scroll_, 1);
}

CPreviewDlg::~CPreviewDlg() = default;

void CPreviewDlg::ApplyPrinterRecord() {
  const PrinterSettingsRec& p = *printer_;
  if (p.DeviceName) composer_.SetDeviceName(QString::fromStdString(Cp932ToUtf8(p.DeviceName)));
  if (p.Port) composer_.SetPort(QString::fromStdString(Cp932ToUtf8(p.Port)));
  composer_.SetCollate(p.Collate != 0);
  if (p.Copies > 0) composer_.SetCopies(static_cast<int16_t>(p.Copies));
  composer_.SetDuplex(p.Duplex);
  composer_.SetOrientation(p.Orientation == 1 ? 0 : 1);
  composer_.SetPaperBin(p.PaperBin);
  composer_.SetPaperSize(p.PaperSize);
  composer_.SetPrintQuality(p.PrintQuality);
}

bool CPreviewDlg::OnInitDialog() {
  if (printer_) ApplyPrinterRecord();
  ApplyPageSetup(composer_, run_.sheet);
  rtf_ = OpenRtfWriter(run_);
  composer_.SetPreview(mode_ != 0);
  composer_.StartDoc();
  if (!RenderDocument()) {
    composer_.AbandonDoc();
    cancelled_ = true;
  }
  if (mode_ == 0 && !cancelled_) {
    // Printed at the end with the printing message; without a printer the
    // user chooses where the pages go (a PDF file at least).
    composer_.SetPreview(true);
    composer_.EndDoc();
    PrintOnPrinter();
  } else {
    composer_.EndDoc();
  }
  if (rtf_) {
    rtf_->Close();
    rtfPath_ = QString::fromStdString(rtf_->FilePath());
  }
  UpdateCaption();
  view_->Relayout();
  if (mode_ == 2 && !rtfPath_.isEmpty()) {
    PumpMessages();
    OpenInWord();
  }
  return !cancelled_;
}

bool CPreviewDlg::RenderDocument() {
  std::unique_ptr<CProgressDlg> progress;
  if (showProgress_ != 0) {
    progress = std::make_unique<CProgressDlg>();
    if (!progress->CreateAndShow()) progress.reset();
  }
  CMarkupRenderer renderer(progress.get(), &composer_, run_);
  const int32_t result = renderer.Render(text_, rtf_.get());
  return result != 0;
}

void CPreviewDlg::RunModal() {
  if (cancelled_) return;
  // Without its RTF file the word-processor run stays in the preview.
  if (mode_ == 1 || (mode_ == 2 && rtfPath_.isEmpty())) {
    setWindowState(windowState() | Qt::WindowMaximized);
    exec();
  }
}

void CPreviewDlg::OnNextPage() {
  if (composer_.DisplayedPage() < composer_.TotalPages()) {
    composer_.SetDisplayedPage(composer_.DisplayedPage() + 1);
    view_->Relayout();
  }
  UpdateCaption();
}

void CPreviewDlg::OnPrevPage() {
  if (composer_.DisplayedPage() > 1) {
    composer_.SetDisplayedPage(composer_.DisplayedPage() - 1);
    view_->Relayout();
  }
  UpdateCaption();
}

void CPreviewDlg::OnZoomIn() {
  const int z = composer_.Zoom() + 2 * composer_.ZoomIncrement();
  if (z <= composer_.ZoomUpper()) {
    composer_.SetZoom(z);
    view_->SetMode(PageView::Mode::Zoom);
  }
}

void CPreviewDlg::OnZoomOut() {
  const int z = composer_.Zoom() - 2 * composer_.ZoomIncrement();
  if (z >= composer_.ZoomLower()) {
    composer_.SetZoom(z);
    view_->SetMode(PageView::Mode::Zoom);
  }
}

void CPreviewDlg::FitZoom(bool wholePage) {
  if (composer_.TotalPages() == 0) return;
  const ComposedPage& page = composer_.Pages()[static_cast<size_t>(composer_.DisplayedPage() - 1)];
  const double dpi = view_->logicalDpiX() > 0 ? view_->logicalDpiX() : 96;
  const double zx = (scroll_->viewport()->width() - 40) * 1440.0 * 100.0 / (page.width * dpi);
  const double zy = (scroll_->viewport()->height() - 40) * 1440.0 * 100.0 / (page.height * dpi);
  const int z = static_cast<int>(wholePage ? std::min(zx, zy) : zx);
  composer_.SetZoom(std::clamp(z, composer_.ZoomLower(), composer_.ZoomUpper()));
  view_->SetMode(PageView::Mode::Zoom);
}

void CPreviewDlg::OnPrint() { PrintOnPrinter(); }

bool CPreviewDlg::PrintOnPrinter() {
  if (composer_.TotalPages() == 0) return false;
  QPrinter printer(QPrinter::HighResolution);
  composer_.ConfigurePrinter(printer);
  if (!composer_.CanPrintDirectly() || mode_ != 0) {
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, composer_.TotalPages());
    if (dialog.exec() != QDialog::Accepted) return false;
  }
  QProgressDialog progress(this);
  progress.setWindowTitle(QStringLiteral("印刷中...."));
  progress.setCancelButtonText(QStringLiteral("ｷｬﾝｾﾙ"));
  progress.setRange(0, composer_.TotalPages());
  progress.setMinimumDuration(0);
  const QString target =
      printer.outputFormat() == QPrinter::PdfFormat ? QStringLiteral("PDF") : printer.printerName();
  const QString where =
      printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : composer_.Port();
  return composer_.PrintTo(printer, [&](int page) {
    progress.setLabelText(QStringLiteral("出力先 %1 ( %2 )\n").arg(target, where) +
                          QStringLiteral("%1 ﾍﾟｰｼﾞ目を印刷中").arg(page));
    progress.setValue(page - 1);
    QCoreApplication::processEvents();
    return !progress.wasCanceled();
  });
}

void CPreviewDlg::OpenInWord() {
  if (rtfPath_.isEmpty()) return;
  // The desktop's application for RTF files stands in for the word processor.
  WordOutputHooks& out = WordOutput();
  if (out.open(rtfPath_)) {
    PumpMessages();
    return;
  }
  const QString text = QStringLiteral(
                           "RTFファイルを開くアプリケーションが見つかりません。\n\n"
                           "ファイルは次の場所にあります（プログラムの終了時に削除されます）:\n"
                           "%1\n\n名前を付けて保存しますか？")
                           .arg(QDir::toNativeSeparators(rtfPath_));
  if (!out.offerCopy(this, text)) return;
  const QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/" +
                        QFileInfo(rtfPath_).fileName();
  const QString target = out.copyName(this, start);
  if (target.isEmpty()) return;
  if (QFileInfo(target).absoluteFilePath() == QFileInfo(rtfPath_).absoluteFilePath()) return;
  // The dialog asked before replacing: an existing file gives way to the copy.
  if (QFileInfo::exists(target)) QFile::remove(target);
  if (!QFile::copy(rtfPath_, target)) {
    out.tell(this, QStringLiteral("ファイルを保存できませんでした。\n%1")
                       .arg(QDir::toNativeSeparators(target)));
  }
}

void CPreviewDlg::OnExit() { done(QDialog::Accepted); }

void CPreviewDlg::UpdateCaption() {
  setWindowTitle(QStringLiteral("印刷プレビュー - ( %1/%2 )")
                     .arg(composer_.DisplayedPage())
                     .arg(composer_.TotalPages()));
}

void CPreviewDlg::PumpMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

}  // namespace norva

#include "moc_preview_dlg.cpp"
