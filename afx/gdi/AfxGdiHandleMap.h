// Internal to the drawing half of the framework: the maps from platform
// handles to the wrapper objects that stand for them (device contexts and
// drawing objects).
//
// A wrapper that owns a handle (made by Attach or by creating) is
// permanent: it is in the map while it holds the handle. FromHandle on a
// handle that no wrapper holds makes a temporary wrapper, which lives until
// DeleteTemp (the application calls the classes' DeleteTempMap when idle)
// or until the library unloads. A temporary wrapper never deletes its
// handle: the handle is taken out of it before it is destroyed.
#pragma once

#include <unordered_map>

template <class HANDLE_T, class OBJECT_T>
class CGdiHandleMap {
 public:
  CGdiHandleMap() = default;
  CGdiHandleMap(const CGdiHandleMap&) = delete;
  CGdiHandleMap& operator=(const CGdiHandleMap&) = delete;
  ~CGdiHandleMap() { DeleteTemp(); }

  void SetPermanent(HANDLE_T h, OBJECT_T* pObject) { m_permanent[h] = pObject; }
  void RemovePermanent(HANDLE_T h) { m_permanent.erase(h); }

  OBJECT_T* LookupPermanent(HANDLE_T h) const {
    auto it = m_permanent.find(h);
    return it == m_permanent.end() ? nullptr : it->second;
  }
  OBJECT_T* LookupTemp(HANDLE_T h) const {
    auto it = m_temp.find(h);
    return it == m_temp.end() ? nullptr : it->second;
  }
  void SetTemp(HANDLE_T h, OBJECT_T* pObject) { m_temp[h] = pObject; }
  // Takes one temporary wrapper out of the map and destroys it.
  void RemoveTemp(HANDLE_T h) {
    auto it = m_temp.find(h);
    if (it == m_temp.end()) return;
    OBJECT_T* pObject = it->second;
    m_temp.erase(it);
    Release(pObject);
  }
  void DeleteTemp() {
    for (auto& entry : m_temp) Release(entry.second);
    m_temp.clear();
  }

 private:
  static void Release(OBJECT_T* pObject) {
    pObject->ClearHandlesOfTemporary();
    delete pObject;
  }

  std::unordered_map<HANDLE_T, OBJECT_T*> m_permanent;
  std::unordered_map<HANDLE_T, OBJECT_T*> m_temp;
};
