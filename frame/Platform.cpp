#include "frame/Platform.h"

#include "frame/PlatformDetection.h"
#include "frame/WheelSetting.h"

using namespace varnel::frame;

bool m_bWinNT = false;
unsigned long m_uWinVer = 0;

namespace {
bool g_versionDetected = false;
int g_wheelLinesValid = 0;
unsigned int g_wheelLines = 0;

constexpr DWORD kRegistryBufferSize = 128;

unsigned int ReadWheelScrollLinesFromRegistry() {
  HKEY hKey = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_QUERY_VALUE, &hKey) !=
      ERROR_SUCCESS) {
    return kDefaultWheelScrollLines;
  }
  unsigned int lines = kDefaultWheelScrollLines;
  char buffer[kRegistryBufferSize];
  DWORD size = sizeof buffer;
  DWORD type = 0;
  if (RegQueryValueExA(hKey, "WheelScrollLines", nullptr, &type,
                       reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS) {
    // Only the bytes read count: a value that fills the buffer has no NUL.
    lines = ParseWheelScrollLines(buffer, size < sizeof buffer ? size : sizeof buffer);
  }
  RegCloseKey(hKey);
  return lines;
}
}  // namespace

namespace varnel::frame {

PlatformVersion QueryPlatformVersion(VersionQueryFn query) {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;  // 148
  query(&info);
  return PlatformVersion{info.dwPlatformId == VER_PLATFORM_WIN32_NT, info.dwMajorVersion};
}

unsigned int ReadWheelScrollLines(PlatformVersion version) {
  if (UsesSystemWheelQuery(version.bWinNT, version.uWinVer)) {
    // The call's result is not looked at: whatever the system wrote, or the
    // default if it wrote nothing, is the answer.
    UINT lines = kDefaultWheelScrollLines;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    return lines;
  }
  return ReadWheelScrollLinesFromRegistry();
}

void DetectPlatform(VersionQueryFn query) {
  if (g_versionDetected) return;
  g_versionDetected = true;
  const PlatformVersion version = QueryPlatformVersion(query);
  m_bWinNT = version.bWinNT;
  m_uWinVer = version.uWinVer;
  GetMouseScrollLines(1);
}

}  // namespace varnel::frame

unsigned int GetMouseScrollLines(int bRefresh) {
  if (bRefresh == 0 && g_wheelLinesValid != 0) return g_wheelLines;
  g_wheelLinesValid = 1;
  g_wheelLines = ReadWheelScrollLines(PlatformVersion{m_bWinNT, m_uWinVer});
  return g_wheelLines;
}
