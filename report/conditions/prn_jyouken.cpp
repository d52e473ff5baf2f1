#include "report/conditions/prn_jyouken.h"

#include "document/document.h"
#include "drawing/base/report_picture.h"
#include "drawing/section/section_drawing.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/driver/report_writers.h"

namespace norva {

bool JyoukenAllowableFlag(const ReportSelection& s) {
  return s.PrnSelWall != 0 || s.PrnSelFot != 0 || s.PrnSelTokki != 0 || s.PrnSelAntei == 0;
}

void PrnJyouken(PrnFile& f, const CDocument& doc, const std::string& folder) {
  // The figure first: a figure that cannot be saved stops the report before
  // any of the chapter is written.
  ReportPicture picture(kJyoukenFigureWidth, kJyoukenFigureHeight);
  DrawKutaiSunp(doc, picture.Draw(), 0, false);
  const std::string figure = PrnSaveFigure(picture, folder, "KutaiSunp");

  JyoukenState st;
  st.allowable = JyoukenAllowableFlag(PrnSel());
  PrnJyoukenTitle(f, doc, figure);
  PrnJyoukenUraNini(f, doc);
  PrnJyoukenWater(f, doc);
  PrnJyoukenUnitWeights(f, doc);
  PrnJyoukenGround(f, doc);
  PrnJyoukenAllowable(f, doc, st);
  PrnJyoukenSeismic(f, doc);
  PrnJyoukenStability(f, doc);
  PrnJyoukenPassive(f, doc, st);
  PrnJyoukenSurcharge(f, doc, st);
  PrnJyoukenHorizontal(f, doc, st);
  PrnJyoukenNini(f, doc, st);
  PrnJyoukenCombination(f, doc, st);
  PrnJyoukenReferences(f, doc);
}

void RegisterConditionsWriters() { PrnWriters().PrnJyouken = PrnJyouken; }

}  // namespace norva
