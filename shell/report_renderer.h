#pragma once
// The report renderer of the program: the library Ravtek2, loaded by name
// from the program's folder at its first use, and the report environment of
// the running program (work folder, style folder, program folder).
#include <QLibrary>
#include <string>

#include "report/driver/report_renderer.h"

namespace norva {

class RavtekRenderer final : public IReportRenderer {
 public:
  // folder: where the library is looked for.
  explicit RavtekRenderer(std::string folder);

  // Loads the library (once) and calls its DoPreview. False with a message
  // naming the library file when it cannot be loaded or lacks DoPreview.
  bool Render(int16_t mode, const std::string& markup, const std::string& stylePath,
              const std::string& workDir, std::string& error) override;

  // Loads the library without rendering. True when DoPreview is available.
  bool Load(std::string& error);
  // The library file looked for (folder + "/libRavtek2.so").
  std::string LibraryFile() const;

 private:
  using DoPreviewFn = int32_t (*)(int32_t, int32_t, const char*, const char*, const char*,
                                  const void*);
  std::string folder_;
  QLibrary lib_;
  DoPreviewFn doPreview_ = nullptr;
};

// The program's renderer, from ProgramFolder().
IReportRenderer& ShellReportRenderer();
// PrnWorkDir, PrnStyleDir, ProgramFolder() and ShellReportRenderer().
ReportEnv ShellReportEnv();

}  // namespace norva
