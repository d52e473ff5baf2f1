#pragma once
// What the markup renderer talks to besides the page composer: the RTF
// writer, the progress window and the user (its two error messages).
#include <functional>
#include <memory>
#include <string>

namespace norva {

class CTableRenderer;

// The RTF copy of the report. The RTF writer implements it; the text flow
// calls it only in the top-level pass.
class IRtfSink {
 public:
  virtual ~IRtfSink() = default;
  // count bytes of CP932 text; CR ends a paragraph, LF is dropped.
  virtual void WriteText(int count, const char* buffer) = 0;
  // A paragraph style by name; nullptr: the page's default style.
  virtual void SetStyle(const char* name) = 0;
  virtual void PageBreak() = 0;
  virtual void SetSubscript(bool on) = 0;
  virtual void SetSuperscript(bool on) = 0;
  virtual void SetIndent(int twips) = 0;
  // path in UTF-8 as resolved on disk; sizes in twips. The file is read during
  // the call: a formula's picture file is removed right after it.
  virtual void WritePicture(const std::string& path, double naturalWidth, double naturalHeight,
                            double width, double height) = 0;
  // A picture inside the running paragraph (no paragraph of its own).
  virtual void WriteInlinePicture(const std::string& path, double naturalWidth,
                                  double naturalHeight, double width, double height) {
    WritePicture(path, naturalWidth, naturalHeight, width, height);
  }
  // A formula: the SVG text of its picture, inline at its natural size in
  // twips. The formula never becomes a file.
  virtual void WriteInlineSvg(const std::string& svg, double width, double height) = 0;
  // A table after it has been drawn, from the same model and column widths.
  virtual void WriteTable(const CTableRenderer& table) { (void)table; }
  // Ends the file; called once after the layout, also after a cancel.
  virtual void Close() = 0;
  // UTF-8 path of the file, empty when none was written.
  virtual std::string FilePath() const = 0;
};

struct RenderRun;
// The run's RTF writer, set up from the style sheet with its file created in
// the work folder; null when there is none.
std::unique_ptr<IRtfSink> OpenRtfWriter(const RenderRun& run);

// The progress window as the layout sees it.
class IRenderProgress {
 public:
  virtual ~IRenderProgress() = default;
  // Lets pending window events through; true once when the user cancelled.
  virtual bool CheckCancel() = 0;
  virtual void SetPercent(int percent) = 0;
};

// Shows one of the renderer's messages ("PRE TAG ERROR!", "PROTECT TAG
// ERROR!"). The default is a message box; tests install a recorder.
using RendererMessageHandler = std::function<void(const std::string& text)>;
void SetRendererMessageHandler(RendererMessageHandler handler);
void ShowRendererMessage(const std::string& text);

}  // namespace norva
