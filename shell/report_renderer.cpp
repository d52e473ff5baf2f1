#include "shell/report_renderer.h"

#include <QFileInfo>

#include "shell/shell_state.h"
#include "shell/startup.h"
#include "text/cp932.h"

namespace norva {

RavtekRenderer::RavtekRenderer(std::string folder) : folder_(std::move(folder)) {}

std::string RavtekRenderer::LibraryFile() const { return folder_ + "/libRavtek2.so"; }

bool RavtekRenderer::Load(std::string& error) {
  if (doPreview_) return true;
  const QString file = QString::fromStdString(LibraryFile());
  if (!QFileInfo::exists(file)) {
    error = "帳票出力ライブラリが見つかりません。\n" + LibraryFile();
    return false;
  }
  lib_.setFileName(file);
  if (!lib_.load()) {
    error = "帳票出力ライブラリを読み込めません。\n" + LibraryFile() + "\n(" +
            lib_.errorString().toStdString() + ")";
    return false;
  }
  doPreview_ = reinterpret_cast<DoPreviewFn>(lib_.resolve("DoPreview"));
  if (!doPreview_) {
    error = "帳票出力ライブラリに DoPreview がありません。\n" + LibraryFile();
    lib_.unload();
    return false;
  }
  return true;
}

bool RavtekRenderer::Render(int16_t mode, const std::string& markup, const std::string& stylePath,
                            const std::string& workDir, std::string& error) {
  if (!Load(error)) return false;
  // The library takes every text in code page 932; the printer record is
  // left to the renderer (null).
  const std::string style = Utf8ToCp932(stylePath);
  const std::string work = Utf8ToCp932(workDir);
  doPreview_(mode, 1, markup.c_str(), style.c_str(), work.c_str(), nullptr);
  return true;
}

IReportRenderer& ShellReportRenderer() {
  static RavtekRenderer renderer(ProgramFolder());
  return renderer;
}

ReportEnv ShellReportEnv() {
  return ReportEnv{PrnWorkDir, PrnStyleDir, ProgramFolder(), &ShellReportRenderer()};
}

}  // namespace norva
