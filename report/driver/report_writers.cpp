#include "report/driver/report_writers.h"

namespace norva {

ReportWriters& PrnWriters() {
  static ReportWriters writers;
  return writers;
}

}  // namespace norva
