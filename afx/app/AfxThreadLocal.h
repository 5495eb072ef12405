// Per-thread state of the framework (internal to the library). A
// CThreadLocal<T> gives each thread that asks its own T, made on first
// use: the window being created, the message being handled and the
// temporary objects FromHandle hands out belong to one thread. A thread's
// state is deleted when the thread ends (the library's DLL_THREAD_DETACH
// calls AfxTermThread), and the unloading thread's at DLL_PROCESS_DETACH.
#pragma once

#include "afx/base/AfxTypes.h"

// The untyped slot: one TLS index, and how to make and delete its state.
class CThreadSlot {
 public:
  using PFN_NEW = void* (*)();
  using PFN_DELETE = void (*)(void*);

  CThreadSlot(PFN_NEW pfnNew, PFN_DELETE pfnDelete);
  ~CThreadSlot();

  // This thread's state, made on first use. The thread's last error is
  // kept (TlsGetValue clears it).
  void* Get();
  // Deletes this thread's state, if it has one.
  void Delete();

  CThreadSlot(const CThreadSlot&) = delete;
  CThreadSlot& operator=(const CThreadSlot&) = delete;

 private:
  friend void AfxTermThread();
  DWORD m_dwIndex;
  PFN_NEW m_pfnNew;
  PFN_DELETE m_pfnDelete;
  CThreadSlot* m_pNext = nullptr;  // in the list of every slot
};

template <class T>
class CThreadLocal {
 public:
  CThreadLocal() : m_slot(&New, &Free) {}
  T* Get() { return static_cast<T*>(m_slot.Get()); }
  T* operator->() { return Get(); }

 private:
  static void* New() { return new T; }
  static void Free(void* p) { delete static_cast<T*>(p); }
  CThreadSlot m_slot;
};

// Deletes the calling thread's state in every slot.
void AfxTermThread();
