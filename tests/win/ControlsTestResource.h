// Resource IDs of the controls suite.
#pragma once

#define IDD_CONTROLS 200
#define IDI_BUTTON 300
#define IDB_BUTTON 301
#define IDI_MISSING 399
#define IDC_IMAGE_BUTTON 100
#define IDC_OTHER_BUTTON 101
#define IDC_SEPARATOR 102
#define IDC_VSEPARATOR 103
