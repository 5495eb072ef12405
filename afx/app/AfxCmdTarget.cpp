// CCmdTarget's command routing and the message-map lookup shared by every
// class with a map.
#include "afx/app/AfxCmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
  static const AFX_MSGMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  // A control's WM_NOTIFY comes as MAKELONG(code, WM_NOTIFY); commands and
  // WM_COMMAND notifications have a 16-bit code, the update request -1.
  UINT nMessage = WM_COMMAND;
  UINT nEntryCode = static_cast<UINT>(nCode);
  if (nEntryCode != CN_UPDATE_COMMAND_UI && HIWORD(nEntryCode) != 0) {
    nMessage = HIWORD(nEntryCode);
    nEntryCode = LOWORD(nEntryCode);
  }
  const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), nMessage, nEntryCode, nID);
  if (pEntry == nullptr) return FALSE;
  if (pHandlerInfo != nullptr) {
    pHandlerInfo->pTarget = this;
    return TRUE;
  }
  // The thunks of ID ranges read the ID, those of updates the CCmdUI, those
  // of WM_NOTIFY the AFX_NOTIFY. A handler that declined the command
  // (ON_COMMAND_EX, ON_NOTIFY_EX) or called ContinueRouting in an update
  // leaves it to the next target of the route.
  return pEntry->pfn(this, nID, reinterpret_cast<LPARAM>(pExtra)) != AFX_CONTINUE_ROUTING;
}

const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode,
                                            UINT nID) {
  for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->pfn != nullptr; ++p) {
      if (p->pnMessage != nullptr) {
        // Not registered yet (0) matches nothing.
        if (*p->pnMessage != 0 && *p->pnMessage == nMessage) return p;
      } else if (p->nMessage == nMessage && p->nCode == nCode && p->nID <= nID &&
                 nID <= p->nLastID) {
        return p;
      }
    }
  }
  return nullptr;
}

