// Opening, saving and closing documents, the save question, the recent files
// and dropped files.
#include <QDialog>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "document/document_file.h"
#include "platform/qt/input_events.h"
#include "platform/qt/recent_file_list.h"
#include "shell/command_state.h"
#include "shell/document_forms.h"
#include "shell/nav_bar.h"
#include "shell/startup.h"
#include "shell_test_support.h"

namespace norva {
namespace {

class FileCommandsTest : public test::ShellFixture {
 protected:
  // A copy of a sample in the test folder.
  std::string Copy(const char* sample, const QString& as) {
    const QString to = Path(as);
    QFile::remove(to);
    EXPECT_TRUE(QFile::copy(QString::fromStdString(test::ExampleFile(sample)), to));
    QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
    return to.toStdString();
  }
  std::shared_ptr<CDocument> Open(const std::string& path) {
    OpenDocumentFile(path);
    return ActiveDocument();
  }
  static QByteArray Bytes(const std::string& path) {
    QFile f(QString::fromStdString(path));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }
  int WindowCount() const { return static_cast<int>(main_->mdiArea->subWindowList().size()); }
};

TEST_F(FileCommandsTest, OpeningAFileShowsItsFirstScreenAndEntersTheRecentList) {
  const std::string path = Copy("gravity.nrv", "wall.nrv");
  auto doc = Open(path);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->Key, "DOC1");
  EXPECT_EQ(doc->FileName, path);
  EXPECT_EQ(doc->FilePath, Path("").toStdString());
  EXPECT_EQ(doc->FileTitle, "wall");
  EXPECT_EQ(doc->FileExt, "nrv");
  ASSERT_NE(doc->DataForm, nullptr);
  EXPECT_EQ(doc->DataForm->No(), 0);
  EXPECT_EQ(WindowCount(), 1);
  EXPECT_EQ(main_->txtDataName->text(), QStringLiteral("wall"));
  EXPECT_TRUE(main_->mnuCommand[0]->isChecked());
  // The sample is complete, so every input screen and the calculation are
  // reachable; results are not present after reading.
  for (int i = 0; i <= 3; ++i) EXPECT_TRUE(main_->nav->optTab[i]->isEnabled()) << i;
  EXPECT_TRUE(main_->nav->optTab[4]->isEnabled());
  EXPECT_FALSE(main_->nav->optTab[5]->isEnabled());
  EXPECT_TRUE(main_->cmdAntResApply->isEnabled());

  auto* recent = GetAppCore()->m_pRecentFileList.get();
  ASSERT_EQ(recent->nRecentFileCnt(), 1);
  EXPECT_EQ(recent->Item(0).toStdString(), path);
  EXPECT_TRUE(main_->mnuRecent[0]->isVisible());

  // The same file again only brings its window forward.
  OpenDocumentFile(path);
  EXPECT_EQ(gDocuments.Count(), 1);
  EXPECT_EQ(recent->nRecentFileCnt(), 1);
}

TEST_F(FileCommandsTest, AFileThatCannotBeReadLeavesNoDocument) {
  const QString bad = Path("broken.nrv");
  QFile f(bad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("not a design\r\n");
  f.close();
  auto first = Open(Copy("leaning.nrv", "first.nrv"));
  OpenDocumentFile(bad.toStdString());
  EXPECT_EQ(gDocuments.Count(), 1);
  EXPECT_EQ(gActiveKey, first->Key);
  OpenDocumentFile(Path("missing.nrv").toStdString());
  EXPECT_EQ(gDocuments.Count(), 1);
}

TEST_F(FileCommandsTest, NewKeysAndTitlesTakeTheSmallestFreeNumber) {
  gDocuments.Add("DOC1")->FileTitle = "新規データ1";
  gDocuments.Add("doc3")->FileTitle = "新規データ2";
  EXPECT_EQ(NewDocKey(), "DOC2");
  EXPECT_EQ(NewDocTitle(), "新規データ3");
  gDocuments.Add("DOC2");
  EXPECT_EQ(NewDocKey(), "DOC4");  // doc3 counts, whatever its case
}

// The save question of a document read from a file, for a table of changes.
TEST_F(FileCommandsTest, SaveQuestionAppearsExactlyWhenTheDocumentDiffersFromItsFile) {
  struct Row {
    const char* name;
    std::function<void(CDocument&, const std::string& path)> change;
    bool asked;
  };
  const Row rows[] = {
      {"unchanged", [](CDocument&, const std::string&) {}, false},
      {"one input changed", [](CDocument& d, const std::string&) { d.WallH += 0.1; }, true},
      {"letter case of the title only",
       [](CDocument& d, const std::string&) {
         d.Title = "Wall a";
         DataFileWrite(d, "");
         d.Title = "Wall A";
       },
       true},
      {"saved file gone",
       [](CDocument&, const std::string& path) { QFile::remove(QString::fromStdString(path)); },
       true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const std::string path = Copy("gravity.nrv", "wall.nrv");
    auto doc = Open(path);
    ASSERT_NE(doc, nullptr);
    r.change(*doc, path);
    sink_.shown.clear();
    sink_.answers = {MsgAnswer::No};
    EXPECT_TRUE(QuerySaveDocument(*doc));
    if (r.asked) {
      ASSERT_EQ(sink_.shown.size(), 1u);
      EXPECT_EQ(sink_.shown[0], "wall.nrvへの変更を保存しますか？");
    } else {
      EXPECT_TRUE(sink_.shown.empty());
    }
    // The comparison file is gone again.
    EXPECT_EQ(doc->TempFile("COMPFILE"), "");
    CloseActiveDocument();
  }
}

TEST_F(FileCommandsTest, AnsweringTheSaveQuestion) {
  const std::string path = Copy("gravity.nrv", "wall.nrv");
  auto doc = Open(path);
  const QByteArray before = Bytes(path);
  doc->Title = "変更後";

  sink_.answers = {MsgAnswer::Cancel};
  EXPECT_FALSE(QuerySaveDocument(*doc));
  EXPECT_EQ(Bytes(path), before);

  sink_.answers = {MsgAnswer::No};
  EXPECT_TRUE(QuerySaveDocument(*doc));
  EXPECT_EQ(Bytes(path), before);

  sink_.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(QuerySaveDocument(*doc));
  CDocument back;
  back.FileName = path;
  ASSERT_TRUE(DataFileRead(back));
  EXPECT_EQ(back.Title, "変更後");
}

// A save that fails keeps the document open, and its window too.
TEST_F(FileCommandsTest, FailedSaveFromTheQuestionKeepsTheDocumentOpen) {
  QDir(Path("gone")).removeRecursively();
  ASSERT_TRUE(QDir().mkpath(Path("gone")));
  const std::string path = Copy("gravity.nrv", "gone/wall.nrv");
  auto doc = Open(path);
  ASSERT_NE(doc, nullptr);
  ASSERT_TRUE(QDir(Path("gone")).removeRecursively());  // nowhere to save to
  sink_.shown.clear();
  sink_.answers = {MsgAnswer::Yes, MsgAnswer::Ok};
  EXPECT_FALSE(QuerySaveDocument(*doc));
  ASSERT_GE(sink_.shown.size(), 2u);  // the question, then the writer's error
  EXPECT_EQ(sink_.shown[0], "wall.nrvへの変更を保存しますか？");

  // Through the window's close box: the window and the document stay.
  sink_.answers = {MsgAnswer::Yes, MsgAnswer::Ok};
  main_->mdiArea->subWindowList().first()->close();
  EXPECT_EQ(gDocuments.Count(), 1);
  EXPECT_EQ(WindowCount(), 1);
}

TEST_F(FileCommandsTest, UnsavedDocumentAsksToSaveBeforeClosing) {
  struct Row {
    const char* name;
    MsgAnswer answer;
    QString saveAs;  // empty: the Save As dialog is cancelled
    bool goOn;
    bool written;
  };
  const Row rows[] = {
      {"cancel", MsgAnswer::Cancel, QString(), false, false},
      {"no", MsgAnswer::No, QString(), true, false},
      {"yes, Save As cancelled", MsgAnswer::Yes, QString(), false, false},
      {"yes, saved", MsgAnswer::Yes, "saved.nrv", true, true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    QFile::remove(Path("saved.nrv"));
    auto doc = std::make_shared<CDocument>();
    doc->FileTitle = "新規データ1";
    doc->Title = "未保存";
    saveAsPath_ = r.saveAs.isEmpty() ? QString() : Path(r.saveAs);
    sink_.shown.clear();
    sink_.answers = {r.answer};
    EXPECT_EQ(QuerySaveDocument(*doc), r.goOn);
    ASSERT_EQ(sink_.shown.size(), 1u);
    EXPECT_EQ(sink_.shown[0], "ファイルは保存されていません。\n保存して閉じますか？");
    EXPECT_EQ(QFile::exists(Path("saved.nrv")), r.written);
    if (r.written) {
      EXPECT_EQ(doc->FileName, Path("saved.nrv").toStdString());
      EXPECT_EQ(doc->FileTitle, "saved");
      EXPECT_EQ(doc->FileExt, "nrv");
    } else {
      EXPECT_TRUE(doc->FileName.empty());
    }
  }
}

TEST_F(FileCommandsTest, SaveAsWritesTheFileAndRenamesTheWindow) {
  auto doc = Open(Copy("mixed.nrv", "mixed.nrv"));
  saveAsPath_ = Path("renamed.nrv");
  QFile::remove(saveAsPath_);
  main_->mnuFile_Click(5);
  EXPECT_TRUE(QFile::exists(saveAsPath_));
  EXPECT_EQ(doc->FileTitle, "renamed");
  EXPECT_EQ(main_->mdiArea->subWindowList().first()->windowTitle(), QStringLiteral("renamed"));
  EXPECT_EQ(main_->txtDataName->text(), QStringLiteral("renamed"));
  EXPECT_EQ(GetAppCore()->m_pRecentFileList->Item(0), saveAsPath_);
  // Saved as it is now: closing asks nothing.
  sink_.shown.clear();
  EXPECT_TRUE(QuerySaveDocument(*doc));
  EXPECT_TRUE(sink_.shown.empty());
}

// Save As starts at the document's own file; a document without one starts
// with its title in the folder saved into last, else that of the newest file.
TEST_F(FileCommandsTest, SaveAsStartsInTheDocumentsFolderWithItsName) {
  const std::string wall = Copy("gravity.nrv", "wall.nrv");
  auto doc = Open(wall);
  main_->mnuFile_Click(5);  // cancelled
  EXPECT_EQ(saveAsStart_.toStdString(), wall);

  main_->mnuFile_Click(1);  // an unsaved copy, titled 新規データ1
  auto copy = ActiveDocument();
  ASSERT_NE(copy, doc);
  main_->mnuFile_Click(5);
  EXPECT_EQ(saveAsStart_, Path("新規データ1.nrv"));  // beside wall.nrv, the newest file

  ASSERT_TRUE(QDir().mkpath(Path("other")));
  saveAsPath_ = Path("other/copy.nrv");
  main_->mnuFile_Click(5);
  ASSERT_EQ(copy->FileTitle, "copy");
  saveAsPath_.clear();
  main_->mnuFile_Click(1);  // 新規データ1 is free again
  main_->mnuFile_Click(5);
  EXPECT_EQ(saveAsStart_, Path("other/新規データ1.nrv"));
}

// The program's own Save As dialog opens there, in Japanese.
TEST_F(FileCommandsTest, SaveAsDialogOpensInTheFolderWithTheNameInJapanese) {
  if (!InstallQtJapanese()) GTEST_SKIP() << "Qt's Japanese translations are not installed";
  const QString start = Path("壁.nrv");
  QString folder, name, title;
  QStringList buttons;
  QTimer::singleShot(50, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    folder = dialog->directory().absolutePath();
    if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit")) name = edit->text();
    title = dialog->windowTitle();
    for (QPushButton* b : dialog->findChildren<QPushButton*>()) buttons << b->text();
    dialog->reject();
  });
  QString chosen;
  EXPECT_FALSE(saved_.saveAs(start, chosen));
  EXPECT_EQ(folder, QDir(dir_.path()).absolutePath());
  EXPECT_EQ(name, QStringLiteral("壁.nrv"));
  EXPECT_EQ(title, QStringLiteral("名前を付けて保存"));
  EXPECT_EQ(buttons.join("|"), QStringLiteral("保存|キャンセル"));
}

TEST_F(FileCommandsTest, AfterClosingTheCommandsFollowTheDocumentStillOpen) {
  auto a = Open(Copy("gravity.nrv", "a.nrv"));
  const std::string keyA = a->Key;
  auto c = Open(Copy("leaning.nrv", "c.nrv"));
  ASSERT_NE(c, nullptr);
  ASSERT_NE(c->Key, keyA);
  sink_.answers = {MsgAnswer::No};
  CloseActiveDocument();
  QApplication::processEvents();
  EXPECT_EQ(gDocuments.Count(), 1);
  EXPECT_EQ(gActiveKey, keyA);
  EXPECT_TRUE(main_->cmdAntResApply->isEnabled());
  EXPECT_FALSE(main_->nav->optTab[5]->isEnabled());

  CloseActiveDocument();
  QApplication::processEvents();
  EXPECT_EQ(gDocuments.Count(), 0);
  EXPECT_TRUE(gActiveKey.empty());
  EXPECT_FALSE(main_->cmdAntResApply->isEnabled());
  EXPECT_FALSE(main_->nav->optTab[0]->isEnabled());
  EXPECT_TRUE(main_->txtDataName->text().isEmpty());
}

TEST_F(FileCommandsTest, ARecentFileThatVanishedLeavesTheList) {
  const std::string keep = Copy("gravity.nrv", "keep.nrv");
  const std::string gone = Copy("leaning.nrv", "gone.nrv");
  auto* recent = GetAppCore()->m_pRecentFileList.get();
  recent->Add(QString::fromStdString(keep));
  recent->Add(QString::fromStdString(gone));  // position 0
  QFile::remove(QString::fromStdString(gone));
  main_->mnuRecent_Click(0);
  EXPECT_EQ(gDocuments.Count(), 0);
  ASSERT_EQ(recent->nRecentFileCnt(), 1);
  EXPECT_EQ(recent->Item(0).toStdString(), keep);
  main_->mnuRecent_Click(5);  // the separator opens nothing
  EXPECT_EQ(gDocuments.Count(), 0);
  main_->OpenMenuClick(1);  // drop-down entry 1 is position 0
  ASSERT_EQ(gDocuments.Count(), 1);
  EXPECT_EQ(ActiveDocument()->FileTitle, "keep");
}

// A recent entry chosen in the open dialog: one that cannot be read leaves
// the list, one whose document is open already only comes to the front, and
// a readable one is opened without moving in the list.
TEST_F(FileCommandsTest, RecentEntryChosenInTheOpenDialog) {
  const std::string keep = Copy("gravity.nrv", "keep.nrv");
  const std::string gone = Copy("leaning.nrv", "gone.nrv");
  auto* recent = GetAppCore()->m_pRecentFileList.get();
  recent->Add(QString::fromStdString(gone));
  recent->Add(QString::fromStdString(keep));  // position 0
  QFile::remove(QString::fromStdString(gone));
  int chosen = 0;
  Dialogs().open = [&](const QStringList& list, QString& path, int& index) {
    index = chosen;
    path = list.at(chosen);
    return true;
  };

  chosen = 1;
  main_->mnuFile_Click(2);
  EXPECT_EQ(gDocuments.Count(), 0);
  ASSERT_EQ(recent->nRecentFileCnt(), 1);
  EXPECT_EQ(recent->Item(0).toStdString(), keep);

  chosen = 0;
  main_->mnuFile_Click(2);
  ASSERT_EQ(gDocuments.Count(), 1);
  EXPECT_EQ(ActiveDocument()->FileName, keep);
  EXPECT_TRUE(main_->cmdIniData->isEnabled());
  EXPECT_TRUE(main_->cmdIniData->font().bold());
  main_->mnuFile_Click(2);
  EXPECT_EQ(gDocuments.Count(), 1);
  EXPECT_EQ(recent->nRecentFileCnt(), 1);
}

// Opened by path the name splits at its first dot, from the recent list at
// its last; a name without a dot has no extension either way.
TEST_F(FileCommandsTest, FileNamesOfADocumentByHowItWasOpened) {
  struct Row {
    const char* file;
    bool fromRecent;
    const char* title;
    const char* ext;
  };
  const Row rows[] = {
      {"a.b.nrv", false, "a", "b.nrv"},
      {"a.b.nrv", true, "a.b", "nrv"},
      {"wall", false, "wall", ""},
      {"wall", true, "wall", ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.file) + (r.fromRecent ? " from the recent list" : " by path"));
    const std::string path = Copy("gravity.nrv", r.file);
    if (r.fromRecent) {
      GetAppCore()->m_pRecentFileList->Add(QString::fromStdString(path));
      OpenRecentFile(0);
    } else {
      OpenDocumentFile(path);
    }
    auto doc = ActiveDocument();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->FileName, path);
    EXPECT_EQ(doc->FilePath, Path("").toStdString());
    EXPECT_EQ(doc->FileTitle, r.title);
    EXPECT_EQ(doc->FileExt, r.ext);
    ASSERT_EQ(WindowCount(), 1);
    EXPECT_EQ(main_->mdiArea->subWindowList().first()->windowTitle(), QString::fromUtf8(r.title));
    sink_.answers = {MsgAnswer::No};
    CloseActiveDocument();
    ASSERT_EQ(gDocuments.Count(), 0);
    for (auto* w : main_->mdiArea->subWindowList()) delete w;
  }
}

TEST(IsDocumentFile, OnlyTheExactLowerCaseExtension) {
  test::App();
  const std::pair<const char*, bool> rows[] = {
      {"/d/wall.nrv", true},  {"/d/wall.NRV", false},     {"/d/wall.Nrv", false},
      {"/d/a.b.nrv", true},   {"/d/wall.nrv.bak", false}, {"/d/nrv", false},
      {"/d.nrv/wall", false}, {"wall.nrv", true},
  };
  for (const auto& [path, ok] : rows)
    EXPECT_EQ(mdiMain::IsDocumentFile(QString::fromUtf8(path)), ok) << path;
}

TEST_F(FileCommandsTest, DropOpensOnlyDocumentFilesInListOrder) {
  const std::string g = Copy("gravity.nrv", "g.nrv");
  const std::string l = Copy("leaning.nrv", "l.nrv");
  const std::string upper = Copy("mixed.nrv", "U.NRV");
  auto mime = [&](std::initializer_list<std::string> files) {
    auto* m = new QMimeData;
    QList<QUrl> urls;
    for (const auto& f : files) urls << QUrl::fromLocalFile(QString::fromStdString(f));
    m->setUrls(urls);
    return m;
  };
  {
    std::unique_ptr<QMimeData> m(mime({upper, Path("notes.txt").toStdString()}));
    QDragEnterEvent e(QPoint(10, 10), Qt::CopyAction, m.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(main_.get(), &e);
    EXPECT_FALSE(e.isAccepted());
  }
  {
    std::unique_ptr<QMimeData> m(new QMimeData);
    m->setText("no file list");
    QDragEnterEvent e(QPoint(10, 10), Qt::CopyAction, m.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(main_.get(), &e);
    EXPECT_FALSE(e.isAccepted());
  }
  std::unique_ptr<QMimeData> m(mime({Path("notes.txt").toStdString(), l, upper, g}));
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, m.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(main_.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, m.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(main_.get(), &drop);
  ASSERT_EQ(gDocuments.Count(), 2);
  EXPECT_EQ(gDocuments.Item(1)->FileTitle, "l");
  EXPECT_EQ(gDocuments.Item(2)->FileTitle, "g");
}

TEST_F(FileCommandsTest, CopyAndCreateMakesAnUnsavedTwin) {
  auto src = Open(Copy("mixed.nrv", "src.nrv"));
  main_->tlbFile_ButtonClick("copy");  // keys are compared in upper case
  ASSERT_EQ(gDocuments.Count(), 2);
  auto twin = ActiveDocument();
  EXPECT_EQ(twin->Key, "DOC2");
  EXPECT_EQ(twin->FileTitle, "新規データ1");
  EXPECT_TRUE(twin->FileName.empty());
  EXPECT_TRUE(twin->FilePath.empty());
  EXPECT_EQ(twin->Title, src->Title);
  EXPECT_EQ(twin->WallType(), 3);
  ASSERT_NE(twin->DataForm, nullptr);
  EXPECT_EQ(twin->DataForm->No(), 0);
  EXPECT_EQ(GetAppCore()->m_pRecentFileList->nRecentFileCnt(), 1);
}

TEST_F(FileCommandsTest, CancelledNewDocumentRestoresTheActiveOne) {
  auto a = Open(Copy("gravity.nrv", "a.nrv"));
  norva::Windows().iniData = [](CDocument&, IniDataFields&, bool, QWidget*) -> int16_t {
    return 0;
  };
  NewDocument();
  EXPECT_EQ(gDocuments.Count(), 1);
  EXPECT_EQ(gActiveKey, a->Key);
  EXPECT_TRUE(main_->cmdAntResApply->isEnabled());  // still a's state
  norva::Windows().iniData = [](CDocument&, IniDataFields& f, bool showOpen, QWidget*) -> int16_t {
    EXPECT_TRUE(showOpen);
    f.Title = "新しい擁壁";
    f.Sisin = 3;
    f.WallType = 0;
    f.Doatsu = 1;
    return 1;
  };
  NewDocument();
  norva::Windows().iniData = norva::test::RunPlaceholderIniData;
  ASSERT_EQ(gDocuments.Count(), 2);
  auto d = ActiveDocument();
  EXPECT_EQ(d->FileTitle, "新規データ1");
  EXPECT_EQ(d->Title, "新しい擁壁");
  EXPECT_EQ(d->WallType(), 0);
  EXPECT_EQ(d->nBlkSetup, 1);  // block wall under the large-block guideline
  EXPECT_TRUE(d->FileName.empty());
  EXPECT_FALSE(main_->cmdAntResApply->isEnabled());
}

// The open dialog's path box holds what Enter opens: a picked recent file, or
// the path the user typed over it. A typed path that names no file keeps the
// dialog open with a message.
TEST_F(FileCommandsTest, OpenDialogEnterOpensThePathInThePathBox) {
  const QString recentFile = QString::fromStdString(Copy("gravity.nrv", "recent.nrv"));
  const QString typedFile = QString::fromStdString(Copy("gravity.nrv", "typed.nrv"));
  struct Row {
    const char* name;
    QString typed;  // empty: keep the recent file the list shows
    QString path;   // expected; empty: the dialog is still open after Enter
    int index;
  };
  const Row rows[] = {
      {"recent file picked", QString(), recentFile, 0},
      {"path typed over it", typedFile, typedFile, -1},
      {"typed path without a file", Path("missing.nrv"), QString(), -1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    sink_.shown.clear();
    bool stillOpen = false;
    QTimer::singleShot(0, [&] {
      QDialog* dlg = nullptr;
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "dlgOpen" && w->isVisible()) dlg = qobject_cast<QDialog*>(w);
      ASSERT_NE(dlg, nullptr);
      auto* box = dlg->findChild<QLineEdit*>("txtPath");
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->text(), recentFile);
      box->setFocus();
      if (!r.typed.isEmpty()) {
        box->selectAll();
        test::Type(box, r.typed);
      }
      test::Key(box, Qt::Key_Return);
      stillOpen = dlg->isVisible();
      if (stillOpen) dlg->reject();
    });
    QString path;
    int index = -2;
    const bool chosen = saved_.open(QStringList{recentFile}, path, index);
    EXPECT_EQ(chosen, !r.path.isEmpty());
    EXPECT_EQ(stillOpen, r.path.isEmpty());
    if (chosen) {
      EXPECT_EQ(path, r.path);
      EXPECT_EQ(index, r.index);
      EXPECT_TRUE(sink_.shown.empty());
    } else {
      ASSERT_EQ(sink_.shown.size(), 1u);
      EXPECT_NE(sink_.shown[0].find("missing.nrv"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace norva
