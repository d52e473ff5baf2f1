#pragma once
// The registry of the report's chapter and section writers.
//
// The report driver (PrnOutExec, prn_out_exec.h) writes the chapters and the
// stability chapter driver (PrnAntei, prn_antei.h) writes that chapter's
// sections, each in a fixed order, by calling the slots below. The writers
// themselves live in the report areas that own them; an area fills its slots
// in a Register…() function of its own, called once from
// RegisterReportWriters() (report/register_writers.cpp: add one line
// there). Nobody else assigns a slot.
//
// An empty slot writes nothing. The report selection dialog keeps a chapter
// whose writer is empty disabled, so it cannot be chosen.
//
// Conventions for every writer (see prn_file.h for the helpers):
// - f is the open report file; every line goes through f.Line (PrintUsing).
// - doc is the document being reported; a writer prints the stored results
//   and never changes the document.
// - folder is the work folder, where figure files are written (full paths in
//   the "<IMG SRC=…>" lines). A shipped figure is copied with PrnCopyFigure;
//   a drawn one is drawn by the writer on a ReportPicture of its own size
//   (drawing/base/report_picture.h; the stability chapter's usual size is
//   kAnteiFigureWidth × kAnteiFigureHeight twips) and saved with
//   PrnSaveFigure.
// - part is the wall part: 0 the wall or the upper wall of a mixed wall
//   (WallType 3), 1 the lower wall of a mixed wall.
// - i is the load case (0-based). Per-case writers are called for the cases
//   ticked in the chapter's case flags (PrnSel(), report_selection.h) only,
//   in case order, unless a slot says otherwise.
// - flag: the first-time flag of a per-case group. The driver sets it to 0
//   before the group; the writer writes the group's heading and method text
//   when it finds 0 and then sets it to a non-zero value.
// - Errors: throw ReportError (prn_file.h) with a message naming the file;
//   the driver stops the report and shows it.
#include <cstdint>
#include <functional>
#include <string>

namespace norva {

class CDocument;
class PrnFile;

// Picture size of the stability chapter's figures (twips): 75 mm wide and
// 1.1 times as high (the height in single precision).
inline constexpr double kAnteiFigureWidth = 4252.5;
inline constexpr double kAnteiFigureHeight = static_cast<double>(4252.5f * 1.1f);

// (f, doc, folder)
using ChapterWriter =
    std::function<void(PrnFile& f, const CDocument& doc, const std::string& folder)>;
// (f, doc, folder, part)
using PartWriter =
    std::function<void(PrnFile& f, const CDocument& doc, const std::string& folder, int16_t part)>;
// (f, doc)
using DocWriter = std::function<void(PrnFile& f, const CDocument& doc)>;
// (f, doc, i)
using CaseWriter = std::function<void(PrnFile& f, const CDocument& doc, int32_t i)>;
// (f, doc, i, folder)
using CaseFolderWriter =
    std::function<void(PrnFile& f, const CDocument& doc, int32_t i, const std::string& folder)>;
// (f, doc, i, folder, part)
using CasePartWriter = std::function<void(PrnFile& f, const CDocument& doc, int32_t i,
                                          const std::string& folder, int16_t part)>;
// (f, doc, i, flag)
using CaseGroupWriter =
    std::function<void(PrnFile& f, const CDocument& doc, int32_t i, int16_t& flag)>;
// (f, doc, i, part, flag)
using CasePartGroupWriter =
    std::function<void(PrnFile& f, const CDocument& doc, int32_t i, int16_t part, int16_t& flag)>;
// (f, doc, i, folder, notFirst)
using WlvlWriter = std::function<void(PrnFile& f, const CDocument& doc, int32_t i,
                                      const std::string& folder, bool notFirst)>;

struct ReportWriters {
  // ---- Chapters, in the order PrnOutExec writes them -------------------------
  // 1. Design conditions (設計条件).
  ChapterWriter PrnJyouken;
  // 2./3. Stability (安定計算結果): PrnAntei itself, for part 0 and, for a
  //    mixed wall, part 1. Its sections are the slots further down.
  // 4./5. Wall (stem) stresses (壁応力度計算結果), part 0, then part 1 of a
  //    mixed wall. Check sections with the cases of PrnWallCases.
  PartWriter PrnWall;
  // 6. Toe-slab stresses (つま先版応力度計算結果), cases of PrnFotCases;
  //    written only when the document checks its toe slab (bFotCalc).
  ChapterWriter PrnFot;
  // 7. Shear-key stresses (突起応力度計算結果), cases of PrnTokkiCases;
  //    written only when the document has a key (Tokki = 1).
  ChapterWriter PrnTokki;

  // ---- Sections of the stability chapter, in the order PrnAntei writes them --
  // "upper" below is the upper wall of a mixed wall (WallType 3, part 0).
  // 1. Weights and centres of gravity; for a mixed wall it opens with the
  //    part's level-1 heading ("<H1>上部擁壁の計算</H1>" / "<H1>下部擁壁の計算</H1>").
  PartWriter PrnKutai;
  // 2. Earth pressure.
  PartWriter PrnDoatsu;
  // 3. Water pressure when nWater is not 0.
  PartWriter PrnSuiatsu;
  // 4. Uplift when nWater is 2 and not upper.
  ChapterWriter PrnYouatsu;
  // 5. Horizontal loads, per case; not for the lower wall of a mixed wall.
  CaseGroupWriter PrnHorzLoad;
  // 6. Other (user-defined) loads, per case.
  CasePartGroupWriter PrnNiniLoad;
  // 7. Force sums for the line of thrust, per case; upper, or nTentou 3.
  CasePartGroupWriter PrnForceSumSiryokusen;
  // 8. Force sums at the base, per case; not upper.
  CasePartGroupWriter PrnForceSum;
  // 9. Overturning: method text, then per case.
  PartWriter PrnTentou;
  CasePartWriter PrnTentouCase;
  // 10. Upper: the overturning summary ends the chapter here.
  DocWriter PrnAnteiListUpper;
  // 11. Ground reaction and bearing capacity (not upper), chosen by wall
  //     type, guideline (Sisin) and nQa; each method text is followed by its
  //     per-case section for every reported case:
  //       leaning wall, Sisin 2, nQa 1  PrnJibanHanryokuMotare + …MotareCase
  //       leaning wall, Sisin 2         PrnSijiQa + PrnSijiQaCase
  //       nQa 1                         PrnJibanHanryoku + PrnJibanHanryokuCase
  //       Sisin 2                       PrnSijiQa + PrnSijiQaCase
  //       Sisin 3                       PrnJibanHanryoku + …Case, then
  //                                     PrnSijiFs + PrnSijiFsCase
  //       any other                     PrnJibanHanryoku + PrnJibanHanryokuCase
  ChapterWriter PrnJibanHanryoku;
  CaseWriter PrnJibanHanryokuCase;
  ChapterWriter PrnJibanHanryokuMotare;
  CaseWriter PrnJibanHanryokuMotareCase;
  DocWriter PrnSijiQa;
  CaseWriter PrnSijiQaCase;
  DocWriter PrnSijiFs;
  CaseWriter PrnSijiFsCase;
  // 12. Sliding when ChkSlide is 1: method text, then per case; then, when
  //     the document has water with the automatic water level (nWlvlAuto) and
  //     a case with water, PrnWlvlAuto for EVERY case with water, reported or
  //     not, notFirst false for the first of them.
  DocWriter PrnSlide;
  CaseFolderWriter PrnSlideCase;
  WlvlWriter PrnWlvlAuto;
  // 13. The stability summary table ends the chapter.
  DocWriter PrnAnteiList;
};

// The program's registry (all slots empty until registered).
ReportWriters& PrnWriters();

// Fills the registry with every writer the program has. Called at start-up
// (and by tests that want the real writers); calling it again is harmless.
void RegisterReportWriters();

}  // namespace norva
