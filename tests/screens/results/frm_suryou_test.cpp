// The quantity table as a user works it: the calculated rows of every sample,
// added, edited and deleted rows, reopening and the options dialog, the CSV
// export (also into a place that cannot be written) and the preview; the
// export menu item of the main window.
#include "screens/results/frm_suryou.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <string>
#include <vector>

#include "calc/member/suryou.h"
#include "document/document.h"
#include "document/document_file.h"
#include "report/report_test_support.h"
#include "screens/results/member_windows.h"
#include "shell/screen.h"
#include "shell/shell_test_support.h"
#include "text/cp932.h"

namespace norva {
namespace {

std::string Cell(SpreadGrid* g, int col, int row) { return g->Text(col, row).toStdString(); }

class FrmSuryouTest : public test::ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    saved_ = Windows();
    doc_ = std::make_unique<CDocument>();
    ASSERT_TRUE(DataFileReadFrom(*doc_, test::ExampleFile("gravity.nrv")));
  }
  void TearDown() override {
    Windows() = saved_;
    ShellFixture::TearDown();
  }
  // A table opened on the document, exporting to `csv`.
  std::unique_ptr<frmSuryou> Open(const QString& csv = QString()) {
    auto t = std::make_unique<frmSuryou>(main_.get());
    t->chooseCsvFile = [csv](QWidget*) { return csv; };
    t->SetDoc(doc_.get());
    return t;
  }
  // Types into a cell as the grid's editor would.
  static void Type(frmSuryou& t, int col, int row, const QString& text) {
    t.vasSuryou->SetText(col, row, text);
    emit t.vasSuryou->EditChange(col, row);
  }

  ShellWindows saved_;
  std::unique_ptr<CDocument> doc_;
};

// The grid of a freshly opened table is CalcSuryou's rows, remarks empty,
// quantities aligned right.
TEST_F(FrmSuryouTest, OpeningShowsTheCalculatedRowsOfEverySample) {
  for (const char* sample : {"block_masonry.nrv", "gravity.nrv", "leaning.nrv", "mixed.nrv"}) {
    SCOPED_TRACE(sample);
    ASSERT_TRUE(DataFileReadFrom(*doc_, test::ExampleFile(sample)));
    auto t = Open();
    CalcSuryou(*doc_);
    ASSERT_GT(SuryouCnt, 0);
    ASSERT_EQ(t->vasSuryou->MaxRows(), SuryouCnt + 1);
    EXPECT_EQ(Cell(t->vasSuryou, 1, 1), "項目");
    EXPECT_EQ(Cell(t->vasSuryou, 3, 1), "数量");
    for (int i = 0; i < SuryouCnt; ++i) {
      const SuryouRec& r = SuryouList[static_cast<size_t>(i)];
      EXPECT_EQ(Cell(t->vasSuryou, 1, i + 2), r.Koumoku);
      EXPECT_EQ(Cell(t->vasSuryou, 2, i + 2), r.Tani);
      EXPECT_EQ(Cell(t->vasSuryou, 3, i + 2), r.Suryou);
      EXPECT_EQ(Cell(t->vasSuryou, 4, i + 2), "");
      EXPECT_TRUE(t->vasSuryou->item(i + 1, 2)->textAlignment() & Qt::AlignRight);
    }
  }
}

TEST_F(FrmSuryouTest, AddEditDeleteExportAndReopen) {
  const QString csv = Path("quantities.csv");
  auto t = Open(csv);
  const int calc = SuryouCnt;
  const std::vector<SuryouRec> calculated(SuryouList.begin(), SuryouList.begin() + calc);

  t->cmdAdd->click();
  t->cmdAdd->click();
  ASSERT_EQ(t->vasSuryou->MaxRows(), calc + 3);
  Type(*t, 1, calc + 2, "水抜きパイプ");
  Type(*t, 2, calc + 2, "本");
  Type(*t, 3, calc + 2, "4");
  Type(*t, 4, calc + 3, "別途\"協議\"");
  t->cmdExport->click();
  std::string expected;
  for (const SuryouRec& r : calculated)
    expected += "\"" + r.Koumoku + "\",\"" + r.Tani + "\",\"" + r.Suryou + "\",\"\"\r\n";
  expected += "\"水抜きパイプ\",\"本\",\"4\",\"\"\r\n";
  expected += "\"\",\"\",\"\",\"別途\"\"協議\"\"\"\r\n";
  EXPECT_EQ(test::ReadBytes(csv.toStdString()), Utf8ToCp932(expected));

  // Deleting the first data row moves every row up, in all four columns.
  t->vasSuryou->SetActiveCell(2, 2);
  t->cmdDel->click();
  ASSERT_EQ(t->vasSuryou->MaxRows(), calc + 2);
  EXPECT_EQ(Cell(t->vasSuryou, 1, 2), calculated[1].Koumoku);
  EXPECT_EQ(Cell(t->vasSuryou, 3, calc + 1), "4");
  EXPECT_EQ(Cell(t->vasSuryou, 4, calc + 2), "別途\"協議\"");
  t->cmdExport->click();
  const std::string after = Cp932ToUtf8(test::ReadBytes(csv.toStdString()));
  EXPECT_EQ(after, expected.substr(expected.find("\r\n") + 2));

  // The caption row is never deleted.
  t->vasSuryou->SetActiveCell(1, 1);
  t->cmdDel->click();
  EXPECT_EQ(t->vasSuryou->MaxRows(), calc + 2);

  // A character the CSV cannot hold is refused; the cell shows the row again.
  Type(*t, 1, 2, QString::fromUtf8("型枠😀"));
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_EQ(Cell(t->vasSuryou, 1, 2), calculated[1].Koumoku);
  EXPECT_EQ(SuryouList[0].Koumoku, calculated[1].Koumoku);

  // Reopening recalculates: added rows and edits are gone.
  auto again = Open(csv);
  EXPECT_EQ(again->vasSuryou->MaxRows(), calc + 1);
  EXPECT_EQ(SuryouCnt, calc);
  EXPECT_EQ(Cell(again->vasSuryou, 1, 2), calculated[0].Koumoku);
}

TEST_F(FrmSuryouTest, OptionsOpenWithoutSheetChoicesThenRecalculate) {
  std::vector<bool> choices;
  Windows().sheetOptions = [&](CDocument& doc, bool sheetChoices, QWidget*) -> int16_t {
    EXPECT_EQ(&doc, doc_.get());
    choices.push_back(sheetChoices);
    doc.KisoH2 = 0;  // no foundation layer any more
    return 0;        // cancelled: the changes made stay
  };
  auto t = Open();
  const int calc = SuryouCnt;
  t->cmdAdd->click();
  t->cmdOption->click();
  EXPECT_EQ(choices, std::vector<bool>{false});
  EXPECT_EQ(SuryouCnt, calc - 1);  // the added row is gone, and so is "基 礎 材"
  EXPECT_EQ(t->vasSuryou->MaxRows(), calc);
}

TEST_F(FrmSuryouTest, ExportThatCannotBeWrittenLeavesNothingBehind) {
  // The chosen name is a folder: nothing can be written there.
  const QString folder = Path("out");
  ASSERT_TRUE(QDir().mkpath(folder + "/quantities.csv"));
  auto t = Open(folder + "/quantities.csv");
  t->cmdExport->click();
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_NE(sink_.shown[0].find((folder + "/quantities.csv").toStdString()), std::string::npos);
  EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{"quantities.csv"});

  // A folder that does not exist.
  auto u = Open(Path("missing/quantities.csv"));
  u->cmdExport->click();
  ASSERT_EQ(sink_.shown.size(), 2u);
  EXPECT_FALSE(QFile::exists(Path("missing/quantities.csv")));

  // Cancelling the file dialog does nothing.
  auto v = Open();
  v->cmdExport->click();
  EXPECT_EQ(sink_.shown.size(), 2u);
}

TEST_F(FrmSuryouTest, PrintPreviewsTheTable) {
  test::TempFolder work("norva_suryou_dialog");
  test::RecordingRenderer renderer;
  auto t = Open();
  t->SetReportEnv({work.path(), work.path(), work.path(), &renderer});
  t->cmdPrn->click();
  ASSERT_EQ(renderer.calls.size(), 1u);
  EXPECT_EQ(renderer.calls[0].mode, 1);
  EXPECT_NE(Cp932ToUtf8(renderer.calls[0].markup).find("数 量 表"), std::string::npos);
  EXPECT_EQ(test::ReadBytes(work.path() + "/suryou.prn"), renderer.calls[0].markup);
}

TEST_F(FrmSuryouTest, ExportMenuItemOpensTheTableAfterTheOptions) {
  RegisterMemberResultWindows();
  std::vector<std::string> order;
  Windows().sheetOptions = [&](CDocument&, bool sheetChoices, QWidget*) -> int16_t {
    order.push_back(sheetChoices ? "options+sheet" : "options");
    return static_cast<int16_t>(order.size() == 1 ? 1 : 0);
  };
  auto table = Windows().quantityTable;
  ASSERT_TRUE(table);
  Windows().quantityTable = [&](CDocument&, QWidget*) { order.push_back("table"); };
  OpenDocumentFile(test::ExampleFile("gravity.nrv"));
  EXPECT_TRUE(main_->mnuExport[0]->isEnabled());
  main_->mnuExport_Click(0);  // OK in the options
  main_->mnuExport_Click(0);  // cancelled
  EXPECT_EQ(order, (std::vector<std::string>{"options", "table", "options"}));
}

}  // namespace
}  // namespace norva
