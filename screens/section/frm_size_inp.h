#pragma once
// The standard-section catalogue search "図集検索": a wizard of steps for
// block, gravity and leaning walls, a list of every record for mixed walls.
// Finish writes the chosen section into the document; Cancel and the close
// box change nothing. The wall-section screen's ShowSizeInp opens it; no
// button or menu does.
//
// The footing guide table "基礎コンクリートの目安" (frmKisoSize) is a small
// window of fixed texts; nothing opens it either.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/control_array.h"
#include "platform/controls/list_view.h"
#include "platform/controls/page_stack.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/spread_grid.h"
#include "platform/controls/text_box.h"
#include "screens/section/catalogue.h"

namespace norva {

class CDocument;

// Where the catalogue files are read from: the program folder's "resource"
// folder unless a test names another one (with a trailing "/").
std::string CatalogueFolder();
void SetCatalogueFolder(const std::string& folder);

class frmSizeInp : public QDialog {
  Q_OBJECT

 public:
  explicit frmSizeInp(QWidget* owner = nullptr);
  ~frmSizeInp() override;

  void SetDoc(CDocument* doc) { doc_ = doc; }
  // Prepares the search of the document's wall type and reads its catalogue.
  void SetFormState();

  ControlArray<QPushButton> cmdNav{"cmdNav"};  // 1 cancel, 2 back, 3 next, 4 finish
  IndexTab* vstSearch = nullptr;
  IndexTab* vstBlock = nullptr;
  IndexTab* vstMtw = nullptr;
  IndexTab* vstGrw = nullptr;
  ControlArray<QLabel> lblCaption{"lblCaption"};
  ControlArray<PictureBox> picBlock{"picBlock"};
  ControlArray<PictureBox> picMtw{"picMtw"};
  ControlArray<PictureBox> picGrw{"picGrw"};
  QComboBox* cmbBlkKozo = nullptr;
  QComboBox* cmbBlkDeltB = nullptr;
  QComboBox* cmbBlkN = nullptr;
  QComboBox* cmbBlkUragome = nullptr;
  QComboBox* cmbBlkGam = nullptr;
  QComboBox* cmbBlkQ = nullptr;
  QComboBox* cmbMtwKiso = nullptr;
  QComboBox* cmbMtwUragome = nullptr;
  QComboBox* cmbMtwMorido = nullptr;
  QComboBox* cmbMtwN = nullptr;
  QComboBox* cmbMtwH = nullptr;
  QComboBox* cmbGrwUragome = nullptr;
  QComboBox* cmbGrwMorido = nullptr;
  QComboBox* cmbGrwN = nullptr;
  QComboBox* cmbGrwH = nullptr;
  TextArea* imtBlock = nullptr;
  TextArea* imtMtw = nullptr;
  TextArea* imtGrw = nullptr;
  QLabel* lblMxw = nullptr;
  ListView* lvMxw = nullptr;

  void cmdNav_Click(int index);
  // A pick in the list of step k of the shown search.
  void List_Click(int k, const QString& entry);
  // The lists of the shown search, by step.
  const std::vector<QComboBox*>& Lists() const;
  // The records read (empty before SetFormState or without a file).
  const std::vector<CatalogueRecord>& Records() const { return data_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  QWidget* StepPage(IndexTab* stack, ControlArray<PictureBox>& pics, int wallType, int step,
                    int captionIndex, const char* prompt, QWidget* input);
  QWidget* WizardPage(int wallType, IndexTab*& stack, ControlArray<PictureBox>& pics,
                      const std::vector<QComboBox*>& lists, TextArea* summary,
                      const std::vector<std::pair<int, const char*>>& prompts);
  QWidget* MixedPage();
  IndexTab* Steps() const;
  TextArea* SummaryBox() const;
  // Shows the wizard's lists, summary, page, buttons and caption.
  void Refresh();

  CDocument* doc_ = nullptr;
  int32_t type_ = -1;
  std::vector<CatalogueRecord> data_;
  std::unique_ptr<CatalogueWizard> wizard_;
  std::vector<QComboBox*> lists_[3];  // block, gravity, leaning
};

class frmKisoSize : public QDialog {
  Q_OBJECT

 public:
  explicit frmKisoSize(QWidget* owner = nullptr);
  SpreadGrid* vaSpread1 = nullptr;
  QLabel* lblHelp = nullptr;
  QPushButton* cmdApply = nullptr;
  QPushButton* cmdClose = nullptr;
};

}  // namespace norva
