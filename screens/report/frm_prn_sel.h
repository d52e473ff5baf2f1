#pragma once
// The report selection dialog: recalculates the document for every chapter
// that can be reported, lets the user choose chapters and load cases (kept in
// PrnSel()), offers the report style, and on "出力実行" runs the report
// driver in its mode.
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <array>
#include <cstdint>
#include <functional>

#include "platform/controls/control_array.h"
#include "report/driver/report_renderer.h"
#include "report/driver/report_selection.h"

namespace norva {

class CDocument;

class frmPrnSel : public QDialog {
  Q_OBJECT

 public:
  explicit frmPrnSel(QWidget* owner = nullptr);

  // Doc set: clears the chapter flags, recreates the case flags (when the
  // document has cases), recalculates and lists the cases of each chapter
  // that can be chosen, then ticks every enabled chapter and case.
  void SetDoc(CDocument& doc);
  // 0 print, 1 preview, 2 word processor; the caption follows.
  void SetMode(int16_t n);
  int16_t Mode() const { return mode_; }

  // Where the report goes (the program's renderer and folders by default).
  void SetReportEnv(const ReportEnv& env) { env_ = env; }
  // The stability calculation run before the stability cases are listed;
  // false when it could not run (its results are then not offered).
  std::function<bool(CDocument&)> stabilityRun;
  // Opens the report style dialog for a style folder.
  std::function<void(const std::string& styleDir, QWidget* owner)> styleDialog;

  // One chapter with cases: its frame, check box, case list and two list
  // buttons ("全選択", "全解除").
  struct Chapter {
    QGroupBox* fra = nullptr;
    QCheckBox* chk = nullptr;
    QListWidget* ls = nullptr;
    ControlArray<QPushButton>* sel = nullptr;
    int16_t ReportSelection::*flag = nullptr;
    CaseFlags ReportSelection::*cases = nullptr;
  };
  enum { kAnt, kWall, kFoot, kTokki };

  QCheckBox* chkInpdata = nullptr;
  std::array<Chapter, 4> chapters;
  ControlArray<QPushButton> cmdAntSel{"cmdAntSel"};
  ControlArray<QPushButton> cmdWalSel{"cmdWalSel"};
  ControlArray<QPushButton> cmdFotSel{"cmdFotSel"};
  ControlArray<QPushButton> cmdTokSel{"cmdTokSel"};
  ControlArray<QPushButton> cmdAllSel{"cmdAllSel"};
  QPushButton* cmdPrnStyle = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;

  void cmdAllSel_Click(int index);
  void ChapterSel_Click(int chapter, int index);
  void cmdOK_Click();
  void cmdCancel_Click();
  void cmdPrnStyle_Click();

 private:
  void BuildChapter(int c, const char* fra, const char* chk, const char* ls, const char* caption,
                    ControlArray<QPushButton>& sel, int16_t ReportSelection::*flag,
                    CaseFlags ReportSelection::*cases);
  void FillCases(QListWidget* ls);
  void SetSelState();

  CDocument* doc_ = nullptr;
  int16_t mode_ = 1;
  ReportEnv env_;
};

// Opens the dialog over owner for doc in mode and runs it (the shell's
// report command).
void ShowReportDialog(CDocument& doc, int16_t mode, QWidget* owner);

}  // namespace norva
