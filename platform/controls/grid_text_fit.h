#pragma once
// Keeps every text of a table grid whole: a column is never narrower than its
// widest text (a merged cell's text fits its merged columns), a row never
// lower than its lines, and the headers as wide and as tall as their texts.
// Widths and heights the program sets are the least ones; the fit only ever
// widens and heightens, after the texts or sizes changed (once the event
// loop runs) or at once through FitGridToTexts.
#include <QTableWidget>

namespace norva {

// Widens and heightens `grid` as above, now.
void FitGridToTexts(QTableWidget* grid);

// Makes `grid` fit itself again whenever its texts or its spans change.
void KeepGridTextsWhole(QTableWidget* grid);

}  // namespace norva
