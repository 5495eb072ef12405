// The property the amount fuzzer checks, shared by the fuzzer and by the
// test that replays the fuzzer's corpus.
#pragma once

#include <cstddef>
#include <cstdint>

// Checks one input and aborts (through the caller's assertion) on a
// violation. Returns a message describing the first violation, or nullptr.
//
// 1. Any bytes, read as text up to the first NUL, go through ConvertAmount
//    in all four combinations of inches/centimetres and percent allowed/not
//    without a crash or a sanitizer report; an accepted amount is finite
//    (a distance in both units) and its units code is UNITS_DISTANCE,
//    UNITS_PERCENT or what the caller had.
// 2. From 9 bytes on, the first 8 are an amount (a double) and the 9th
//    chooses precision 0..6, distance or percent, inches or centimetres.
//    When the amount is finite and within the supported magnitude (its
//    displayed value times 10^precision below 2^31), the text FormatAmount
//    writes reads back through ConvertAmount (percent allowed, same unit)
//    with the same units code, to an amount that FormatAmount writes as the
//    very same text, and that equals the text's decimal value (converted to
//    inches for centimetres) to within a relative 2^-50.
const char* CheckAmountRoundTrip(const uint8_t* data, std::size_t size);
