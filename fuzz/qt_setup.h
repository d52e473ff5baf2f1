#pragma once
// One application object for the renderer targets (fonts need it), on the
// offscreen platform so no display is needed; the renderer's messages are
// dropped instead of waiting in a message box.
#include <QApplication>
#include <cstdlib>
#include <string>

#include "renderer/render_hooks.h"

namespace norva_fuzz {

inline void StartQt(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QApplication* app = new QApplication(*argc, *argv);
  (void)app;
  norva::SetRendererMessageHandler([](const std::string&) {});
}

}  // namespace norva_fuzz
