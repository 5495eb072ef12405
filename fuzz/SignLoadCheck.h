// The archive fuzzers' property (ArchiveLoadCheck.h) for the sign demo's
// .sign files (examples/signs/SignData.h): any bytes load to a sign whose
// amounts are all in the properties dialog's ranges, or are refused with a
// CArchiveException.
#pragma once

#include <cstddef>
#include <cstdint>

// Null when the property holds for the input, else what went wrong.
const char* CheckSignLoad(const uint8_t* data, size_t size);
