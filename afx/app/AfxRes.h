// Resource IDs the framework's code uses: the standard ones, from the
// resource header a host's script includes as "afxres.h". Plain defines:
// the resource compiler reads this file too.
#pragma once

#include "afx/res/afxres.h"

// The library's own prompts, beside the standard ones.
// "No printer is installed. Install one, then print again."
#define AFX_IDP_NO_PRINTER 0xF1C0

// The captions of print preview's own bar, when the application has no
// bar template of its own.
#define AFX_IDS_PREVIEWBAR_PRINT 0xF1C1
#define AFX_IDS_PREVIEWBAR_NEXT 0xF1C2
#define AFX_IDS_PREVIEWBAR_PREV 0xF1C3
#define AFX_IDS_PREVIEWBAR_ZOOMIN 0xF1C4
#define AFX_IDS_PREVIEWBAR_ZOOMOUT 0xF1C5
#define AFX_IDS_PREVIEWBAR_CLOSE 0xF1C6
