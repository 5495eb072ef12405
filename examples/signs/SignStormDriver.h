// What the storm's driver thread shares between its files: the run and the
// program's windows seen from outside (SignStorm.cpp), the events
// (SignStormInput.cpp) and the answers to the dialogs (SignStormDialogs.cpp).
// All of it runs on the driver's thread.
#pragma once

#include "SignStorm.h"

#include <string>

namespace storm {

extern HWND g_hFrame;       // the program's frame
extern std::string g_folder;  // where the storm saves and opens signs

// The generator of the seed running now.
StormRandom& Rnd();
// Adds a line to the log of the last events a failure prints.
void Log(const std::string& what);
// Waits until the program has handled everything posted so far.
void Settle();

// The frame's visible child of that id, or null.
HWND Pane(UINT nID);
// The program's enabled visible dialog, or null.
HWND OpenDialog();
GUITHREADINFO ThreadInfo();
HWND FocusWindow();
// A window's class, text and id, for the log.
std::string Name(HWND hWnd);

// ---- input as the system posts it (SignStormInput.cpp) ----
void PostMouse(HWND hWnd, UINT message, UINT keys, POINT client);
void PostKey(HWND hWnd, UINT vk);
void TypeChar(HWND hWnd, char c);
std::string KeyName(UINT vk);
std::string AmountText();
bool PutOnClipboard(const std::string& text);

// The kinds of event, in the order of the options' weights.
void MouseMoves();
void ClickOrDrag(bool bDrag);
void NonClient();
void Wheel();
void Key();
void MenuCommand();
void FrameSize();
void Accelerator();

// ---- the dialogs (SignStormDialogs.cpp) ----
void ClickControl(HWND hCtrl);
// Answers the open dialog, or closes it when bClose.
void AnswerDialog(HWND hDlg, bool bClose);

}  // namespace storm
