// The storm: random input from a seeded generator, as a user's hands would
// give it, in no particular order (SignStorm.cpp). A driver thread moves
// the cursor and posts the mouse, wheel and key messages the system would
// post to the program's windows, sends the menu's and the toolbar's
// commands, resizes, minimises and restores the frame, and answers every
// dialog the program opens (properties, message boxes, file and print
// dialogs). Every few hundred events the program's thread checks the
// view, its bars, the zoom stack and the dialog's amount fields; at rest
// (in the application's idle time) it checks capture, modal loops and the
// library's and the process's resource counts (SignStormChecks.cpp).
//
//   sign_demo.exe --storm 1,2,3 --events 2000
//
// runs 2000 events from each seed and ends the program; a failure prints
// its seed, the event it was found at and the 50 events before it.
#pragma once

#include "Signs.h"

#include <cstdint>
#include <string>
#include <vector>

namespace storm {

// Whole numbers from a 32-bit Mersenne twister through arithmetic of our
// own: the standard library's distributions differ between libraries, so
// a seed would not replay the same events in every build.
class StormRandom {
 public:
  explicit StormRandom(uint32_t seed) : m_state(seed) {}
  // In [lo, hi], both included (lo <= hi).
  int Between(int lo, int hi);
  bool Chance(int nPercent) { return Between(0, 99) < nPercent; }
  // An index into weights, each chosen in proportion to its weight.
  int Weighted(const std::vector<int>& weights);

 private:
  uint32_t Next();
  uint32_t m_state;
  uint32_t m_mt[624] = {};
  int m_index = 625;  // the table is made on first use
};

// The kinds of event, in the order of their weights: mouse moves, clicks,
// drags, the frame's edges, the wheel, keys, commands, sizes, accelerators.
constexpr int kEventKinds = 9;

struct StormOptions {
  std::vector<uint32_t> seeds;
  int nEvents = 2000;  // per seed
  // How often each kind comes, relatively; "--weights 1,0,0,0,0,0,0,0,0"
  // gives mouse moves alone (a dialog a command opened is still answered).
  std::vector<uint32_t> weights = {25, 14, 10, 4, 12, 12, 12, 4, 3};
};
// "1,2,3": false when a seed is not a number.
bool ParseSeeds(const char* text, std::vector<uint32_t>* pSeeds);
// The weights of all the kinds, one at least not zero; false otherwise.
bool ParseWeights(const char* text, std::vector<uint32_t>* pWeights);

// ---- the checks, run on the program's thread ---------------------------------------

// The program's state that must hold after any input: the view's window,
// its bars, the zoom stack, the dialog's amount fields and capture. Empty
// when all is well, else what is wrong.
std::string CheckInvariants();
// Whether hCapture may hold the mouse once the input has ended: nothing,
// a combo box's dropped list or an open menu.
bool MayHoldCapture(HWND hCapture);

// What the program holds at rest, to compare with its start.
struct RestCounts {
  int nCached = 0;           // pens, brushes and fonts in the drawing-object cache
  int nBrackets = 0;         // open cache brackets
  int nTemporary = 0;        // temporary wrappers after idle
  int nPermanent = 0;        // wrappers attached to handles
  int nGdiObjects = 0;       // live GDI objects of the process
  int nWindows = 0;          // live windows (the whole desktop's)
  unsigned long long nPrivateBytes = 0;
  std::string problem;       // a modal loop open, capture held
};
RestCounts CountAtRest();
// The process's private memory in bytes (0 if unknown).
unsigned long long PrivateBytes();
// The live GDI objects and windows, found by probing the handle tables.
int LiveGdiObjects();
int LiveWindows();

}  // namespace storm

// Started by InitInstance with the frame shown; the application's idle
// time calls StormAtRest; ExitInstance ends the driver and prints the
// result, and gets the number of failures.
void StartStorm(CSignFrame* pFrame, const storm::StormOptions& options);
void StormAtRest();
int EndStorm();
