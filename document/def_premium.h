#pragma once
// Default safety factor of the bearing capacity of a load case.
namespace norva {

class CDocument;
class CKajyuCase;

// Allowable bearing capacity = ultimate / this factor. 3 for a case without
// seismic, collision, rock-fall or wind load; otherwise by guideline:
// residential land 1.5 (Kibo 0) or 1, canals 1.5 (or 2 when nQa is 1),
// farm roads, road earthworks and large-block masonry 2; any other
// guideline 0 (the reader maps the old codes away before it asks).
double GetDefQuPremium(const CDocument& doc, const CKajyuCase& kase);

}  // namespace norva
