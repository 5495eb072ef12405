// The clipboard as a data object, in the manner of the framework's OLE
// data object: attach to the clipboard, ask whether a format is there,
// fetch a copy of its data. The clipboard is opened only for each query, so
// that a control's own paste can open it in between.
#pragma once

#include "afx/base/AfxTypes.h"

class VARNEL_API COleDataObject {
 public:
  COleDataObject() = default;
  ~COleDataObject() = default;

  // FALSE when the clipboard cannot be opened (another window holds it).
  BOOL AttachClipboard();
  void Release() { m_bClipboard = FALSE; }
  BOOL IsDataAvailable(UINT cfFormat) const;
  // A copy of the format's data in movable global memory, which the caller
  // frees with GlobalFree; null when the format is not there.
  HGLOBAL GetGlobalData(UINT cfFormat) const;

  COleDataObject(const COleDataObject&) = delete;
  COleDataObject& operator=(const COleDataObject&) = delete;

 private:
  BOOL m_bClipboard = FALSE;
};
