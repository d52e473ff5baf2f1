#pragma once
// The zoomable dimensioned view "寸法図": a floating window over the main
// window showing the section of the active document (normal state, colour),
// zoomed in steps of 20 % between 100 and 500 %. It draws on showing, on
// activation, on a change of size and whenever the shell refreshes it; with
// no document open it shows an empty surface.
#include <QAction>
#include <QScrollArea>
#include <QToolBar>
#include <QWidget>
#include <string>

#include "platform/canvas/canvas_render.h"

namespace norva {

class frmKutaiSunp : public QWidget {
  Q_OBJECT

 public:
  explicit frmKutaiSunp(QWidget* owner);
  ~frmKutaiSunp() override;

  QToolBar* tlbZoom = nullptr;
  QAction* ZOOMUP = nullptr;
  QAction* ZOOMDOWN = nullptr;
  QScrollArea* vseCanvas = nullptr;
  CanvasWidget* vsdCanvas = nullptr;

  // The toolbar's button with that key ("ZOOMUP"; any other key zooms out).
  void tlbZoom_ButtonClick(const QString& key);
  // Draws the active document again.
  void Refresh() { DrawSunpou(); }
  // Right edge on the owner's right edge, top on its top.
  void PlaceAtOwner();

  // Least client size (pixels at 96 dpi: 4560 x 5940 twips less the frame).
  static QSize LeastSize();

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  // The surface changed its size (with the window, at 100 %): draw again.
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void DrawSunpou();
  void ApplyZoom(double percent);
  std::string drawnKey_;  // the document drawn last
};

// The one view: created on the first request, shown again on the next ones.
frmKutaiSunp* ShowDimensionView(QWidget* owner);
// The view while it is open, else null.
frmKutaiSunp* DimensionView();
void RefreshDimensionView();
// Puts the view into the shell's registry.
void RegisterDimensionView();

}  // namespace norva
