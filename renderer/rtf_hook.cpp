// The RTF copy of the report: a writer set up from the run's style sheet,
// with its file created in the work folder.
#include "renderer/markup_renderer.h"
#include "renderer/rtf_writer.h"

namespace norva {

std::unique_ptr<IRtfSink> OpenRtfWriter(const RenderRun& run) {
  if (run.workFolder.empty()) return nullptr;
  const StyleSheet& sheet = run.sheet;
  const PageSettings& page = sheet.page;
  auto writer = std::make_unique<CRtfWriter>(run.workFolder);
  writer->EnsureFont(page.fontName);  // the page font is \f0
  for (const ParaStyle& s : sheet.paraStyles) writer->EnsureFont(s.fontName);
  writer->SetDefaultStyle(page.fontName, page.fontSize, page.fontBold, page.fontItalic,
                          page.fontStrikethru, page.fontUnderline, page.lineSpacing,
                          page.indentLeft);
  // A repeated style name keeps its first record, the one the style tags and
  // the preview use.
  for (const ParaStyle* s : DistinctParaStyles(sheet)) writer->RegisterStyle(*s);
  writer->SetPageSettings(page);
  // Without a file (no such folder, not writable) the run goes on without its copy.
  if (!writer->Open()) return nullptr;
  return writer;
}

}  // namespace norva
