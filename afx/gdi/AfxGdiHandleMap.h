// Internal to the drawing half of the framework: the maps from platform
// handles to the wrapper objects that stand for them (device contexts,
// drawing objects, menus).
//
// A wrapper that owns a handle (made by Attach or by creating) is
// permanent: it is in the map while it holds the handle, and any thread
// finds it there. FromHandle on a handle that no wrapper holds makes a
// temporary wrapper, which belongs to the thread that asked: it lives until
// that thread's DeleteTemp (the application calls the classes'
// DeleteTempMap when idle) or until the thread ends, and another thread
// asking for the same handle gets a wrapper of its own. A temporary wrapper
// never deletes its handle: the handle is taken out of it before it is
// destroyed.
#pragma once

#include "afx/app/AfxThreadLocal.h"

#include <mutex>
#include <unordered_map>

template <class HANDLE_T, class OBJECT_T>
class CGdiHandleMap {
 public:
  CGdiHandleMap() = default;
  CGdiHandleMap(const CGdiHandleMap&) = delete;
  CGdiHandleMap& operator=(const CGdiHandleMap&) = delete;

  void SetPermanent(HANDLE_T h, OBJECT_T* pObject) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_permanent[h] = pObject;
  }
  void RemovePermanent(HANDLE_T h) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_permanent.erase(h);
  }
  OBJECT_T* LookupPermanent(HANDLE_T h) const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_permanent.find(h);
    return it == m_permanent.end() ? nullptr : it->second;
  }

  // The calling thread's temporary wrappers.
  OBJECT_T* LookupTemp(HANDLE_T h) {
    auto& temp = m_temp->map;
    auto it = temp.find(h);
    return it == temp.end() ? nullptr : it->second;
  }
  void SetTemp(HANDLE_T h, OBJECT_T* pObject) { m_temp->map[h] = pObject; }
  // Takes one temporary wrapper out of the map and destroys it.
  void RemoveTemp(HANDLE_T h) {
    auto& temp = m_temp->map;
    auto it = temp.find(h);
    if (it == temp.end()) return;
    OBJECT_T* pObject = it->second;
    temp.erase(it);
    Release(pObject);
  }
  void DeleteTemp() { m_temp->Clear(); }

  // How many wrappers the map holds: the calling thread's temporary ones,
  // or the permanent ones of every thread.
  int Count(bool bTemporary) {
    if (bTemporary) return static_cast<int>(m_temp->map.size());
    const std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<int>(m_permanent.size());
  }

 private:
  static void Release(OBJECT_T* pObject) {
    pObject->ClearHandlesOfTemporary();
    delete pObject;
  }

  struct TempMap {
    std::unordered_map<HANDLE_T, OBJECT_T*> map;
    ~TempMap() { Clear(); }
    void Clear() {
      for (auto& entry : map) Release(entry.second);
      map.clear();
    }
  };

  mutable std::mutex m_mutex;  // guards the permanent wrappers
  std::unordered_map<HANDLE_T, OBJECT_T*> m_permanent;
  CThreadLocal<TempMap> m_temp;
};
