#pragma once
// The load cases of a document as the loads screen shows and edits them,
// without a window: the table of cases (one column per case), the write-back
// of an edited cell, adding and deleting cases, the standard factors of a
// case and the standard set of cases.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "screens/loads/loads_rules.h"

namespace norva {

class CDocument;
class CKajyuCase;

// Fixed rows of the table; the arbitrary loads follow from kRowNini, then
// the factor rows.
enum CaseRow : int {
  kRowNo = 0,     // the case number
  kRowName = 1,   // "ケース名"
  kRowQuake = 2,  // "地震の影響"
  kRowDoat = 3,   // "土　　圧", shown for residential land only
  kRowWater = 4,
  kRowSoilF = 5,
  kRowAuto = 6,
  kRowGunsyu = 7,
  kRowSnow = 8,
  kRowTakuchi = 9,
  kRowCrash = 10,
  kRowStone = 11,
  kRowWind = 12,
  kRowNini = 13,
};

inline constexpr const char* kDoatNormal = "常時土圧";
inline constexpr const char* kDoatSeismic = "地震時土圧";
inline constexpr const char* kDoatList = "常時土圧|地震時土圧";
inline constexpr const char* kFactorFormat = "##0.00";
inline constexpr const char* kFactorRefused =
    "安全率・割増係数には0より大きい数値を入力してください。";

// Rows of the table for the document. A factor row that is absent has the
// row number 0.
struct CaseTableLayout {
  int rows = 0;
  bool doatVisible = false;  // residential land
  int niniCount = 0;         // arbitrary-load rows from kRowNini
  int rowFsTentou = 0;       // with the safety-factor overturning check
  int rowFsKatsudou = 0;     // with the sliding check
  int rowQPremium = 0;       // always: the bearing row
  // The bearing row shows QuPremium (large-block masonry), which the
  // document file does not keep: it shows the standard value, read-only.
  bool bearingFixed = false;
  std::vector<std::string> labels;  // column 0, one per row
};
CaseTableLayout MakeCaseTableLayout(const CDocument& doc);

// One cell of a case column.
struct CaseCell {
  enum Kind { kText, kCheck, kDash, kFactor, kFixedFactor };
  Kind kind = kText;
  bool checked = false;  // kCheck
  std::string text;      // "" for a check box, "-" for kDash
};

// Whether the document considers the load of row 2 or 4..12 (false: the
// row shows "-" in every case). Other rows: true.
bool CaseRowConsidered(const CDocument& doc, const FrontSoil& soil, int row);

// The cells of case column k (k = case index + 1), rows 0..layout.rows-1.
// Brings the case in line with the document first: the switch of every row
// the document does not consider becomes 0; outside residential land Doat
// follows nQuake; QuPremium takes its standard value.
std::vector<CaseCell> SetCaseColumn(const CDocument& doc, const FrontSoil& soil,
                                    const CaseTableLayout& layout, int k, CKajyuCase& kase);

// Outcome of writing an edited cell back into its case.
struct CaseEdit {
  bool refused = false;       // a factor that is not a number above 0: kept as it was
  bool factorsReset = false;  // rows 2, 10, 11, 12: the standard factors were set
  std::string text;           // the factor cell's text afterwards
};
// Writes the cell of `row` (checked: its box; text: its text) into the case.
// Rows 0 and 1, and rows beyond the table, write nothing. A factor cell
// takes only a number above 0 (blanks around it and full-width digits are
// allowed); anything else is refused and the factor keeps its value. The
// fixed bearing row writes nothing.
CaseEdit WriteBackCaseCell(const CDocument& doc, const CaseTableLayout& layout, CKajyuCase& kase,
                           int row, bool checked, const std::string& text);

// A factor typed into a cell: true with the value when it is a number above 0.
bool ParseFactor(const std::string& text, double* value);

// Sets Ea, FsTentou, FsKatsudou, AllowPremium, QaPremium and QuPremium of the
// case to the standard values of its kind for the document.
void SetCaseStdFactors(const CDocument& doc, CKajyuCase& kase);

// A new case: the name, every switch 0, Doat 0, one switch (0) per
// arbitrary load of the document.
std::shared_ptr<CKajyuCase> NewCase(const CDocument& doc, const std::string& name);
// Appends the case with its standard factors; returns its index.
int AppendCase(CDocument& doc, const std::shared_ptr<CKajyuCase>& kase);
// Removes case i; the later cases move up by one. False when i is outside
// 0..nCase-1.
bool DeleteCase(CDocument& doc, int i);
// The question before case i (0-based) is deleted.
std::string DeleteCaseQuestion(int i, const std::string& name);

// Replaces the document's cases by the standard set that follows from its
// loads, water, seismic condition and guideline. When cases exist, asks
// first (through the message sink); Cancel changes nothing and gives false.
bool MakeStdCases(CDocument& doc, const FrontSoil& soil);
inline constexpr const char* kMakeStdCasesQuestion =
    "現在入力されている荷重ケースが削除されます。\nよろしいですか？";

// After the arbitrary loads changed: every case gets the document's count;
// its switches keep their first entries, new loads act in no case.
void SyncCaseNiniCounts(CDocument& doc);

}  // namespace norva
