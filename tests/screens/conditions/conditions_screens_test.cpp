// The initial-conditions dialog and the basic-data and stability-conditions
// screens: what their fills and their boxes do to the document.
#include <gtest/gtest.h>

#include <QSvgRenderer>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "document/document.h"
#include "document/document_file.h"
#include "document/load_case.h"
#include "platform/controls/control_helpers.h"
#include "screens/conditions/conditions_tables.h"
#include "screens/conditions/conditions_test_support.h"
#include "screens/conditions/frm_antei.h"
#include "screens/conditions/frm_ini_data.h"
#include "screens/conditions/frm_kihon.h"
#include "screens/conditions/register_conditions.h"
#include "shell/screen.h"

namespace norva {
namespace {

using test::AnswerSink;
using test::ReadSample;
using test::SinkScope;

class ConditionsScreens : public ::testing::Test {
 protected:
  void SetUp() override { test::App(); }
};

// The screen a document shows, filled.
template <typename Screen>
std::unique_ptr<Screen> Show(CDocument& doc) {
  auto s = std::make_unique<Screen>();
  s->SetDoc(&doc);
  doc.DataForm = s.get();
  s->DataSet();
  return s;
}

std::string Bytes(const CDocument& d) { return DocumentFileBytes(d); }

std::string SavedFile(const CDocument& d, const QString& path) {
  EXPECT_TRUE(DataFileWrite(d, path.toStdString()));
  std::ifstream in(path.toStdString(), std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// ---- Initial conditions ---------------------------------------------------------

TEST_F(ConditionsScreens, LargeBlockGuidelineLocksWallTypeAndFormula) {
  CDocument doc;
  frmIniData dlg(nullptr);
  dlg.WallType = 1;
  dlg.Doatsu = 0;
  dlg.Doc = &doc;
  dlg.InitDataSet();
  EXPECT_EQ(GetOptionIndex(*dlg.optKijyun), 0);
  EXPECT_EQ(GetOptionIndex(*dlg.optWallType), 1);

  dlg.optKijyun->Item(3)->click();
  EXPECT_EQ(GetOptionIndex(*dlg.optWallType), 0);
  EXPECT_EQ(GetOptionIndex(*dlg.optDoatsu), 1);
  for (int i = 1; i <= 3; ++i) EXPECT_FALSE(dlg.optWallType->Item(i)->isEnabled()) << i;
  EXPECT_TRUE(dlg.optWallType->Item(0)->isEnabled());
  EXPECT_FALSE(dlg.fraDotsu->isEnabled());

  dlg.optKijyun->Item(2)->click();
  for (int i = 0; i <= 3; ++i) EXPECT_TRUE(dlg.optWallType->Item(i)->isEnabled()) << i;
  EXPECT_TRUE(dlg.fraDotsu->isEnabled());
  EXPECT_EQ(GetOptionIndex(*dlg.optWallType), 0);  // the forced choice stays until changed
}

TEST_F(ConditionsScreens, OkAppliesTheGuidelineAndCancelLeavesAll) {
  CDocument doc;
  {
    frmIniData dlg(nullptr);
    dlg.Doc = &doc;
    dlg.InitDataSet();
    const std::string before = Bytes(doc);
    dlg.close();  // the close box cancels
    EXPECT_EQ(dlg.EndState, 0);
    EXPECT_EQ(Bytes(doc), before);
  }
  frmIniData dlg(nullptr);
  dlg.Doc = &doc;
  dlg.InitDataSet();
  dlg.optKijyun->Item(2)->click();
  dlg.optWallType->Item(1)->click();
  dlg.imtTitle->SetText(QStringLiteral("擁壁B"));
  dlg.cmdOk_Click();
  EXPECT_EQ(dlg.EndState, 1);
  EXPECT_EQ(dlg.Sisin, 2);
  EXPECT_EQ(dlg.WallType, 1);
  EXPECT_EQ(dlg.Title, "擁壁B");
  EXPECT_EQ(doc.nTentou, 0);
  EXPECT_DOUBLE_EQ(doc.Taua, 0.31);  // road earthworks, σck 16: 0.16 + 0.15
  EXPECT_EQ(doc.Sisin, 0);           // the caller copies the conditions
}

TEST_F(ConditionsScreens, RegisteredWithTheShell) {
  RegisterConditionsWindows();
  ASSERT_TRUE(Windows().iniData);
  for (int no : {0, 2}) {
    std::unique_ptr<IScreen> s(CreateScreen(no));
    EXPECT_EQ(s->No(), no);
    EXPECT_EQ(s->Widget()->objectName(), no == 0 ? "frmKihon" : "frmAntei");
  }
}

// ---- Basic data ------------------------------------------------------------------

TEST_F(ConditionsScreens, NewRoadGravityDesignShowsTheGuidelineDefaults) {
  CDocument doc;
  IniDataFields fields{"", 0, 0, 1};
  ApplyIniData(doc, fields, {"", 2, 1, 1});
  doc.Sisin = 2;
  doc.SetWallType(1);
  auto s = Show<frmKihon>(doc);
  EXPECT_EQ(s->Box("imnUnitW", 4)->Value(), 23);
  EXPECT_EQ(s->Box("imnUnitW", 5)->Value(), 23);
  EXPECT_FALSE(s->Box("imnUnitW", 5)->isEnabled());  // no footing on a gravity wall
  EXPECT_EQ(s->Box("imnUnitW", 6)->Value(), 9.8);
  EXPECT_EQ(s->Box("imnSgmck")->Value(), 16);
  EXPECT_DOUBLE_EQ(s->Box("imnTaua")->Value(), 0.31);
  EXPECT_EQ(s->Box("imnSgmsa")->Value(), 180);
  EXPECT_EQ(s->Box("imnC", 0)->Value(), 0);
  EXPECT_TRUE(s->Box("imnFai")->IsBlank());
  EXPECT_TRUE(s->Box("imnKh", 0)->IsBlank());
  EXPECT_FALSE(s->Box("imnKh", 0)->isEnabled());
  EXPECT_FALSE(s->cmdNext->isEnabled());
  EXPECT_FALSE(s->cmdPrevious->isEnabled());

  // Entering the missing values one box after the other enables Next.
  const std::pair<const char*, int> missing[] = {{"imnUnitW", 0}, {"imnUnitW", 1}, {"imnUnitW", 2},
                                                 {"imnUnitW", 3}, {"imnFai", -1},  {"imnDelt", 0}};
  for (const auto& [name, index] : missing) {
    EXPECT_FALSE(s->cmdNext->isEnabled()) << name << index;
    NumberBox* b = s->Box(name, index);
    test::FocusIn(b);
    b->selectAll();
    test::Type(b, "18");
    test::FocusOut(b);
  }
  EXPECT_EQ(doc.Gamfd, 18);
  EXPECT_EQ(doc.delt(0), 18);
  EXPECT_TRUE(s->cmdNext->isEnabled());

  // Blanking σck writes the blank-box null and disables Next again.
  NumberBox* ck = s->Box("imnSgmck");
  test::FocusIn(ck);
  ck->selectAll();
  test::Key(ck, Qt::Key_Delete);
  test::FocusOut(ck);
  EXPECT_EQ(doc.SgmCk, kNullBox);
  EXPECT_FALSE(s->cmdNext->isEnabled());
}

TEST_F(ConditionsScreens, KihonFillRunsItsClickHandlers) {
  CDocument doc;
  doc.Doatsu = 0;
  doc.BackType = 1;
  doc.bQuake = 1;
  doc.SgmCk = kNullDouble;
  doc.Sisin = 4;
  auto s = Show<frmKihon>(doc);
  EXPECT_EQ(doc.BackType, 0);  // Coulomb: embankment
  EXPECT_EQ(doc.bQuake, -1);   // the check box stores True
  EXPECT_EQ(doc.SgmCk, 18);
  EXPECT_EQ(doc.Sgmca, 6.0);
  EXPECT_EQ(doc.Sgmsa, 196);
  EXPECT_FALSE(s->optKirido->Item(0)->isEnabled());
  EXPECT_FALSE(s->fraSecDoatsu->isEnabled());
  EXPECT_TRUE(s->Box("imnKh", 1)->isEnabled());
  EXPECT_FALSE(s->Box("imnC", 1)->isEnabled());

  s->chkKh->click();
  EXPECT_EQ(doc.bQuake, 0);
  EXPECT_FALSE(s->Box("imnDelt", 1)->isEnabled());
}

// ---- Stability conditions ---------------------------------------------------------

TEST_F(ConditionsScreens, AnteiFillChangesExactlyTheListedMembers) {
  // Gravity wall saved with the line of thrust, no sliding check and an odd
  // passive-pressure code: the fill takes eccentricity, checks sliding and
  // counts no passive pressure; nothing else changes.
  CDocument doc, expected;
  for (CDocument* d : {&doc, &expected}) {
    ReadSample(*d, "gravity.nrv");
    d->nTentou = 3;
    d->ChkSlide = 0;
    d->nJyudo = 5;
    d->nWater = 1;
    d->nWlvlAuto = 1;
  }
  expected.nTentou = 0;
  expected.ChkSlide = 1;
  expected.nJyudo = 0;
  auto s = Show<frmAntei>(doc);
  EXPECT_EQ(Bytes(doc), Bytes(expected));
  EXPECT_EQ(GetOptionIndex(*s->optTentou), 0);
  EXPECT_FALSE(s->optTentou->Item(3)->isEnabled());

  const std::string once = Bytes(doc);
  auto again = Show<frmAntei>(doc);
  EXPECT_EQ(Bytes(doc), once);
}

TEST_F(ConditionsScreens, AnteiFillOfTheLineOfThrustClearsKeyAndAutomaticLevel) {
  CDocument doc, expected;
  for (CDocument* d : {&doc, &expected}) {
    ReadSample(*d, "block_masonry.nrv");
    d->nTentou = 3;
    d->ChkSlide = 0;
    d->nJyudo = 1;
    d->Tokki = 1;
    d->nWlvlAuto = 1;
  }
  expected.Tokki = 0;
  expected.nWlvlAuto = 0;
  expected.nJyudo = 0;  // sliding not checked
  auto s = Show<frmAntei>(doc);
  EXPECT_EQ(Bytes(doc), Bytes(expected));
  EXPECT_FALSE(s->chkPp->isChecked());
  EXPECT_FALSE(s->cmdJyudo->isEnabled());

  // Choosing eccentricity checks sliding again.
  s->optTentou->Item(0)->click();
  EXPECT_EQ(doc.nTentou, 0);
  EXPECT_EQ(doc.ChkSlide, 1);
}

TEST_F(ConditionsScreens, AnteiCaptionsAndGroupsFollowTheCodes) {
  CDocument doc;
  ReadSample(doc, "block_masonry.nrv");
  doc.Sisin = 3;
  doc.nQa = 1;
  auto s = Show<frmAntei>(doc);
  EXPECT_EQ(s->lblQa[0]->text(), QStringLiteral("ｑd  :"));
  EXPECT_EQ(s->lblQa[1]->text(), QStringLiteral("極限支持力度"));
  EXPECT_TRUE(s->lblQa[2]->isHidden());
  EXPECT_TRUE(s->Box("imnAE0", 1)->isEnabled());
  EXPECT_TRUE(s->Box("imnQa")->isEnabled());
  EXPECT_FALSE(s->Box("imnSijiFai")->isEnabled());
  EXPECT_FALSE(s->Box("imnDf")->isEnabled());

  s->chkQa->click();
  EXPECT_EQ(doc.nQa, 0);
  EXPECT_FALSE(s->Box("imnQa")->isEnabled());
  EXPECT_TRUE(s->Box("imnDf")->isEnabled());
}

TEST_F(ConditionsScreens, EnteringFaibDerivesMyu) {
  CDocument doc;
  ReadSample(doc, "gravity.nrv");  // φB 30 with μ 0.6 entered on its own
  auto s = Show<frmAntei>(doc);
  NumberBox* faib = s->Box("imnFaib");
  test::TabThrough(faib);
  EXPECT_EQ(doc.Myu, 0.6);

  test::FocusIn(faib);
  faib->selectAll();
  test::Type(faib, "45");
  test::FocusOut(faib);
  EXPECT_EQ(doc.Faib, 45);
  EXPECT_DOUBLE_EQ(doc.Myu, 1.0);  // tan 45° at three decimals
  EXPECT_DOUBLE_EQ(s->Box("imnMyu")->Value(), 1.0);

  test::FocusIn(faib);
  faib->selectAll();
  test::Key(faib, Qt::Key_Delete);
  test::FocusOut(faib);
  EXPECT_EQ(doc.Faib, kNullBox);
  EXPECT_DOUBLE_EQ(doc.Myu, 1.0);  // a blank φB leaves μ
}

// ---- Tabbing through a filled screen saves nothing new ------------------------------

struct TabCase {
  const char* sample;
  const char* change;
  std::function<void(CDocument&)> setup;
};

TEST_F(ConditionsScreens, TabbingThroughEveryBoxLeavesTheSavedFileAsItWas) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const TabCase cases[] = {
      {"gravity.nrv", "as shipped", [](CDocument&) {}},
      {"block_masonry.nrv", "as shipped", [](CDocument&) {}},
      {"leaning.nrv", "as shipped", [](CDocument&) {}},
      {"mixed.nrv", "as shipped", [](CDocument&) {}},
      {"gravity.nrv", "stored values outside their boxes",
       [](CDocument& d) {
         d.Fai = 95;       // a reference dialog accepts ±99999, the box 0 to 89.999
         d.SetKh(0, 12);   // above 9.99
         d.Sgmsa = 12000;  // above 9999.99
         d.nQa = 1;
         d.Qa = 0;       // "非常に緩いもの" of the canal table, below 0.01
         d.Myu = 11.43;  // tan φB for φB above 84.3°
         d.nJyudo = 1;
         d.ChkSlide = 1;
         d.SetPp(0, 12345.6);  // the calculator's result above 9999.99
       }},
  };
  int n = 0;
  for (const TabCase& c : cases) {
    for (int no : {0, 2}) {
      SCOPED_TRACE(std::string(c.sample) + ", " + c.change + ", screen " + std::to_string(no));
      CDocument doc;
      ReadSample(doc, c.sample);
      c.setup(doc);
      std::unique_ptr<InputScreen> s;
      if (no == 0)
        s = Show<frmKihon>(doc);
      else
        s = Show<frmAntei>(doc);
      const std::string before = SavedFile(doc, dir.filePath(QString("a%1.nrv").arg(n)));
      int tabbed = 0;
      for (NumberBox* b : s->Boxes()) {
        if (!b->isEnabled()) continue;
        test::TabThrough(b);
        ++tabbed;
      }
      EXPECT_GT(tabbed, 3);
      EXPECT_EQ(SavedFile(doc, dir.filePath(QString("b%1.nrv").arg(n))), before);
      ++n;
    }
  }
}

TEST_F(ConditionsScreens, TypingIntoABoxThatHeldAStoredValueWritesIt) {
  CDocument doc;
  ReadSample(doc, "gravity.nrv");
  doc.Fai = 95;
  auto s = Show<frmKihon>(doc);
  NumberBox* fai = s->Box("imnFai");
  EXPECT_TRUE(fai->IsBlank());
  test::FocusIn(fai);
  test::Type(fai, "32");
  test::FocusOut(fai);
  EXPECT_EQ(doc.Fai, 32);
}

// ---- Pictures ----------------------------------------------------------------------

TEST(ConditionsPictures, EveryPictureIsShippedAndReadable) {
  test::App();
  const std::string folder = std::string(NORVA_SOURCE_DIR) + "/resources/resource/";
  const auto files = ConditionsPictures();
  EXPECT_EQ(files.size(), 7u);
  for (const std::string& f : files) {
    SCOPED_TRACE(f);
    ASSERT_TRUE(std::filesystem::exists(folder + f));
    QSvgRenderer svg(QString::fromStdString(folder + f));
    EXPECT_TRUE(svg.isValid());
  }
  for (int wall = 0; wall < 4; ++wall) EXPECT_NE(std::string(IniWallPicture(wall)), "");
  for (const char* page : {"SecDoatsu.htm", "antei.htm"})
    EXPECT_TRUE(std::filesystem::exists(std::string(NORVA_SOURCE_DIR) + "/resources/help/" + page));
}

}  // namespace
}  // namespace norva
