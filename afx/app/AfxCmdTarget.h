// CCmdTarget: the root of every class with a message map. Commands (menu
// items, accelerators, control notifications) are routed to it through
// OnCmdMsg, which looks them up in the class's map chain.
#pragma once

#include "afx/app/AfxMsgMap.h"

// Filled by OnCmdMsg when it is asked only whether a handler exists.
struct AFX_CMDHANDLERINFO {
  CCmdTarget* pTarget = nullptr;
};

// The root of every class with a message map.
class VARNEL_API CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)

 public:
  // Runs the map's handler for a command (WM_COMMAND with nCode and nID;
  // nCode CN_UPDATE_COMMAND_UI with the CCmdUI in pExtra; a control's
  // WM_NOTIFY with nCode MAKELONG(code, WM_NOTIFY) and an AFX_NOTIFY in
  // pExtra); FALSE when no entry handles it, or when the handler declined
  // it (an _EX handler that returned FALSE, ContinueRouting in an update).
  // With pHandlerInfo, only reports the handler's owner.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra = nullptr,
                        AFX_CMDHANDLERINFO* pHandlerInfo = nullptr);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
};

