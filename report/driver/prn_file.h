#pragma once
// The open report file and the conventions every chapter writer follows:
// lines through PrintUsing, keep-together blocks, heading levels, load-case
// headings, shipped figures, and the small shared helpers PrnSign,
// PrnQuakeNote and PrnFmtSlope.
//
// Failures: a writer never shows a message. A shipped figure that is missing
// or cannot be copied throws ReportError naming the file; the report driver
// stops the report there and tells the user once (nothing partial is shown).
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "document/report_format.h"

namespace norva {

class CDocument;
class CaseFlags;
class ReportPicture;
class VbTextWriter;

// A failure that stops the report. The text is the user's message and names
// the file concerned.
class ReportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The report file being written ("the file number" of the chapter writers).
// Lines go to the writer in CP932 with CR LF; shipped figures are read from
// programDir + "/resource".
class PrnFile {
 public:
  PrnFile(VbTextWriter& out, std::string programDir);

  // One line: the template with its values, exactly one per "#" run or "@"
  // (PrintUsing). A template without fields takes no values.
  void Line(std::string_view templ, const std::vector<ReportValue>& values = {});
  // An empty line.
  void Empty() { Line(""); }

  VbTextWriter& Writer() { return out_; }
  const std::string& ProgramDir() const { return programDir_; }

 private:
  VbTextWriter& out_;
  std::string programDir_;
};

// Unit words of the templates, set by PrnOutExec for every report: [0] the
// force unit "kN" ("(@/m)" prints (kN/m)), [1] the head of the stress unit
// "N/m" ("(@m<sup>2</sup>)" prints N/mm²).
extern std::array<std::string, 2> PrnUnitWords;

// ---- Blocks, pages, headings -------------------------------------------------

// "<PROTECT><PRE>" and "</PRE></PROTECT>": a keep-together block whose lines
// print as written.
void PrnBlockOpen(PrnFile& f);
void PrnBlockClose(PrnFile& f);
// "<RP>": what follows starts a new page.
void PrnPageBreak(PrnFile& f);

// Heading level of a heading at `depth` (1 chapter, 2 section, 3 subsection
// or load case): one level deeper for a mixed wall (WallType 3), whose
// parts each open with a level-1 heading of their own.
int16_t PrnLevel(const CDocument& doc, int16_t depth);
// "<H#>" + title + "</H#>" at the level of `depth`. The title is part of the
// template: it must hold no "#" or "@".
void PrnHeading(PrnFile& f, const CDocument& doc, int16_t depth, std::string_view title);
// "<H#>荷重ケース.# － @時</H#>" for load case i (0-based) at `depth`:
// 荷重ケース.1 － 自重+載荷重(雪)時 for a first case of that name.
void PrnCaseHeading(PrnFile& f, const CDocument& doc, int32_t i, int16_t depth);
// The fixed forms "<H3>荷重ケース.# － @時</H3>", "<H4>…</H4>" for a mixed wall.
void PrnCaseHeadingFixed(PrnFile& f, const CDocument& doc, int32_t i);

// The load cases 0 .. nCase - 1 whose flag is set, in case order.
std::vector<int32_t> PrnReportedCases(const CDocument& doc, const CaseFlags& flags);

// ---- Figures ---------------------------------------------------------------------

// Prefix of the shipped figures of a wall type: "BLOCK", "JYU", "MOTARE",
// "KONGOU" (WallType 0..3); "" for any other.
std::string PrnWallPrefix(int32_t wallType);
// Copies the shipped figure programDir/resource/<shippedName>.svg to
// folder/<targetName>.svg, replacing an older file of that name, and returns
// the target's full path. Throws ReportError naming the file when the shipped
// figure is missing or the copy cannot be written.
std::string PrnCopyFigure(const PrnFile& f, std::string_view shippedName, std::string_view folder,
                          std::string_view targetName);
// Saves a picture drawn by code (drawing/base/report_picture.h) as
// folder/<name>.svg and returns the full path for its "<IMG …>" line. Throws
// ReportError naming the file when it cannot be saved (an earlier file of
// that name is then left as it was).
std::string PrnSaveFigure(const ReportPicture& picture, std::string_view folder,
                          std::string_view name);
// "<IMG SRC="path", WIDTH=p% HEIGHT=p%>" (p is 50, 70, 75, 90 or 100).
void PrnFigure(PrnFile& f, const std::string& path, int percent = 75);

// ---- Small shared helpers -------------------------------------------------------

// Sign word printed before the absolute value of a term: "+" for value >= 0
// and "-" below, the other way round when the term is subtracted.
const char* PrnSign(double value, bool subtracted);
// The remark line of load case i on water and earthquake, written right after
// its case heading; nothing when the document does not consider earthquakes.
// The water levels it names are those of the case's state in the stability
// calculation (its Doat), the earthquake those of its seismic switch.
void PrnQuakeNote(PrnFile& f, const CDocument& doc, int32_t i);
// The same remark naming the seismic water levels when seismicLevels is
// true, the normal ones otherwise: for a chapter whose check took the levels
// by a state of its own (the stem check, WallForceState).
void PrnQuakeNoteLevels(PrnFile& f, const CDocument& doc, int32_t i, bool seismicLevels);
// A slope ratio 1 : n as text: "0.50" for 0.5, "(-0.50)" for -0.5.
std::string PrnFmtSlope(double value);

}  // namespace norva
