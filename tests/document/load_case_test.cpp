// Arbitrary loads and load cases: defaults, switches, Copy, and their records
// in the document file.
#include "document/load_case.h"

#include <gtest/gtest.h>

#include <string>

#include "document/nulls.h"
#include "text/vb_text_io.h"

namespace norva {
namespace {

// Writes with `write`, then reads the bytes back with `read`.
template <typename W, typename R>
std::string RoundTrip(W write, R read) {
  VbTextWriter out;
  write(out);
  const std::string bytes = out.bytes();
  VbTextReader in = VbTextReader::FromBytes(bytes);
  read(in);
  return bytes;
}

TEST(NiniTest, NewLoadRoundTripsWithBlankValues) {
  CNini a;
  EXPECT_EQ(a.LoadName, "");
  EXPECT_EQ(a.nType, -1);
  EXPECT_EQ(a.nTarget, 0);
  for (double v : {a.X1, a.X2, a.Y1, a.Y2, a.P1, a.P2}) EXPECT_EQ(v, kNullBox);

  CNini b;
  b.nType = 3;
  b.X1 = 1.0;
  bool wrote = false, read = false;
  RoundTrip([&](VbTextWriter& w) { wrote = a.DataWrite(&w); },
            [&](VbTextReader& r) { read = b.DataRead(&r); });
  EXPECT_TRUE(wrote);
  EXPECT_TRUE(read);
  EXPECT_EQ(b.nType, -1);
  EXPECT_EQ(b.nTarget, 0);
  for (double v : {b.X1, b.X2, b.Y1, b.Y2, b.P1, b.P2}) EXPECT_EQ(v, kNullBox);
}

TEST(NiniTest, RecordBytesUsePrintZones) {
  CNini a;
  a.LoadName = "P";
  a.nType = 0;
  a.nTarget = 1;
  a.X1 = 1.5;
  a.X2 = -2;
  a.Y1 = 0.25;
  a.Y2 = 0;
  a.P1 = 10;
  a.P2 = -0.5;
  VbTextWriter w;
  ASSERT_TRUE(a.DataWrite(&w));
  // Items after the first start at columns 14, 28, 42, 56, 70.
  const std::string line3 = std::string(" 1.5 ") + std::string(9, ' ') + "-2 " +
                            std::string(11, ' ') + " .25 " + std::string(9, ' ') + " 0 " +
                            std::string(11, ' ') + " 10 " + std::string(10, ' ') + "-.5 \r\n";
  const std::string line2 = std::string(" 0 ") + std::string(11, ' ') + " 1 \r\n";
  EXPECT_EQ(w.bytes(), "P\r\n" + line2 + line3);
}

TEST(NiniTest, NamesKeepCommasBlanksAndJapanese) {
  const char* names[] = {"a,b,c", "  lead", "trail  ", "", "荷重１，２", "\"quoted\""};
  for (const char* name : names) {
    CNini a;
    a.LoadName = name;
    a.nType = 2;
    a.nTarget = 5;
    a.X1 = 0.5;
    a.X2 = 3.25;
    a.Y1 = -1.7E+10;
    a.Y2 = 1E+15;
    a.P1 = 12.345678901234;
    a.P2 = -0.001;
    CNini b;
    RoundTrip([&](VbTextWriter& w) { ASSERT_TRUE(a.DataWrite(&w)); },
              [&](VbTextReader& r) { ASSERT_TRUE(b.DataRead(&r)); });
    EXPECT_EQ(b.LoadName, name);
    EXPECT_EQ(b.nType, 2);
    EXPECT_EQ(b.nTarget, 5);
    EXPECT_EQ(b.X1, 0.5);
    EXPECT_EQ(b.X2, 3.25);
    EXPECT_EQ(b.Y1, -1.7E+10);
    EXPECT_EQ(b.Y2, 1E+15);
    EXPECT_EQ(b.P1, 12.345678901234);
    EXPECT_EQ(b.P2, -0.001);
  }
}

TEST(NiniTest, NullStreamAndTruncatedRecordFail) {
  CNini a;
  a.LoadName = "keep";
  EXPECT_FALSE(a.DataWrite(nullptr));
  EXPECT_FALSE(a.DataRead(nullptr));
  EXPECT_EQ(a.LoadName, "keep");

  // The file ends after the second coordinate: the members read so far keep
  // their new values, the rest their old ones.
  VbTextReader r = VbTextReader::FromBytes("name\r\n 1             4 \r\n 2.5           3 \r\n");
  CNini b;
  EXPECT_FALSE(b.DataRead(&r));
  EXPECT_EQ(b.LoadName, "name");
  EXPECT_EQ(b.nType, 1);
  EXPECT_EQ(b.nTarget, 4);
  EXPECT_EQ(b.X1, 2.5);
  EXPECT_EQ(b.X2, 3.0);
  EXPECT_EQ(b.Y1, kNullBox);
}

TEST(NiniTest, CopyTakesAllMembers) {
  CNini a;
  a.LoadName = "L1";
  a.nType = 1;
  a.nTarget = 7;
  a.X1 = 1;
  a.X2 = 2;
  a.Y1 = 3;
  a.Y2 = 4;
  a.P1 = 5;
  a.P2 = 6;
  CNini b;
  b.Copy(a);
  EXPECT_EQ(b.LoadName, "L1");
  EXPECT_EQ(b.nType, 1);
  EXPECT_EQ(b.nTarget, 7);
  const double want[] = {1, 2, 3, 4, 5, 6};
  const double got[] = {b.X1, b.X2, b.Y1, b.Y2, b.P1, b.P2};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(got[i], want[i]);
}

TEST(KajyuCaseTest, SwitchCountGrowsShrinksAndGuards) {
  CKajyuCase c;
  EXPECT_EQ(c.nNiniCount(), 0);
  EXPECT_EQ(c.nNini(0), 0);
  c.SetnNini(0, 1);  // no switches yet: ignored
  EXPECT_EQ(c.nNini(0), 0);

  c.SetnNiniCount(3);
  c.SetnNini(0, 1);
  c.SetnNini(1, 1);
  c.SetnNini(2, 1);
  c.SetnNiniCount(5);
  const int16_t want[] = {1, 1, 1, 0, 0};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(c.nNini(i), want[i]) << i;
  c.SetnNini(5, 1);
  c.SetnNini(-1, 1);
  EXPECT_EQ(c.nNini(5), 0);
  EXPECT_EQ(c.nNini(-1), 0);

  // Shrinking keeps the first switches.
  c.SetnNiniCount(2);
  EXPECT_EQ(c.nNini(1), 1);
  EXPECT_EQ(c.nNini(2), 0);

  // A count of 0 makes every switch unreachable; growing again starts at 0.
  c.SetnNiniCount(0);
  EXPECT_EQ(c.nNini(0), 0);
  c.SetnNiniCount(2);
  EXPECT_EQ(c.nNini(0), 0);
  EXPECT_EQ(c.nNini(1), 0);
}

CKajyuCase SampleCase() {
  CKajyuCase c;
  c.CaseName = " 常時, 水位あり";
  c.nQuake = 1;
  c.nWater = 1;
  c.nSoilF = 0;
  c.nAutoMobil = 1;
  c.nGunsyu = 0;
  c.nSnow = 1;
  c.nTakuchi = 0;
  c.nAutoCrash = 1;
  c.nStoneCrash = 0;
  c.nWind = 1;
  c.Doat = 0;  // deliberately not derived from nQuake
  c.SetnNiniCount(3);
  c.SetnNini(0, 1);
  c.SetnNini(2, 1);
  c.Ea = 6;
  c.FsTentou = 1.5;
  c.FsKatsudou = 1.2;
  c.QuPremium = 3;
  c.QaPremium = 1.5;
  c.AllowPremium = 1.65;
  return c;
}

TEST(KajyuCaseTest, RecordLinesAndOrder) {
  CKajyuCase c = SampleCase();
  VbTextWriter w;
  EXPECT_TRUE(c.Serialize(w));  // true is success
  const std::string want =
      " 常時, 水位あり\r\n"
      " 1 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n"  // ten switches
      " 0 \r\n"                                                                 // Doat
      " 3 \r\n 1 \r\n 0 \r\n 1 \r\n"                                            // count, switches
      " 6 \r\n 1.5 \r\n 1.2 \r\n 1.5 \r\n 1.65 \r\n";  // Ea, FsTentou, FsKatsudou, Qa, Allow
  // The text is converted to code page 932 on the way out.
  VbTextReader r = VbTextReader::FromBytes(w.bytes());
  EXPECT_EQ(r.LineInput(), " 常時, 水位あり");
  EXPECT_EQ(w.bytes().substr(w.bytes().find("\r\n")), want.substr(want.find("\r\n")));
}

TEST(KajyuCaseTest, RoundTripLeavesQuPremiumAlone) {
  const CKajyuCase src = SampleCase();
  CKajyuCase dst;
  dst.QuPremium = 2.5;
  dst.SetnNiniCount(1);
  RoundTrip([&](VbTextWriter& w) { ASSERT_TRUE(const_cast<CKajyuCase&>(src).Serialize(w)); },
            [&](VbTextReader& r) { ASSERT_TRUE(dst.Serialize(r, 4.0f)); });
  EXPECT_EQ(dst.CaseName, src.CaseName);
  EXPECT_EQ(dst.nQuake, 1);
  EXPECT_EQ(dst.nWater, 1);
  EXPECT_EQ(dst.nAutoMobil, 1);
  EXPECT_EQ(dst.nSnow, 1);
  EXPECT_EQ(dst.nAutoCrash, 1);
  EXPECT_EQ(dst.nStoneCrash, 0);
  EXPECT_EQ(dst.nWind, 1);
  EXPECT_EQ(dst.Doat, 0);  // read as stored from a 2.01+ file
  ASSERT_EQ(dst.nNiniCount(), 3);
  EXPECT_EQ(dst.nNini(0), 1);
  EXPECT_EQ(dst.nNini(1), 0);
  EXPECT_EQ(dst.nNini(2), 1);
  EXPECT_EQ(dst.Ea, 6.0);
  EXPECT_EQ(dst.FsTentou, 1.5);
  EXPECT_EQ(dst.FsKatsudou, 1.2);
  EXPECT_EQ(dst.QaPremium, 1.5);
  EXPECT_EQ(dst.AllowPremium, 1.65);
  EXPECT_EQ(dst.QuPremium, 2.5);  // not in the record
}

// A case of an older file, which has no Doat line.
std::string OldCaseRecord(int quake) {
  return "旧\r\n " + std::to_string(quake) +
         " \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
         " 0 \r\n 3 \r\n 1.5 \r\n 1.2 \r\n 1 \r\n 1 \r\n";
}

TEST(KajyuCaseTest, OlderFilesDeriveDoatFromTheSeismicSwitch) {
  struct {
    int quake;
    float version;
    int32_t doat;
  } cases[] = {
      {1, 2.0f, 1},
      {0, 2.0f, 0},
      {2, 2.0f, 0},
      {1, 0.5f, 1},
  };
  for (const auto& c : cases) {
    CKajyuCase k;
    k.Doat = 7;
    VbTextReader r = VbTextReader::FromBytes(OldCaseRecord(c.quake));
    // The bytes above are ASCII apart from the name, which this reader takes as CP932.
    ASSERT_TRUE(k.Serialize(r, c.version)) << c.version;
    EXPECT_EQ(k.Doat, c.doat) << "nQuake " << c.quake;
    EXPECT_EQ(k.nNiniCount(), 0);
    EXPECT_EQ(k.Ea, 3.0);
    EXPECT_EQ(k.AllowPremium, 1.0);
  }
  // From 2.01 on, Doat is read as stored: the old record is then one item short.
  CKajyuCase k;
  VbTextReader r = VbTextReader::FromBytes(OldCaseRecord(1));
  EXPECT_FALSE(k.Serialize(r, 2.01f));
}

TEST(KajyuCaseTest, ZeroSwitchCountKeepsOldSwitchesUnreachable) {
  CKajyuCase src = SampleCase();
  src.SetnNiniCount(0);
  CKajyuCase dst;
  dst.SetnNiniCount(2);
  dst.SetnNini(0, 1);
  dst.SetnNini(1, 1);
  RoundTrip([&](VbTextWriter& w) { ASSERT_TRUE(src.Serialize(w)); },
            [&](VbTextReader& r) { ASSERT_TRUE(dst.Serialize(r, 4.0f)); });
  EXPECT_EQ(dst.nNiniCount(), 0);
  EXPECT_EQ(dst.nNini(0), 0);
  EXPECT_EQ(dst.nNini(1), 0);
}

TEST(KajyuCaseTest, ErrorsReportFalse) {
  CKajyuCase c = SampleCase();
  EXPECT_FALSE(c.Serialize(nullptr, nullptr, 1, 0.0f));
  EXPECT_FALSE(c.Serialize(nullptr, nullptr, 0, 4.0f));
  // Truncated after the switch count: the name and switches are already read.
  VbTextReader r = VbTextReader::FromBytes(
      "cut\r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 0 \r\n 2 \r\n "
      "1 \r\n");
  CKajyuCase d;
  EXPECT_FALSE(d.Serialize(r, 4.0f));
  EXPECT_EQ(d.CaseName, "cut");
  EXPECT_EQ(d.nWind, 1);
  EXPECT_EQ(d.nNini(0), 1);
  EXPECT_EQ(d.Ea, 0.0);
}

TEST(KajyuCaseTest, CopyCarriesQuPremiumAndSwitches) {
  const CKajyuCase src = SampleCase();
  CKajyuCase dst;
  dst.Copy(src);
  EXPECT_EQ(dst.CaseName, src.CaseName);
  EXPECT_EQ(dst.nQuake, 1);
  EXPECT_EQ(dst.nWind, 1);
  EXPECT_EQ(dst.Doat, 0);
  EXPECT_EQ(dst.QuPremium, 3.0);
  EXPECT_EQ(dst.QaPremium, 1.5);
  EXPECT_EQ(dst.AllowPremium, 1.65);
  ASSERT_EQ(dst.nNiniCount(), 3);
  EXPECT_EQ(dst.nNini(0), 1);
  EXPECT_EQ(dst.nNini(1), 0);
  EXPECT_EQ(dst.nNini(2), 1);
  // Independent: changing the copy leaves the source alone.
  dst.SetnNini(0, 0);
  EXPECT_EQ(src.nNini(0), 1);

  // A source without switches leaves the target's old ones unreachable.
  CKajyuCase empty;
  dst.Copy(empty);
  EXPECT_EQ(dst.nNiniCount(), 0);
  EXPECT_EQ(dst.nNini(2), 0);
  EXPECT_EQ(dst.QuPremium, 0.0);
}

}  // namespace
}  // namespace norva
