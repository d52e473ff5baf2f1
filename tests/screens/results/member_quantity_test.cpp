// The quantity rows as the table edits them, the CSV export (bytes, and read
// back by LibreOffice to the same cells), the "suryou.prn" markup against hand
// goldens, the preview call, and the table printed to PDF by the renderer.
#include "screens/results/member_quantity.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QProcess>
#include <QStandardPaths>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "renderer/external_tools.h"
#include "renderer/printer_settings.h"
#include "report/report_test_support.h"
#include "text/cp932.h"
#include "text/vb_text_io.h"

namespace norva {

// Found by the comparisons of the rows (SuryouRec lives in norva).
bool operator==(const SuryouRec& a, const SuryouRec& b) {
  return a.Koumoku == b.Koumoku && a.Tani == b.Tani && a.Suryou == b.Suryou && a.Bikou == b.Bikou;
}

namespace {

using Rows = std::vector<SuryouRec>;

// Three rows with Japanese text, an empty field, an inner quote and the
// characters the markup would read as tags.
const Rows kThree = {
    {"コンクリート量", "m3", "12.35", ""},
    {"型　枠", "m2", "40.50", "端部含む"},
    {"基 礎 材", "m3", "1.20", "φ<40 & \"砕石\""},
};

void SetRows(const Rows& rows) {
  SuryouList = rows;
  SuryouCnt = static_cast<int16_t>(rows.size());
}

std::string Golden(const char* name) {
  return test::ReadBytes(std::string(NORVA_SOURCE_DIR) + "/tests/screens/results/golden/" + name);
}

std::string Prn() {
  VbTextWriter out;
  WriteSuryouPrn(out);
  return out.bytes();
}

TEST(QuantityTable, AddDeleteAndEditKeepTheRowsInUse) {
  SetRows(kThree);
  ASSERT_TRUE(AddQuantityRow());
  SetQuantityField(3, 0, "ブロック積");
  SetQuantityField(3, 2, "8.00");
  SetQuantityField(3, 4, "ignored");  // no fifth field
  SetQuantityField(7, 0, "ignored");  // no such row
  EXPECT_EQ(QuantityRows(),
            (Rows{kThree[0], kThree[1], kThree[2], {"ブロック積", "", "8.00", ""}}));
  // Deleting the first row moves every row below up.
  ASSERT_TRUE(DeleteQuantityRow(0));
  EXPECT_EQ(QuantityRows(), (Rows{kThree[1], kThree[2], {"ブロック積", "", "8.00", ""}}));
  EXPECT_EQ(SuryouCnt, 3);
  EXPECT_FALSE(DeleteQuantityRow(3));
  EXPECT_FALSE(DeleteQuantityRow(-1));
  EXPECT_EQ(SuryouCnt, 3);

  // A calculation that found no row leaves the old list behind SuryouCnt 0:
  // the table is empty and an added row starts from nothing.
  SetRows(kThree);
  SuryouCnt = 0;
  EXPECT_TRUE(QuantityRows().empty());
  EXPECT_EQ(QuantityCsvBytes(), "");
  ASSERT_TRUE(AddQuantityRow());
  EXPECT_EQ(QuantityRows(), (Rows{{"", "", "", ""}}));
  EXPECT_EQ(SuryouCnt, 1);
}

TEST(QuantityTable, CsvQuotesEveryFieldAndDoublesInnerQuotes) {
  SetRows(kThree);
  const std::string expected = Utf8ToCp932(
      "\"コンクリート量\",\"m3\",\"12.35\",\"\"\r\n"
      "\"型　枠\",\"m2\",\"40.50\",\"端部含む\"\r\n"
      "\"基 礎 材\",\"m3\",\"1.20\",\"φ<40 & \"\"砕石\"\"\"\r\n");
  EXPECT_EQ(QuantityCsvBytes(), expected);
}

// One CSV line as a reader takes it: quoted fields with doubled quotes.
std::vector<std::string> ParseCsvLine(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
      fields.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else if (c != '\r') {
      fields.back() += c;
    }
  }
  return fields;
}

TEST(QuantityTable, LibreOfficeReadsTheCsvBackToTheSameCells) {
  const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
  if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice is not installed";
  test::TempFolder work("norva_quantity_csv");
  SetRows(kThree);
  const std::string csv = work.path() + "/quantities.csv";
  {
    std::ofstream out(csv, std::ios::binary);
    const std::string bytes = QuantityCsvBytes();
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  // Read as Windows-932 text, every column as text; written back as UTF-8
  // with every text cell quoted.
  const QString outDir = QString::fromStdString(work.path() + "/out");
  QProcess lo;
  lo.start(
      soffice,
      {QStringLiteral("-env:UserInstallation=file:///tmp/lo-mem"), QStringLiteral("--headless"),
       QStringLiteral("--infilter=CSV:44,34,60,1,1/2/2/2/3/2/4/2"), QStringLiteral("--convert-to"),
       QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true,true"),
       QStringLiteral("--outdir"), outDir, QString::fromStdString(csv)});
  ASSERT_TRUE(lo.waitForFinished(240000));
  const std::string errors = lo.readAllStandardError().toStdString();
  const std::string back = test::ReadBytes(outDir.toStdString() + "/quantities.csv");
  if (back.empty() && errors.find("could not be loaded") != std::string::npos)
    GTEST_SKIP() << "LibreOffice has no spreadsheet filter (Calc): " << errors;
  ASSERT_FALSE(back.empty()) << errors;
  std::vector<std::vector<std::string>> cells;
  size_t start = 0;
  for (size_t p = back.find('\n'); p != std::string::npos; p = back.find('\n', start)) {
    cells.push_back(ParseCsvLine(back.substr(start, p - start)));
    start = p + 1;
  }
  ASSERT_EQ(cells.size(), kThree.size()) << back;
  for (size_t r = 0; r < kThree.size(); ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(cells[r], (std::vector<std::string>{kThree[r].Koumoku, kThree[r].Tani,
                                                  kThree[r].Suryou, kThree[r].Bikou}));
  }
}

TEST(QuantityTable, MarkupMatchesTheHandGoldens) {
  SetRows({});
  test::ExpectSameMarkup(Prn(), Golden("suryou_empty.prn"));
  SetRows(kThree);
  test::ExpectSameMarkup(Prn(), Golden("suryou_three.prn"));

  // Eight rows: ROW = 8 + 2 = 10, the loop's last row 8 + 1 = 9 in two places.
  SetRows(Rows(8, {"x", "m3", "1.00", ""}));
  const std::vector<std::string> lines = test::Lines(Prn());
  ASSERT_GE(lines.size(), 16u);
  EXPECT_EQ(lines[0], "<TABLE ROW=10, COL=4, HALIGN=CENTER>");
  EXPECT_EQ(lines[15], "<TL=11, SROW=2, SCOL=0, EROW= 9, ECOL=3>");
  EXPECT_EQ(lines[16 + 4 * 7], "<TD SROW= 9, SCOL=0, HALIGN=LEFT> x</TD>");
}

TEST(QuantityTable, PreviewWritesSuryouPrnAndCallsTheRendererInMode1) {
  test::TempFolder work("norva_quantity_preview");
  test::RecordingSink sink;
  test::RecordingRenderer renderer;
  SetRows(kThree);
  const ReportEnv env{work.path(), work.path() + "/style", work.path(), &renderer};
  ASSERT_TRUE(PreviewQuantityTable(env));
  ASSERT_EQ(renderer.calls.size(), 1u);
  const test::RenderCall& call = renderer.calls[0];
  EXPECT_EQ(call.mode, 1);
  EXPECT_EQ(call.markup, Golden("suryou_three.prn"));
  EXPECT_EQ(call.stylePath, work.path() + "/style/style.dat");
  EXPECT_EQ(call.workDir, work.path());
  EXPECT_EQ(test::ReadBytes(work.path() + "/suryou.prn"), call.markup);
  EXPECT_TRUE(sink.shown.empty());

  // A work folder that is gone: one message naming the file, no preview.
  const ReportEnv gone{work.path() + "/gone", work.path(), work.path(), &renderer};
  EXPECT_FALSE(PreviewQuantityTable(gone));
  EXPECT_EQ(renderer.calls.size(), 1u);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_NE(sink.shown[0].find(work.path() + "/gone/suryou.prn"), std::string::npos);

  // A renderer that cannot be loaded says so.
  renderer.failWith = "libRavtek2.so を読み込めません。";
  EXPECT_FALSE(PreviewQuantityTable(env));
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[1], renderer.failWith);
}

using DoPreviewFn = int32_t (*)(int32_t, int32_t, const char*, const char*, const char*,
                                const void*);

TEST(QuantityTable, PrintedToPdfByTheRenderer) {
  QLibrary lib(QStringLiteral(NORVA_BIN_DIR "/Ravtek2"));
  if (!lib.load()) GTEST_SKIP() << "Ravtek2 is not built: " << lib.errorString().toStdString();
  auto doPreview = reinterpret_cast<DoPreviewFn>(lib.resolve("DoPreview"));
  ASSERT_NE(doPreview, nullptr);
  test::TempFolder work("norva_quantity_pdf");
  SetRows(kThree);
  const std::string markup = Prn();
  const std::string pdf = work.path() + "/quantities.pdf";
  ::PrinterSettingsRec printer{};
  printer.DeviceName = pdf.c_str();
  printer.Orientation = 1;
  const std::string style = Utf8ToCp932(test::ShippedFolder() + "/style.dat");
  doPreview(0, 1, markup.c_str(), style.c_str(), work.path().c_str(), &printer);
  ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(pdf)));
  if (const char* keep = std::getenv("NORVA_KEEP_OUTPUT")) {
    const QString kept = QString::fromLocal8Bit(keep) + "/norva_quantity_table.pdf";
    QFile::remove(kept);
    QFile::copy(QString::fromStdString(pdf), kept);
  }
  const std::string text = RunTool("pdftotext", {QString::fromStdString(pdf), "-"});
  EXPECT_NE(text.find("数 量 表"), std::string::npos) << text;
  const std::string squeezed = Squeezed(text);
  for (const char* want : {"項目", "単位", "数量", "備考", "コンクリート量", "型枠", "基礎材",
                           "12.35", "40.50", "1.20", "端部含む", "φ<40&\"砕石\""}) {
    EXPECT_NE(squeezed.find(want), std::string::npos) << want << "\n" << text;
  }
}

}  // namespace
}  // namespace norva
