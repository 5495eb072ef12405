#include "afx/wnd/AfxClipboard.h"

#include <cstring>

namespace {

// Holds the clipboard open for one query.
class ClipboardOpen {
 public:
  ClipboardOpen() : m_bOpen(::OpenClipboard(nullptr) != FALSE) {}
  ~ClipboardOpen() {
    if (m_bOpen) ::CloseClipboard();
  }
  bool IsOpen() const { return m_bOpen; }
  ClipboardOpen(const ClipboardOpen&) = delete;
  ClipboardOpen& operator=(const ClipboardOpen&) = delete;

 private:
  bool m_bOpen;
};

}  // namespace

BOOL COleDataObject::AttachClipboard() {
  ClipboardOpen clipboard;
  m_bClipboard = clipboard.IsOpen();
  return m_bClipboard;
}

BOOL COleDataObject::IsDataAvailable(UINT cfFormat) const {
  return m_bClipboard && ::IsClipboardFormatAvailable(cfFormat);
}

HGLOBAL COleDataObject::GetGlobalData(UINT cfFormat) const {
  if (!m_bClipboard) return nullptr;
  ClipboardOpen clipboard;
  if (!clipboard.IsOpen()) return nullptr;
  const HANDLE hData = ::GetClipboardData(cfFormat);
  if (hData == nullptr) return nullptr;
  const SIZE_T nSize = ::GlobalSize(hData);
  const void* pSource = ::GlobalLock(hData);
  if (pSource == nullptr) return nullptr;
  HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
  if (void* pCopy = hCopy != nullptr ? ::GlobalLock(hCopy) : nullptr) {
    std::memcpy(pCopy, pSource, nSize);
    ::GlobalUnlock(hCopy);
  }
  ::GlobalUnlock(hData);
  return hCopy;
}
