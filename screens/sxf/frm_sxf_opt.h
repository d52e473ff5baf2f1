#pragma once
// "SXF出力選択": the output folder, the parts of the file name and the file
// form of the drawing sheet's SXF file. Nothing here checks the fields; a
// folder or name that cannot be written shows when the file is opened.
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <cstdint>
#include <functional>

#include "drawing/base/sxf_library.h"
#include "platform/controls/control_array.h"
#include "platform/controls/number_box.h"

namespace norva {

class frmSxfOpt : public QDialog {
  Q_OBJECT

 public:
  explicit frmSxfOpt(QWidget* owner = nullptr);

  // Life cycle, serial, drawing type, number ("000"), revision, ".", extension.
  QString FileName() const;
  QString FilePath() const;
  void SetFilePath(const QString& folder);
  // 1 for the p21 form, 0 for sfc.
  int16_t FileType() const;
  // 0 after OK, 1 after cancel (or the close box).
  int16_t nEndState = 0;

  QGroupBox* fraFileType = nullptr;
  ControlArray<QRadioButton> optFileType{"optFileType"};
  QGroupBox* fraFileName = nullptr;
  ControlArray<QComboBox> cmbFileName{"cmbFileName"};
  ControlArray<QLineEdit> imtFileName{"imtFileName"};
  NumberBox* imnFileName = nullptr;
  QLineEdit* imtFileExt = nullptr;
  ControlArray<QLabel> lblFileName{"lblFileName"};
  QGroupBox* fraFolder = nullptr;
  QLineEdit* imtFolder = nullptr;
  QPushButton* cmdFolder = nullptr;
  QPushButton* cmdOk = nullptr;
  QPushButton* cmdCancel = nullptr;

  void optFileType_Click(int index);
  void cmdFolder_Click();
  // The folder picker; replaced in tests. Returns "" when cancelled.
  std::function<QString(QWidget* owner)> browseFolder;

 protected:
  void reject() override;
};

// Puts the sheet preview's "SXFﾌｧｲﾙ出力" in service, writing through
// `library`. A sheet written whole is confirmed with the file's path.
void RegisterSxfOutput(ISxfLibrary& library = SorvelLibrary());

}  // namespace norva
