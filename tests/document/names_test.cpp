#include "document/names.h"

#include <gtest/gtest.h>

#include <string>

namespace norva {
namespace {

TEST(Names, EveryCodeWithAText) {
  EXPECT_EQ(WallTypeName(0), "ブロック積み擁壁");
  EXPECT_EQ(WallTypeName(1), "重力式擁壁");
  EXPECT_EQ(WallTypeName(2), "もたれ式擁壁");
  EXPECT_EQ(WallTypeName(3), "混合擁壁");
  EXPECT_EQ(BackTypeName(0), "盛土部擁壁");
  EXPECT_EQ(BackTypeName(1), "切土部擁壁");
  EXPECT_EQ(DoatsuName(0), "クーロン公式");
  EXPECT_EQ(DoatsuName(1), "試行くさび法");
  EXPECT_EQ(TentouMethodName(0), "偏心量で検討");
  EXPECT_EQ(TentouMethodName(1), "安全率で検討");
  EXPECT_EQ(TentouMethodName(2), "偏心量と安全率で検討");
  EXPECT_EQ(TentouMethodName(3), "示力線法により検討");
  EXPECT_EQ(SisinName(0), "土地改良事業計画設計基準・設計「農道」");
  EXPECT_EQ(SisinName(2), "道路土工 擁壁工指針(平成24年度版)");
  EXPECT_EQ(SisinName(3), "大型ブロック積み擁壁設計･施工マニュアル");
  EXPECT_EQ(SisinName(4), "宅地防災マニュアル");
  EXPECT_EQ(SisinName(5), "土地改良事業計画設計基準・設計基準及び運用・解説 設計「水路工」");
  EXPECT_EQ(SisinSource(0), "平成17年3月　社団法人 農業土木学会");
  EXPECT_EQ(SisinSource(2), "平成24年7月　社団法人 日本道路協会");
  EXPECT_EQ(SisinSource(3), "平成16年6月　社団法人 土木学会四国支部");
  EXPECT_EQ(SisinSource(4), "平成19年12月　宅地防災研究会");
  EXPECT_EQ(SisinSource(5), "平成26年3月　公益社団法人　農業農村工学会");
}

// The look-alike characters are the ones a report or a file compares on.
TEST(Names, ExactBlanksAndDots) {
  const std::string ideographicSpace = "\xE3\x80\x80";  // U+3000
  const std::string halfWidthDot = "\xEF\xBD\xA5";      // U+FF65
  const std::string fullWidthDot = "\xE3\x83\xBB";      // U+30FB
  EXPECT_NE(SisinName(3).find(halfWidthDot), std::string::npos);
  EXPECT_EQ(SisinName(3).find(fullWidthDot), std::string::npos);
  EXPECT_EQ(SisinName(2).find(ideographicSpace), std::string::npos);
  EXPECT_NE(SisinName(2).find(" "), std::string::npos);
  EXPECT_NE(SisinName(2).find("(平成24年度版)"), std::string::npos);  // ASCII brackets
  EXPECT_EQ(SisinSource(0), "平成17年3月" + ideographicSpace + "社団法人 農業土木学会");
  EXPECT_EQ(SisinSource(5), "平成26年3月" + ideographicSpace + "公益社団法人" + ideographicSpace +
                                "農業農村工学会");
}

TEST(Names, CodesWithoutATextGiveEmpty) {
  for (int32_t code : {1, 6, -1}) {
    EXPECT_EQ(SisinName(code), "") << code;
    EXPECT_EQ(SisinSource(code), "") << code;
  }
  EXPECT_EQ(WallTypeName(4), "");
  EXPECT_EQ(WallTypeName(-1), "");
  EXPECT_EQ(BackTypeName(2), "");
  EXPECT_EQ(DoatsuName(2), "");
  EXPECT_EQ(TentouMethodName(4), "");
  EXPECT_EQ(TentouMethodName(-2147483647 - 1), "");
}

}  // namespace
}  // namespace norva
