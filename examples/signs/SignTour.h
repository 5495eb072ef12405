// The tour's steps and the ways they act and look, shared by its files:
// SignTour.cpp runs the steps and holds most of them; SignTourBars.cpp
// holds the toolbar's, the status bar's and print preview's;
// SignTourMonitor.cpp those on a monitor of another density;
// SignTourFiles.cpp the ones that save and open the sign, and the last.
#pragma once

#include "Signs.h"

#include <functional>
#include <string>
#include <vector>

namespace tour {

// A step acts on one tick of the tour's timer and checks on the next; the
// last one checks once the program's window is gone.
struct TourStep {
  const char* name;
  std::function<void()> act;
  std::function<void()> check;
};

CSignFrame* Frame();
CSignView* View();
CSignDoc* Doc();
CSignApp* App();
// Adds a check to the current step's line ("FAILED: " when not bOk).
void Expect(bool bOk, const std::string& what);
// Dispatches what is waiting in the queue through the application's pump.
void PumpPending();
// A key pressed and released on hWnd, handled before the next.
void PressKey(HWND hWnd, UINT nVirtKey);
// Replaces the text of a dialog's field by typing.
void TypeInto(HWND hDlg, int nID, const char* text);
// A click in the middle of the window.
void Click(HWND hWnd);
// The frame's modal dialog while one is open, else the frame.
HWND Dialog();
std::string FrameTitle();
// The menu item's state after its popup's update (nMenu 1: View).
UINT MenuState(int nMenu, UINT nID);
bool Checked(UINT nID);
std::string Inches(LONG units);
std::string Describe(const CRect& rc);
bool Near(double a, double b, double tolerance);
// The window's picture, saved as DIR\NN-name.png when pictures are wanted.
PixelImage Picture(HWND hWnd, const char* name);
// World units across one pixel of the view.
double UnitsPerPixel();

// The toolbar's and the status bar's steps, print preview's, and those
// with files (which end the tour).
std::vector<TourStep> BarSteps();
std::vector<TourStep> PreviewSteps();
// The frame on a monitor of another density, and back.
std::vector<TourStep> MonitorSteps();
std::vector<TourStep> FileSteps();

}  // namespace tour
