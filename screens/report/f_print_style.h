#pragma once
// The report style dialog ("印刷書式の設定"): fonts of the eight style rows,
// page frame, margins, header and footer texts of a cPrintStyle. Every edit
// goes into the style object at once; "適用" writes the program's style file
// and the renderer's style sheet, "Cancel" writes nothing.
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <functional>
#include <string>

#include "platform/controls/control_array.h"
#include "platform/controls/number_box.h"
#include "platform/controls/option_array.h"
#include "platform/controls/text_box.h"

namespace norva {

class cPrintStyle;

class fPrintStyle : public QDialog {
  Q_OBJECT

 public:
  explicit fPrintStyle(QWidget* owner = nullptr);

  // The style being edited (not owned).
  void SetClas(cPrintStyle* style) { clas_ = style; }
  cPrintStyle* Clas() const { return clas_; }
  std::string pDocPath;

  // Fills every control from the style object.
  void ShowStyle();

  // Grid columns: 0 row title, 1 font name with "...", 2 size, 3 bold,
  // 4 italic, 5 underline; grid row r is style row r.
  QTableWidget* fgFont = nullptr;
  OptionArray* optFrame = nullptr;
  ControlArray<NumberBox> imMargn{"imMargn"};
  ControlArray<TextBox> imHeader{"imHeader"};
  ControlArray<TextBox> imFooter{"imFooter"};
  ControlArray<QPushButton> cmdStyle{"cmdStyle"};
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;
  QLabel* Picture1 = nullptr;

  // The common dialogs, replaceable by tests. Each returns false when
  // cancelled.
  std::function<bool(QFont& font, QWidget* owner)> chooseFont;
  std::function<bool(std::string& path, QWidget* owner)> openFile;
  std::function<bool(std::string& path, QWidget* owner)> saveFile;

  void FontButton_Click(int row);
  void cmdStyle_Click(int index);
  void cmdOK_Click();
  void cmdCancel_Click();
  // A grid cell edited by the user (size or check box columns).
  void CellEdited(int row, int column);

 private:
  void BuildGrid();
  void SetRowFont(int row);
  bool filling_ = false;
  cPrintStyle* clas_ = nullptr;
};

// cPrintStyle.ShowForm: the style of the folder docPath ("style.sty" there,
// read first; a message when it cannot be read) in the modal dialog.
void ShowPrintStyleForm(const std::string& docPath, QWidget* owner);

}  // namespace norva
