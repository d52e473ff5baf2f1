#include "screens/results/member_quantity.h"

#include <fstream>
#include <limits>

#include "document/report_format.h"
#include "document/services.h"
#include "text/vb_text_io.h"

namespace norva {
namespace {

// The list cut to the rows in use, so nothing beyond them comes back.
std::vector<SuryouRec>& UsedList() {
  const size_t n = SuryouCnt > 0 ? static_cast<size_t>(SuryouCnt) : 0;
  SuryouList.resize(n);
  return SuryouList;
}

std::string Replaced(const std::string& s, char c, const char* with) {
  std::string out;
  for (char x : s) {
    if (x == c)
      out += with;
    else
      out += x;
  }
  return out;
}

std::string CsvField(const std::string& s) { return "\"" + Replaced(s, '"', "\"\"") + "\""; }

std::string MarkupText(const std::string& s) {
  return Replaced(Replaced(Replaced(s, '&', "&amp;"), '<', "&lt;"), '>', "&gt;");
}

void Tell(const std::string& text) {
  MessageSink().Show(kProgramTitle, text, MsgIcon::Critical, MsgButtons::Ok);
}

}  // namespace

std::vector<SuryouRec> QuantityRows() { return UsedList(); }

bool AddQuantityRow() {
  if (SuryouCnt >= std::numeric_limits<int16_t>::max()) return false;
  UsedList().push_back(SuryouRec{});
  ++SuryouCnt;
  return true;
}

bool DeleteQuantityRow(int index) {
  std::vector<SuryouRec>& rows = UsedList();
  if (index < 0 || index >= static_cast<int>(rows.size())) return false;
  rows.erase(rows.begin() + index);
  --SuryouCnt;
  return true;
}

void SetQuantityField(int index, int field, const std::string& text) {
  std::vector<SuryouRec>& rows = UsedList();
  if (index < 0 || index >= static_cast<int>(rows.size())) return;
  SuryouRec& r = rows[static_cast<size_t>(index)];
  std::string* const fields[] = {&r.Koumoku, &r.Tani, &r.Suryou, &r.Bikou};
  if (field >= 0 && field < 4) *fields[field] = text;
}

std::string QuantityCsvBytes() {
  VbTextWriter out;
  for (const SuryouRec& r : UsedList()) {
    out.Print(CsvField(r.Koumoku) + "," + CsvField(r.Tani) + "," + CsvField(r.Suryou) + "," +
              CsvField(r.Bikou));
    out.EndLine();
  }
  return out.bytes();
}

void WriteSuryouPrn(VbTextWriter& out) {
  const std::vector<SuryouRec>& rows = UsedList();
  PrintUsing(out, "<TABLE ROW=##, COL=4, HALIGN=CENTER>", {SuryouCnt + 2});
  PrintUsing(out, "<COLWIDTH=20, SCOL=0, ECOL=0>", {});
  PrintUsing(out, "<COLWIDTH= 6, SCOL=1, ECOL=1>", {});
  PrintUsing(out, "<COLWIDTH=12, SCOL=2, ECOL=2>", {});
  PrintUsing(out, "<COLWIDTH=20, SCOL=3, ECOL=3>", {});
  PrintUsing(out, "<HEADER>", {});
  PrintUsing(out, "<TL= 0, SROW=0, SCOL=0, EROW=0, ECOL=3>", {});
  PrintUsing(out, "<TL=11, SROW=1, SCOL=0, EROW=1, ECOL=3>", {});
  PrintUsing(out, "<TD SROW=0, SCOL=0, EROW=0, ECOL=3, HALIGN=CENTER>数 量 表</TD>", {});
  PrintUsing(out, "<TD SROW=1, SCOL=0>項　目</TD>", {});
  PrintUsing(out, "<TD SROW=1, SCOL=1>単位</TD>", {});
  PrintUsing(out, "<TD SROW=1, SCOL=2>数　量</TD>", {});
  PrintUsing(out, "<TD SROW=1, SCOL=3>備　考</TD>", {});
  PrintUsing(out, "</HEADER>", {});
  PrintUsing(out, "<LOOP>", {});
  PrintUsing(out, "<TL=11, SROW=2, SCOL=0, EROW=##, ECOL=3>", {SuryouCnt + 1});
  for (size_t i = 0; i < rows.size(); ++i) {
    const SuryouRec& r = rows[i];
    const int row = static_cast<int>(i) + 2;
    PrintUsing(out, "<TD SROW=##, SCOL=0, HALIGN=LEFT> @</TD>", {row, MarkupText(r.Koumoku)});
    PrintUsing(out, "<TD SROW=##, SCOL=1>@</TD>", {row, MarkupText(r.Tani)});
    PrintUsing(out, "<TD SROW=##, SCOL=2, HALIGN=RIGHT>@ </TD>", {row, MarkupText(r.Suryou)});
    PrintUsing(out, "<TD SROW=##, SCOL=3, HALIGN=LEFT> @</TD>", {row, MarkupText(r.Bikou)});
  }
  PrintUsing(out, "</LOOP>", {});
  PrintUsing(out, "</TABLE>", {});
}

bool PreviewQuantityTable(const ReportEnv& env) {
  VbTextWriter markup;
  WriteSuryouPrn(markup);
  const std::string text = markup.bytes();
  const std::string path = env.workDir + "/suryou.prn";
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file.is_open()) file.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!file.is_open() || !file.flush()) {
      Tell("数量表のファイルを書き込めません。\n" + path);
      return false;
    }
  }
  if (!env.renderer) {
    Tell("数量表を表示できません。");
    return false;
  }
  std::string error;
  if (!env.renderer->Render(1, text, env.styleDir + "/style.dat", env.workDir, error)) {
    Tell(error);
    return false;
  }
  return true;
}

}  // namespace norva
