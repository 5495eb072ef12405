// A folder of its own for a test that makes files, emptied and removed at
// the end; and whole-file reads and writes to set up and check its files.
#pragma once

#include "Varnel.h"

#include <algorithm>
#include <string>
#include <vector>

class CTempFolder {
 public:
  CTempFolder() {
    char szBase[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szBase);
    static int s_nFolder = 0;
    char szName[64];
    std::snprintf(szName, sizeof szName, "varnel-files-%lu-%d", ::GetCurrentProcessId(),
                  ++s_nFolder);
    m_strPath = std::string(szBase) + szName;
    ::CreateDirectoryA(m_strPath.c_str(), nullptr);
  }
  ~CTempFolder() {
    for (const std::string& name : Files()) {
      const std::string path = Path(name.c_str());
      ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      ::DeleteFileA(path.c_str());
    }
    ::RemoveDirectoryA(m_strPath.c_str());
  }
  CTempFolder(const CTempFolder&) = delete;
  CTempFolder& operator=(const CTempFolder&) = delete;

  std::string Path(const char* pszName) const { return m_strPath + "\\" + pszName; }

  // The names of the files in the folder, sorted.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    const HANDLE hFind = ::FindFirstFileA((m_strPath + "\\*").c_str(), &data);
    if (hFind == INVALID_HANDLE_VALUE) return names;
    do {
      if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(data.cFileName);
    } while (::FindNextFileA(hFind, &data));
    ::FindClose(hFind);
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::string m_strPath;
};

inline void WriteWholeFile(const std::string& path, const std::string& contents) {
  const HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD nWritten = 0;
  ::WriteFile(hFile, contents.data(), static_cast<DWORD>(contents.size()), &nWritten, nullptr);
  ::CloseHandle(hFile);
}

// The file's bytes, or "<none>" when it cannot be read.
inline std::string ReadWholeFile(const std::string& path) {
  const HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_READ,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (hFile == INVALID_HANDLE_VALUE) return "<none>";
  std::string contents;
  char buffer[4096];
  DWORD nRead = 0;
  while (::ReadFile(hFile, buffer, sizeof buffer, &nRead, nullptr) && nRead > 0) {
    contents.append(buffer, nRead);
  }
  ::CloseHandle(hFile);
  return contents;
}
