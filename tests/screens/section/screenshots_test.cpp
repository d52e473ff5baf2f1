// Pictures of the wall-section screen for a person to look at: every sample
// on each page, the guide picture with a box marked, the live drawing in
// both states. Runs only when NORVA_SECTION_SHOTS names a folder.
#include <QApplication>
#include <QDir>
#include <cstdlib>

#include "screens/section/frm_size_inp.h"
#include "section_test_support.h"

namespace norva {
namespace {

class SectionShots : public test::SectionFixture {};

TEST_F(SectionShots, EverySampleEveryPage) {
  const char* dir = std::getenv("NORVA_SECTION_SHOTS");
  if (!dir || !*dir) GTEST_SKIP() << "NORVA_SECTION_SHOTS not set";
  QDir().mkpath(dir);
  for (const char* sample : {"block_masonry", "gravity", "leaning", "mixed"}) {
    auto doc = OpenCopy((std::string(sample) + ".nrv").c_str());
    frmKutai* s = Show(*doc);
    QWidget* w = s->window();
    auto save = [&](const char* what) {
      QApplication::processEvents();
      w->grab().save(QString("%1/%2_%3.png").arg(dir, sample, what));
    };
    for (int page = 0; page < 3; ++page) {
      s->vstKutai->SetCurrentTab(page);
      save(("page" + std::to_string(page)).c_str());
    }
    s->vstKutai->SetCurrentTab(0);
    NumberBox* first = s->Boxes()[0];
    for (NumberBox* b : s->Boxes())
      if (b->isVisibleTo(s) && b->isEnabled()) {
        first = b;
        break;
      }
    test::FocusIn(first);
    save("guide");
    test::FocusOut(first);
    s->chkDrawMode->click();
    save("live");
    if (s->optDrwCase.Item(1)->isEnabled()) {
      s->optDrwCase.Item(1)->click();
      save("live_seismic");
    }
    sink_.answers = {MsgAnswer::No};  // the fill derived values: do not save
    main_->mnuFile[3]->trigger();
  }
}

// The catalogue dialog on every step page, the mixed list and the footing
// guide table, over the invented fixtures.
TEST_F(SectionShots, CatalogueDialogPages) {
  const char* dir = std::getenv("NORVA_SECTION_SHOTS");
  if (!dir || !*dir) GTEST_SKIP() << "NORVA_SECTION_SHOTS not set";
  QDir().mkpath(dir);
  SetCatalogueFolder(std::string(NORVA_SOURCE_DIR) + "/tests/screens/catalogue/wizard/");
  // The picks of each wizard, step by step.
  const std::vector<std::vector<const char*>> picks = {
      {"練積み", "10.00", "0.3", "砂質土", "19.00", "9.80"},
      {"C2", "0.50", "0.30", "4.000"},
      {"岩盤", "C1", "0.00", "0.30", "4.000"}};
  for (int32_t type = 0; type <= 3; ++type) {
    CDocument doc;
    doc.SetWallType(type);
    frmSizeInp dlg;
    dlg.SetDoc(&doc);
    dlg.SetFormState();
    dlg.show();
    auto save = [&](int step) {
      QApplication::processEvents();
      dlg.grab().save(QString("%1/sizeinp_%2_%3.png").arg(dir).arg(type).arg(step));
    };
    if (type == 3) {
      dlg.lvMxw->SelectRow(1);
      save(0);
      continue;
    }
    const auto& p = picks[static_cast<size_t>(type)];
    for (size_t k = 0; k <= p.size(); ++k) {
      if (k < p.size()) {
        QComboBox* c = dlg.Lists()[k];
        const int i = c->findText(QString::fromUtf8(p[k]));
        c->setCurrentIndex(i);
        emit c->activated(i);
      }
      save(static_cast<int>(k));
      dlg.cmdNav[3]->click();
    }
  }
  SetCatalogueFolder("");
  frmKisoSize kiso;
  kiso.show();
  QApplication::processEvents();
  kiso.grab().save(QString("%1/kisosize.png").arg(dir));
}

}  // namespace
}  // namespace norva
