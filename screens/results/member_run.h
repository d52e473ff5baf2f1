#pragma once
// The member checks of the member-stress screen for every load case, shared
// with the report so that both compute the same results the same way.
#include <cstdint>
#include <functional>

#include "calc/stability/stability_status.h"

namespace norva {

class CDocument;

// Receives the status of each check run, by load case.
using MemberNote = std::function<void(int32_t caseNo, const StabStatus& status)>;

// The wall has a shear key to check (a key on any wall but block masonry).
bool HasKey(const CDocument& doc);

// The stem at every check section (both parts of a mixed wall), then the toe
// slab when the design checks it.
void RunStemAndToeChecks(CDocument& doc, const MemberNote& note = {});

// The shear key for every case, then the key's steel area in use (TokAs).
// Nothing without a key.
void RunKeyChecks(CDocument& doc, const MemberNote& note = {});

// Every member check: the key's steel area cleared, the stem and toe slab,
// then the key.
void RunMemberChecks(CDocument& doc, const MemberNote& note = {});

}  // namespace norva
