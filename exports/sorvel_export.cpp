// C entry points of the SXF writer library, loaded by name by the program.
// The feature exports come with the drawing sheet.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) int32_t SxfVersion() { return 310; }
