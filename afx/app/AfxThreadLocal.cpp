#include "afx/app/AfxThreadLocal.h"

#include <mutex>
#include <new>
#include <vector>

namespace {

// Every slot, so that a thread's end can delete its state in each. Never
// destroyed: slots that are static objects may go after other statics.
struct SlotList {
  std::mutex mutex;
  CThreadSlot* pHead = nullptr;
};

SlotList& Slots() {
  static auto* slots = new SlotList;
  return *slots;
}

}  // namespace

CThreadSlot::CThreadSlot(PFN_NEW pfnNew, PFN_DELETE pfnDelete)
    : m_dwIndex(::TlsAlloc()), m_pfnNew(pfnNew), m_pfnDelete(pfnDelete) {
  if (m_dwIndex == TLS_OUT_OF_INDEXES) throw std::bad_alloc();
  SlotList& slots = Slots();
  const std::lock_guard<std::mutex> lock(slots.mutex);
  m_pNext = slots.pHead;
  slots.pHead = this;
}

CThreadSlot::~CThreadSlot() {
  Delete();
  {
    SlotList& slots = Slots();
    const std::lock_guard<std::mutex> lock(slots.mutex);
    for (CThreadSlot** pp = &slots.pHead; *pp != nullptr; pp = &(*pp)->m_pNext) {
      if (*pp == this) {
        *pp = m_pNext;
        break;
      }
    }
  }
  ::TlsFree(m_dwIndex);
}

void* CThreadSlot::Get() {
  const DWORD dwError = ::GetLastError();
  void* pState = ::TlsGetValue(m_dwIndex);
  if (pState == nullptr) {
    pState = m_pfnNew();
    ::TlsSetValue(m_dwIndex, pState);
  }
  ::SetLastError(dwError);
  return pState;
}

void CThreadSlot::Delete() {
  void* pState = ::TlsGetValue(m_dwIndex);
  if (pState == nullptr) return;
  ::TlsSetValue(m_dwIndex, nullptr);
  m_pfnDelete(pState);
}

void AfxTermThread() {
  // Collected first: deleting a state runs code that must not wait for
  // the list.
  std::vector<CThreadSlot*> slots;
  {
    SlotList& list = Slots();
    const std::lock_guard<std::mutex> lock(list.mutex);
    for (CThreadSlot* p = list.pHead; p != nullptr; p = p->m_pNext) slots.push_back(p);
  }
  for (CThreadSlot* pSlot : slots) pSlot->Delete();
}
