// The library's C entry point never lets an exception out: a failure injected
// inside a run (thrown from the renderer's message handler, as any step of the
// layout could throw) ends that run with the error result and a message, and
// the host program goes on, able to run the next report.
#include <gtest/gtest.h>

#include <QFile>
#include <stdexcept>
#include <string>
#include <vector>

#include "renderer/printer_settings.h"
#include "renderer/render_hooks.h"
#include "test_folder.h"

extern "C" int32_t DoPreview(int32_t mode, int32_t showProgress, const char* text,
                             const char* stylePath, const char* workDir, const void* printerRecord);

namespace norva {
namespace {

TEST(DoPreviewGuard, AFailureInsideARunReturnsTheErrorResultAndTheHostGoesOn) {
  TestFolder folder;
  ASSERT_TRUE(folder.Valid());
  const std::string work = folder.Path();
  const struct {
    const char* name;
    void (*raise)();
    const char* message;
  } failures[] = {
      {"std::exception", [] { throw std::runtime_error("injected failure"); },
       "帳票の作成中にエラーが発生したため、中止しました。\n(injected failure)"},
      {"anything else", [] { throw 42; }, "帳票の作成中にエラーが発生したため、中止しました。"},
  };
  for (const auto& f : failures) {
    SCOPED_TRACE(f.name);
    std::vector<std::string> shown;
    SetRendererMessageHandler([&shown, raise = f.raise](const std::string& text) {
      shown.push_back(text);
      if (text == "PRE TAG ERROR!") raise();  // a pre block inside a pre block
    });
    const std::string pdf = folder.File(std::string("failed_") + f.name + ".pdf");
    PrinterSettingsRec printer{};
    printer.DeviceName = pdf.c_str();
    printer.Orientation = 1;
    EXPECT_EQ(DoPreview(0, 0, "A<pre>B<pre>C</pre></pre>", "", work.c_str(), &printer), -1);
    EXPECT_EQ(shown, (std::vector<std::string>{"PRE TAG ERROR!", f.message}));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));  // nothing printed

    // The next run is not refused as still running, and prints.
    shown.clear();
    SetRendererMessageHandler([&shown](const std::string& text) { shown.push_back(text); });
    const std::string next = folder.File(std::string("next_") + f.name + ".pdf");
    printer.DeviceName = next.c_str();
    EXPECT_EQ(DoPreview(0, 0, "A<br>B", "", work.c_str(), &printer), 0);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(next)));
    EXPECT_TRUE(shown.empty());
  }
  SetRendererMessageHandler(nullptr);
}

}  // namespace
}  // namespace norva
