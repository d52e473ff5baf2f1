// The test reader itself finds the faults it is there to find: each case
// spoils the hand-written small sheet in one way.
#include "sxf_writer/sxf_checker.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "file_bytes.h"
#include "platform/sxf_common/sxf_model.h"

namespace {

std::string Golden(const char* ext) {
  return norva::test::ReadBytes(std::string(NORVA_SOURCE_DIR) + "/tests/golden/sxf/small_sheet." +
                                ext);
}

std::string Replace(std::string s, const std::string& from, const std::string& to) {
  const size_t at = s.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) s.replace(at, from.size(), to);
  return s;
}

TEST(SxfChecker, FindsSpoiledSfcFiles) {
  const std::string good = Golden("sfc");
  ASSERT_TRUE(sxfcheck::ReadSfc(good).errors.empty());
  const std::string cp932Text = norva::sxf::Utf8ToCp932("\\'数量表\\'");
  struct Case {
    const char* name;
    std::string from, to;
  };
  const Case cases[] = {
      {"bare LF", "HEADER;\r\n", "HEADER;\n"},
      {"group away from the origin", "'0',\\'PART\\','0.000000'", "'0',\\'PART\\','5.000000'"},
      {"undefined layer code", "line_feature('1'", "line_feature('2'"},
      {"exponent", "'120.000000'", "'1.2E2'"},
      {"unquoted number", "'120.000000'", "120.000000"},
      {"apostrophe in a text", cp932Text, norva::sxf::Utf8ToCp932("\\'数'量表\\'")},
      {"missing parameter", ",'7','1')", ",'7')"},
      {"negative text angle", "'15.000000','0.000000','0.000000'",
       "'15.000000','0.000000','-90.000000'"},
      {"figure never placed",
       "/*SXF\r\n#90 = "
       "sfig_locate_feature('0',\\'PART\\','0.000000','0.000000','0.000000','1.000000',"
       "'1.000000')\r\nSXF*/\r\n",
       ""},
      {"wrong sheet size", "'4','1','297','210'", "'4','1','420','297'"},
      {"duplicate id", "#20 = ", "#10 = "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(sxfcheck::ReadSfc(Replace(good, c.from, c.to)).errors.empty());
  }
}

// The tables hold at most 256 layers, 32 user line types and 1024 fonts: one
// record over each bound, each record otherwise sound, spoils the file.
TEST(SxfChecker, FindsTablesOverTheirBounds) {
  const std::string good = Golden("sfc");
  const std::string layerBlock = "/*SXF\r\n#50 = layer_feature(\\'D-BGD\\','1')\r\nSXF*/\r\n";
  struct Case {
    const char* name;
    int records;  // added after the golden's own layer
    const char* record;
  };
  const Case cases[] = {
      {"257 layers", 256, "layer_feature(\\'L%d\\','1')"},
      {"33 user line types", 33, "user_defined_font_feature(\\'U%d\\','2','(1.000000,1.000000)')"},
      {"1025 fonts", 1024, "text_font_feature(\\'F%d\\')"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto file = [&](int records) {
      std::string added;
      for (int i = 0; i < records; ++i) {
        char rec[160];
        std::snprintf(rec, sizeof rec, c.record, i);
        added += "/*SXF\r\n#" + std::to_string(100000 + 10 * i) + " = " + rec + "\r\nSXF*/\r\n";
      }
      return Replace(good, layerBlock, layerBlock + added);
    };
    // One record fewer is still within the bound.
    const sxfcheck::Drawing within = sxfcheck::ReadSfc(file(c.records - 1));
    EXPECT_TRUE(within.errors.empty()) << within.errors.front();
    EXPECT_FALSE(sxfcheck::ReadSfc(file(c.records)).errors.empty());
  }
}

TEST(SxfChecker, FindsSpoiledP21Files) {
  const std::string good = Golden("p21");
  const sxfcheck::Drawing base = sxfcheck::ReadP21(good);
  ASSERT_TRUE(base.errors.empty()) << base.errors.front();
  struct Case {
    const char* name;
    std::string from, to;
  };
  const Case cases[] = {
      {"not ASCII", "'D-BGD'", "'D-BGD\xC3\xA9'"},
      {"duplicate id", "#50=", "#49="},
      {"undefined reference", "(#39,#40)", "(#39,#99)"},
      {"complex records out of order", "(ANNOTATION_CURVE_OCCURRENCE()ANNOTATION_OCCURRENCE()",
       "(ANNOTATION_OCCURRENCE()ANNOTATION_CURVE_OCCURRENCE()"},
      {"syntax", "#13=LINE(' ',#9,#12);", "#13=LINE(' ',#9,#12;"},
      {"group away from the origin", "#34=CARTESIAN_POINT(' ',(0.000000,0.000000));",
       "#34=CARTESIAN_POINT(' ',(1.000000,0.000000));"},
      {"sheet name and box disagree", "'A4_horizontal'", "'A3_horizontal'"},
      {"bad escape", "'\\X2\\657091CF8868\\X0\\'", "'\\X2\\657091cf8868\\X0\\'"},
      {"coordinate without a decimal point", "(120.000000,30.000000)", "(120,30.000000)"},
      {"sheet size without a decimal point", "PLANAR_BOX(' ',297.000000", "PLANAR_BOX(' ',297"},
      {"context dimension as a real", "GEOMETRIC_REPRESENTATION_CONTEXT(2)",
       "GEOMETRIC_REPRESENTATION_CONTEXT(2.)"},
      {"instance id zero", "#50=", "#0="},
      {"reference to id zero", "(#19),#14)", "(#19),#0)"},
      {"trim sense not a boolean", ".T.,.CARTESIAN.", ".X.,.CARTESIAN."},
      {"text extent not positive", "PLANAR_EXTENT(' ',15.000000,5.000000)",
       "PLANAR_EXTENT(' ',15.000000,-5.000000)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(sxfcheck::ReadP21(Replace(good, c.from, c.to)).errors.empty());
  }
  // Both hand-written files show the same drawing; a moved point is a difference.
  const sxfcheck::Drawing sfc = sxfcheck::ReadSfc(Golden("sfc"));
  EXPECT_EQ(sxfcheck::Compare(sfc, base), "");
  const sxfcheck::Drawing moved =
      sxfcheck::ReadP21(Replace(good, "(120.000000,30.000000)", "(121.000000,30.000000)"));
  EXPECT_NE(sxfcheck::Compare(sfc, moved), "");
}

}  // namespace
