// The sign's outlines, made from its settings in world units.
#include "Signs.h"

#include <algorithm>
#include <cmath>

namespace {

// Block letters on a 5 x 7 grid, top row first.
struct Glyph {
  char ch;
  const char* rows[7];
};
const Glyph kGlyphs[] = {
    {'V', {"10001", "10001", "10001", "10001", "10001", "01010", "00100"}},
    {'A', {"01110", "10001", "10001", "11111", "10001", "10001", "10001"}},
    {'R', {"11110", "10001", "10001", "11110", "10100", "10010", "10001"}},
    {'N', {"10001", "11001", "10101", "10011", "10001", "10001", "10001"}},
    {'E', {"11111", "10000", "10000", "11110", "10000", "10000", "11111"}},
    {'L', {"10000", "10000", "10000", "10000", "10000", "10000", "11111"}},
};
const char kText[] = "VARNEL";
constexpr int kTextCells = 6 * (int{sizeof kText} - 1) - 1;  // 5 cells a letter, 1 between

const Glyph* FindGlyph(char ch) {
  for (const Glyph& g : kGlyphs) {
    if (g.ch == ch) return &g;
  }
  return nullptr;
}

// The text's lit cells as squares of `cell` units, the text's bottom-left
// corner at `origin`.
void AddText(OutlineSet& set, CPointW origin, LONG cell) {
  const LONG inset = cell / 20;  // a hairline between neighbouring cells
  for (int i = 0; kText[i] != '\0'; ++i) {
    const Glyph* glyph = FindGlyph(kText[i]);
    for (int row = 0; row < 7; ++row) {
      for (int col = 0; col < 5; ++col) {
        if (glyph->rows[row][col] != '1') continue;
        const LONG left = origin.x + (i * 6 + col) * cell + inset;
        const LONG bottom = origin.y + (6 - row) * cell + inset;
        const LONG right = left + cell - 2 * inset, top = bottom + cell - 2 * inset;
        const CPointW square[] = {{left, bottom}, {right, bottom}, {right, top}, {left, top}};
        set.Add(square, 4);
      }
    }
  }
}

// A five-pointed star of outer radius r around c.
void AddStar(OutlineSet& set, CPointW c, LONG r) {
  CPointW points[10];
  for (int i = 0; i < 10; ++i) {
    const double angle = 3.14159265358979 / 2 + i * 3.14159265358979 / 5;
    const double radius = (i % 2 == 0) ? r : r * 0.4;
    points[i] = {c.x + static_cast<LONG>(std::lround(radius * std::cos(angle))),
                 c.y + static_cast<LONG>(std::lround(radius * std::sin(angle)))};
  }
  set.Add(points, 10);
}

// Half away from zero; the sign's sizes are far inside LONG's range.
LONG RoundToLong(double d) { return static_cast<LONG>(std::lround(d)); }

}  // namespace

LONG InchesToWorld(double dInches) { return RoundToLong(dInches * kUnitsPerInch); }

void OutlineSet::Add(const CPointW* first, int count) {
  points.insert(points.end(), first, first + count);
  counts.push_back(count);
}

SignLayout BuildLayout(const SignSettings& s) {
  SignLayout layout;
  const LONG width = InchesToWorld(s.dWidth), height = InchesToWorld(s.dHeight);
  layout.board = {0, height, width, 0};

  // The text, centred across the sign and above its middle; narrower when
  // the sign is too narrow for the letter height.
  const LONG cell = std::min(InchesToWorld(s.dLetterHeight) / 7, width * 9 / 10 / kTextCells);
  AddText(layout.letters, {(width - kTextCells * cell) / 2, height / 2}, cell);
  // The grey proof: a third of the size, bottom left.
  AddText(layout.proof, {kUnitsPerInch, kUnitsPerInch}, cell / 3);

  // Stars every 3/4 inch, their size scaled by the percentage.
  const LONG step = 750;
  const LONG radius = RoundToLong(250.0 * s.dShapeScale / 100.0);
  for (LONG y = step / 2; y < height; y += step) {
    for (LONG x = step / 2; x < width; x += step) AddStar(layout.stars, {x, y}, radius);
  }

  const LONG grid = std::max<LONG>(InchesToWorld(s.dGrid), 100);
  for (LONG x = 0; x <= width; x += grid) {
    const CPointW line[] = {{x, 0}, {x, height}};
    layout.grid.Add(line, 2);
  }
  for (LONG y = 0; y <= height; y += grid) {
    const CPointW line[] = {{0, y}, {width, y}};
    layout.grid.Add(line, 2);
  }
  layout.badge = {width - 3 * kUnitsPerInch, height - kUnitsPerInch};
  return layout;
}
