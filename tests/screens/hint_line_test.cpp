// The help line of the input screens as a user meets it: a refused entry
// keeps the old value and the line says why, with the allowed range, still
// while the next box is in use; a disabled "次へ" comes with the name of the
// first box still empty.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <memory>

#include "document/document.h"
#include "platform/controls/number_box.h"
#include "platform/controls/text_box.h"
#include "screens/register_windows.h"
#include "screens/user_input.h"
#include "shell/document_forms.h"
#include "shell/screen.h"
#include "shell/shell_test_support.h"

namespace norva {
namespace {

class HintLineTest : public test::ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    saved_ = Windows();
    RegisterWindows();
  }
  void TearDown() override {
    ShellFixture::TearDown();
    Windows() = saved_;
  }
  QWidget* Screen(const CDocument& doc) const { return doc.DataForm->Widget(); }
  NumberBox* Box(const CDocument& doc, const char* name) const {
    return Screen(doc)->findChild<NumberBox*>(name);
  }
  QString Help(const CDocument& doc) const {
    auto* help = Screen(doc)->findChild<TextArea*>("imtHelp");
    return help ? help->toPlainText() : QString();
  }
  // The gravity sample on a screen; the named box of it, null when missing.
  NumberBox* OpenOn(int16_t screen, const char* box) {
    doc_ = OpenSample("gravity.nrv");
    if (!doc_) return nullptr;
    ShowForm(*doc_, screen);
    return Box(*doc_, box);
  }
  void CloseWithoutSaving() {
    sink_.answers = {MsgAnswer::No};
    CloseActiveDocument();
  }
  bool NextEnabled(const CDocument& doc) const {
    return Screen(doc)->findChild<QPushButton*>("cmdNext")->isEnabled();
  }

  ShellWindows saved_;
  std::shared_ptr<CDocument> doc_;
};

TEST_F(HintLineTest, RefusedEntryKeepsTheOldValueAndTheLineSaysWhy) {
  struct Row {
    const char* name;
    int16_t screen;
    const char* box;
    const char* typed;
    double (*value)(const CDocument&);
    const char* why;    // the reason and the range of the box
    const char* label;  // the box's name on the screen
  };
  const Row rows[] = {
      {"minus sign in the wall height", 1, "imnGrwSize[0]", "-5",
       [](const CDocument& d) { return d.WallH; },
       "負の値は入力できません（入力できる範囲: 0.001 ～ 99.999）", "擁壁高さ Ｈ"},
      {"999 in the wall height", 1, "imnGrwSize[0]", "999",
       [](const CDocument& d) { return d.WallH; },
       "「999」は入力できる範囲の外です（入力できる範囲: 0.001 ～ 99.999）", "擁壁高さ Ｈ"},
      {"999 in the friction angle", 0, "imnFai", "999", [](const CDocument& d) { return d.Fai; },
       "「999」は入力できる範囲の外です（入力できる範囲: 0 ～ 89.999）", "内部摩擦角 φ"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    NumberBox* box = OpenOn(r.screen, r.box);
    ASSERT_NE(box, nullptr);
    const auto doc = doc_;
    const double before = r.value(*doc);
    const QString shown = box->text();
    ASSERT_FALSE(shown.isEmpty());

    test::Enter(box, QString::fromLatin1(r.typed));
    EXPECT_EQ(r.value(*doc), before);
    EXPECT_EQ(box->text(), shown);
    EXPECT_TRUE(Help(*doc).contains(QString::fromUtf8(r.why))) << Help(*doc).toStdString();
    EXPECT_TRUE(Help(*doc).startsWith(QString::fromUtf8(r.label))) << Help(*doc).toStdString();

    // The next box's hint comes below the notice; the box after that clears it.
    std::vector<NumberBox*> others;
    for (NumberBox* b : Screen(*doc)->findChildren<NumberBox*>())
      if (b != box && b->isEnabled() && !b->Tag().isEmpty()) others.push_back(b);
    ASSERT_GE(others.size(), 2u);
    test::FocusIn(others[0]);
    EXPECT_TRUE(Help(*doc).contains(QString::fromUtf8(r.why)));
    EXPECT_TRUE(Help(*doc).endsWith(others[0]->Tag()));
    test::FocusOut(others[0]);
    test::FocusIn(others[1]);
    EXPECT_EQ(Help(*doc), others[1]->Tag());
    test::FocusOut(others[1]);

    CloseWithoutSaving();
  }
}

TEST_F(HintLineTest, DisabledNextNamesTheFirstEmptyBox) {
  struct Row {
    const char* name;
    int16_t screen;
    const char* box;
    const char* said;
  };
  const Row rows[] = {
      {"wall height", 1, "imnGrwSize[0]", "「擁壁高さ Ｈ」が未入力のため、次の画面へ進めません。"},
      {"friction angle", 0, "imnFai", "「内部摩擦角 φ」が未入力のため、次の画面へ進めません。"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    NumberBox* box = OpenOn(r.screen, r.box);
    ASSERT_NE(box, nullptr);
    const auto doc = doc_;
    const QString shown = box->text();
    ASSERT_TRUE(NextEnabled(*doc));

    test::Enter(box, QString());
    ASSERT_FALSE(NextEnabled(*doc));
    EXPECT_EQ(Help(*doc), QString::fromUtf8(r.said));

    test::Enter(box, shown);
    ASSERT_TRUE(NextEnabled(*doc));
    EXPECT_EQ(Help(*doc), QString::fromUtf8("ここに説明が表示されます。"));

    CloseWithoutSaving();
  }
}

}  // namespace
}  // namespace norva
