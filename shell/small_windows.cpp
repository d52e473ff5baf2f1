#include "shell/small_windows.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QSvgRenderer>
#include <QUrl>
#include <QVBoxLayout>

#include "document/document.h"
#include "document/report_format.h"
#include "shell/command_state.h"

namespace norva {

QString VersionText() {
  return QStringLiteral("Version %1.%2.%3")
      .arg(NORVA_VERSION_MAJOR)
      .arg(NORVA_VERSION_MINOR)
      .arg(NORVA_VERSION_REVISION);
}

void AddShadowTitle(QWidget* parent, int left, int top, int pointSize) {
  static const char* const kColors[3] = {"#0000ff", "#c0c0c0", "#808080"};
  static const int kOffsets[3][2] = {{0, 0}, {2, 2}, {3, 3}};
  QLabel* labels[3];
  for (int i = 0; i < 3; ++i) {
    labels[i] = new QLabel(QStringLiteral("ノルヴァ"), parent);
    labels[i]->setObjectName(QStringLiteral("lblTitle[%1]").arg(i));
    QFont f(QStringLiteral("IPAGothic"));
    f.setPointSize(pointSize);
    f.setBold(true);
    labels[i]->setFont(f);
    labels[i]->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(kColors[i]));
    labels[i]->adjustSize();
    labels[i]->move(left + kOffsets[i][0], top + kOffsets[i][1]);
  }
  // The blue one in front of its two shadows.
  labels[1]->raise();
  labels[0]->raise();
}

frmSplash::frmSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName("frmSplash");
  setFixedSize(420, 220);
  setStyleSheet(QStringLiteral("frmSplash, QWidget#frmSplash { background: #f4f6fb; }"));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(0xf4, 0xf6, 0xfb));
  setPalette(pal);
  AddShadowTitle(this, 40, 40, 36);
  auto* sub = new QLabel(QStringLiteral("重力式擁壁の設計計算"), this);
  sub->move(44, 120);
  lblVersion = new QLabel(VersionText(), this);
  lblVersion->setObjectName("lblVersion");
  lblVersion->move(44, 150);
  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName("cmdOK");
  cmdOK->move(320, 170);
  connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(2000);
  Timer1->setSingleShot(true);
  connect(Timer1, &QTimer::timeout, this, &QWidget::close);
  Timer1->start();
}

void frmSplash::changeEvent(QEvent* e) {
  if (e->type() == QEvent::ActivationChange && isActiveWindow()) Timer1->stop();
  QWidget::changeEvent(e);
}

void frmSplash::keyPressEvent(QKeyEvent*) { close(); }

QString MemoryLine(const QString& label, double kilobytes) {
  return label + QString::fromStdString(FormatNum(kilobytes, "######0", "")) + " KB";
}

void ReadMemory(double& totalKb, double& availKb) {
  totalKb = availKb = 0;
  QFile f(QStringLiteral("/proc/meminfo"));
  if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return;
  // /proc files report no size, so read until the end rather than test atEnd.
  const QStringList lines = QString::fromLatin1(f.readAll()).split('\n');
  for (const QString& line : lines) {
    const QStringList parts = line.simplified().split(' ');
    if (parts.size() < 2) continue;
    if (parts[0] == "MemTotal:") totalKb = parts[1].toDouble();
    if (parts[0] == "MemAvailable:") availKb = parts[1].toDouble();
  }
}

frmAbout::frmAbout(QWidget* owner) : QDialog(owner) {
  setObjectName("frmAbout");
  setWindowTitle(QStringLiteral("NorvaV4のﾊﾞｰｼﾞｮﾝ情報"));
  setFixedSize(460, 260);
  AddShadowTitle(this, 24, 16, 28);
  lblVersion = new QLabel(VersionText(), this);
  lblVersion->setObjectName("lblVersion");
  lblVersion->move(28, 90);
  lblWinVer = new QLabel(QString::fromStdString(GetWindowsVersionText()), this);
  lblWinVer->setObjectName("lblWinVer");
  lblWinVer->move(28, 120);
  double total = 0, avail = 0;
  ReadMemory(total, avail);
  QFont mono(QStringLiteral("IPAGothic"));
  lblTotalPhys = new QLabel(MemoryLine(QStringLiteral("合計物理メモリ　　："), total), this);
  lblTotalPhys->setObjectName("lblTotalPhys");
  lblTotalPhys->setFont(mono);
  lblTotalPhys->move(28, 150);
  lblAvailPhys = new QLabel(MemoryLine(QStringLiteral("使用可能物理メモリ："), avail), this);
  lblAvailPhys->setObjectName("lblAvailPhys");
  lblAvailPhys->setFont(mono);
  lblAvailPhys->move(28, 175);
  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName("cmdOK");
  cmdOK->move(360, 215);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

namespace {
// A picture drawn from an SVG file, scaled to the widget with its proportions.
class SvgPicture final : public QWidget {
 public:
  explicit SvgPicture(QWidget* parent) : QWidget(parent) {}
  QSvgRenderer renderer;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!renderer.isValid()) return;
    QPainter p(this);
    QSizeF size = renderer.defaultSize();
    size.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
    renderer.render(
        &p, QRectF(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size));
  }
};
}  // namespace

frmDeltaHelp::frmDeltaHelp(QWidget* owner) : QDialog(owner) {
  setObjectName("frmDeltaHelp");
  setWindowTitle(QStringLiteral("【参考】受働土圧各種角度について"));
  auto* lay = new QVBoxLayout(this);
  auto* frame = new QFrame(this);
  frame->setObjectName("fraDelta");
  frame->setFrameShape(QFrame::Box);
  auto* frameLay = new QVBoxLayout(frame);
  const QString figure = QApplication::applicationDirPath() + "/resource/DeltaHelp.svg";
  auto* svg = new SvgPicture(frame);
  if (QFileInfo::exists(figure)) svg->renderer.load(figure);
  svg->setMinimumSize(360, 300);
  picDelta = svg;
  picDelta->setObjectName("picDelta");
  frameLay->addWidget(picDelta, 1);
  lblNote = new QLabel(QStringLiteral("Ｎ－Ｎ：壁面に垂直な面"), frame);
  lblNote->setObjectName("lblNote");
  frameLay->addWidget(lblNote);
  lay->addWidget(frame, 1);
  auto* strip = new QHBoxLayout;
  strip->addStretch(1);
  cmdClose = new QPushButton(QStringLiteral("閉じる"), this);
  cmdClose->setObjectName("cmdClose");
  strip->addWidget(cmdClose);
  lay->addLayout(strip);
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

frmHelp::frmHelp() : QWidget(nullptr) {
  setObjectName("frmHelp");
  setWindowTitle(QStringLiteral("NorvaV4"));
  auto* lay = new QVBoxLayout(this);
  wbrHelp = new QTextBrowser(this);
  wbrHelp->setObjectName("wbrHelp");
  lay->addWidget(wbrHelp, 1);
  auto* strip = new QHBoxLayout;
  strip->addStretch(1);
  cmdClose = new QPushButton(QStringLiteral("閉じる(&C)"), this);
  cmdClose->setObjectName("cmdClose");
  strip->addWidget(cmdClose);
  lay->addLayout(strip);
  resize(520, 600);
  connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
  connect(wbrHelp, &QTextBrowser::sourceChanged, this,
          [this] { setWindowTitle(QStringLiteral("NorvaV4 - ") + wbrHelp->documentTitle()); });
  if (QScreen* s = QGuiApplication::primaryScreen())
    move(s->availableGeometry().right() - width() - 5, s->availableGeometry().top() + 10);
}

void frmHelp::SetAddress(const QString& address) {
  address_ = address;
  wbrHelp->setSource(QUrl::fromLocalFile(address));
  setWindowTitle(QStringLiteral("NorvaV4 - ") + wbrHelp->documentTitle());
}

frmHelp* ShowHelpPage(const QString& page) {
  static QPointer<frmHelp> help;
  if (!help) {
    help = new frmHelp;
    help->setAttribute(Qt::WA_DeleteOnClose);
  }
  help->SetAddress(QApplication::applicationDirPath() + page);
  help->show();
  help->raise();
  return help.data();
}

}  // namespace norva
