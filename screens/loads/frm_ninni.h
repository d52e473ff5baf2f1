#pragma once
// The arbitrary-load editor "任意荷重" and its name dialog "任意荷重の追加".
//
// Edits go into the document's loads as they are made. The editor takes a
// copy of every load and of every load case's switches when it receives the
// document: "キャンセル" puts both back; "OK" and the close box keep the
// edits. Deleting a load drops its switch from every case, so each case
// still acts on the same loads afterwards.
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <string>

#include "platform/controls/control_array.h"
#include "platform/controls/spread_grid.h"
#include "platform/controls/text_box.h"
#include "screens/loads/load_dialogs.h"
#include "screens/loads/name_dialog.h"
#include "screens/loads/nini_rules.h"

namespace norva {

class CDocument;

class frmNinni : public QDialog {
  Q_OBJECT

 public:
  explicit frmNinni(QWidget* owner = nullptr);
  void SetDoc(CDocument* doc);

  ControlArray<QGroupBox> fraNini{"fraNini"};
  QLabel* lblNini = nullptr;
  QComboBox* cmbNiniNo = nullptr;
  ControlArray<QPushButton> cmdNini{"cmdNini"};
  TextBox* imtNini = nullptr;
  QLabel* lblNiniName = nullptr;
  QLabel* lblNiniType = nullptr;
  QComboBox* cmbNiniType = nullptr;
  QLabel* lblCalType = nullptr;
  QListWidget* lsCalType = nullptr;
  SpreadGrid* vsNini = nullptr;
  ControlArray<QLabel> lblNotice{"lblNotice"};
  FigureCanvas* vsdNini = nullptr;
  QPushButton* cmdApply = nullptr;
  QPushButton* cmdCancel = nullptr;

  // How the name of a new load is asked: returns 1 with the name, or 0
  // (the name dialog by default).
  std::function<int(QWidget* owner, std::string* name)> askName;

  void cmdNini_Click(int index);
  void cmdCancel_Click();
  // The close box keeps the edits, as OK does.
  void reject() override;

 private:
  enum class Field { kName, kKind, kTargets, kGrid };
  void SetNiniState(bool on);
  void StoreNini(Field field);
  void ShowKindColumns(int kind);
  void FillNumberList();
  void cmbNiniNo_Click();
  void cmbNiniType_Click();
  void DrawNiniDiagram();

  CDocument* m_cDoc = nullptr;
  NiniSnapshot kept_;
};

// The name of a new arbitrary load; "追加" waits for a name.
class frmAddNinni : public NameDialog {
  Q_OBJECT

 public:
  explicit frmAddNinni(QWidget* owner = nullptr);
  std::string NinniName() const { return name_; }

  void cmdAdd_Click() override;
};

// Shows frmAddNinni modal; returns its nEndState and, for 1, the name.
int RunAddNinni(QWidget* owner, std::string* name);

}  // namespace norva
