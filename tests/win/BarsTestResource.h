// Resource IDs of the bars and print preview suite.
#pragma once

#define IDR_BARS 500
#define ID_TOOL_RED 33001
#define ID_TOOL_GREEN 33002
#define ID_TOOL_BLUE 33003
#define ID_TOOL_YELLOW 33004
#define ID_INDICATOR_PLACE 33010
