#include "report/stability/stability_writers.h"

#include "report/driver/report_writers.h"
#include "report/stability/prn_antei_list.h"
#include "report/stability/prn_force_sum.h"
#include "report/stability/prn_kutai.h"
#include "report/stability/prn_loads.h"
#include "report/stability/prn_tentou.h"
#include "report/stability/prn_wlvl_auto.h"

namespace norva {

void RegisterStabilityWriters() {
  ReportWriters& w = PrnWriters();
  w.PrnKutai = PrnKutai;
  w.PrnHorzLoad = PrnHorzLoad;
  w.PrnNiniLoad = PrnNiniLoad;
  w.PrnForceSumSiryokusen = PrnForceSumSiryokusen;
  w.PrnForceSum = PrnForceSum;
  w.PrnTentou = PrnTentou;
  w.PrnTentouCase = PrnTentouCase;
  w.PrnWlvlAuto = PrnWlvlAuto;
  w.PrnAnteiListUpper = PrnAnteiListUpper;
  w.PrnAnteiList = PrnAnteiList;
}

}  // namespace norva
