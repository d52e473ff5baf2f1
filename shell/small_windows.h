#pragma once
// The splash, version and help windows.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QWidget>
#include <string>

namespace norva {

// "Version 4.0.0".
QString VersionText();
// The product name in three overlaid labels (blue, light grey, grey).
void AddShadowTitle(QWidget* parent, int left, int top, int pointSize);

class frmSplash : public QWidget {
  Q_OBJECT
 public:
  frmSplash();
  QLabel* lblVersion = nullptr;
  QPushButton* cmdOK = nullptr;
  QTimer* Timer1 = nullptr;

 protected:
  void changeEvent(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
};

class frmAbout : public QDialog {
  Q_OBJECT
 public:
  explicit frmAbout(QWidget* owner);
  QLabel* lblVersion = nullptr;
  QLabel* lblWinVer = nullptr;
  QLabel* lblTotalPhys = nullptr;
  QLabel* lblAvailPhys = nullptr;
  QPushButton* cmdOK = nullptr;
};

// "合計物理メモリ　　：" / "使用可能物理メモリ：" lines: kilobytes right-aligned
// to seven characters, then " KB".
QString MemoryLine(const QString& label, double kilobytes);
// MemTotal and MemAvailable of /proc/meminfo in kilobytes (0 when unknown).
void ReadMemory(double& totalKb, double& availKb);

class frmHelp : public QWidget {
  Q_OBJECT
 public:
  frmHelp();
  QTextBrowser* wbrHelp = nullptr;
  QPushButton* cmdClose = nullptr;
  // Shows the page at the address and keeps it.
  void SetAddress(const QString& address);
  QString Address() const { return address_; }

 private:
  QString address_;
};

// The explanatory picture of the angles of the passive earth pressure. The
// calculator that opens it creates it, shows it modal and releases it. The
// figure is "resource/DeltaHelp.svg" of the program folder.
class frmDeltaHelp : public QDialog {
  Q_OBJECT
 public:
  explicit frmDeltaHelp(QWidget* owner);
  QWidget* picDelta = nullptr;
  QLabel* lblNote = nullptr;
  QPushButton* cmdClose = nullptr;
};

// The one help window, created on first use, showing program folder + page
// (e.g. "/help/antei.htm"), in front.
frmHelp* ShowHelpPage(const QString& page);

}  // namespace norva
