#pragma once
// The member-stress chapters (the wall stem so far), put into the report's
// writer registry.

namespace norva {

// Fills the member-stress slots of PrnWriters() (report/driver/report_writers.h).
void RegisterMemberWriters();

}  // namespace norva
