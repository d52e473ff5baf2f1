#pragma once
// The document header uses the word "slots" as a member name, which Qt
// defines as a keyword macro. Include the document through this header in
// code that also includes Qt.
#ifdef slots
#pragma push_macro("slots")
#undef slots
#include "document/document.h"
#pragma pop_macro("slots")
#else
#include "document/document.h"
#endif
