#pragma once
// The standard-section catalogues, without a window: reading the four files,
// the search behind the catalogue dialog, and writing a chosen section into
// the document.
//
// Files ("block.csv", "Jyuryoku.csv", "motare.csv", "kongou.csv"): CP932 text
// read as a flat stream of items (an item ends at a comma or a line end; a
// text may be quoted), the record count first, then the records' fields in
// order. Items after the last record are never read. A missing file gives no
// records; any other failure (a count of 0 or less, a number item that is no
// number, the file ending inside a record) gives exactly one record of empty
// texts and zeros.
//
// A record is a list of cells in the order of its file's layout; the field
// names of each layout below give the cell positions.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace norva {

class CDocument;

using CatalogueCell = std::variant<std::string, double>;
using CatalogueRecord = std::vector<CatalogueCell>;

// Field positions of the four record layouts.
namespace GrwSizeRec {
enum { Uragome, Morido, N, H, B, B2, H0, kFields };
}
namespace MtwSizeRec {
enum { Kiso, Uragome, Morido, N1, N2, H, B, H2, B1, B3, H0, kFields };
}
namespace MxwSizeRec {
enum {
  H,
  B,
  H1,
  H0,
  UpperH,
  UpperT,
  UpperDeltT,
  UpperN,
  LowerH,
  LowerB1,
  LowerB2,
  LowerB3,
  TokkiX,
  TokkiB,
  TokkiL,
  TokkiDia,
  TokkiPitch,
  kFields
};
}
namespace BlkSizeRec {
enum { Kozo, DeltB, N, Uragome, UraGam, Q, H, kFields };
}

// The catalogue file of a wall type ("" outside 0..3).
std::string CatalogueFileName(int32_t wallType);

// Reads the catalogue of the wall type from `path`. "block.csv" records hold
// the unit weight x 10 (kN/m3) and the surcharge x 9.8 (kN/m2) of the file.
std::vector<CatalogueRecord> ReadCatalogue(int32_t wallType, const std::string& path);

double CellNumber(const CatalogueRecord& r, int field);
std::string CellText(const CatalogueRecord& r, int field);

// ---- The search -------------------------------------------------------------------

inline constexpr const char* kKaraZumi = "空積み";  // dry masonry: no back concrete

// The step-by-step search of block (0), gravity (1) and leaning (2) walls.
// Steps 0 .. Last() - 1 each offer the values of one field among the records
// matching the choices before; the last step shows the record found.
class CatalogueWizard {
 public:
  CatalogueWizard(int32_t wallType, std::vector<CatalogueRecord> data);

  int Last() const { return static_cast<int>(steps_.size()); }
  int Step() const { return step_; }
  // The entries of the list of step k (formatted with its mask).
  const std::vector<std::string>& List(int k) const { return lists_[static_cast<size_t>(k)]; }
  bool Done(int k) const { return done_[static_cast<size_t>(k)]; }

  // The user picks `entry` in the list of step k. Picking the value already
  // chosen changes nothing.
  void Choose(int k, const std::string& entry);
  // 0 back, 1 forward (dry masonry skips the back-concrete step both ways),
  // anything else no move.
  void Move(int move);

  bool BackEnabled() const { return step_ > 0; }
  bool NextEnabled() const { return step_ < Last() && Done(step_); }
  // Only on the last step, and only when the last choice found a record.
  bool FinishEnabled() const { return step_ == Last() && found_; }
  // "図集検索 - Step n/m", or "図集検索 - 完了!" on the last step.
  std::string Caption() const;
  // The lines of the record found ("" before).
  const std::string& Summary() const { return summary_; }
  // The choices (fields not chosen: "" or -1; after the last choice the
  // record found, for block walls the chosen values with the found height).
  const CatalogueRecord& Selection() const { return sel_; }

 private:
  struct StepField {
    int field;
    const char* mask;  // of its list; nullptr for texts
  };
  bool Matches(const CatalogueRecord& r, int upTo) const;
  bool SameValue(const CatalogueCell& a, const CatalogueCell& b) const;
  std::vector<std::string> ListOf(const std::vector<const CatalogueRecord*>& recs, int field,
                                  const char* mask) const;
  void LastChoice(const CatalogueCell& value);
  std::string MakeSummary() const;
  bool Dry() const;

  int32_t type_;
  std::vector<CatalogueRecord> data_;
  std::vector<StepField> steps_;
  std::vector<std::vector<std::string>> lists_;
  std::vector<bool> done_;
  CatalogueRecord sel_;
  int step_ = 0;
  bool found_ = false;
  std::string summary_;
};

// The picture of step page `step` of the wizard of a wall type (0 block,
// 1 gravity, 2 leaning): "SizeInpBlk3.svg"; "" for a step outside.
std::string SizeInpPictureName(int32_t wallType, int step);
// The number of step pages of the wizard of a wall type (7, 5, 6; else 0).
int SizeInpPages(int32_t wallType);

// The rows of the mixed-wall list: H, B, H1, H0 of each record ("#0.000").
std::vector<std::vector<std::string>> MixedRows(const std::vector<CatalogueRecord>& data);

// ---- Applying a section ----------------------------------------------------------------

// Writes the section and the standard values of the wall type into the
// document (block walls also their footing by its rule and WallB).
void ApplyBlkSize(CDocument& doc, const CatalogueRecord& sel);
void ApplyGrwSize(CDocument& doc, const CatalogueRecord& sel);
void ApplyMtwSize(CDocument& doc, const CatalogueRecord& sel);
// A mixed wall needs a lower height and a bar spacing above 0: otherwise it
// returns the message to show and writes nothing; "" when applied.
std::string ApplyMxwSize(CDocument& doc, const CatalogueRecord& rec);
inline constexpr const char* kMxwZeroMessage =
    "選択された断面は下部擁壁高さまたは突起鉄筋の間隔が0のため、適用できません。";

// ---- The footing guide table ---------------------------------------------------------------

// Texts of the 5 x 7 cells, rows then columns (row 0 = the table's row 1).
std::vector<std::vector<std::string>> KisoSizeTable();

}  // namespace norva
