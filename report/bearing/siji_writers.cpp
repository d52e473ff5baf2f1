#include "report/bearing/siji_writers.h"

#include "report/bearing/prn_siji_qa.h"
#include "report/driver/report_writers.h"

namespace norva {

void RegisterSijiWriters() {
  ReportWriters& w = PrnWriters();
  w.PrnSijiQa = PrnSijiQa;
  w.PrnSijiQaCase = PrnSijiQaCase;
  w.PrnSijiFs = PrnSijiFs;
  w.PrnSijiFsCase = PrnSijiFsCase;
}

}  // namespace norva
