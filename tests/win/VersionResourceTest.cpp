// varnel.dll carries the project's version (from CMake) in its version
// resource, both as numbers and as text.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string LoadedDllPath() {
  const HMODULE hModule = ::GetModuleHandleA("varnel.dll");
  if (hModule == nullptr) return {};
  char path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameA(hModule, path, MAX_PATH);
  return std::string(path, length);
}

std::vector<BYTE> ReadVersionInfo(const std::string& path) {
  DWORD handle = 0;
  const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &handle);
  std::vector<BYTE> data(size);
  if (size == 0 || !::GetFileVersionInfoA(path.c_str(), 0, size, data.data())) data.clear();
  return data;
}

std::string QueryText(std::vector<BYTE>& data, const char* name) {
  const std::string key = std::string("\\StringFileInfo\\040904B0\\") + name;
  void* value = nullptr;
  UINT length = 0;
  if (!::VerQueryValueA(data.data(), key.c_str(), &value, &length) || length == 0) return {};
  return static_cast<const char*>(value);
}

TEST(VersionResource, DllCarriesTheProjectVersion) {
  const std::string path = LoadedDllPath();
  ASSERT_FALSE(path.empty()) << "varnel.dll is not loaded";
  std::vector<BYTE> data = ReadVersionInfo(path);
  ASSERT_FALSE(data.empty()) << "no version resource in " << path;

  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length));
  ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(info->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(info->dwFileType, static_cast<DWORD>(VFT_DLL));

  char numbers[64];
  std::snprintf(numbers, sizeof numbers, "%lu.%lu.%lu",
                static_cast<unsigned long>(HIWORD(info->dwFileVersionMS)),
                static_cast<unsigned long>(LOWORD(info->dwFileVersionMS)),
                static_cast<unsigned long>(HIWORD(info->dwFileVersionLS)));
  EXPECT_STREQ(numbers, VARNEL_EXPECTED_VERSION);
  EXPECT_EQ(info->dwProductVersionMS, info->dwFileVersionMS);
  EXPECT_EQ(info->dwProductVersionLS, info->dwFileVersionLS);

  EXPECT_EQ(QueryText(data, "FileVersion"), VARNEL_EXPECTED_VERSION);
  EXPECT_EQ(QueryText(data, "ProductVersion"), VARNEL_EXPECTED_VERSION);
  EXPECT_EQ(QueryText(data, "OriginalFilename"), "varnel.dll");
}

}  // namespace
