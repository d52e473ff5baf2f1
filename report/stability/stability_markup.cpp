#include "report/stability/stability_markup.h"

#include "report/driver/prn_file.h"

namespace norva {

void PrnImage(PrnFile& f, const std::string& path, int percent) {
  const std::string p = std::to_string(percent);
  f.Line("<IMG SRC=\"@\", WIDTH=" + p + "%, HEIGHT=" + p + "%>", {path});
}

bool PrnSeriesOpen(PrnFile& f, const CDocument& doc, const char* title, int16_t& flag) {
  if (flag != 0) {
    PrnBlockOpen(f);
    return false;
  }
  PrnPageBreak(f);
  PrnBlockOpen(f);
  f.Empty();
  PrnHeading(f, doc, 2, title);
  flag = -1;
  return true;
}

void PrnSumRowOpen(PrnFile& f, int row) {
  f.Line("</LOOP>");
  f.Line("<FOOTER>");
  f.Line("<TL=11, SROW=##, SCOL=0, EROW=##, ECOL=6>", {row, row});
  f.Line("<TD SROW=##, SCOL=0>Σ</TD>", {row});
}

}  // namespace norva
