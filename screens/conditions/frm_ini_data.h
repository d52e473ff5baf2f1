#pragma once
// frmIniData, "設計初期条件": the design guideline, title, earth-pressure
// formula and wall type of a new design (with the read-from-file button) or
// of the active one. Accepting writes the guideline's defaults into the
// document (ApplyIniData); the caller copies the four conditions.
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <cstdint>
#include <string>

#include "document/ref_ini_data.h"
#include "platform/controls/option_array.h"
#include "platform/controls/text_box.h"

namespace norva {

class CDocument;

// A "graphical" option button: a push button face with a picture and the
// caption under it, pressed in while selected.
class PictureOption : public QRadioButton {
  Q_OBJECT
 public:
  PictureOption(const QString& caption, const QString& picture, QWidget* parent);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* e) override;
  bool hitButton(const QPoint& pos) const override;

 private:
  QPixmap picture_;
};

class frmIniData : public QDialog {
  Q_OBJECT

 public:
  explicit frmIniData(QWidget* owner);

  // Fields the caller sets before InitDataSet and reads after the dialog.
  std::string Title;
  int32_t Sisin = 0;
  int32_t WallType = 0;
  int32_t Doatsu = 0;
  int16_t EndState = 0;  // 0 cancelled, 1 accepted, 2 accepted after a recent-file template
  CDocument* Doc = nullptr;

  // Shows the fields in the controls; selecting the guideline applies its locks.
  void InitDataSet();
  // The read-from-file button, shown for a new document only.
  void SetOpenVisible(bool on);

  QGroupBox* fraKijyun = nullptr;
  OptionArray* optKijyun = nullptr;
  QGroupBox* fraTitle = nullptr;
  TextBox* imtTitle = nullptr;
  QGroupBox* fraDotsu = nullptr;
  OptionArray* optDoatsu = nullptr;
  QGroupBox* fraWallType = nullptr;
  OptionArray* optWallType = nullptr;
  QWidget* picOpen = nullptr;
  QPushButton* cmdOpen = nullptr;
  QPushButton* cmdOk = nullptr;
  QPushButton* cmdCancel = nullptr;
  QFrame* lnSep[2] = {nullptr, nullptr};

  void cmdOpen_Click();
  void cmdOk_Click();
  void cmdCancel_Click();

 public slots:
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void optKijyun_Click(int index);
  bool fromRecent_ = false;
};

// The read-from-file button of the initial-conditions dialog: the open-file
// dialog with the recent files, then the template read into doc. Returns
// RefIniData's result (0 nothing read, 1 browsed, 2 + i recent entry i) and,
// on success, the four conditions read.
int16_t ReadIniTemplate(CDocument& doc, IniDataFields& read);

// The registered initial-conditions window: runs frmIniData modal over owner
// with the document's fields; returns EndState and, when accepted, the chosen
// conditions in fields.
int16_t RunIniData(CDocument& doc, IniDataFields& fields, bool showOpen, QWidget* owner);

}  // namespace norva
