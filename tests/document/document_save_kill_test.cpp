// A save killed at any moment: the document file is always either the old or
// the new complete file, and the next save leaves no temporary file behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "document/document.h"
#include "document/document_file.h"
#include "document/load_case.h"
#include "file_bytes.h"

namespace norva {
namespace {

namespace fs = std::filesystem;

using test::ReadBytes;

int TempFilesIn(const std::string& dir) {
  int n = 0;
  for (const auto& e : fs::directory_iterator(dir)) {
    if (e.path().filename().string().rfind(".norva-", 0) == 0) ++n;
  }
  return n;
}

// A document far larger than any real one: loads named after the run.
void MakeLarge(CDocument& d, const std::string& title, int loads) {
  d.Title = title;
  d.SetnNiniCount(static_cast<int16_t>(loads));
  for (int i = 0; i < loads; ++i) {
    CNini& L = *d.pNini(i);
    L.LoadName = title + " 荷重 " + std::to_string(i);
    L.nType = static_cast<int16_t>(i % 4);
    L.nTarget = 7;
    L.X1 = i * 0.001;
    L.X2 = i * 0.002;
    L.Y1 = 1.5;
    L.Y2 = 2.5;
    L.P1 = 10 + i;
    L.P2 = 20 + i;
  }
}

TEST(DocumentSaveKill, AKilledSaveLeavesTheOldOrTheNewFileWhole) {
  char tmpl[] = "/tmp/norva-save-kill-XXXXXX";
  ASSERT_NE(::mkdtemp(tmpl), nullptr);
  const std::string dir = tmpl;
  struct RemoveAtEnd {
    std::string dir;
    ~RemoveAtEnd() {
      std::error_code ec;
      fs::remove_all(dir, ec);
    }
  } removeAtEnd{dir};
  const std::string target = dir + "/large.nrv";

  CDocument a, b;
  MakeLarge(a, "旧", 1200);
  MakeLarge(b, "新", 1000);
  const std::string bytesA = DocumentFileBytes(a), bytesB = DocumentFileBytes(b);
  ASSERT_NE(bytesA, bytesB);

  // How long one save takes here, so the kills spread over whole saves.
  const auto t0 = std::chrono::steady_clock::now();
  ASSERT_TRUE(DataFileWrite(a, target));
  const auto saveUs =
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - t0)
          .count();

  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed) + ", one save " + std::to_string(saveUs) + " us");
  std::mt19937 rng(seed);
  std::uniform_int_distribution<long> delay(0, 2 * saveUs + 500);
  int kills = 0, leftBehind = 0;
  // The deadline only stops a machine so loaded that the kills would take
  // minutes; the kills themselves scale with the measured save time.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
  while (kills < 300 && std::chrono::steady_clock::now() < deadline) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int n = 0;; ++n) DataFileWrite(n % 2 == 0 ? b : a, target);
    }
    ::usleep(static_cast<useconds_t>(delay(rng)));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ++kills;
    const std::string now = ReadBytes(target);
    ASSERT_TRUE(now == bytesA || now == bytesB)
        << "after kill " << kills << ": " << now.size() << " bytes";
    leftBehind += TempFilesIn(dir);
  }
  EXPECT_GE(kills, 50) << "the machine is too slow for the kills to spread";
  // Some kills must have hit a save between its temporary file and the rename.
  EXPECT_GT(leftBehind, 0) << kills << " kills";

  ASSERT_TRUE(DataFileWrite(a, target));
  EXPECT_EQ(ReadBytes(target), bytesA);
  EXPECT_EQ(TempFilesIn(dir), 0);
  int entries = 0;
  for (const auto& e : fs::directory_iterator(dir)) {
    (void)e;
    ++entries;
  }
  EXPECT_EQ(entries, 1);
}

}  // namespace
}  // namespace norva
