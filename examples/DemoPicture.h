// The demos' picture of themselves, taken when they run without a display.
#pragma once

#include "Varnel.h"

// Saves the window's picture, as it is on the screen, as a 24-bit BMP.
bool SaveWindowPicture(HWND hWnd, const char* path);
