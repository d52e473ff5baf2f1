#pragma once
// The report renderer as the core sees it: the program hands it the whole
// markup text and it previews, prints or exports it, returning when its window
// closes. The program's implementation loads the renderer library by name
// (shell/report_renderer.h); tests record the call.
#include <cstdint>
#include <string>

namespace norva {

class IReportRenderer {
 public:
  virtual ~IReportRenderer() = default;
  // mode 0 print, 1 preview, 2 word processor; markup is the report text in
  // CP932 bytes; stylePath the full path of "style.dat"; workDir the work
  // folder (where the renderer writes its RTF file). Paths are UTF-8.
  // Returns true when the renderer ran; false, with a message for the user
  // naming the file in `error`, when it could not be used at all.
  virtual bool Render(int16_t mode, const std::string& markup, const std::string& stylePath,
                      const std::string& workDir, std::string& error) = 0;
};

// Where a report run reads and writes, and who renders it.
struct ReportEnv {
  std::string workDir;     // report file, figures, the renderer's RTF files
  std::string styleDir;    // "style.dat" (and "style.sty")
  std::string programDir;  // shipped figures under programDir + "/resource"
  IReportRenderer* renderer = nullptr;
};

}  // namespace norva
