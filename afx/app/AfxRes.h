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
