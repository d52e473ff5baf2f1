// Tables: read, measured and drawn by the table renderer at the current
// position, then written to the RTF file from the same model.
#include "renderer/markup_renderer.h"
#include "renderer/table_renderer.h"

namespace norva {

void CMarkupRenderer::RenderTable(bool writeRtf) {
  CTableRenderer table(composer_, run_, text_, cursor_);
  table.Parse();
  if (table.HasGrid()) {
    table.Draw(composer_->MarginLeft() + composer_->IndentLeft(), composer_->CurrentY());
    if (writeRtf && rtf_) {
      rtf_->WriteTable(table);
      rtf_->SetStyle(nullptr);
    }
  }
  cursor_ = table.Cursor();
}

}  // namespace norva
