// One QApplication for every renderer test (fonts, pictures, windows).
#include <gtest/gtest.h>

#include <QApplication>

namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (!QApplication::instance()) {
      static int argc = 1;
      static char name[] = "test_renderer";
      static char* argv[] = {name, nullptr};
      app_ = new QApplication(argc, argv);
    }
  }

 private:
  QApplication* app_ = nullptr;
};

[[maybe_unused]] auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
