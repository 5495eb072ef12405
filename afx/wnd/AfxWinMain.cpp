// The framework's program entry, linked into the host's executable from a
// small static library: a host writes only its application object.
#include "afx/wnd/AfxWin.h"

extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine,
                              int nCmdShow) {
  return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
