// Resource IDs of the framework's own strings. Plain defines: the resource
// compiler reads this file too.
#pragma once

// "Please enter an integer."
#define AFX_IDP_PARSE_INT 0xF110
// "Please enter a number."
#define AFX_IDP_PARSE_REAL 0xF111
// "Please enter an integer between %1 and %2."
#define AFX_IDP_PARSE_INT_RANGE 0xF112
// "Please enter a number between %1 and %2."
#define AFX_IDP_PARSE_REAL_RANGE 0xF113
// "Enter no more than %1 characters."
#define AFX_IDP_PARSE_STRING_SIZE 0xF114
// "No printer is installed. Install one, then print again."
#define AFX_IDP_NO_PRINTER 0xF120
// "The print job could not be started."
#define AFX_IDP_FAILED_TO_START_PRINT 0xF121

// ---- the standard command, indicator and window IDs of bars and print
// preview. Each is defined only where the standard resource header has
// not defined it already, with the same value.
#ifndef ID_SEPARATOR
#define ID_SEPARATOR 0
#endif
#ifndef AFX_IDS_IDLEMESSAGE
#define AFX_IDS_IDLEMESSAGE 0xE001
#endif
#ifndef ID_FILE_PRINT_SETUP
#define ID_FILE_PRINT_SETUP 0xE106
#endif
#ifndef ID_FILE_PRINT
#define ID_FILE_PRINT 0xE107
#endif
#ifndef ID_FILE_PRINT_DIRECT
#define ID_FILE_PRINT_DIRECT 0xE108
#endif
#ifndef ID_FILE_PRINT_PREVIEW
#define ID_FILE_PRINT_PREVIEW 0xE109
#endif
#ifndef AFX_ID_PREVIEW_CLOSE
#define AFX_ID_PREVIEW_CLOSE 0xE300
#define AFX_ID_PREVIEW_NUMPAGE 0xE301
#define AFX_ID_PREVIEW_NEXT 0xE302
#define AFX_ID_PREVIEW_PREV 0xE303
#define AFX_ID_PREVIEW_PRINT 0xE304
#define AFX_ID_PREVIEW_ZOOMIN 0xE305
#define AFX_ID_PREVIEW_ZOOMOUT 0xE306
#endif
#ifndef ID_INDICATOR_EXT
#define ID_INDICATOR_EXT 0xE700
#define ID_INDICATOR_CAPS 0xE701
#define ID_INDICATOR_NUM 0xE702
#define ID_INDICATOR_SCRL 0xE703
#define ID_INDICATOR_OVR 0xE704
#define ID_INDICATOR_REC 0xE705
#endif
#ifndef ID_VIEW_TOOLBAR
#define ID_VIEW_TOOLBAR 0xE800
#define ID_VIEW_STATUS_BAR 0xE801
#endif
#ifndef AFX_IDW_CONTROLBAR_FIRST
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST 0xE8FF
#define AFX_IDW_TOOLBAR 0xE800
#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_PREVIEW_BAR 0xE802
#endif
// The dialog template of print preview's bar, when the application has
// one (the framework builds its own otherwise).
#ifndef AFX_IDD_PREVIEW_TOOLBAR
#define AFX_IDD_PREVIEW_TOOLBAR 30721
#endif

// The framework's own strings of print preview.
// "&One Page", "&Two Page": the page-count button's captions.
#define AFX_IDS_ONEPAGE 0xF130
#define AFX_IDS_TWOPAGE 0xF131
// "Page %u\nPages %u-%u\n": the status bar's page in preview (one page,
// then two).
#define AFX_IDS_PREVIEWPAGEDESC 0xF132
// The captions of the preview bar's other buttons.
#define AFX_IDS_PREVIEW_PRINT 0xF133
#define AFX_IDS_PREVIEW_NEXT 0xF134
#define AFX_IDS_PREVIEW_PREV 0xF135
#define AFX_IDS_PREVIEW_ZOOMIN 0xF136
#define AFX_IDS_PREVIEW_ZOOMOUT 0xF137
#define AFX_IDS_PREVIEW_CLOSE 0xF138
