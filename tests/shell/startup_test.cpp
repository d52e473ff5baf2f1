// Command line, work folder, style folder and the sample documents.
#include "shell/startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "document/data_state.h"
#include "document/document_file.h"
#include "document/temp_files.h"
#include "shell_test_support.h"

namespace norva {
namespace {

using Args = std::vector<std::string>;

TEST(ParseCommandLine, QuotesGroupAndUnquotedArgumentsRunToTheNextQuote) {
  struct Row {
    const char* line;
    int maxArgs;
    Args expected;
  };
  const Row rows[] = {
      {"", 10, {""}},
      {"   ", 10, {""}},
      {"\"C:/My Walls/a.nrv\"", 10, {"", "C:/My Walls/a.nrv"}},
      {"a.nrv b.nrv", 10, {"", "a.nrv b.nrv"}},
      {"\"a.nrv\" \"b.nrv\"", 10, {"", "a.nrv", "b.nrv"}},
      {"a.nrv \"b c.nrv\"", 10, {"", "a.nrv ", "b c.nrv"}},
      {"\t\"x\"\t", 10, {"", "x"}},
      {"\"1\"\"2\"\"3\"", 2, {"", "1", "2"}},
      {"\"1\" \"2\" 3", 2, {"", "1", "2"}},
  };
  for (const Row& r : rows) EXPECT_EQ(ParseCommandLine(r.line, r.maxArgs), r.expected) << r.line;
}

TEST(ParseCommandLine, ElevenArgumentsKeepTheFirstTen) {
  std::string line;
  for (int i = 1; i <= 11; ++i) line += "\"f" + std::to_string(i) + "\" ";
  const Args args = ParseCommandLine(line, 10);
  ASSERT_EQ(args.size(), 11u);
  EXPECT_EQ(args[10], "f10");
}

// Only the first ten arguments are looked at; of those, the ones naming a
// regular file are opened in their order.
TEST(CommandLineFiles, FirstTenArgumentsThatNameFiles) {
  test::App();
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  auto make = [&](const QString& name) {
    QFile f(tmp.path() + "/" + name);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    return (tmp.path() + "/" + name).toStdString();
  };
  const std::string a = make("a.nrv"), b = make("b c.nrv"), late = make("late.nrv");
  ASSERT_TRUE(QDir(tmp.path()).mkdir("folder.nrv"));
  const std::string folder = (tmp.path() + "/folder.nrv").toStdString();
  const std::string missing = (tmp.path() + "/missing.nrv").toStdString();

  struct Row {
    const char* name;
    Args args;
    Args expected;
  };
  Args eleven(9, missing);  // nine missing, then b, then late as the eleventh
  eleven.push_back(b);
  eleven.push_back(late);
  const Row rows[] = {
      {"none", {}, {}},
      {"missing and folder skipped", {missing, a, folder, b}, {a, b}},
      {"the eleventh is not looked at", eleven, {b}},
      {"ten all missing", Args(10, missing), {}},
  };
  for (const Row& r : rows) EXPECT_EQ(ExistingFileArguments(r.args, 10), r.expected) << r.name;

  // A relative name is made absolute against the current folder.
  const QString cwd = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(tmp.path()));
  EXPECT_EQ(ExistingFileArguments({"a.nrv"}, 10), Args{a});
  QDir::setCurrent(cwd);
}

TEST(WorkFolder, LeftoversOfAKilledRunGoAtStartAndTheFolderGoesAtExit) {
  test::App();
  const std::string dir = PrivateWorkFolder();
  QFile(QString::fromStdString(dir + "/norva.prn")).open(QIODevice::WriteOnly);
  QFile(QString::fromStdString(dir + "/report.rtf")).open(QIODevice::WriteOnly);
  QDir().mkpath(QString::fromStdString(dir + "/figures"));
  QFile(QString::fromStdString(dir + "/figures/f1.svg")).open(QIODevice::WriteOnly);

  PrnWorkDir = PrepareWorkFolder();
  EXPECT_EQ(PrnWorkDir, dir);
  EXPECT_TRUE(QFileInfo(QString::fromStdString(dir)).isDir());
  EXPECT_TRUE(QDir(QString::fromStdString(dir))
                  .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                  .isEmpty());
  // Private to the user.
  EXPECT_EQ(QFileInfo(QString::fromStdString(dir)).permissions() &
                (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
            QFile::Permissions());

  // A document's temporary file lives in there until shut-down.
  {
    CDocument doc;
    const std::string t = doc.AddTempFile("COMPFILE");
    EXPECT_EQ(t.rfind(dir + "/", 0), 0u);
  }
  QFile(QString::fromStdString(dir + "/norva.prn")).open(QIODevice::WriteOnly);
  AppShutdown();
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(dir)));
  PrnWorkDir.clear();
}

TEST(StyleFolder, CopiedOnceAndNeverReplaced) {
  test::App();
  QTemporaryDir program, data;
  const std::string styleDir = (data.path() + "/NorvaV4").toStdString();
  // The style sheet and the style it is written from live together.
  for (const char* name : {"/style.dat", "/style.sty"}) {
    QFile src(program.path() + name);
    ASSERT_TRUE(src.open(QIODevice::WriteOnly));
    src.write("shipped");
  }
  PrepareStyleFolder(styleDir, program.path().toStdString());
  for (const char* name : {"/style.dat", "/style.sty"}) {
    SCOPED_TRACE(name);
    QFile copy(QString::fromStdString(styleDir) + name);
    ASSERT_TRUE(copy.open(QIODevice::ReadWrite));
    EXPECT_EQ(copy.readAll(), QByteArray("shipped"));
    copy.resize(0);
    copy.write("edited by the user");
  }
  PrepareStyleFolder(styleDir, program.path().toStdString());
  for (const char* name : {"/style.dat", "/style.sty"}) {
    QFile copy(QString::fromStdString(styleDir) + name);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), QByteArray("edited by the user")) << name;
  }
}

TEST(SingleInstance, MessageNamesTheProduct) {
  EXPECT_EQ(AlreadyRunningMessage(),
            "既にノルヴァが起動しています。\n同時に複数起動する事は出来ません。");
}

// Every sample reads back, is of its wall type and complete enough to calculate.
TEST(Examples, EachWallTypeReadsBackComplete) {
  const std::pair<const char*, int> rows[] = {
      {"block_masonry.nrv", 0}, {"gravity.nrv", 1}, {"leaning.nrv", 2}, {"mixed.nrv", 3}};
  for (const auto& [name, wallType] : rows) {
    SCOPED_TRACE(name);
    CDocument doc;
    doc.FileName = test::ExampleFile(name);
    ASSERT_TRUE(DataFileRead(doc));
    EXPECT_EQ(doc.WallType(), wallType);
    EXPECT_FALSE(doc.Title.empty());
    EXPECT_GE(doc.nCase(), 1);
    DataState(doc, 0);
    for (int i = 0; i <= 3; ++i) EXPECT_NE(doc.bInpSt(i), 0) << "screen " << i;
    EXPECT_EQ(doc.bInpSt(4), 0);
  }
}

}  // namespace
}  // namespace norva
