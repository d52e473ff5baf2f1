#include "report/driver/prn_out_exec.h"

#include <fstream>
#include <iterator>

#include "document/document.h"
#include "document/services.h"
#include "report/driver/prn_antei.h"
#include "report/driver/prn_file.h"
#include "report/driver/report_selection.h"
#include "report/driver/report_writers.h"
#include "text/vb_text_io.h"

namespace norva {

void PrnWriteChapters(PrnFile& f, const CDocument& doc, const std::string& folder) {
  const ReportSelection& s = PrnSel();
  const ReportWriters& w = PrnWriters();
  const bool mixed = doc.WallType() == 3;
  auto breakIf = [&](bool before) {
    if (before) PrnPageBreak(f);
  };

  if (s.PrnSelJyouken != 0 && w.PrnJyouken) w.PrnJyouken(f, doc, folder);
  if (s.PrnSelAntei != 0) {
    breakIf(s.PrnSelJyouken != 0);
    PrnAntei(f, doc, folder, 0);
    if (mixed) {
      PrnPageBreak(f);
      PrnAntei(f, doc, folder, 1);
    }
  }
  if (s.PrnSelWall != 0) {
    breakIf(s.PrnSelJyouken != 0 || s.PrnSelAntei != 0);
    if (w.PrnWall) w.PrnWall(f, doc, folder, 0);
    // The lower wall follows the upper one on the same page run.
    if (mixed && w.PrnWall) w.PrnWall(f, doc, folder, 1);
  }
  if (s.PrnSelFot != 0 && doc.bFotCalc() != 0) {
    breakIf(s.PrnSelJyouken != 0 || s.PrnSelAntei != 0 || s.PrnSelWall != 0);
    if (w.PrnFot) w.PrnFot(f, doc, folder);
  }
  if (s.PrnSelTokki != 0 && doc.Tokki == 1) {
    breakIf(s.PrnSelJyouken != 0 || s.PrnSelAntei != 0 || s.PrnSelWall != 0 || s.PrnSelFot != 0);
    if (w.PrnTokki) w.PrnTokki(f, doc, folder);
  }
}

namespace {

void Tell(const std::string& text) {
  MessageSink().Show(kProgramTitle, text, MsgIcon::Critical, MsgButtons::Ok);
}

// The report file, written and read back whole. Throws ReportError.
std::string WriteReportFile(const CDocument& doc, const ReportEnv& env) {
  const std::string path = env.workDir + "/norva.prn";
  try {
    VbTextWriter out = VbTextWriter::ToFile(path);
    PrnFile f(out, env.programDir);
    PrnWriteChapters(f, doc, env.workDir);
    out.Close();
  } catch (const VbFileError&) {
    throw ReportError("帳票のファイルを書き込めません。\n" + path);
  }
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) throw ReportError("帳票のファイルを読み込めません。\n" + path);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw ReportError("帳票のファイルを読み込めません。\n" + path);
  return bytes;
}

}  // namespace

bool PrnOutExec(const CDocument& doc, int16_t mode, const ReportEnv& env) {
  PrnUnitWords = {"kN", "N/m"};
  std::string text;
  try {
    text = WriteReportFile(doc, env);
  } catch (const ReportError& e) {
    Tell(e.what());
    return false;
  } catch (const std::exception& e) {
    // A writer that fails otherwise is a fault of the program: no partial
    // report, one message.
    Tell(std::string("帳票の作成中にエラーが発生しました。\n") + e.what());
    return false;
  }
  std::string error;
  if (!env.renderer) {
    Tell("帳票を表示できません。");
    return false;
  }
  if (!env.renderer->Render(mode, text, env.styleDir + "/style.dat", env.workDir, error)) {
    Tell(error);
    return false;
  }
  return true;
}

}  // namespace norva
