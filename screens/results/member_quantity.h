#pragma once
// The quantity table's rows (SuryouCnt, SuryouList of calc/member/suryou.h)
// as the table edits them, and the two files made from them: the CSV export
// and the markup "suryou.prn" that the renderer previews.
//
// Only rows 0 .. SuryouCnt - 1 are the table: whatever the list holds beyond
// them (rows of an earlier calculation) is never shown, exported or revived.
#include <cstdint>
#include <string>
#include <vector>

#include "calc/member/suryou.h"
#include "report/driver/report_renderer.h"

namespace norva {

class VbTextWriter;

// The rows of the table, in order.
std::vector<SuryouRec> QuantityRows();

// Appends a row of four empty fields. False when the table is full.
bool AddQuantityRow();
// Removes row `index` (0-based); the rows below move up. False when there is
// no such row.
bool DeleteQuantityRow(int index);
// Field 0 item, 1 unit, 2 quantity, 3 remark of row `index`; other fields
// and rows are ignored.
void SetQuantityField(int index, int field, const std::string& text);

// The CSV file: one line per row, the four fields each in double quotes
// (an inner quote doubled, so the file reads back as written), separated by
// commas, CR LF; CP932 bytes; no caption line. No rows: no bytes.
std::string QuantityCsvBytes();

// The quantity-table markup (PrintUsing lines, CP932, CR LF): a centred
// table of SuryouCnt + 2 rows, the title "数 量 表" and the column captions
// as its header, then one row per quantity row. "<", ">" and "&" in a field
// are written as entities, so the renderer prints them instead of reading
// them as tags.
void WriteSuryouPrn(VbTextWriter& out);

// The preview: writes the markup to env.workDir + "/suryou.prn" and hands it
// to env.renderer in mode 1 with env.styleDir + "/style.dat" and the work
// folder; returns when the preview closes. True when the renderer ran; a
// file that cannot be written or a renderer that cannot be used gives one
// message (through MessageSink()) naming it, and false.
bool PreviewQuantityTable(const ReportEnv& env);

}  // namespace norva
