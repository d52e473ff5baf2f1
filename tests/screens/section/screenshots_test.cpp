// Pictures of the wall-section screen for a person to look at: every sample
// on each page, the guide picture with a box marked, the live drawing in
// both states. Runs only when NORVA_SECTION_SHOTS names a folder.
#include <QApplication>
#include <QDir>
#include <cstdlib>

#include "section_test_support.h"

namespace norva {
namespace {

class SectionShots : public test::SectionFixture {};

TEST_F(SectionShots, EverySampleEveryPage) {
  const char* dir = std::getenv("NORVA_SECTION_SHOTS");
  if (!dir || !*dir) GTEST_SKIP() << "NORVA_SECTION_SHOTS not set";
  QDir().mkpath(dir);
  for (const char* sample : {"block_masonry", "gravity", "leaning", "mixed"}) {
    auto doc = Open((std::string(sample) + ".nrv").c_str());
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

}  // namespace
}  // namespace norva
