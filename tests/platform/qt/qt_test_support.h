#pragma once
// One QApplication for all widget tests, and the input helpers.
#include <QApplication>

#include "platform/qt/input_events.h"

namespace norva::test {

inline QApplication& App() {
  static int argc = 1;
  static char name[] = "test_platform";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

}  // namespace norva::test
