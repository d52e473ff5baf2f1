// The steel-post table: the reader on small fixtures, and the shipped
// "HSteel.csv" checked row by row against its dimensions (README) by
// recomputing each section's area and Zx with its fillets.
#include "screens/loads/hsteel_table.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <regex>
#include <sstream>

#include "text/cp932.h"

namespace norva {
namespace {

std::string Names(const std::vector<HSteelRow>& rows) {
  std::string s;
  for (const HSteelRow& r : rows) s += r.name + ";";
  return s;
}

TEST(ReadHSteel, ItemsEndAtCommasAndAtLineEndsAlike) {
  const std::string byLines = "H-A,6,8,21.59,75.6\r\nH-B,5.5,8,26.67,181\r\n";
  const std::string mixed = "H-A\r\n6\r\n8,21.59\r\n75.6,H-B,5.5\r\n8,26.67,181\r\n";
  const std::string oneLine = "H-A,6,8,21.59,75.6,H-B,5.5,8,26.67,181";
  for (const std::string& text : {byLines, mixed, oneLine}) {
    SCOPED_TRACE(text);
    const auto rows = ReadHSteel(text);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(Names(rows), "H-A;H-B;");
    EXPECT_EQ(rows[1].web, 5.5);
    EXPECT_EQ(rows[1].flange, 8);
    EXPECT_EQ(rows[1].area, 26.67);
    EXPECT_EQ(rows[1].zx, 181);
  }
}

TEST(ReadHSteel, NamesAreCodePage932AndMayBeQuoted) {
  const std::string text = Utf8ToCp932("H-200×100×5.5×8,5.5,8,26.67,181\r\n\"H-1,2\",1,2,3,4\r\n");
  const auto rows = ReadHSteel(text);
  EXPECT_EQ(Names(rows), "H-200×100×5.5×8;H-1,2;");
}

TEST(ReadHSteel, ReadingStopsAtTheFirstShortOrBrokenRecord) {
  struct Row {
    const char* name;
    const char* text;
    const char* names;
  };
  const Row rows[] = {
      {"short last record", "H-A,6,8,21.59,75.6\r\nH-B,1,2\r\n", "H-A;"},
      {"short without a line end", "H-A,6,8,21.59,75.6\r\nH-B,1,2,3", "H-A;"},
      {"a name alone at the end", "H-A,6,8,21.59,75.6\r\nH-B", "H-A;"},
      {"a bad number stops, later records are not read",
       "H-A,6,8,21.59,75.6\r\nH-B,1,x,3,4\r\nH-C,1,2,3,4\r\n", "H-A;"},
      {"a bad number in the first record", "H-A,six,8,21.59,75.6\r\nH-B,1,2,3,4\r\n", ""},
      {"a blank line at the end", "H-A,6,8,21.59,75.6\r\n\r\n", "H-A;"},
      {"empty", "", ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(Names(ReadHSteel(r.text)), r.names);
  }
}

TEST(ReadHSteel, AMissingFileGivesAnEmptyTable) {
  char dir[] = "/tmp/hsteel_test_XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  EXPECT_TRUE(ReadHSteelFile(std::string(dir) + "/HSteel.csv").empty());
  std::filesystem::remove_all(dir);
  EXPECT_EQ(HSteelPath("/opt/norva"), "/opt/norva/resource/HSteel.csv");
}

// ---- The shipped table -----------------------------------------------------

struct Dimensions {
  std::string name;
  double H, B, t1, t2, r;  // mm
};

// The dimension table of the README beside the file.
std::vector<Dimensions> ReadmeDimensions(const std::string& path) {
  std::ifstream in(path);
  std::vector<Dimensions> out;
  const std::regex row(
      R"(^\| (H-\S+) \| ([\d.]+) \| ([\d.]+) \| ([\d.]+) \| ([\d.]+) \| ([\d.]+) \|$)");
  std::string line;
  while (std::getline(in, line)) {
    std::smatch m;
    if (!std::regex_match(line, m, row)) continue;
    out.push_back({m[1], std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), std::stod(m[5]),
                   std::stod(m[6])});
  }
  return out;
}

// Area (cm2) and Zx (cm3) of a rolled H-section with four fillets of radius r.
void Section(const Dimensions& d, double* area, double* zx) {
  const double pi = std::numbers::pi;
  const double H = d.H / 10, B = d.B / 10, t1 = d.t1 / 10, t2 = d.t2 / 10, r = d.r / 10;
  // A = 2·B·t2 + (H − 2·t2)·t1 + (4 − π)·r²
  *area = 2 * B * t2 + (H - 2 * t2) * t1 + (4 - pi) * r * r;
  // One fillet (square r × r less a quarter circle): area a, first moment q
  // and second moment i0 about the inner face of the flange.
  const double a = (1 - pi / 4) * r * r;
  const double q = (5.0 / 6 - pi / 4) * r * r * r;
  const double i0 = (1 - 5 * pi / 16) * r * r * r * r;
  const double dist = H / 2 - t2;  // neutral axis to the inner face
  const double ix = (B * H * H * H - (B - t1) * std::pow(H - 2 * t2, 3)) / 12 +
                    4 * (a * dist * dist - 2 * dist * q + i0);
  *zx = ix / (H / 2);
}

// One unit of the last significant digit of a value printed to `figures`
// significant figures.
double LastUnit(double v, int figures) {
  return std::pow(10.0, std::floor(std::log10(std::fabs(v))) - (figures - 1));
}

std::string Format(double v, int decimals) {
  std::ostringstream s;
  s.setf(std::ios::fixed);
  s.precision(decimals);
  s << v;
  return s.str();
}

TEST(ShippedHSteel, EveryRowAgreesWithItsDimensions) {
  const std::string folder = std::string(NORVA_SOURCE_DIR) + "/resources/resource/";
  const auto rows = ReadHSteelFile(folder + "HSteel.csv");
  const auto dims = ReadmeDimensions(folder + "HSteel_README.md");
  ASSERT_EQ(rows.size(), 28u);
  ASSERT_EQ(dims.size(), rows.size()) << "every row has its dimensions in the README";
  for (size_t i = 0; i < rows.size(); ++i) {
    const HSteelRow& s = rows[i];
    const Dimensions& d = dims[i];
    SCOPED_TRACE(s.name);
    EXPECT_EQ(s.name, d.name);
    // The name states H × B × t1 × t2 and the file's thicknesses are those.
    std::ostringstream name;
    name << "H-" << d.H << "×" << d.B << "×" << d.t1 << "×" << d.t2;
    EXPECT_EQ(s.name, name.str());
    EXPECT_EQ(s.web, d.t1);
    EXPECT_EQ(s.flange, d.t2);
    EXPECT_LE(d.H, 400);
    double area = 0, zx = 0;
    Section(d, &area, &zx);
    // The table prints A to four significant figures and Zx to three.
    EXPECT_LE(std::fabs(area - s.area), LastUnit(s.area, 4))
        << "A computed " << Format(area, 4) << " cm2, file " << s.area;
    EXPECT_LE(std::fabs(zx - s.zx), LastUnit(s.zx, 3))
        << "Zx computed " << Format(zx, 2) << " cm3, file " << s.zx;
  }
}

TEST(ShippedHSteel, TheFileIsCodePage932WithCrLf) {
  std::ifstream in(std::string(NORVA_SOURCE_DIR) + "/resources/resource/HSteel.csv",
                   std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(bytes.find("\xC3\x97"), std::string::npos) << "no UTF-8 multiplication sign";
  EXPECT_NE(bytes.find("\x81\x7E"), std::string::npos) << "× in code page 932";
  size_t lf = 0, crlf = 0;
  for (size_t i = 0; i < bytes.size(); ++i)
    if (bytes[i] == '\n') ++lf, crlf += (i > 0 && bytes[i - 1] == '\r');
  EXPECT_EQ(lf, 28u);
  EXPECT_EQ(crlf, lf);
}

}  // namespace
}  // namespace norva
