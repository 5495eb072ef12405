// Varnel: one include for a host. In the Windows build it brings the whole
// library with its framework layer; natively it brings the portable core.
#pragma once

#include "afx/AfxTypes.h"
#include "afx/AfxCore.h"
#include "afx/AfxException.h"
#include "afx/AfxString.h"
#include "frame/WorldGeometry.h"

#if defined(_WIN32)
#  include "afx/AfxModule.h"
#  include "afx/AfxRes.h"
#  include "afx/AfxWin.h"
#  include "afx/AfxControls.h"
#  include "afx/AfxDialog.h"
#  include "afx/AfxPropertySheet.h"
#  include "afx/AfxDataExchange.h"
#  include "afx/AfxClipboard.h"
#  include "amount/IsSibling.h"
#  include "frame/Platform.h"
#endif
