// Resource IDs the framework's code uses: the standard ones, from the
// resource header a host's script includes as "afxres.h". Plain defines:
// the resource compiler reads this file too.
#pragma once

#include "afx/res/afxres.h"

// The library's own prompts, beside the standard ones.
// "No printer is installed. Install one, then print again."
#define AFX_IDP_NO_PRINTER 0xF1C0
