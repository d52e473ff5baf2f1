#include "shell/startup.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QLockFile>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QThread>
#include <QTranslator>
#include <algorithm>
#include <memory>

#include "calc/earth_pressure/coulomb.h"
#include "document/document.h"
#include "document/document_collection.h"
#include "document/paths.h"
#include "document/temp_files.h"
#include "drawing/backends/qt_picture_saver.h"
#include "platform/qt/app_core.h"
#include "platform/qt/recent_file_list.h"
#include "shell/file_commands.h"
#include "shell/main_window.h"
#include "shell/nav_bar.h"
#include "shell/program_icon.h"
#include "shell/qt_message_sink.h"
#include "shell/shell_state.h"
#include "shell/small_windows.h"

namespace norva {
namespace {

constexpr int kSplashMillis = 2500;
constexpr int kMaxArgs = 10;

void SnapshotDefaultPrinter() {
  const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
  if (all.isEmpty()) return;
  QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) info = all.first();
  QPrinter p(info);
  PrinterSettingsRec& r = gPrinterSettings;
  r.Collate = 0;
  r.ColorMode = std::max(1, p.colorMode() == QPrinter::Color ? 2 : 1);
  r.Copies = std::max(1, p.copyCount());
  int duplex = 1;
  switch (p.duplex()) {
    case QPrinter::DuplexLongSide:
    case QPrinter::DuplexAuto:
      duplex = 2;
      break;
    case QPrinter::DuplexShortSide:
      duplex = 3;
      break;
    default:
      duplex = 1;
      break;
  }
  r.Duplex = duplex;
  r.Orientation = p.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
  r.PaperBin = 0;
  r.PaperSize = p.pageLayout().pageSize().id() == QPageSize::A3 ? 8 : 9;
  r.PrintQuality = 0;
  r.DeviceName = info.printerName().toStdString();
  r.Port.clear();
  r.DriverName = info.makeAndModel().toStdString();
}

}  // namespace

std::string ProgramFolder() {
  return QCoreApplication::instance() ? QCoreApplication::applicationDirPath().toStdString()
                                      : std::string();
}

std::string AlreadyRunningMessage() {
  // The comment of the program's version information is its product name.
  return "既にノルヴァが起動しています。\n同時に複数起動する事は出来ません。";
}

bool InstallQtJapanese() {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return false;
  static QPointer<QTranslator> installed;  // goes with the application
  if (installed) return true;
  auto* qt = new QTranslator(app);
  if (!qt->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete qt;
    return false;
  }
  QCoreApplication::installTranslator(qt);
  installed = qt;
  return true;
}

std::vector<std::string> ParseCommandLine(const std::string& line, int maxArgs) {
  std::vector<std::string> args(1);
  bool inside = false;
  int n = 0;
  for (char c : line) {
    if (!inside) {
      if (c == ' ' || c == '\t') continue;
      if (n == maxArgs) break;
      ++n;
      inside = true;
      args.emplace_back();
      if (c != '"') args.back() += c;
    } else if (c == '"') {
      inside = false;
    } else {
      args.back() += c;
    }
  }
  return args;
}

std::vector<std::string> ExistingFileArguments(const std::vector<std::string>& args, int maxArgs) {
  std::vector<std::string> files;
  const size_t n = std::min(args.size(), static_cast<size_t>(std::max(0, maxArgs)));
  for (size_t i = 0; i < n; ++i) {
    const QFileInfo fi(QString::fromStdString(args[i]));
    if (fi.isFile()) files.push_back(fi.absoluteFilePath().toStdString());
  }
  return files;
}

std::string PrepareWorkFolder() {
  const std::string dir = PrivateWorkFolder();
  DeleteFolderTree(dir, false);
  return dir;
}

void PrepareStyleFolder(const std::string& styleDir, const std::string& programDir) {
  QDir().mkpath(QString::fromStdString(styleDir));
  // The user's report style and its style sheet live together here.
  for (const char* name : {"/style.dat", "/style.sty"}) {
    const QString target = QString::fromStdString(styleDir) + name;
    const QString source = QString::fromStdString(programDir) + name;
    if (!QFileInfo::exists(target) && QFileInfo::exists(source)) QFile::copy(source, target);
  }
}

void AppShutdown() {
  mdiMain* m = MainWindow();
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != m && w->isVisible()) w->close();
  if (!PrnWorkDir.empty() && PathExistsNoFollow(PrnWorkDir)) DeleteFolderTree(PrnWorkDir, true);
  if (auto core = GetAppCore()) core->SaveStdProfileSettings();
  gAppCore.reset();
}

int NorvaMain(int argc, char* argv[], const std::function<void()>& registerWindows) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("TAQ");
  QApplication::setApplicationName(kProgramTitle);
  QApplication::setWindowIcon(ProgramIcon());
  SetMessageSink(&QtSink());
  // The program speaks Japanese; without Qt's translations its dialogs stay usable in English.
  InstallQtJapanese();
  RegisterQtPictureSaver();
  if (registerWindows) registerWindows();

  QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (runtime.isEmpty()) runtime = QDir::tempPath();
  QLockFile lock(runtime + "/" + kProgramTitle + ".lock");
  if (!lock.tryLock(0)) {
    Ask(AlreadyRunningMessage(), MsgIcon::Information, MsgButtons::Ok);
    return 0;
  }
  QApplication::processEvents();

  try {
    PrnWorkDir = PrepareWorkFolder();
  } catch (const TempFileError& e) {
    Ask(std::string("作業フォルダを作成できません。\n(") + e.what() + ")", MsgIcon::Critical,
        MsgButtons::Ok);
    return 1;
  }
  PrnStyleDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
  PrepareStyleFolder(PrnStyleDir, ProgramFolder());
  SnapshotDefaultPrinter();

  gAppCore = std::make_shared<CAppCore>();
  gAppCore->Initialize(kProgramTitle);
  gAppCore->SetRegistryKey("TAQ");

  auto* splash = new frmSplash;
  splash->setAttribute(Qt::WA_DeleteOnClose);
  splash->cmdOK->hide();
  splash->show();
  QPointer<frmSplash> splashRef(splash);
  QApplication::processEvents();
  QElapsedTimer t0;
  t0.start();

  mdiMain main;
  SetMainWindow(&main);
  QtSink().SetOwner(&main);

  gNavLock = false;
  bJyousaiCalc = true;
  ReleaseAllDocuments();

  gAppCore->LoadStdProfileSettings(5);
  for (int16_t i = 0; i <= 5; ++i) gAppCore->RecentMenu(i, main.mnuRecent[i]);
  gAppCore->m_pRecentFileList->ToolbarMenu(main.openMenu);
  gAppCore->RecentMenuUpdate();

  while (t0.elapsed() < kSplashMillis) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(10);
  }
  if (splashRef) splashRef->close();
  main.ShowAtStart();
  // The bar goes into the document area once the window has its layout.
  QApplication::processEvents();
  main.nav->show();
  main.nav->PlaceAtOwner();
  QApplication::processEvents();

  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(QString::fromLocal8Bit(argv[i]).toStdString());
  const std::vector<std::string> files = ExistingFileArguments(args, kMaxArgs);
  if (files.empty()) {
    main.mnuFile_Click(0);
  } else {
    for (const std::string& f : files) {
      try {
        OpenDocumentFile(f);
      } catch (const std::exception& e) {
        Ask(std::string("ファイルを開けません。\n(") + e.what() + ")", MsgIcon::Warning,
            MsgButtons::Ok);
      }
    }
  }
  const int rc = QApplication::exec();
  if (!main.shutDown()) AppShutdown();
  SetMainWindow(nullptr);
  QtSink().SetOwner(nullptr);
  return rc;
}

}  // namespace norva
