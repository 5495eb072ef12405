// Resource IDs of the framework suite's own resources.
#pragma once

#define IDD_RESOURCE_DIALOG 200
#define IDD_POPUP_PAGE 201
#define IDS_APPLICATION_STRING 300
#define IDS_LONG_STRING 301
#define IDS_RESOURCE_ONLY_STRING 302  // in the resource-only library (ResourceOnly.rc)
#define IDS_FORMAT_STRING 303
#define IDC_RESOURCE_FIELD 100

// The data-exchange dialog and its items.
#define IDD_EXCHANGE_DIALOG 202
#define IDC_NUMBER 110
#define IDC_TEXT 111
#define IDC_CHECK 112
#define IDC_RADIO1 113
#define IDC_RADIO2 114
#define IDC_RADIO3 115
#define IDC_DROPDOWN 116
#define IDC_DROPLIST 117
#define IDC_LIST 118
#define IDC_MULTILIST 119
#define IDC_RADIO_OTHER 120

// A 3 x 2 bitmap: red, green, blue over white, black, grey.
#define IDB_TEST_BITMAP 400

// The document template of the document tests: its document string.
#define IDR_TEST_DOCUMENT 500

// A dialog whose combo and list boxes the resource's initialisation data
// fills.
#define IDD_DLGINIT_DIALOG 203
#define IDC_INIT_COMBO 130
#define IDC_INIT_LIST 131
