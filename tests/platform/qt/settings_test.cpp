#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <stdexcept>
#include <vector>

#include "platform/qt/app_core.h"
#include "platform/qt/recent_file_list.h"
#include "qt_test_support.h"

namespace norva {
namespace {

// Every test gets an empty config folder of its own.
class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::App();
    ASSERT_TRUE(dir_.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
  }
  std::unique_ptr<CAppCore> NewStore() {
    auto core = std::make_unique<CAppCore>();
    core->Initialize("NorvaV4");
    core->SetRegistryKey("TAQ");
    return core;
  }
  QString IniPath() const { return dir_.path() + "/TAQ/NorvaV4.ini"; }
  QStringList KeysOf(const QString& section) const {
    QSettings s(IniPath(), QSettings::IniFormat);
    s.beginGroup(section);
    return s.childKeys();
  }
  QTemporaryDir dir_;
};

TEST_F(SettingsTest, EmptyStoreGivesDefaultsAndAnEmptyList) {
  auto core = NewStore();
  EXPECT_EQ(core->GetProfileString("Settings", "Word", "none"), QString("none"));
  EXPECT_EQ(core->GetProfileInt("Settings", 3, 7), 7);
  core->LoadStdProfileSettings(5);
  ASSERT_NE(core->m_pRecentFileList, nullptr);
  EXPECT_EQ(core->m_pRecentFileList->nRecentFileCnt(), 0);
  for (int16_t i = 0; i < 20; ++i) EXPECT_EQ(core->m_pRecentFileList->Item(i), QString());
  EXPECT_THROW(core->m_pRecentFileList->Item(20), std::out_of_range);
}

TEST_F(SettingsTest, ValuesSurviveARestartOfTheStore) {
  {
    auto core = NewStore();
    EXPECT_TRUE(core->WriteProfileString("Settings", "Word", "  /opt/word processor  "));
    EXPECT_TRUE(core->WriteProfileString("Settings", "名前", "擁壁の設計"));
    EXPECT_TRUE(core->WriteProfileInt("Settings", "12", -5));
  }
  EXPECT_TRUE(QFile::exists(IniPath()));
  auto core = NewStore();
  // Blanks at both ends are not kept; inner blanks are.
  EXPECT_EQ(core->GetProfileString("Settings", "Word", ""), QString("/opt/word processor"));
  EXPECT_EQ(core->GetProfileString("Settings", "名前", ""), QString("擁壁の設計"));
  EXPECT_EQ(core->GetProfileInt("Settings", 12, 0), -5);
}

TEST_F(SettingsTest, DeletingValuesAndSections) {
  auto core = NewStore();
  ASSERT_TRUE(core->WriteProfileString("Sec", "A", "1"));
  ASSERT_TRUE(core->WriteProfileString("Sec", "B", "2"));
  EXPECT_TRUE(core->WriteProfileString("Sec", "A", ""));
  EXPECT_FALSE(core->WriteProfileString("Sec", "A", ""));  // already gone
  EXPECT_EQ(core->GetProfileString("Sec", "A", "gone"), QString("gone"));
  EXPECT_EQ(core->GetProfileString("Sec", "B", ""), QString("2"));
  EXPECT_TRUE(core->WriteProfileString("Sec", "", ""));
  EXPECT_EQ(core->GetProfileString("Sec", "B", "gone"), QString("gone"));
}

TEST_F(SettingsTest, IntegersOutsideSixteenBitsGiveTheDefault) {
  auto core = NewStore();
  {
    QSettings s(IniPath(), QSettings::IniFormat);
    s.setValue("Settings/1", 40000);
    s.setValue("Settings/2", -32768);
    s.setValue("Settings/3", "abc");
  }
  EXPECT_EQ(core->GetProfileInt("Settings", 1, 9), 9);
  EXPECT_EQ(core->GetProfileInt("Settings", 2, 9), -32768);
  EXPECT_EQ(core->GetProfileInt("Settings", 3, 9), 9);
}

TEST_F(SettingsTest, StoreWithoutCompanyKeyFailsQuietly) {
  CAppCore core;
  EXPECT_FALSE(core.WriteProfileString("Sec", "A", "1"));
  EXPECT_EQ(core.GetProfileString("Sec", "A", "d"), QString("d"));
  // The list is needed by the menu calls, and absent until loaded.
  EXPECT_THROW(core.RecentMenuUpdate(), std::logic_error);
  core.AddToRecentFileList("/tmp/x.nrv");  // nothing happens
  core.SaveStdProfileSettings();
}

// ---- recent-file list -----------------------------------------------------------

std::vector<QString> Paths(const CRecentFileList& list) {
  std::vector<QString> out;
  for (int16_t i = 0; i < list.nRecentFileCnt(); ++i) out.push_back(list.Item(i));
  return out;
}

TEST_F(SettingsTest, RecentListOrderAddAgainRemove) {
  auto core = NewStore();
  core->LoadStdProfileSettings(5);
  CRecentFileList& list = *core->m_pRecentFileList;
  list.Add("/w/a.nrv");
  list.Add("/w/b.nrv");
  list.Add("/w/c.nrv");
  EXPECT_EQ(Paths(list), (std::vector<QString>{"/w/c.nrv", "/w/b.nrv", "/w/a.nrv"}));
  list.Add("/w/sub/../a.nrv");  // the same file, written another way
  EXPECT_EQ(Paths(list), (std::vector<QString>{"/w/a.nrv", "/w/c.nrv", "/w/b.nrv"}));
  list.Add("/w/A.nrv");  // another file on a case-sensitive system
  EXPECT_EQ(list.nRecentFileCnt(), 4);
  list.Remove(0);
  list.Remove(0);
  EXPECT_EQ(Paths(list), (std::vector<QString>{"/w/c.nrv", "/w/b.nrv"}));
  EXPECT_THROW(list.Remove(20), std::out_of_range);
  EXPECT_THROW(list.Remove(-1), std::out_of_range);
}

TEST_F(SettingsTest, RecentListKeepsTwentyAndWritesOnlyWhatItHolds) {
  {
    auto core = NewStore();
    core->LoadStdProfileSettings(5);
    for (int i = 1; i <= 21; ++i) core->AddToRecentFileList(QString("/w/f%1.nrv").arg(i));
    CRecentFileList& list = *core->m_pRecentFileList;
    EXPECT_EQ(list.nRecentFileCnt(), 20);
    EXPECT_EQ(list.Item(0), QString("/w/f21.nrv"));
    EXPECT_EQ(list.Item(19), QString("/w/f2.nrv"));  // f1 dropped out
    core->SaveStdProfileSettings();
    EXPECT_EQ(KeysOf("Recent File List").size(), 20);
  }
  {
    auto core = NewStore();
    core->LoadStdProfileSettings(5);  // restart: the list comes back
    CRecentFileList& list = *core->m_pRecentFileList;
    EXPECT_EQ(list.nRecentFileCnt(), 20);
    EXPECT_EQ(list.Item(0), QString("/w/f21.nrv"));
    // Re-adding the entry at the last position moves it up, nothing is lost.
    list.Add("/w/f2.nrv");
    EXPECT_EQ(list.Item(0), QString("/w/f2.nrv"));
    EXPECT_EQ(list.Item(19), QString("/w/f3.nrv"));
    EXPECT_EQ(list.nRecentFileCnt(), 20);
    for (int i = 0; i < 18; ++i) list.Remove(0);
    core->SaveStdProfileSettings();
  }
  const QStringList keys = KeysOf("Recent File List");
  EXPECT_EQ(keys.size(), 2);
  EXPECT_TRUE(keys.contains("File1"));
  EXPECT_TRUE(keys.contains("File2"));
}

TEST_F(SettingsTest, LongPathsAreShortenedForTheMenu) {
  auto core = NewStore();
  core->LoadStdProfileSettings(5);
  CRecentFileList& list = *core->m_pRecentFileList;
  struct Case {
    const char* path;
    const char* shown;
  } cases[] = {
      // 35 characters: first folder, "/...", the last folders that fit in 30.
      {"/data/project/site/walls/sample.nrv", "/data/.../walls/sample.nrv"},
      {"/data/project/site/walls/s1234567890.nrv", "/data/.../s1234567890.nrv"},
      {"/abcdefghi/abcdefghi/abcdef.nrv", "/abcdefghi/.../abcdef.nrv"},
      {"/abcdefghi/abcdefgh/abcdef.nrv", "/abcdefghi/abcdefgh/abcdef.nrv"},  // 30: whole
      {"/d/a-file-name-longer-than-thirty.nrv", "a-file-name-longer-than-thirty.nrv"},
  };
  for (const Case& c : cases) {
    list.Add(c.path);
    QString name;
    ASSERT_TRUE(list.GetDisplayName(name, 0, "/elsewhere/"));
    EXPECT_EQ(name, QString(c.shown)) << c.path;
  }
}

TEST_F(SettingsTest, DisplayNamesAndMenus) {
  auto core = NewStore();
  core->LoadStdProfileSettings(5);
  CRecentFileList& list = *core->m_pRecentFileList;
  QMenu fileMenu, openMenu;
  std::vector<QAction*> items;
  for (int i = 0; i < 5; ++i) items.push_back(fileMenu.addAction("x"));
  items.push_back(fileMenu.addSeparator());
  for (int16_t i = 0; i < 6; ++i) core->RecentMenu(i, items[i]);
  list.ToolbarMenu(&openMenu);
  core->RecentMenuUpdate();
  for (QAction* a : items) EXPECT_FALSE(a->isVisible());  // empty list: nothing shown
  EXPECT_TRUE(openMenu.actions().isEmpty());

  const QString here = QDir::currentPath() + "/here.nrv";
  list.Add("/data/project/site/walls/sample.nrv");
  list.Add(here);
  QString name = "unchanged";
  EXPECT_TRUE(list.GetDisplayName(name, 0, QDir::currentPath() + "/"));
  EXPECT_EQ(name, QString("here.nrv"));
  EXPECT_TRUE(list.GetDisplayName(name, 1, QDir::currentPath() + "/"));
  EXPECT_EQ(name, QString("/data/.../walls/sample.nrv"));
  name = "unchanged";
  EXPECT_FALSE(list.GetDisplayName(name, 2, ""));
  EXPECT_EQ(name, QString("unchanged"));

  EXPECT_EQ(items[0]->text(), QString("&1 here.nrv"));
  EXPECT_EQ(items[1]->text(), QString("&2 /data/.../walls/sample.nrv"));
  EXPECT_TRUE(items[0]->isVisible());
  EXPECT_TRUE(items[1]->isVisible());
  EXPECT_FALSE(items[2]->isVisible());
  EXPECT_FALSE(items[4]->isVisible());
  EXPECT_TRUE(items[5]->isVisible());  // the separator
  ASSERT_EQ(openMenu.actions().size(), 2);
  EXPECT_EQ(openMenu.actions()[0]->text(), QString("here.nrv"));
  EXPECT_EQ(openMenu.actions()[1]->text(), QString("/data/.../walls/sample.nrv"));
  EXPECT_EQ(openMenu.actions()[1]->data().toInt(), 2);

  // A "&" in a file name is shown, not taken as an access key.
  list.Add("/w/R&D.nrv");
  EXPECT_EQ(items[0]->text(), QString("&1 /w/R&&D.nrv"));
}

TEST_F(SettingsTest, MenuShowsTheFirstFiveOfALongerList) {
  auto core = NewStore();
  core->LoadStdProfileSettings(5);
  QMenu fileMenu, openMenu;
  std::vector<QAction*> items;
  for (int i = 0; i < 5; ++i) items.push_back(fileMenu.addAction("x"));
  items.push_back(fileMenu.addSeparator());
  for (int16_t i = 0; i < 6; ++i) core->RecentMenu(i, items[i]);
  EXPECT_THROW(core->RecentMenu(6, items[0]), std::out_of_range);
  core->m_pRecentFileList->ToolbarMenu(&openMenu);
  for (int i = 1; i <= 7; ++i) core->AddToRecentFileList(QString("/w/f%1.nrv").arg(i));
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(items[i]->isVisible());
    EXPECT_EQ(items[i]->text(), QString("&%1 /w/f%2.nrv").arg(i + 1).arg(7 - i));
  }
  EXPECT_TRUE(items[5]->isVisible());
  ASSERT_EQ(openMenu.actions().size(), 5);
  EXPECT_EQ(openMenu.actions()[4]->text(), QString("/w/f3.nrv"));
  EXPECT_EQ(core->m_pRecentFileList->nRecentFileCnt(), 7);  // all seven are kept
}

}  // namespace
}  // namespace norva
