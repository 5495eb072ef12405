// Varnel: one include for a host. In the Windows build it brings the whole
// library with its framework layer; natively it brings the portable core.
#pragma once

#include "afx/AfxTypes.h"
#include "afx/AfxCore.h"
#include "afx/AfxException.h"
#include "afx/AfxString.h"
#include "afx/AfxGeometry.h"
#include "afx/AfxArray.h"
#include "afx/AfxNumberText.h"
#include "afx/base/AfxCommandLine.h"
#include "afx/base/AfxPathText.h"
#include "frame/WorldGeometry.h"
#include "amount/AmountText.h"
#include "amount/AmountFields.h"
#include "draw/ColorUtil.h"
#include "view/ViewGeometry.h"
#include "view/ViewScroll.h"
#include "controls/RubberbandRules.h"
#include "controls/ImageButtonLayout.h"
#include "controls/SeparatorLayout.h"

#if defined(_WIN32)
// _T and the TCHAR names; the framework is ANSI, so _T("x") is "x".
#  include <tchar.h>
// Headers the application wizard writes check that the framework's
// windows are declared before them.
#  define __AFXWIN_H__
#  include "afx/AfxDiag.h"
#  include "afx/AfxModule.h"
#  include "afx/AfxGdi.h"
#  include "afx/AfxDC.h"
#  include "afx/AfxImageList.h"
#  include "afx/AfxRes.h"
#  include "afx/AfxWin.h"
#  include "afx/AfxMenu.h"
#  include "afx/AfxFrame.h"
#  include "afx/AfxControls.h"
#  include "afx/AfxDialog.h"
#  include "afx/AfxPropertySheet.h"
#  include "afx/AfxDataExchange.h"
#  include "afx/AfxClipboard.h"
#  include "afx/AfxWindowDC.h"
#  include "afx/AfxPageDC.h"
#  include "afx/AfxView.h"
#  include "afx/app/AfxRecentFileList.h"
#  include "afx/ui/AfxDoc.h"
#  include "afx/ui/AfxDocTemplate.h"
#  include "afx/ui/AfxFileDialog.h"
#  include "amount/IsSibling.h"
#  include "amount/AmountCommit.h"
#  include "amount/AmountEdit.h"
#  include "amount/AmountBox.h"
#  include "frame/Platform.h"
#  include "draw/WorldMapping.h"
#  include "draw/PolygonBatcher.h"
#  include "draw/GdiCache.h"
#  include "draw/TransparentBitmap.h"
#  include "view/ViewW.h"
#  include "controls/Rubberband.h"
#  include "controls/ImageButton.h"
#  include "controls/StaticSeparator.h"
#endif
