#include "report/earth_pressure/earth_pressure_writers.h"

#include "report/driver/report_writers.h"
#include "report/earth_pressure/prn_coulomb.h"
#include "report/earth_pressure/prn_doatsu.h"
#include "report/earth_pressure/prn_kusabi_sections.h"

namespace norva {

void RegisterEarthPressureWriters() {
  PrnWriters().PrnDoatsu = PrnDoatsu;
  DoatsuWriters(DoatsuSection::kCoulomb) = {PrnDoatsuCoulomb, PrnDoatsuCoulombCase};
  DoatsuWriters(DoatsuSection::kWedgeEmbankment) = {PrnDoatsuKusabiMori, PrnDoatsuKusabiMoriCase};
  DoatsuWriters(DoatsuSection::kWedgeLargeBlock) = {PrnDoatsuKusabiOogata,
                                                    PrnDoatsuKusabiOogataCase};
  DoatsuWriters(DoatsuSection::kWedgeCut) = {PrnDoatsuKusabiKiri, PrnDoatsuKusabiKiriCase};
  DoatsuWriters(DoatsuSection::kWedgeCutRoad) = {PrnDoatsuKusabiKiriDoro, PrnDoatsuKusabiKiriCase};
  DoatsuWriters(DoatsuSection::kMixedLowerEmbankment) = {PrnDoatsuKongoMori,
                                                         PrnDoatsuKongoMoriCase};
  DoatsuWriters(DoatsuSection::kMixedLowerCut) = {PrnDoatsuKongoKiri, PrnDoatsuKongoKiriCase};
}

}  // namespace norva
