// Measuring and drawing tables: row heights and column widths, placement on
// the page, alignment in cells, rule lines, and page breaks that repeat the
// title lines and header rows (also read back from a PDF).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "external_tools.h"
#include "placed_text.h"
#include "renderer/table_renderer.h"
#include "test_folder.h"
#include "text/cp932.h"

namespace norva {
namespace {

class TableLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    composer.SetFontName(QStringLiteral("ＭＳ 明朝"));
    composer.SetFontSize(10.5);
    composer.SetLineSpacing(100);
    composer.StartDoc();
  }

  CTableRenderer& Read(const std::string& utf8) {
    text = Utf8ToCp932(utf8);
    table = std::make_unique<CTableRenderer>(&composer, run, text, 0);
    table->Parse();
    return *table;
  }

  double W(const char* s) const { return composer.TextWidth(QString::fromUtf8(s)); }
  double WSmall(const char* s) {
    const double kept = composer.FontSize();
    composer.SetFontSize(static_cast<float>(kept / 1.8));
    const double w = W(s);
    composer.SetFontSize(kept);
    return w;
  }
  double LineH() const {
    return composer.LineSpacing() / 100 * composer.TextHeight(QStringLiteral("唖"));
  }
  double Limit() const { return composer.PageHeight() - composer.MarginBottom(); }

  std::vector<Placed> Texts() const { return PlacedTexts(composer); }
  const Placed* Find(const std::string& s) const {
    static std::vector<Placed> keep;
    keep = Texts();
    for (const Placed& p : keep) {
      if (p.text == s) return &p;
    }
    return nullptr;
  }
  std::vector<const PageItem*> Lines(int page) const {
    std::vector<const PageItem*> out;
    for (const PageItem& it : composer.Pages()[static_cast<size_t>(page - 1)].items) {
      if (it.kind == PageItem::Line) out.push_back(&it);
    }
    return out;
  }

  PageComposer composer;
  RenderRun run;
  std::string text;
  std::unique_ptr<CTableRenderer> table;
};

TEST_F(TableLayout, RowHeightsColumnWidthsAndTotals) {
  for (double ls : {100.0, 150.0}) {
    SCOPED_TRACE(ls);
    composer.SetLineSpacing(ls);
    const double lineH = LineH();
    const CTableRenderer& t = Read(
        "<TABLE ROW=3 COL=3 HEADER=1 FOTTER=2>"
        "<TD SROW=0 SCOL=0>ab</TD><TD SROW=0 SCOL=1>a<br>bcd<BR>e</TD>"
        "<TD SROW=1 SCOL=0>A<sub>11</sub></TD><TD SROW=1 SCOL=1>x</TD>"
        "<TL=7 SROW=1 SCOL=1 EROW=1 ECOL=1>"  // top thin, bottom double
        "<TL=4 SROW=1 SCOL=2 EROW=1 ECOL=2>"  // bottom double: the top of the cell below too
        "<COLWIDTH=5 SCOL=2 ECOL=2>"
        "<TD SROW=2 SCOL=0><font size=7>&alpha;&amp;z</font></TD>"
        "</TABLE>");
    // Row 0: three lines; row 1: one line and a double bottom; row 2: one
    // line and a double top (below the double rule).
    EXPECT_NEAR(t.RowHeight()[0], 3 * lineH, 1e-9);
    EXPECT_NEAR(t.RowHeight()[1], lineH + 11.34, 1e-9);
    EXPECT_NEAR(t.RowHeight()[2], lineH + 11.34, 1e-9);
    // Column 0: the widest of "ab", "A" + "11" small, and "a&z" (an entity is
    // its code byte; the font tag does not change the measure).
    const double col0 = std::max({W("ab"), W("A") + WSmall("11"), W("a&z")});
    EXPECT_NEAR(t.ColWidth()[0], col0, 1e-9);
    EXPECT_NEAR(t.ColWidth()[1], std::max({W("a"), W("bcd"), W("e"), W("x")}), 1e-9);
    EXPECT_NEAR(t.ColWidth()[2], 5 * W("0"), 1e-9);
    EXPECT_NEAR(t.TotalWidth(), col0 + t.ColWidth()[1] + 5 * W("0"), 1e-9);
    EXPECT_NEAR(t.TotalHeight(), (1 + 2) * lineH + 3 * lineH + 2 * (lineH + 11.34), 1e-9);
  }
}

TEST_F(TableLayout, PlacementAcrossThePage) {
  composer.SetMarginLeft(2000.0);
  composer.SetMarginRight(500.0);
  const struct {
    const char* halign;
    double (*x)(double page, double width);
  } cases[] = {
      {"LEFT", [](double, double) { return 3000.0; }},
      {"CENTER",
       [](double page, double w) { return page / 2 - w / 2; }},  // the page, not the margins
      {"RIGHT", [](double page, double w) { return page - w; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.halign);
    composer.StartDoc();
    CTableRenderer& t = Read(std::string("<TABLE ROW=1 COL=1 HALIGN=") + c.halign +
                             "><TL=9><TD SROW=0 SCOL=0>abc</TD></TABLE>");
    t.Draw(3000, 2000);
    const double x = c.x(composer.PageWidth(), t.TotalWidth());
    double minX = 1e9, maxX = -1e9;
    for (const PageItem* line : Lines(1)) {
      minX = std::min({minX, line->x, line->x2});
      maxX = std::max({maxX, line->x, line->x2});
    }
    EXPECT_NEAR(minX, x, 1e-9);
    EXPECT_NEAR(maxX, x + t.TotalWidth(), 1e-9);
    EXPECT_NEAR(composer.CurrentX(), x, 1e-9);
    EXPECT_NEAR(composer.CurrentY(), 2000 + LineH(), 1e-9);
    ASSERT_NE(Find("abc"), nullptr);
    EXPECT_NEAR(Find("abc")->x, x, 1e-9);  // no inner margin
  }
}

TEST_F(TableLayout, ContentAlignedInItsCell) {
  // Column 0 is ten "0" wide; column 1 holds three lines, so each row is three lines high.
  std::string markup = "<TABLE ROW=9 COL=2><COLWIDTH=10>";
  const char* halign[] = {"CENTER", "LEFT", "RIGHT"};
  const char* valign[] = {"TOP", "MIDDLE", "BOTTOM"};
  for (int code = 0; code < 9; ++code) {
    const std::string r = std::to_string(code);
    markup += "<TD SROW=" + r + " SCOL=0 HALIGN=" + halign[code % 3] +
              " VALIGN=" + valign[code / 3] + ">c" + r + "</TD><TD SROW=" + r +
              " SCOL=1>a<br>b<br>c</TD>";
  }
  CTableRenderer& t = Read(markup + "</TABLE>");
  t.Draw(1000, 1500);
  const double lineH = LineH(), cellW = 10 * W("0");
  for (int code = 0; code < 9; ++code) {
    SCOPED_TRACE(code);
    const std::string name = "c" + std::to_string(code);
    const double w = W(name.c_str());
    const double xs[] = {1000 + cellW / 2 - w / 2, 1000, 1000 + cellW - w};
    const double ys[] = {0, lineH, 2 * lineH};
    const Placed* p = Find(name);
    ASSERT_NE(p, nullptr);
    EXPECT_NEAR(p->x, xs[code % 3], 1e-9);
    EXPECT_NEAR(p->y, 1500 + code * 3 * lineH + ys[code / 3], 1e-6);
  }
  // The second and third lines of a cell start at the cell's text x, one line lower each.
  std::vector<Placed> lines;
  for (const Placed& p : Texts()) {
    if (p.text == "c" && p.y < 1500 + 3 * lineH) lines.push_back(p);
  }
  ASSERT_EQ(lines.size(), 1u);
  const Placed* a = Find("a");
  ASSERT_NE(a, nullptr);
  EXPECT_NEAR(lines[0].x, a->x, 1e-9);
  EXPECT_NEAR(lines[0].y, a->y + 2 * lineH, 1e-6);
}

TEST_F(TableLayout, MergedCellDoubleRulesAndScripts) {
  CTableRenderer& t = Read(
      "<TABLE ROW=3 COL=2><COLWIDTH=4 SCOL=0 ECOL=1>"
      "<TD SROW=0 SCOL=0 EROW=1 ECOL=1>M</TD>"
      "<TL=4 SROW=1 SCOL=0 EROW=1 ECOL=1>"  // double rule under row 1
      "<TD SROW=2 SCOL=0 VALIGN=TOP HALIGN=LEFT>A<sub>11</sub>B</TD>"
      "<TL=10 SROW=2 SCOL=1 EROW=2 ECOL=1>"
      "</TABLE>");
  t.Draw(1000, 1500);
  const double lineH = LineH(), w0 = 4 * W("0");
  // Centred over both rows and columns.
  const Placed* m = Find("M");
  ASSERT_NE(m, nullptr);
  EXPECT_NEAR(m->x, 1000 + w0 - W("M") / 2, 1e-9);
  EXPECT_NEAR(m->y, 1500 + (lineH + lineH + 11.34) / 2 - lineH / 2, 1e-6);
  // Row 2 starts below the double rule and its top-aligned content 11.34 lower.
  const double y2 = 1500 + lineH + (lineH + 11.34);
  const Placed* a = Find("A");
  const Placed* sub = Find("11");
  const Placed* b = Find("B");
  ASSERT_TRUE(a && sub && b);
  EXPECT_NEAR(a->y, y2 + 11.34, 1e-6);
  EXPECT_NEAR(a->x, 1000, 1e-9);
  EXPECT_NEAR(sub->size, 10.5 / 1.8, 1e-6);
  composer.SetFontSize(10.5 / 1.8);
  const double down = 0.8 * composer.TextHeight(QStringLiteral("0"));
  composer.SetFontSize(10.5);
  EXPECT_NEAR(sub->y, y2 + 11.34 + down, 1e-6);
  EXPECT_NEAR(b->y, y2 + 11.34, 1e-6);
  EXPECT_NEAR(b->size, 10.5, 1e-9);
  EXPECT_NEAR(b->x, 1000 + W("A") + WSmall("11"), 1e-3);
  // The double boundary under cell (1, 0): two thin strokes 11.34 apart,
  // centred on it, drawn by the cells on both sides. The thick box of cell
  // (2, 1) overrides the double rule above it and is drawn in 0.5 mm: its
  // four sides and the two facing sides of its neighbours.
  const double yb = 1500 + 2 * lineH + 11.34;
  int doubleStrokes = 0, thick = 0;
  for (const PageItem* line : Lines(1)) {
    const bool horizontal = std::fabs(line->y - line->y2) < 1e-9;
    if (horizontal &&
        (std::fabs(line->y - (yb - 5.67)) < 1e-6 || std::fabs(line->y - (yb + 5.67)) < 1e-6)) {
      EXPECT_EQ(line->penWidth, 0);
      ++doubleStrokes;
    }
    if (std::fabs(line->penWidth - 0.5 * 1440 / 25.4) < 1e-6) ++thick;
  }
  EXPECT_EQ(doubleStrokes, 2 * 2);
  EXPECT_EQ(thick, 6);
}

TEST_F(TableLayout, PictureAndNestedTableCells) {
  TestFolder folder;
  ASSERT_TRUE(folder.Valid());
  const std::string dir = folder.Path();
  {
    QFile svg(QString::fromStdString(dir + "/fig.svg"));
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    svg.write(
        "<svg xmlns='http://www.w3.org/2000/svg' width='2in' height='1in'/>");  // 2880 x 1440 twips
    QFile nested(QString::fromStdString(dir + "/nested.tbl"));
    ASSERT_TRUE(nested.open(QIODevice::WriteOnly));
    nested.write("ROW=1 COL=1 HALIGN=CENTER><COLWIDTH=6><TD SROW=0 SCOL=0>inner</TD></TABLE>");
  }
  CTableRenderer& t = Read(
      "<TABLE ROW=2 COL=1>"
      "<TD SROW=0 SCOL=0 VALIGN=TOP HALIGN=LEFT><IMG SRC=" +
      dir +
      "/fig.svg WIDTH=90% HEIGHT=90%></TD>"
      "<TD SROW=1 SCOL=0 VALIGN=TOP HALIGN=LEFT><CTABLE=" +
      dir + "/nested.tbl></TD></TABLE>");
  // The picture measures 0.9 of its natural size; the nested table its total size.
  EXPECT_NEAR(t.RowHeight()[0], 0.9 * 1440, 1e-6);
  EXPECT_NEAR(t.RowHeight()[1], LineH(), 1e-9);
  EXPECT_NEAR(t.ColWidth()[0], 0.9 * 2880, 1e-6);
  t.Draw(1000, 1500);
  const PageItem* picture = nullptr;
  for (const PageItem& it : composer.Pages()[0].items) {
    if (it.kind == PageItem::Picture) picture = &it;
  }
  ASSERT_NE(picture, nullptr);
  EXPECT_NEAR(picture->x, 1000, 1e-9);
  EXPECT_NEAR(picture->y, 1500, 1e-9);
  EXPECT_NEAR(picture->w, 2592, 1e-6);
  EXPECT_NEAR(picture->h, 1296, 1e-6);
  // A centred nested table is centred on the page, not in its cell.
  const Placed* inner = Find("inner");
  ASSERT_NE(inner, nullptr);
  const double width = 6 * W("0");
  EXPECT_NEAR(inner->x, composer.PageWidth() / 2 - width / 2 + width / 2 - W("inner") / 2, 1e-9);
  EXPECT_NEAR(inner->y, 1500 + 0.9 * 1440, 1e-6);
}

class TablePages : public TableLayout {
 protected:
  // A title line, one header row, n body rows, one footer row and a note line.
  std::string Markup(int n) const {
    std::string m = "<TABLE ROW=" + std::to_string(n + 2) +
                    " COL=1 HEADER=1 FOTTER=1>"
                    "<TOH=T ROW=0 ALIGN=LEFT><TOF=N ROW=0>"
                    "<HEADER><TL=9 SROW=0 EROW=0></HEADER><FOTTER><TL=9 SROW=" +
                    std::to_string(n + 1) + " EROW=" + std::to_string(n + 1) +
                    "></FOTTER>"
                    "<TD SROW=0 SCOL=0>H</TD><TD SROW=" +
                    std::to_string(n + 1) + " SCOL=0>F</TD>";
    for (int i = 0; i < n; ++i) {
      m += "<TD SROW=" + std::to_string(i + 1) + " SCOL=0>r" + std::to_string(i) + "</TD>";
    }
    return m + "</TABLE>";
  }
  // page of each text, in drawing order: "T1 H1 r01 ..."
  std::string Order() const {
    std::string s;
    for (const Placed& p : Texts()) s += (s.empty() ? "" : " ") + p.text + std::to_string(p.page);
    return s;
  }
};

TEST_F(TablePages, BreaksRepeatTheTitleAndHeader) {
  const double lineH = LineH();
  // Heights add up without rounding, so "ends exactly at the limit" is exact.
  ASSERT_EQ(std::fmod(lineH * 64, 1.0), 0.0) << lineH;
  const struct {
    const char* name;
    int rows;
    double linesAbove;
    const char* order;
  } cases[] = {
      // title, header and two rows end exactly at the limit: the second row
      // must end strictly before it, so it goes on with a repeated header
      {"body row", 3, 4, "T1 H1 r01 T2 H2 r12 r22 F2 N2"},
      {"body fits", 3, 4.5, "T1 H1 r01 r11 T2 H2 r22 F2 N2"},
      // the title and header alone do not fit: the table starts on the next page
      {"header", 1, 1.5, "T2 H2 r02 F2 N2"},
      {"header fits exactly", 0, 2, "T1 H1 T2 H2 F2 N2"},
      // the body fits but the footer row with the note does not: they go on
      // together after a repeated header
      {"footer", 2, 5, "T1 H1 r01 r11 T2 H2 F2 N2"},
      {"footer fits exactly", 2, 6, "T1 H1 r01 r11 F1 N1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    composer.StartDoc();
    CTableRenderer& t = Read(Markup(c.rows));
    const double y0 = Limit() - c.linesAbove * lineH;
    t.Draw(composer.MarginLeft(), y0);
    EXPECT_EQ(Order(), c.order);
    // The repeated block starts at the top margin of the new page.
    for (const Placed& p : Texts()) {
      if (p.page == 2 && p.text == "T") {
        EXPECT_NEAR(p.y, composer.MarginTop(), 1e-9);
      }
    }
    // The flow goes on below the note line.
    const Placed* note = nullptr;
    static std::vector<Placed> all;
    all = Texts();
    for (const Placed& p : all) {
      if (p.text == "N") note = &p;
    }
    ASSERT_NE(note, nullptr);
    EXPECT_NEAR(composer.CurrentY(), note->y + lineH, 1e-6);
  }
}

TEST_F(TablePages, RowTallerThanAPageStartsOnTheNextPage) {
  std::string tall = "x0";
  for (int i = 1; i < 90; ++i) tall += "<br>x" + std::to_string(i);
  CTableRenderer& t =
      Read("<TABLE ROW=2 COL=1><TD SROW=0 SCOL=0>a</TD><TD SROW=1 SCOL=0 VALIGN=TOP>" + tall +
           "</TD></TABLE>");
  t.Draw(composer.MarginLeft(), 3000);
  const Placed* a = Find("a");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->page, 1);
  // One break before the row; none of its lines is lost.
  const Placed* first = Find("x0");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->page, 2);
  EXPECT_NEAR(first->y, composer.MarginTop(), 1e-9);
  for (int i = 0; i < 90; ++i) EXPECT_NE(Find("x" + std::to_string(i)), nullptr) << i;
}

TEST_F(TablePages, LongTableInAPdf) {
  const int rows = 120;
  std::string markup =
      "本文の前置き。<br>\r\n<TABLE ROW=" + std::to_string(rows + 1) +
      " COL=3 HEADER=1 HALIGN=CENTER>\r\n<TOH=\"表-1 座標計算表\" ROW=0 ALIGN=CENTER>\r\n"
      "<COLWIDTH=8 SCOL=0 ECOL=2><HEADER><TL=11 SROW=0 SCOL=0 EROW=0 ECOL=2></HEADER>\r\n"
      "<TD SROW=0 SCOL=0>測点</TD><TD SROW=0 SCOL=1>座標X</TD><TD SROW=0 SCOL=2>座標Y</TD>\r\n";
  for (int i = 1; i <= rows; ++i) {
    const std::string r = std::to_string(i);
    markup += "<TD SROW=" + r + " SCOL=0>P" + r + "</TD><TD SROW=" + r + " SCOL=1>" + r +
              ".25</TD><TD SROW=" + r + " SCOL=2>-" + r + ".5</TD><TL=11 SROW=" + r + " EROW=" + r +
              " SCOL=0 ECOL=2>\r\n";
  }
  markup += "</TABLE>\r\n表の後の本文。<br>\r\n";
  const std::string cp932 = Utf8ToCp932(markup);
  CMarkupRenderer flow(nullptr, &composer, run);
  flow.Render(cp932, nullptr);
  composer.EndDoc();
  TestFolder folder;
  ASSERT_TRUE(folder.Valid());
  const QString pdf = folder.QFilePath(QStringLiteral("long_table.pdf"));
  ASSERT_TRUE(composer.ExportPdf(pdf));
  const int pages = composer.TotalPages();
  ASSERT_GE(pages, 3);
  std::string all;
  for (int p = 1; p <= pages; ++p) {
    SCOPED_TRACE(p);
    const std::string page = RunTool(
        "pdftotext", {"-layout", "-f", QString::number(p), "-l", QString::number(p), pdf, "-"});
    // Every page of the table starts with its title line and header row.
    EXPECT_EQ(Count(page, "表-1 座標計算表"), 1u) << page;
    EXPECT_EQ(Count(page, "座標X"), 1u);
    EXPECT_LT(page.find("座標X"), page.find("P"));
    all += page;
  }
  // Every row once, in order.
  size_t at = 0;
  for (int i = 1; i <= rows; ++i) {
    const std::string cell = "P" + std::to_string(i) + " ";
    const size_t pos = all.find(cell, at);
    ASSERT_NE(pos, std::string::npos) << cell << all.substr(at, 500);
    EXPECT_EQ(Count(all, cell), 1u) << cell;
    at = pos;
  }
  EXPECT_NE(all.find("120.25"), std::string::npos);
  EXPECT_NE(all.find("-120.5"), std::string::npos);
  EXPECT_LT(all.find("本文の前置き。"), all.find("P1 "));
  EXPECT_GT(all.find("表の後の本文。"), all.find("P120 "));
}

}  // namespace
}  // namespace norva
