// The property the archive fuzzer checks on every input: loading a sketch
// document from any bytes either succeeds or is refused with a
// CArchiveException (never a crash, a sanitizer report, a leak or another
// exception); and a document that loaded stores to bytes that load back to
// a document storing the same bytes.
#pragma once

#include <cstddef>
#include <cstdint>

// Null when the property holds for the input, else what went wrong.
const char* CheckSketchLoad(const uint8_t* data, size_t size);
