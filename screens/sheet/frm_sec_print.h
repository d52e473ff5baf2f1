#pragma once
// The preview of the drawing sheet ("標準断面図出力"): the page as it will be
// printed, with printing, the options again ("設定"), the SXF file, zoom in
// 10 % steps between 10 % and 500 %, and closing.
#include <QDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QWidget>
#include <functional>

#include "drawing/base/canvas.h"
#include "drawing/sheet/printed_sheet.h"
#include "platform/controls/control_array.h"

namespace norva {

class CDocument;

// The printed page at a zoom: 100 % is the paper's real size on the screen.
class SheetPageView : public QWidget {
  Q_OBJECT

 public:
  explicit SheetPageView(QWidget* parent = nullptr);
  Canvas& page() { return page_; }
  const Canvas& page() const { return page_; }
  PrintedSheet& target() { return target_; }
  // Percent, limited to 10..500.
  double Zoom() const { return zoom_; }
  void SetZoom(double percent);
  // Sizes the widget to the page at the zoom (after a new drawing).
  void Relayout();
  // The zoom at which the whole page fits `size`, in whole percent.
  double FitZoom(const QSize& size) const;
  // Paints the page on a printer (or a PDF) set up for it; false when the
  // printer cannot be painted on.
  bool PrintTo(QPrinter& printer) const;
  // Sets the printer's paper, orientation and margins for the page.
  void SetUpPrinter(QPrinter& printer) const;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  Canvas page_;
  PrintedSheet target_{page_};
  double zoom_ = 100;
};

class frmSecPrint : public QDialog {
  Q_OBJECT

 public:
  explicit frmSecPrint(QWidget* owner = nullptr);

  // Keeps the document and draws its sheet.
  void SetDoc(CDocument* doc);
  CDocument* Doc() const { return doc_; }
  // Draws the sheet of the document again; false (with a message) when it
  // cannot be drawn.
  bool Redraw();

  QScrollArea* vseSecPrint = nullptr;
  SheetPageView* vspSecDraw = nullptr;
  QWidget* picSecPrint = nullptr;
  QPushButton* cmdPrint = nullptr;
  QPushButton* cmdSetup = nullptr;
  QPushButton* cmdSxf = nullptr;
  ControlArray<QPushButton> cmdZoom{"cmdZoom"};
  QPushButton* cmdClose = nullptr;

  void cmdPrint_Click();
  void cmdSetup_Click();
  void cmdZoom_Click(int index);

 private:
  CDocument* doc_ = nullptr;
  bool fitted_ = false;

 protected:
  void showEvent(QShowEvent* e) override;
};

// The SXF output of the sheet, registered by the SXF part of the program;
// the preview's "SXFﾌｧｲﾙ出力" stays disabled while it is empty.
std::function<void(CDocument& doc, QWidget* owner)>& SheetSxfCommand();

}  // namespace norva
