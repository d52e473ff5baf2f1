#pragma once
// The preview window (page navigation, zoom, printing) and the progress
// window shown while a report is laid out.
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QToolBar>
#include <functional>
#include <string_view>

#include "renderer/markup_renderer.h"
#include "renderer/page_composer.h"
#include "renderer/printer_settings.h"

namespace norva {

// How the report's RTF file reaches the user. The defaults use the desktop
// and Qt's dialogs; the tests replace them.
struct WordOutputHooks {
  // Hands the file to the desktop's application for it; false when no
  // application takes it.
  std::function<bool(const QString& path)> open;
  // Says that the file could not be opened and where it is; true when the
  // user wants a copy under a name of their own.
  std::function<bool(QWidget* owner, const QString& text)> offerCopy;
  // The name of the copy (the dialog has asked before replacing a file);
  // empty when cancelled.
  std::function<QString(QWidget* owner, const QString& start)> copyName;
  // Tells the user of a failure.
  std::function<void(QWidget* owner, const QString& text)> tell;
};
WordOutputHooks& WordOutput();

class CProgressDlg : public QDialog, public IRenderProgress {
  Q_OBJECT
 public:
  CProgressDlg();
  bool CreateAndShow();
  bool CheckCancel() override;
  void SetPercent(int percent) override;
  void OnCancelButton() { cancel_ = 1; }
  QString ShownText() const { return text_->text(); }

 private:
  QLabel* text_;
  QProgressBar* bar_;
  QPushButton* cancelButton_;
  int32_t cancel_ = 0;
};

// Shows the composed pages of a composer.
class PageView : public QWidget {
  Q_OBJECT
 public:
  enum class Mode { Zoom, TwoPages, Thumbnails };
  explicit PageView(PageComposer* composer, QWidget* parent = nullptr);
  void Relayout();
  void SetMode(Mode m) {
    mode_ = m;
    Relayout();
  }
  Mode ViewMode() const { return mode_; }
  std::function<void(Mode, int zoom)> onModeRequest;
  std::function<void(int page)> onPagePicked;

 protected:
  void paintEvent(QPaintEvent*) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  double Scale() const;
  QRectF PageRect(int index) const;  // widget pixels
  std::vector<int> VisiblePages() const;
  PageComposer* composer_;
  Mode mode_ = Mode::Zoom;
};

class CPreviewDlg : public QDialog {
  Q_OBJECT
 public:
  CPreviewDlg(int32_t mode, int32_t showProgress, std::string_view text, RenderRun& run,
              const PrinterSettingsRec* printer);
  ~CPreviewDlg() override;

  // Lays the whole report out; false when the user cancelled.
  bool OnInitDialog();
  // Runs the window for the mode: 1 (and 2 for now) shows it until the user ends it.
  void RunModal();

  void OnNextPage();
  void OnPrevPage();
  void OnZoomIn();
  void OnZoomOut();
  void OnPrint();
  // Opens the RTF file in the desktop's word processor; when none takes it,
  // says where the file is (it goes when the program ends) and offers to
  // save a copy under a name the user chooses.
  void OpenInWord();
  void OnExit();
  void UpdateCaption();
  static void PumpMessages();

  PageComposer& Composer() { return composer_; }
  QToolBar* ToolBar() { return toolbar_; }
  // Path of the run's RTF file; empty until the RTF writer writes one.
  QString RtfPath() const { return rtfPath_; }

 private:
  bool RenderDocument();
  void ApplyPrinterRecord();
  bool PrintOnPrinter();
  void FitZoom(bool wholePage);

  int32_t mode_;
  int32_t showProgress_;
  std::string_view text_;
  RenderRun& run_;
  const PrinterSettingsRec* printer_;
  PageComposer composer_;
  QToolBar* toolbar_;
  QScrollArea* scroll_;
  PageView* view_;
  std::unique_ptr<IRtfSink> rtf_;
  QString rtfPath_;
  bool cancelled_ = false;
};

}  // namespace norva
