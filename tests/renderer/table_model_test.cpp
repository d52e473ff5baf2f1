// Reading the table markup into the grid model: merges, alignment codes, rule
// lines, header and footer rows, title and note lines, cell texts, nested
// tables, and markup that names cells outside the grid.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <fstream>
#include <memory>
#include <string>

#include "renderer/table_renderer.h"
#include "test_folder.h"
#include "text/cp932.h"

namespace norva {
namespace {

class TableModel : public ::testing::Test {
 protected:
  void SetUp() override { composer.StartDoc(); }

  // Reads UTF-8 markup (as CP932) from its start.
  CTableRenderer& Read(const std::string& utf8) {
    text = Utf8ToCp932(utf8);
    table = std::make_unique<CTableRenderer>(&composer, run, text, 0);
    table->Parse();
    return *table;
  }
  std::string Rest() const { return text.substr(table->Cursor()); }

  PageComposer composer;
  RenderRun run;
  std::string text;
  std::unique_ptr<CTableRenderer> table;
};

struct Span {
  int r, c, rowSpan, colSpan;
};

TEST_F(TableModel, MergedRangesAndCopiedRanges) {
  const struct {
    const char* markup;
    std::vector<Span> spans;
  } cases[] = {
      // rows 0 and 1 of column 5 merged; the covered cell below
      {"<TABLE ROW=2, COL=6><TD SROW=0, SCOL=5, EROW=1, ECOL=5, VALIGN=MIDDLE>備　考</TD></TABLE>",
       {{0, 5, 1, 0}, {1, 5, -1, -1}, {0, 4, 0, 0}, {1, 4, 0, 0}}},
      // two by two: the rest of the first row is covered in its columns only
      {"<TABLE ROW=3 COL=3><TD SROW=0 SCOL=0 EROW=1 ECOL=1>x</TD></TABLE>",
       {{0, 0, 1, 1}, {0, 1, 0, -1}, {1, 0, -1, -1}, {1, 1, -1, -1}, {2, 0, 0, 0}, {0, 2, 0, 0}}},
      // a reversed range is the same range
      {"<TABLE ROW=3 COL=3><TD SROW=1 SCOL=2 EROW=0 ECOL=1>x</TD></TABLE>",
       {{0, 1, 1, 1}, {0, 2, 0, -1}, {1, 1, -1, -1}, {1, 2, -1, -1}}},
      // any other ARRANG copies the content into every cell
      {"<TABLE ROW=2 COL=2><TD SROW=0 SCOL=0 EROW=1 ECOL=1 ARRANG=1>x</TD></TABLE>",
       {{0, 0, 0, 0}, {0, 1, 0, 0}, {1, 0, 0, 0}, {1, 1, 0, 0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.markup);
    const CTableRenderer& t = Read(c.markup);
    for (const Span& s : c.spans) {
      SCOPED_TRACE(std::to_string(s.r) + "," + std::to_string(s.c));
      EXPECT_EQ(t.Cell(s.r, s.c).rowSpan, s.rowSpan);
      EXPECT_EQ(t.Cell(s.r, s.c).colSpan, s.colSpan);
    }
  }
  const CTableRenderer& merged = Read(cases[0].markup);
  EXPECT_EQ(Cp932ToUtf8(merged.Cell(0, 5).text), "備　考");
  EXPECT_EQ(merged.Cell(0, 5).align, 3);
  EXPECT_EQ(merged.Cell(1, 5).text, "");  // the covered cell keeps what it had
  const CTableRenderer& copied = Read(cases[3].markup);
  for (int r = 0; r < 2; ++r) {
    for (int col = 0; col < 2; ++col) EXPECT_EQ(copied.Cell(r, col).text, "x");
  }
}

TEST_F(TableModel, AlignmentCodes) {
  const struct {
    const char* attrs;
    int code;
  } cases[] = {
      {"", 3},
      {"HALIGN=LEFT", 4},
      {"HALIGN=RIGHT", 5},
      {"HALIGN=center", 3},
      {"VALIGN=TOP", 0},
      {"VALIGN=TOP HALIGN=LEFT", 1},
      {"VALIGN=top, HALIGN=right", 2},
      {"VALIGN=BOTTOM", 6},
      {"VALIGN=BOTTOM HALIGN=LEFT", 7},
      {"VALIGN=BOTTOM HALIGN=RIGHT", 8},
      {"ALIGN=LEFT", 3},    // not an attribute of a cell
      {"HALIGNS=LEFT", 3},  // names match in full length
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.attrs);
    const CTableRenderer& t =
        Read(std::string("<TABLE ROW=1 COL=1><TD SROW=0 SCOL=0 ") + c.attrs + ">a</TD></TABLE>");
    EXPECT_EQ(t.Cell(0, 0).align, c.code);
  }
}

TEST_F(TableModel, CellsOutsideTheGridAreDropped) {
  const char* ranges[] = {
      "SCOL=0",  // no SROW: start -1
      "SROW=0",  // no SCOL
      "SROW=-1 SCOL=0",
      "SROW=0 SCOL=-3 ECOL=1",
      "SROW=0 SCOL=0 EROW=2",  // end row not below ROW
      "SROW=0 SCOL=0 ECOL=2",
      "SROW=5 SCOL=5",
      "SROW=-2147483648 SCOL=0 EROW=2147483647",
  };
  for (const char* r : ranges) {
    SCOPED_TRACE(r);
    const CTableRenderer& t =
        Read(std::string("<TABLE ROW=2 COL=2><TD ") + r +
             "><IMG SRC=x.svg>dropped</TD><TD SROW=1 SCOL=1>kept</TD></TABLE>after");
    for (int row = 0; row < 2; ++row) {
      for (int col = 0; col < 2; ++col) {
        const TableCell& cell = t.Cell(row, col);
        EXPECT_EQ(cell.text, row == 1 && col == 1 ? "kept" : "");
        EXPECT_EQ(cell.kind, 0);
        EXPECT_EQ(cell.rowSpan, 0);
        EXPECT_EQ(cell.colSpan, 0);
      }
    }
    EXPECT_EQ(Rest(), "after");
  }
}

// Sides of cell (1, 1) of a 3 x 3 grid after one rule on that cell alone.
TEST_F(TableModel, RuleCodesOnOneCell) {
  const struct {
    int code;
    int top, bottom, left, right;
  } cases[] = {
      {0, 0, 0, 0, 0},  {1, 0, 1, 0, 0},  {2, 0, 0, 1, 0},     {3, 0, 0, 0, 1},
      {4, 0, 3, 0, 0},  {5, 0, 2, 0, 0},  {6, 1, 1, 0, 0},     {7, 1, 3, 0, 0},
      {8, 1, 2, 0, 0},  {9, 1, 1, 1, 1},  {10, 2, 2, 2, 2},    {11, 1, 1, 1, 1},
      {12, 0, 0, 0, 0}, {-1, 0, 0, 0, 0}, {65545, 1, 1, 1, 1},  // read as 16 bits: 9
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    const CTableRenderer& t = Read("<TABLE ROW=3 COL=3><TL=" + std::to_string(c.code) +
                                   ", SROW=1, SCOL=1, EROW=1, ECOL=1></TABLE>");
    const TableCell& cell = t.Cell(1, 1);
    EXPECT_EQ(cell.top, c.top);
    EXPECT_EQ(cell.bottom, c.bottom);
    EXPECT_EQ(cell.left, c.left);
    EXPECT_EQ(cell.right, c.right);
    // Each side is also the facing side of the neighbour.
    EXPECT_EQ(t.Cell(0, 1).bottom, c.top);
    EXPECT_EQ(t.Cell(2, 1).top, c.bottom);
    EXPECT_EQ(t.Cell(1, 0).right, c.left);
    EXPECT_EQ(t.Cell(1, 2).left, c.right);
  }
}

TEST_F(TableModel, BoxThenClearAndRangesAtTheEdges) {
  const CTableRenderer& box =
      Read("<TABLE ROW=3 COL=3><TL= 9, SROW=0, SCOL=1, EROW=2, ECOL=1></TABLE>");
  for (int r = 0; r < 3; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(box.Cell(r, 1).left, 1);
    EXPECT_EQ(box.Cell(r, 1).right, 1);
    EXPECT_EQ(box.Cell(r, 0).right, 1);
    EXPECT_EQ(box.Cell(r, 2).left, 1);
    EXPECT_EQ(box.Cell(r, 1).top, r == 0 ? 1 : 0);
    EXPECT_EQ(box.Cell(r, 1).bottom, r == 2 ? 1 : 0);
  }
  const CTableRenderer& cleared = Read(
      "<TABLE ROW=3 COL=3><TL=9 SROW=0 SCOL=1 EROW=2 ECOL=1><TL=0 SROW=0 SCOL=1 EROW=2 "
      "ECOL=1></TABLE>");
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      const TableCell& cell = cleared.Cell(r, c);
      EXPECT_EQ(cell.top + cell.bottom + cell.left + cell.right, 0) << r << "," << c;
    }
  }
  // A later rule overrides an earlier one on the same side.
  EXPECT_EQ(Read("<TABLE ROW=1 COL=1><TL=4><TL=5></TABLE>").Cell(0, 0).bottom, 2);
  // A reversed range touches nothing; a range past the grid is clipped to it,
  // and its first row, outside the grid, sets no top.
  const CTableRenderer& reversed = Read("<TABLE ROW=2 COL=2><TL=11 SROW=1 EROW=0 ECOL=1></TABLE>");
  EXPECT_EQ(reversed.Cell(0, 0).top + reversed.Cell(1, 1).bottom, 0);
  const CTableRenderer& wide =
      Read("<TABLE ROW=2 COL=2><TL=9 SROW=-1 SCOL=0 EROW=99 ECOL=1></TABLE>");
  EXPECT_EQ(wide.Cell(0, 0).top, 0);
  EXPECT_EQ(wide.Cell(1, 0).bottom, 0);  // the last row, 99, is outside too
  EXPECT_EQ(wide.Cell(0, 0).left, 1);
  EXPECT_EQ(wide.Cell(1, 1).right, 1);
}

TEST_F(TableModel, HeaderAndFooterRows) {
  const struct {
    const char* body;
    int header, footer;
  } cases[] = {
      {"<HEADER><TL=11 SROW=0 SCOL=0 EROW=1 ECOL=1></HEADER>", 2, 0},
      {"<HEADER><TL=6 SROW=0 EROW=0><TL=1 SROW=1 EROW=1></HEADER><FOTTER><TL=4 SROW=4 "
       "EROW=4></FOTTER>",
       2, 1},
      // the header rows are the first rows, whatever rows the tags named
      {"<HEADER><TL=11 SROW=3 EROW=4></HEADER>", 2, 0},
      {"<FOTTER><TL=11 SROW=1 EROW=1></FOTTER>", 0, 1},
      // "HEAD" and "FOOTER" are no tags of a table
      {"<HEAD><TL=11 SROW=0 EROW=1></HEAD><FOOTER><TL=11 SROW=4 EROW=4></FOOTER>", 0, 0},
      // a rule outside the blocks marks nothing; a "TD" inside one is an ordinary cell
      {"<TL=11 SROW=0 EROW=1><HEADER><TD SROW=0 SCOL=0>h</TD></HEADER>", 0, 0},
      // counts larger than the grid are bounded by it
      {"<HEADER><TL=11 SROW=0 EROW=50></HEADER><FOTTER><TL=1 SROW=0 EROW=3></FOTTER>", 5, 0},
      {"<FOTTER><TL=1 SROW=-20 EROW=20></FOTTER>", 0, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    const CTableRenderer& t = Read(std::string("<TABLE ROW=5 COL=2>") + c.body + "</TABLE>");
    EXPECT_EQ(t.HeaderRows(), c.header);
    EXPECT_EQ(t.FooterRows(), c.footer);
  }
}

TEST_F(TableModel, GivenColumnWidths) {
  const struct {
    const char* tags;
    std::vector<int32_t> widths;
  } cases[] = {
      {"<COLWIDTH=12, SCOL=0, SCOL=3>", {12, 12, 12, 12, 0}},  // the second SCOL wins; ECOL stays 0
      {"<COLWIDTH=7 SCOL=4 ECOL=2>", {0, 0, 7, 7, 7}},
      {"<COLWIDTH=7 SCOL=1 ECOL=3><COLWIDTH=0 SCOL=2 ECOL=2>", {0, 7, 0, 7, 0}},
      {"<COLWIDTH=9 SCOL=-2 ECOL=99>", {9, 9, 9, 9, 9}},
      {"<COLWIDTH=9 SCOL=5 ECOL=9>", {0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tags);
    EXPECT_EQ(Read(std::string("<TABLE ROW=1 COL=5>") + c.tags + "</TABLE>").GivenWidth(),
              c.widths);
  }
}

TEST_F(TableModel, TitleAndNoteLines) {
  const CTableRenderer& t = Read(
      "<TABLE ROW=1 COL=1 HEADER=3 FOTTER=2>"
      "<TOH=\"表-1 計算結果, 単位\" ROW=0 ALIGN=CENTER>"
      "<TOH=abc def ROW=1>"  // unquoted: ends at the first blank
      "<TOH=x,ROW=2, ALIGN=LEFT>"
      "<TOH=lost ROW=3>"  // no such line
      "<TOF='注) 値は kN' ROW=1 ALIGN=RIGHT>"
      "<TOF=gone ROW=-1>"
      "</TABLE>");
  ASSERT_EQ(t.TitleLines().size(), 3u);
  ASSERT_EQ(t.NoteLines().size(), 2u);
  const struct {
    const TitleLine& line;
    const char* text;
    int align;
  } want[] = {
      {t.TitleLines()[0], "表-1 計算結果, 単位", 3},
      {t.TitleLines()[1], "abc", -1},
      {t.TitleLines()[2], "x", 4},
      {t.NoteLines()[0], "", -1},
      {t.NoteLines()[1], "注) 値は kN", 5},
  };
  for (const auto& w : want) {
    EXPECT_EQ(Cp932ToUtf8(w.line.text), w.text);
    EXPECT_EQ(w.line.align, w.align);
  }
}

TEST_F(TableModel, CellTextIsKeptAsWritten) {
  const struct {
    const char* content;
    const char* text;
    int kind;
  } cases[] = {
      {"A<sub>11</sub>", "A<sub>11</sub>", 0},
      {"a<br>b<BR/>c", "a<br>b<BR/>c", 0},
      {"&alpha;&amp;&nosuch;", "&alpha;&amp;&nosuch;", 0},
      {"  x\r\n y ", "  x y ", 0},  // blanks stay, line ends go
      {"<font face=\"ＭＳ ゴシック\" size=2>g</font>",
       "<font face=\"ＭＳ ゴシック\" size=2>g</font>", 0},
      {"text<IMG SRC=fig.svg WIDTH=90% HEIGHT=50mm>more", "", 1},
      {"<CTABLE=nowhere/none.tbl>", "", 2},
      {"<IMG SRC=a.svg><CTABLE=nowhere.tbl>", "", 2},  // the last one decides
      {"</TD>", "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.content);
    const CTableRenderer& t =
        Read(std::string("<TABLE ROW=1 COL=1><TD SROW=0 SCOL=0>") + c.content + "</TD></TABLE>");
    const TableCell& cell = t.Cell(0, 0);
    EXPECT_EQ(Cp932ToUtf8(cell.text), c.text);
    EXPECT_EQ(cell.kind, c.kind);
    EXPECT_EQ(cell.nested, nullptr);
  }
  const TableCell& image = Read(
                               "<TABLE ROW=1 COL=1><TD SROW=0 SCOL=0><IMG SRC=\"fig 1.svg\" "
                               "WIDTH=90% HEIGHT=50mm></TD></TABLE>")
                               .Cell(0, 0);
  EXPECT_EQ(image.image.src, "fig 1.svg");
  EXPECT_EQ(image.image.width, "90%");
  EXPECT_EQ(image.image.height, "50mm");
}

TEST_F(TableModel, CellTextLimit) {
  const struct {
    size_t before;
    const char* piece;
    size_t length;
  } cases[] = {
      {6000, "", 5119},         // single bytes up to 5119
      {5111, "&alpha;", 5118},  // an entity that ends at 5118 is kept
      {5112, "&alpha;", 5112},  // one that would pass it is dropped whole
      {5114, "<br>", 5118},    {5115, "<br>", 5115},
      {5115, "<br>yz", 5117},  // single bytes go on after a dropped piece
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before);
    const std::string content = std::string(c.before, 'x') + c.piece;
    const CTableRenderer& t =
        Read("<TABLE ROW=1 COL=1><TD SROW=0 SCOL=0>" + content + "</TD></TABLE>");
    EXPECT_EQ(t.Cell(0, 0).text.size(), c.length);
  }
}

TEST_F(TableModel, WhereTheTableEnds) {
  const struct {
    const char* markup;
    const char* rest;
    bool grid;
  } cases[] = {
      {"<TABLE ROW=3, COL=5><TD SROW=0 SCOL=0>a</TD>", "", true},  // the end of the text
      {"<TABLE ROW=1 COL=1><TABLE ROW=9><TD SROW=0 SCOL=0>a</TD></TABLE>b</TABLE>", "b</TABLE>",
       true},
      {"<TABLE ROW=0 COL=2><TD SROW=0 SCOL=0>a</TD></TABLE>", "<TD SROW=0 SCOL=0>a</TD></TABLE>",
       false},
      {"<TABLE COL=2>x", "x", false},
      {"<TABLE ROW=1 COL=1><LOOP><TD SROW=0 SCOL=0>a</TD></LOOP></table>after", "after", true},
      // an unclosed cell ends with its table: the text after it stays text
      {"<TABLE ROW=1 COL=1><TD SROW=0 SCOL=0>open</TABLE>after", "after", true},
      // a grid too large to hold keeps no cells but is still read through
      {"<TABLE ROW=2000000000 COL=2000000000><TD SROW=0 SCOL=0>a</TD></TABLE>z", "z", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.markup);
    const CTableRenderer& t = Read(c.markup);
    EXPECT_EQ(Rest(), c.rest);
    EXPECT_EQ(t.HasGrid(), c.grid);
  }
  EXPECT_EQ(Read("<TABLE ROW=1 COL=1><TD SROW=0 SCOL=0>open</TABLE>after").Cell(0, 0).text, "open");
}

TEST_F(TableModel, NestedTablesFromFiles) {
  TestFolder folder;
  ASSERT_TRUE(folder.Valid());
  const std::string dir = folder.Path();
  const struct {
    const char* name;
    std::string content;
    int rows, cols;
  } files[] = {
      {"plain.tbl", "ROW=1 COL=2><TD SROW=0 SCOL=0>n1</TD><TD SROW=0 SCOL=1>n2</TD></TABLE>", 1, 2},
      {"tagged.tbl", "<TABLE ROW=2, COL=1><TD SROW=1 SCOL=0>n</TD>", 2, 1},
      {"self.tbl", "ROW=1 COL=1><TD SROW=0 SCOL=0><CTABLE=" + dir + "/self.tbl></TD></TABLE>", 1,
       1},
  };
  for (const auto& f : files) {
    std::ofstream(dir + "/" + f.name, std::ios::binary) << f.content;
    SCOPED_TRACE(f.name);
    const CTableRenderer& t = Read(std::string("<TABLE ROW=1 COL=1><TD SROW=0 SCOL=0><CTABLE=") +
                                   dir + "/" + f.name + "></TD></TABLE>");
    const TableCell& cell = t.Cell(0, 0);
    ASSERT_EQ(cell.kind, 2);
    ASSERT_NE(cell.nested, nullptr);
    EXPECT_EQ(cell.nested->Rows(), f.rows);
    EXPECT_EQ(cell.nested->Cols(), f.cols);
  }
  EXPECT_EQ(table->Cell(0, 0).nested->Cell(0, 0).kind, 2);  // a file naming itself stops nesting
  const CTableRenderer& plain =
      Read("<TABLE ROW=1 COL=1><TD SROW=0 SCOL=0><CTABLE=" + dir + "/plain.tbl></TD></TABLE>");
  EXPECT_EQ(plain.Cell(0, 0).nested->Cell(0, 1).text, "n2");
  // A copied range reads the file once per cell.
  const CTableRenderer& copies =
      Read("<TABLE ROW=1 COL=2><TD SROW=0 SCOL=0 ECOL=1 ARRANG=0><CTABLE=" + dir +
           "/plain.tbl></TD></TABLE>");
  EXPECT_NE(copies.Cell(0, 0).nested, copies.Cell(0, 1).nested);
  EXPECT_NE(copies.Cell(0, 1).nested, nullptr);
}

}  // namespace
}  // namespace norva
