// Resource IDs of the framework's own strings. Plain defines: the resource
// compiler reads this file too.
#pragma once

// "Please enter a number."
#define AFX_IDP_PARSE_REAL 0xF111
// "Please enter a number between %1 and %2."
#define AFX_IDP_PARSE_REAL_RANGE 0xF113
