#include "screens/loads/hsteel_table.h"

#include "text/vb_text_io.h"

namespace norva {
namespace {

std::vector<HSteelRow> ReadRows(VbTextReader& in) {
  std::vector<HSteelRow> rows;
  while (!in.Eof()) {
    HSteelRow r;
    try {
      r.name = in.InputString();
      r.web = in.InputDouble();
      r.flange = in.InputDouble();
      r.area = in.InputDouble();
      r.zx = in.InputDouble();
    } catch (const VbFileError&) {
      break;  // a short or broken record ends the table; the rows read stay
    }
    rows.push_back(std::move(r));
  }
  return rows;
}

}  // namespace

std::vector<HSteelRow> ReadHSteel(const std::string& cp932) {
  VbTextReader in = VbTextReader::FromBytes(cp932);
  return ReadRows(in);
}

std::vector<HSteelRow> ReadHSteelFile(const std::string& path) {
  try {
    VbTextReader in = VbTextReader::FromFile(path);
    return ReadRows(in);
  } catch (const VbFileError&) {
    return {};  // missing or unreadable
  }
}

std::string HSteelPath(const std::string& programFolder) {
  return programFolder + "/resource/HSteel.csv";
}

}  // namespace norva
