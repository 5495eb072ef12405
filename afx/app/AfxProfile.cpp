// The application's settings: in the registry under
// HKEY_CURRENT_USER\Software\<registry key>\<application>\<section> once
// SetRegistryKey has named the key, else in the program's private .INI
// file (as the framework keeps them by default). The recent-file list is
// one of them.
#include "afx/app/AfxApp.h"
#include "afx/app/AfxRecentFileList.h"

namespace {

// A key below hParent, created when missing; null on failure.
HKEY CreateSubKey(HKEY hParent, LPCSTR lpszName) {
  HKEY hKey = nullptr;
  if (::RegCreateKeyExA(hParent, lpszName, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &hKey, nullptr) != ERROR_SUCCESS) {
    return nullptr;
  }
  return hKey;
}

// Closes a key at the end of a scope.
class CKeyHolder {
 public:
  explicit CKeyHolder(HKEY hKey) : m_hKey(hKey) {}
  ~CKeyHolder() {
    if (m_hKey != nullptr) ::RegCloseKey(m_hKey);
  }
  CKeyHolder(const CKeyHolder&) = delete;
  CKeyHolder& operator=(const CKeyHolder&) = delete;
  HKEY Get() const { return m_hKey; }

 private:
  HKEY m_hKey;
};

}  // namespace

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey) {
  if (m_pszAppName == nullptr || m_pszExeName == nullptr) SetCurrentHandles();
  m_strRegistryKey = lpszRegistryKey;
  m_pszRegistryKey = m_strRegistryKey;
  // In the registry the settings go under the application's name.
  m_strProfileName = m_pszAppName;
  m_pszProfileName = m_strProfileName;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey) {
  CString strKey;
  AfxLoadString(nIDRegistryKey, strKey);
  SetRegistryKey(strKey);
}

HKEY CWinApp::GetAppRegistryKey() {
  if (m_pszRegistryKey == nullptr || m_pszProfileName == nullptr) return nullptr;
  const CKeyHolder software(CreateSubKey(HKEY_CURRENT_USER, "Software"));
  if (software.Get() == nullptr) return nullptr;
  const CKeyHolder company(CreateSubKey(software.Get(), m_pszRegistryKey));
  if (company.Get() == nullptr) return nullptr;
  return CreateSubKey(company.Get(), m_pszProfileName);
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection) {
  const CKeyHolder app(GetAppRegistryKey());
  if (app.Get() == nullptr) return nullptr;
  return CreateSubKey(app.Get(), lpszSection);
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault) {
  if (m_pszRegistryKey == nullptr) {
    if (m_pszProfileName == nullptr) SetCurrentHandles();
    return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
  }
  const CKeyHolder section(GetSectionKey(lpszSection));
  DWORD dwValue = 0;
  DWORD dwType = 0;
  DWORD dwSize = sizeof dwValue;
  if (section.Get() == nullptr ||
      ::RegQueryValueExA(section.Get(), lpszEntry, nullptr, &dwType,
                         reinterpret_cast<LPBYTE>(&dwValue), &dwSize) != ERROR_SUCCESS ||
      dwType != REG_DWORD || dwSize != sizeof dwValue) {
    return static_cast<UINT>(nDefault);
  }
  return dwValue;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault) {
  if (lpszDefault == nullptr) lpszDefault = "";
  if (m_pszRegistryKey == nullptr) {
    if (m_pszProfileName == nullptr) SetCurrentHandles();
    char szValue[4096] = {};
    ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault, szValue, sizeof szValue,
                               m_pszProfileName);
    return szValue;
  }
  const CKeyHolder section(GetSectionKey(lpszSection));
  DWORD dwType = 0;
  DWORD dwSize = 0;
  if (section.Get() == nullptr ||
      ::RegQueryValueExA(section.Get(), lpszEntry, nullptr, &dwType, nullptr, &dwSize) !=
          ERROR_SUCCESS ||
      dwType != REG_SZ) {
    return lpszDefault;
  }
  CString strValue;
  char* pBuffer = strValue.GetBuffer(static_cast<int>(dwSize));
  const LONG lResult = ::RegQueryValueExA(section.Get(), lpszEntry, nullptr, &dwType,
                                          reinterpret_cast<LPBYTE>(pBuffer), &dwSize);
  // The stored size counts the terminator, when the writer put one there.
  pBuffer[lResult == ERROR_SUCCESS ? dwSize : 0] = '\0';
  strValue.ReleaseBuffer();
  return lResult == ERROR_SUCCESS ? strValue : CString(lpszDefault);
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue) {
  if (m_pszRegistryKey == nullptr) {
    if (m_pszProfileName == nullptr) SetCurrentHandles();
    CString strValue;
    strValue.Format("%d", nValue);
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, strValue, m_pszProfileName);
  }
  const CKeyHolder section(GetSectionKey(lpszSection));
  const DWORD dwValue = static_cast<DWORD>(nValue);
  return section.Get() != nullptr &&
         ::RegSetValueExA(section.Get(), lpszEntry, 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&dwValue), sizeof dwValue) == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue) {
  if (m_pszRegistryKey == nullptr) {
    if (m_pszProfileName == nullptr) SetCurrentHandles();
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
  }
  if (lpszEntry == nullptr) {
    const CKeyHolder app(GetAppRegistryKey());
    return app.Get() != nullptr && ::RegDeleteKeyA(app.Get(), lpszSection) == ERROR_SUCCESS;
  }
  const CKeyHolder section(GetSectionKey(lpszSection));
  if (section.Get() == nullptr) return FALSE;
  if (lpszValue == nullptr) {
    const LONG lResult = ::RegDeleteValueA(section.Get(), lpszEntry);
    return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
  }
  const DWORD dwSize = static_cast<DWORD>(::lstrlenA(lpszValue) + 1);
  return ::RegSetValueExA(section.Get(), lpszEntry, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(lpszValue), dwSize) == ERROR_SUCCESS;
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU) {
  delete m_pRecentFileList;
  m_pRecentFileList = nullptr;
  if (nMaxMRU == 0) return;
  m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d",
                                          static_cast<int>(nMaxMRU));
  m_pRecentFileList->ReadList();
}

void CWinApp::SaveStdProfileSettings() {
  if (m_pRecentFileList != nullptr) m_pRecentFileList->WriteList();
}

void CWinApp::AddToRecentFileList(LPCSTR lpszPathName) {
  if (m_pRecentFileList != nullptr) m_pRecentFileList->Add(lpszPathName);
}
