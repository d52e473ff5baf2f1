#include "document/names.h"

namespace norva {

std::string WallTypeName(int32_t code) {
  switch (code) {
    case 0:
      return "ブロック積み擁壁";
    case 1:
      return "重力式擁壁";
    case 2:
      return "もたれ式擁壁";
    case 3:
      return "混合擁壁";
    default:
      return "";
  }
}

std::string BackTypeName(int32_t code) {
  switch (code) {
    case 0:
      return "盛土部擁壁";
    case 1:
      return "切土部擁壁";
    default:
      return "";
  }
}

std::string DoatsuName(int32_t code) {
  switch (code) {
    case 0:
      return "クーロン公式";
    case 1:
      return "試行くさび法";
    default:
      return "";
  }
}

std::string TentouMethodName(int32_t code) {
  switch (code) {
    case 0:
      return "偏心量で検討";
    case 1:
      return "安全率で検討";
    case 2:
      return "偏心量と安全率で検討";
    case 3:
      return "示力線法により検討";
    default:
      return "";
  }
}

// The blanks are exact: ASCII spaces, and in code 3 the half-width middle dot
// U+FF65 (not the full-width one used elsewhere for the same title).
std::string SisinName(int32_t code) {
  switch (code) {
    case 0:
      return "土地改良事業計画設計基準・設計「農道」";
    case 2:
      return "道路土工 擁壁工指針(平成24年度版)";
    case 3:
      return "大型ブロック積み擁壁設計\uFF65施工マニュアル";
    case 4:
      return "宅地防災マニュアル";
    case 5:
      return "土地改良事業計画設計基準・設計基準及び運用・解説 設計「水路工」";
    default:
      return "";
  }
}

// After the month, and between the two halves of code 5's publisher, the
// blank is the ideographic space U+3000; after "社団法人" it is an ASCII space.
std::string SisinSource(int32_t code) {
  switch (code) {
    case 0:
      return "平成17年3月\u3000社団法人 農業土木学会";
    case 2:
      return "平成24年7月\u3000社団法人 日本道路協会";
    case 3:
      return "平成16年6月\u3000社団法人 土木学会四国支部";
    case 4:
      return "平成19年12月\u3000宅地防災研究会";
    case 5:
      return "平成26年3月\u3000公益社団法人\u3000農業農村工学会";
    default:
      return "";
  }
}

}  // namespace norva
