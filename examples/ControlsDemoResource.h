// Resource IDs of the controls demo.
#pragma once

#define IDD_CONTROLS_DEMO 100
#define IDI_PRINT 200
#define IDB_STOP 201
#define IDC_HEADING_OUTPUT 1000
#define IDC_PRINT 1001
#define IDC_STOP 1002
#define IDC_DISABLED 1003
#define IDC_HEADING_OPTIONS 1004
#define IDC_TAB 1005
#define IDC_VERTICAL 1006
#define IDC_ICON_ONLY 1007
#define IDC_HEADING_END 1008
