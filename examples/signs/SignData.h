// The sign's state as the properties dialog edits it and a .sign file
// stores it. Portable: the archive fuzzer loads it too (fuzz/).
//
// A .sign file holds one CSign object through the archive: its class tag
// (with the schema, 1) and then its data: width, height, letter height,
// shape scale and grid spacing as doubles, and the letter colour as a
// DWORD. A file that holds anything else, ends early, goes on after the
// sign or holds amounts outside the dialog's ranges is refused.
#pragma once

#include "afx/base/AfxArchive.h"

// The letter colours the dialog offers: red, green, blue.
constexpr COLORREF kLetterColours[3] = {RGB(200, 30, 30), RGB(20, 150, 60), RGB(30, 60, 200)};

constexpr double kInchesPerCm = 1.0 / 2.54;

// What the dialog accepts, in inches (the shape scale in percent). A file
// may hold an amount a hair outside: the dialog checks the amount rounded
// for its text, and keeps the amount as typed.
struct SignRange {
  double dMin, dMax;
  bool Holds(double d) const {  // false for NaN
    return d >= dMin * (1 - 1e-9) && d <= dMax * (1 + 1e-9);
  }
};
constexpr SignRange kWidthRange = {12.0, 120.0};
constexpr SignRange kHeightRange = {20.0 * kInchesPerCm, 250.0 * kInchesPerCm};
constexpr SignRange kLetterHeightRange = {1.0, 24.0};
constexpr SignRange kShapeScaleRange = {25.0, 400.0};
constexpr SignRange kGridRange = {0.25, 12.0};

struct SignSettings {
  double dWidth = 48.0;  // inches
  double dHeight = 24.0;
  double dLetterHeight = 7.0;
  double dShapeScale = 100.0;  // percent of the stars' normal size
  double dGrid = 2.0;          // inches between grid lines
  COLORREF crLetters = kLetterColours[0];

  bool operator==(const SignSettings& o) const {
    return dWidth == o.dWidth && dHeight == o.dHeight && dLetterHeight == o.dLetterHeight &&
           dShapeScale == o.dShapeScale && dGrid == o.dGrid && crLetters == o.crLetters;
  }
  bool operator!=(const SignSettings& o) const { return !(*this == o); }
  // Every amount within the dialog's range, the colour an RGB one.
  bool IsValid() const;
};

// Stores the sign as one CSign object.
void StoreSign(CArchive& ar, const SignSettings& settings);
// Loads a sign stored by StoreSign; throws a CArchiveException for
// anything else (the archive's own for damaged data, genericException for
// amounts out of range or bytes after the sign).
SignSettings LoadSign(CArchive& ar);
