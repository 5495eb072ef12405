#include "amount/AmountHistory.h"

#include <unordered_set>

namespace {
std::unordered_set<history*>& LiveRecords() {
  static std::unordered_set<history*> records;
  return records;
}
}  // namespace

namespace varnel::amount {

history* NewHistoryRecord(double dAmount, unsigned int uUnits) {
  history* pRecord = new history{dAmount, uUnits};
  LiveRecords().insert(pRecord);
  return pRecord;
}

bool DeleteHistoryRecord(history* pRecord) {
  if (LiveRecords().erase(pRecord) == 0) return false;
  delete pRecord;
  return true;
}

int HistoryRecordsAlive() { return static_cast<int>(LiveRecords().size()); }

}  // namespace varnel::amount
