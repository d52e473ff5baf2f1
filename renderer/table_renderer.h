#pragma once
// Tables of the report markup: the grid model read from "table" markup, its
// measuring, and its drawing on the page composer with page breaks that
// repeat the title lines and header rows.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "renderer/markup_renderer.h"

namespace norva {

class CTableRenderer;

struct CellImage {
  std::string src;                             // as written (CP932)
  std::string width, height;                   // as written: a number with "%", "mm", "cm" or none
  double naturalWidth = 0, naturalHeight = 0;  // twips, filled when measured
};

struct TableCell {
  int32_t kind = 0;  // 0 text, 1 image, 2 nested table
  std::string text;  // the cell's markup as written (CP932)
  CellImage image;
  int32_t align = 3;  // 3 * vertical + horizontal; see HorizontalOf / VerticalOf
  int32_t top = 0, bottom = 0, left = 0, right = 0;  // 0 none, 1 thin, 2 thick, 3 double
  int32_t rowSpan = 0;                               // n > 0: first cell of n + 1 rows; -1: covered
  int32_t colSpan = 0;
  std::shared_ptr<CTableRenderer> nested;  // kind 2; null when its file could not be read
};

struct TitleLine {
  std::string text;
  int32_t align = -1;  // 4 left, 3 centre, 5 right, -1 none given
};

// Sides of a cell.
enum class Side { Top, Bottom, Left, Right };

// Horizontal part of an alignment code: 0 centre, 1 left, 2 right.
inline int32_t HorizontalOf(int32_t code) { return ((code % 3) + 3) % 3; }
// Vertical part: 0 top, 1 middle, 2 bottom.
inline int32_t VerticalOf(int32_t code) { return code < 3 ? 0 : code < 6 ? 1 : 2; }

class CTableRenderer : public CMarkupRenderer {
 public:
  // Grids larger than this are not allocated: their cells are dropped.
  static constexpr int64_t kMaxCells = 1000000;
  // Nested tables deeper than this are left empty (a file naming itself).
  static constexpr int kMaxNesting = 8;

  // text and its position: the "<" of the "table" tag, or the start of a
  // nested table's file text.
  CTableRenderer(PageComposer* composer, RenderRun& run, std::string_view text, size_t position,
                 int depth = 0);
  ~CTableRenderer() override;

  // Reads the table through its "/table" (or the end of the text) and measures it.
  void Parse();
  // Draws it with its left edge at x (unless HALIGN moves it) and its top at y.
  void Draw(double x, double y);

  double TotalHeight() const { return totalHeight_; }
  double TotalWidth() const { return totalWidth_; }
  double CellHeight(TableCell& cell);
  // Width of the cell's content, or of text when given (title and note lines).
  double CellWidth(TableCell& cell, const std::string* text = nullptr);

  // The model.
  int32_t Rows() const { return rows_; }
  int32_t Cols() const { return cols_; }
  int32_t HeaderRows() const { return headerRows_; }
  int32_t FooterRows() const { return footerRows_; }
  int32_t HAlign() const { return hAlign_; }  // 0 left, 1 centre, 2 right
  bool HasGrid() const { return !cells_.empty(); }
  const TableCell& Cell(int32_t r, int32_t c) const {
    return cells_[static_cast<size_t>(r)][static_cast<size_t>(c)];
  }
  const std::vector<TitleLine>& TitleLines() const { return titleLines_; }
  const std::vector<TitleLine>& NoteLines() const { return noteLines_; }
  const std::vector<double>& ColWidth() const { return colWidth_; }
  const std::vector<double>& RowHeight() const { return rowHeight_; }
  // Given widths in "0" characters (0: natural), as read.
  const std::vector<int32_t>& GivenWidth() const { return givenWidth_; }

  // Writes one side of a cell and the facing side of its neighbour; a cell
  // outside the grid is passed over.
  void SetSide(int32_t r, int32_t c, Side side, int32_t style);

 private:
  void ParseCell();
  void ApplyRule(int32_t code, int32_t r1, int32_t c1, int32_t r2, int32_t c2);
  void Measure();
  void StoreCell(const TableCell& content, const std::string& ctablePath, int32_t r1, int32_t c1,
                 int32_t r2, int32_t c2, bool merge);
  std::shared_ptr<CTableRenderer> ReadNested(const std::string& path);
  double Limit() const;
  void DrawHeader(double x, double& y);
  void DrawBody(double x, double& y);
  void DrawFooter(double x, double& y);
  void DrawLines(const std::vector<TitleLine>& lines, double x, double& y);
  void DrawRow(int32_t r, double x, double y);
  void DrawCell(TableCell& cell, int32_t r, int32_t c, double x, double y);
  void DrawCellText(const std::string& text, double x, double y);
  void DrawRule(int32_t style, double x1, double y1, double x2, double y2);

  int depth_;
  std::string ownText_;  // a nested table's file text
  std::vector<std::vector<TableCell>> cells_;
  std::vector<TitleLine> titleLines_, noteLines_;
  std::vector<double> colWidth_, rowHeight_;
  std::vector<int32_t> givenWidth_;
  int32_t rows_ = 0, cols_ = 0;
  int32_t headerRows_ = 0, footerRows_ = 0;
  int32_t titleCount_ = 0, noteCount_ = 0;
  int32_t hAlign_ = 0;
  double totalHeight_ = 0, totalWidth_ = 0;
  // One saved font serves "sub", "sup" and "font" in cell texts.
  QString savedFace_;
  double savedSize_ = 0;
  bool fontSaved_ = false;
};

}  // namespace norva
