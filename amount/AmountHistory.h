// The record behind each entry of an amount combo box's list, and the
// allocator of the box's own records. The box makes and frees the records
// of its history entries through these functions; the records of a host's
// default entries are the host's and never pass through them. The
// allocator knows every record it made, so that a record freed twice, or
// one it did not make, is refused instead of corrupting memory, and tests
// can count what is alive.
#pragma once

#include "afx/base/AfxExport.h"

struct history {
  double dAmount;
  unsigned int uUnits;
};

namespace varnel::amount {

VARNEL_API history* NewHistoryRecord(double dAmount, unsigned int uUnits);
// Frees a record made by NewHistoryRecord; false, freeing nothing, for any
// other pointer (null, a host's record, one freed already).
VARNEL_API bool DeleteHistoryRecord(history* pRecord);
// Records made and not yet freed.
VARNEL_API int HistoryRecordsAlive();

}  // namespace varnel::amount
