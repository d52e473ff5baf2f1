// Trial-wedge record: accessor guards, Copy, the 500-byte little-endian trial
// file, and deletion of the trial file when the last owner lets go.
#include "document/kusabi_res.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "document/ant_res.h"
#include "document/temp_files.h"

namespace norva {
namespace {

// A temporary file that is gone when the test ends, whatever happened.
struct ScratchFile {
  std::string path = CreateTempFile("KusabiTest");
  ~ScratchFile() { DeleteFileQuietly(path); }
};

std::string ReadAll(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

void WriteBytes(const std::string& path, size_t n) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  const std::string zeros(n, '\0');
  f.write(zeros.data(), static_cast<std::streamsize>(zeros.size()));
}

// Independent little-endian decoding of the bytes on disk.
double LeDouble(const std::string& b, size_t off) {
  uint64_t bits = 0;
  for (int k = 7; k >= 0; --k) bits = (bits << 8) | static_cast<unsigned char>(b.at(off + k));
  double v;
  std::memcpy(&v, &bits, 8);
  return v;
}
int LeInt16(const std::string& b, size_t off) {
  const unsigned lo = static_cast<unsigned char>(b.at(off));
  const unsigned hi = static_cast<unsigned char>(b.at(off + 1));
  return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
}

TEST(KusabiResTest, NewRecordAndAccessorGuards) {
  CKusabiRes r;
  EXPECT_EQ(r.Nq(), -1);
  EXPECT_EQ(r.GetRecordLength(), 500);
  EXPECT_TRUE(r.TempFile.empty());
  EXPECT_EQ(r.bChgOmg, 0);
  EXPECT_EQ(r.nMix, 0);

  // No strip load can be stored before Nq is set.
  r.SetfQxs(0, 5.0);
  EXPECT_EQ(r.fQxs(0), 0.0);

  r.SetNq(12);  // capped at 10
  EXPECT_EQ(r.Nq(), 10);
  r.SetfQxs(9, 1.25);
  r.SetfQxe(9, 2.5);
  r.SetfQload(9, 10.0);
  r.SetfQxs(10, 7.0);  // index 10 is never served
  r.SetfQload(-1, 7.0);
  EXPECT_EQ(r.fQxs(9), 1.25);
  EXPECT_EQ(r.fQxe(9), 2.5);
  EXPECT_EQ(r.fQload(9), 10.0);
  EXPECT_EQ(r.fQxs(10), 0.0);
  EXPECT_EQ(r.fQload(-1), 0.0);

  // Lowering Nq hides the loads above it.
  r.SetNq(2);
  EXPECT_EQ(r.fQxs(9), 0.0);

  // Two-element members: 0..1 only.
  r.SetfW(1, 1, 3.0);
  r.SetfW(2, 0, 9.0);
  r.SetfWQ(1, 4.0);
  r.SetfWQ(2, 9.0);
  r.SetfL(0, 5.0);
  r.SetfL(-1, 9.0);
  EXPECT_EQ(r.fW(1, 1), 3.0);
  EXPECT_EQ(r.fW(2, 0), 0.0);
  EXPECT_EQ(r.fW(0, -1), 0.0);
  EXPECT_EQ(r.fWQ(1), 4.0);
  EXPECT_EQ(r.fWQ(2), 0.0);
  EXPECT_EQ(r.fL(0), 5.0);
  EXPECT_EQ(r.fL(-1), 0.0);
}

TEST(KusabiResTest, CopyTakesEveryFieldAndKeepsLoadsAboveNewNq) {
  CKusabiRes src;
  src.fKh = 0.1;
  src.fOmega = 0.9;
  src.fPa = 123.5;
  src.SetNq(1);
  src.SetfQxs(0, 1.0);
  src.SetfQxe(0, 2.0);
  src.SetfQload(0, 10.0);
  src.SetfW(0, 1, 4.0);
  src.SetfWQ(1, 6.0);
  src.SetfL(1, 7.0);
  src.nMix = 1;
  src.fAlphaU = 0.2;
  src.fPaU = 30.0;
  src.bChgOmg = -1;
  src.fChgOmg = 55.0;
  src.fMinOmg = 30.0;
  src.fMaxOmg = 89.0;
  src.fCrossX = -1000.0;
  src.TempFile = "";  // no file involved in this test

  CKusabiRes dst;
  dst.SetNq(3);
  dst.SetfQxs(2, 99.0);
  dst.Copy(src);
  EXPECT_EQ(dst.fKh, 0.1);
  EXPECT_EQ(dst.fOmega, 0.9);
  EXPECT_EQ(dst.fPa, 123.5);
  EXPECT_EQ(dst.Nq(), 1);
  EXPECT_EQ(dst.fQxs(0), 1.0);
  EXPECT_EQ(dst.fQxe(0), 2.0);
  EXPECT_EQ(dst.fQload(0), 10.0);
  EXPECT_EQ(dst.fW(0, 1), 4.0);
  EXPECT_EQ(dst.fWQ(1), 6.0);
  EXPECT_EQ(dst.fL(1), 7.0);
  EXPECT_EQ(dst.nMix, 1);
  EXPECT_EQ(dst.fAlphaU, 0.2);
  EXPECT_EQ(dst.fPaU, 30.0);
  EXPECT_EQ(dst.bChgOmg, -1);
  EXPECT_EQ(dst.fChgOmg, 55.0);
  EXPECT_EQ(dst.fMinOmg, 30.0);
  EXPECT_EQ(dst.fMaxOmg, 89.0);
  EXPECT_EQ(dst.fCrossX, -1000.0);
  // Entry 2 was not copied: raising Nq again shows the old value.
  dst.SetNq(3);
  EXPECT_EQ(dst.fQxs(2), 99.0);
}

TEST(KusabiResTest, RecordLayoutIsLittleEndianAtFixedOffsets) {
  auto r = std::make_shared<CKusabiRes>();
  const double head[] = {0.11, 2.5, -0.2, 0.52, 0.61, 0.35, 5.0, 6.5, 0.9, 1.75, 1.2};
  r->fKh = head[0];
  r->fWlvl = head[1];
  r->fAlpha = head[2];
  r->fFai = head[3];
  r->fFaid = head[4];
  r->fDelta = head[5];
  r->fC = head[6];
  r->fCd = head[7];
  r->fOmega = head[8];
  r->fDist = head[9];
  r->fTheta = head[10];
  r->SetNq(2);
  r->SetfQxs(0, 0.5);
  r->SetfQxs(1, 3.0);
  r->SetfQxe(0, 1.5);
  r->SetfQxe(1, 4.0);
  r->SetfQload(0, 10.0);
  r->SetfQload(1, -20.0);
  r->fZc = 0.8;
  r->SetfW(0, 0, 101.0);
  r->SetfW(1, 0, 102.0);
  r->SetfW(0, 1, 103.0);
  r->SetfW(1, 1, 104.0);
  r->SetfWQ(0, 201.0);
  r->SetfWQ(1, 202.0);
  r->SetfL(0, 6.25);
  r->SetfL(1, 0.0);
  r->fPa = 87.125;
  r->fCrossX = 4.5;
  r->fCrossY = -3.25;
  r->nMix = 1;

  ScratchFile f;
  ASSERT_TRUE(WriteKusabiFile(f.path, {r}, 1));
  const std::string b = ReadAll(f.path);
  ASSERT_GE(b.size(), 452u);
  ASSERT_LE(b.size(), 500u);

  for (int k = 0; k < 11; ++k) EXPECT_EQ(LeDouble(b, 8 * k), head[k]) << "field " << k;
  EXPECT_EQ(LeDouble(b, 64), 0.9);  // fOmega, which the readers sort and plot by
  EXPECT_EQ(LeInt16(b, 88), 2);
  struct {
    size_t off;
    double v;
  } cases[] = {
      {90, 0.5},     {98, 3.0},    {106, 0.0},                  // fQxs(0..2)
      {178, 1.5},    {186, 4.0},                                // fQxe
      {266, 10.0},   {274, -20.0},                              // fQload
      {354, 0.8},                                               // fZc
      {362, 101.0},  {370, 102.0}, {378, 103.0}, {386, 104.0},  // fW (0,0) (1,0) (0,1) (1,1)
      {394, 201.0},  {402, 202.0},                              // fWQ
      {410, 6.25},   {418, 0.0},                                // fL
      {426, 87.125}, {434, 4.5},   {442, -3.25},                // fPa, fCrossX, fCrossY
  };
  for (const auto& c : cases) EXPECT_EQ(LeDouble(b, c.off), c.v) << "offset " << c.off;
  EXPECT_EQ(LeInt16(b, 450), 1);
  // Exact bytes of one double: 0.5 is 0x3FE0000000000000.
  const unsigned char half[8] = {0, 0, 0, 0, 0, 0, 0xE0, 0x3F};
  EXPECT_EQ(std::memcmp(b.data() + 90, half, 8), 0);
}

TEST(KusabiResTest, NegativeNqIsStoredAsTwoBytes) {
  auto r = std::make_shared<CKusabiRes>();  // Nq -1
  ScratchFile f;
  ASSERT_TRUE(WriteKusabiFile(f.path, {r}, 1));
  const std::string b = ReadAll(f.path);
  EXPECT_EQ(static_cast<unsigned char>(b.at(88)), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(b.at(89)), 0xFF);
}

TEST(KusabiResTest, LoadCountReadFromAFileStaysWithinTheLoadTable) {
  auto b = CKusabiRes().Pack();
  b[88] = 50;  // a count far beyond the 11-entry table
  b[89] = 0;
  CKusabiRes r;
  r.Unpack(b.data());
  EXPECT_EQ(r.Nq(), 50);
  r.SetfQload(11, 7.0);  // past the table: ignored, the next member untouched
  r.SetfQxs(30, 7.0);
  EXPECT_EQ(r.fQload(11), 0.0);
  EXPECT_EQ(r.fQxs(30), 0.0);
  EXPECT_EQ(r.fW(0, 0), 0.0);
}

TEST(KusabiResTest, TrialsAreSortedByAngleAndReadBack) {
  std::vector<std::shared_ptr<CKusabiRes>> trials;
  const double omega[] = {0.9, 0.7, 0.8, 0.7};
  const double pa[] = {10.0, 20.0, 30.0, 40.0};
  for (int k = 0; k < 4; ++k) {
    auto t = std::make_shared<CKusabiRes>();
    t->fOmega = omega[k];
    t->fPa = pa[k];
    trials.push_back(t);
  }
  const auto first_object = trials[0];
  SortKusabiTrials(trials, 4);
  // Values move, objects stay; equal angles keep their order (20 before 40).
  EXPECT_EQ(trials[0], first_object);
  const double want_omega[] = {0.7, 0.7, 0.8, 0.9};
  const double want_pa[] = {20.0, 40.0, 30.0, 10.0};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(trials[k]->fOmega, want_omega[k]) << k;
    EXPECT_EQ(trials[k]->fPa, want_pa[k]) << k;
  }

  ScratchFile f;
  ASSERT_TRUE(WriteKusabiFile(f.path, trials, 4));
  const std::string b = ReadAll(f.path);
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(LeDouble(b, 500 * k + 64), want_omega[k]) << "record " << k + 1;
    EXPECT_EQ(LeDouble(b, 500 * k + 426), want_pa[k]) << "record " << k + 1;
  }
  EXPECT_EQ(KusabiRecordCount(f.path), 4);
  const auto back = ReadKusabiFile(f.path);
  ASSERT_EQ(back.size(), 4u);
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(back[k].fOmega, want_omega[k]);
    EXPECT_EQ(back[k].fPa, want_pa[k]);
    EXPECT_TRUE(back[k].TempFile.empty());
  }
}

TEST(KusabiResTest, RecordCountIsRoundedFromFileLength) {
  struct {
    size_t bytes;
    int32_t n;
  } cases[] = {
      {0, 0}, {452, 1}, {500, 1}, {2 * 500 + 452, 3}, {1500, 3}, {1000 + 200, 2},
  };
  ScratchFile f;
  for (const auto& c : cases) {
    WriteBytes(f.path, c.bytes);
    EXPECT_EQ(KusabiRecordCount(f.path), c.n) << c.bytes << " bytes";
  }
  EXPECT_EQ(KusabiRecordCount(f.path + ".missing"), 0);
  EXPECT_EQ(KusabiRecordCount(""), 0);
}

TEST(KusabiResTest, ShortLastRecordIsReadInFull) {
  // A file that ends right after the data of its last record.
  ScratchFile f;
  std::vector<std::shared_ptr<CKusabiRes>> trials;
  for (double w : {0.6, 0.7, 0.8}) {
    auto t = std::make_shared<CKusabiRes>();
    t->fOmega = w;
    t->SetfL(0, 2.0 * w);
    t->SetfWQ(1, 3.0 * w);
    t->fPa = 100 * w;
    trials.push_back(t);
  }
  ASSERT_TRUE(WriteKusabiFile(f.path, trials, 3));
  std::filesystem::resize_file(f.path, 2 * 500 + 452);
  ASSERT_EQ(KusabiRecordCount(f.path), 3);
  const auto back = ReadKusabiFile(f.path);
  ASSERT_EQ(back.size(), 3u);
  EXPECT_EQ(back[2].fOmega, 0.8);
  EXPECT_EQ(back[2].fL(0), 1.6);
  EXPECT_EQ(back[2].fWQ(1), 3.0 * 0.8);
  EXPECT_EQ(back[2].fPa, 100 * 0.8);
}

TEST(KusabiResTest, SerializeModesAndErrors) {
  ScratchFile f;
  std::fstream io(f.path, std::ios::in | std::ios::out | std::ios::binary);
  ASSERT_TRUE(io.is_open());
  CKusabiRes r;
  r.fOmega = 0.5;
  EXPECT_EQ(r.Serialize(2, io, 1), 0);  // unknown mode: nothing happens
  io.flush();
  EXPECT_EQ(ReadAll(f.path).size(), 0u);

  EXPECT_EQ(r.Serialize(1, io, 0), 1);  // no record 0
  EXPECT_EQ(r.Serialize(1, io, -3), 1);
  EXPECT_EQ(r.Serialize(1, io, 2), 0);  // record 2 of an empty file
  io.flush();
  EXPECT_EQ(LeDouble(ReadAll(f.path), 564), 0.5);

  CKusabiRes in;
  in.fPa = 7.0;
  EXPECT_EQ(in.Serialize(0, io, 3), 1);  // beyond the end: error, record unchanged
  EXPECT_EQ(in.fPa, 7.0);
  EXPECT_EQ(in.Serialize(0, io, 2), 0);  // the stream still works after a failure
  EXPECT_EQ(in.fOmega, 0.5);
  EXPECT_EQ(in.fPa, 0.0);
}

TEST(KusabiResTest, FileWithoutPathOrTrialsIsNotWritten) {
  auto t = std::make_shared<CKusabiRes>();
  EXPECT_FALSE(WriteKusabiFile("", {t}, 1));  // an empty path is a failure, not a write
  ScratchFile f;
  DeleteFileQuietly(f.path);
  EXPECT_TRUE(WriteKusabiFile(f.path, {t}, 0));
  EXPECT_FALSE(PathExistsNoFollow(f.path));
  EXPECT_TRUE(ReadKusabiFile(f.path).empty());
}

TEST(KusabiResTest, TrialFileGoesWithTheLastOwner) {
  ScratchFile f;
  auto wedge = std::make_shared<CKusabiRes>();
  wedge->TempFile = f.path;
  ASSERT_TRUE(WriteKusabiFile(f.path, {wedge}, 1));

  auto a = std::make_unique<CAntRes>();
  auto b = std::make_unique<CAntRes>();
  a->SetKusabi(0, wedge);
  b->SetKusabi(1, wedge);
  wedge.reset();
  a.reset();
  EXPECT_TRUE(PathExistsNoFollow(f.path)) << "still held by the second result";
  // Replacing the wedge releases the old one.
  b->SetKusabi(1, std::make_shared<CKusabiRes>());
  EXPECT_FALSE(PathExistsNoFollow(f.path));
}

TEST(KusabiResTest, EndingWithoutAFileDoesNothing) {
  ScratchFile f;
  {
    CKusabiRes gone;
    gone.TempFile = f.path + ".already-deleted";
    CKusabiRes empty;
  }
  EXPECT_TRUE(PathExistsNoFollow(f.path));
  {
    CKusabiRes owner;
    owner.TempFile = f.path;
    CKusabiRes moved(std::move(owner));  // the file goes over to the new record
    EXPECT_TRUE(owner.TempFile.empty());
  }
  EXPECT_FALSE(PathExistsNoFollow(f.path));
}

TEST(KusabiResTest, CopyOfAnAdoptedWedgeAlsoDeletesItsFile) {
  ScratchFile f;
  CKusabiRes adopted;
  adopted.TempFile = f.path;
  {
    CKusabiRes copy;
    copy.Copy(adopted);
    EXPECT_EQ(copy.TempFile, f.path);
  }
  EXPECT_FALSE(PathExistsNoFollow(f.path));
  adopted.TempFile.clear();
}

}  // namespace
}  // namespace norva

namespace norva {
namespace {

// Trials with distinct values in every field a record holds, so any slot or
// offset slip shows.
std::vector<std::shared_ptr<CKusabiRes>> DistinctTrials(int n, int16_t nq) {
  std::vector<std::shared_ptr<CKusabiRes>> out;
  for (int k = 0; k < n; ++k) {
    auto t = std::make_shared<CKusabiRes>();
    const double b = 1 + k;
    t->fKh = 0.01 * b;
    t->fWlvl = 0.5 * b;
    t->fOmega = 0.6 + 0.01 * b;
    t->SetNq(nq);
    for (int i = 0; i < nq; ++i) {
      t->SetfQxs(i, b + i);
      t->SetfQxe(i, b + i + 0.5);
      t->SetfQload(i, -b * (i + 1));
    }
    t->fZc = 0.1 * b;
    t->SetfW(1, 1, 7 * b);
    t->SetfWQ(1, 8 * b);
    t->SetfL(1, 9 * b);
    t->fPa = 40 + b;
    t->fCrossY = -b;
    t->nMix = static_cast<int16_t>(k % 2);
    t->fAlphaU = 99;  // not part of the file
    out.push_back(t);
  }
  return out;
}

TEST(KusabiResTest, FileIsTheRecordsInTheirSlotsAndNothingElse) {
  struct Case {
    const char* what;
    int n;
    int16_t nq;
  };
  for (const Case& c : {Case{"one record", 1, 0}, Case{"three with loads", 3, 4},
                        Case{"eleven, Nq unset", 11, -1}}) {
    SCOPED_TRACE(c.what);
    const auto trials = DistinctTrials(c.n, c.nq);
    ScratchFile f;
    ASSERT_TRUE(WriteKusabiFile(f.path, trials, c.n));
    const std::string b = ReadAll(f.path);
    // Whole slots: 500 bytes a record, the packed image then zeros.
    ASSERT_EQ(b.size(), 500u * static_cast<size_t>(c.n));
    for (int k = 0; k < c.n; ++k) {
      const auto packed = trials[static_cast<size_t>(k)]->Pack();
      const size_t at = 500u * static_cast<size_t>(k);
      EXPECT_EQ(b.substr(at, 452), std::string(packed.begin(), packed.end())) << k;
      EXPECT_EQ(b.substr(at + 452, 48), std::string(48, '\0')) << k;
      EXPECT_EQ(LeDouble(b, at + 64), 0.6 + 0.01 * (1 + k)) << k;
      EXPECT_EQ(LeDouble(b, at + 426), 41.0 + k) << k;
      EXPECT_EQ(LeInt16(b, at + 450), k % 2) << k;
    }
    // The same bytes as putting each record into its slot of an open file.
    std::fstream g(f.path, std::ios::in | std::ios::out | std::ios::binary | std::ios::trunc);
    for (int k = 0; k < c.n; ++k) {
      ASSERT_EQ(trials[static_cast<size_t>(k)]->Serialize(1, g, static_cast<int16_t>(k + 1)), 0);
    }
    g.close();
    EXPECT_EQ(ReadAll(f.path), b);
  }
}

TEST(KusabiResTest, WritingReplacesALongerOldFile) {
  ScratchFile f;
  WriteBytes(f.path, 5000);
  const auto trials = DistinctTrials(2, 1);
  ASSERT_TRUE(WriteKusabiFile(f.path, trials, 2));
  EXPECT_EQ(std::filesystem::file_size(f.path), 1000u);
  EXPECT_EQ(KusabiRecordCount(f.path), 2);
}

TEST(KusabiResTest, WritingDoesNotFollowASymlinkInPlaceOfTheFile) {
  ScratchFile victim;
  {
    std::ofstream v(victim.path, std::ios::binary | std::ios::trunc);
    v << "keep me";
  }
  ScratchFile f;
  ASSERT_TRUE(DeleteFileQuietly(f.path));
  ASSERT_EQ(std::filesystem::exists(victim.path), true);
  std::filesystem::create_symlink(victim.path, f.path);
  EXPECT_FALSE(WriteKusabiFile(f.path, DistinctTrials(1, 0), 1));
  EXPECT_EQ(ReadAll(victim.path), "keep me");
}

}  // namespace
}  // namespace norva
