#include "renderer/preview_run.h"

#include <QApplication>
#include <string>

#include "renderer/markup_renderer.h"
#include "renderer/preview_dlg.h"
#include "text/cp932.h"

namespace norva {

namespace {

bool g_running = false;

// A host without a QApplication still gets its windows.
bool EnsureApplication() {
  if (QCoreApplication::instance())
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
  static int argc = 1;
  static char name[] = "Ravtek2";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);  // lives as long as the process
  return true;
}

}  // namespace

int32_t RunDoPreview(int32_t mode, int32_t showProgress, const char* text, const char* styleSheet,
                     const char* workFolder, const PrinterSettingsRec* printer) {
  // The run's state is shared by its passes: a second run started from the
  // window events of the first would overwrite it.
  if (g_running || !EnsureApplication()) return 0;
  g_running = true;
  struct Reset {
    ~Reset() { g_running = false; }
  } reset;

  RenderRun run;  // defaults of the page, the empty style table, zeroed counters
  run.workFolder = workFolder ? workFolder : "";
  if (styleSheet && *styleSheet) {
    std::string path = Cp932ToUtf8(styleSheet);
    for (char& c : path) {
      if (c == '\\') c = '/';
    }
    ReadStyleSheet(path, run.sheet);
  }
  const std::string markup = text ? text : "";
  CPreviewDlg dialog(mode, showProgress, markup, run, printer);
  dialog.OnInitDialog();
  dialog.RunModal();
  return 0;
}

}  // namespace norva
