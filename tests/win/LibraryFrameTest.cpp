// What varnel.dll sets up at load: the platform globals, the wheel setting
// by both of its paths, and its registration with the framework.
#include "Varnel.h"
#include "frame/PlatformDetection.h"
#include "frame/WheelSetting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace varnel::frame;

namespace {

// ---- the application ---------------------------------------------------------

TEST(Application, WithoutANameOrATitleStringIsNamedByItsProgram) {
  CWinApp unnamed;  // this program has no string table
  EXPECT_STREQ(unnamed.m_pszAppName, "varnel_win_tests");
}

// ---- version detection ----------------------------------------------------

DWORD g_sizeSeen = 0;

BOOL WINAPI FakeNt5(OSVERSIONINFOA* info) {
  g_sizeSeen = info->dwOSVersionInfoSize;
  info->dwPlatformId = VER_PLATFORM_WIN32_NT;
  info->dwMajorVersion = 5;
  info->dwMinorVersion = 1;
  return TRUE;
}

BOOL WINAPI FakeWindows95(OSVERSIONINFOA* info) {
  info->dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
  info->dwMajorVersion = 4;
  info->dwMinorVersion = 10;
  return TRUE;
}

TEST(PlatformVersion, GlobalsHoldWhatTheSystemReportedAtLoad) {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  ASSERT_TRUE(GetVersionExA(&info));
  EXPECT_EQ(m_bWinNT, info.dwPlatformId == VER_PLATFORM_WIN32_NT);
  EXPECT_EQ(m_uWinVer, info.dwMajorVersion);
}

TEST(PlatformVersion, ReadsFamilyAndMajorVersionOnly) {
  const PlatformVersion nt5 = QueryPlatformVersion(&FakeNt5);
  EXPECT_EQ(g_sizeSeen, 148u);
  EXPECT_TRUE(nt5.bWinNT);
  EXPECT_EQ(nt5.uWinVer, 5u);

  const PlatformVersion win95 = QueryPlatformVersion(&FakeWindows95);
  EXPECT_FALSE(win95.bWinNT);
  EXPECT_EQ(win95.uWinVer, 4u);
}

TEST(PlatformVersion, SecondDetectionChangesNothing) {
  const bool nt = m_bWinNT;
  const unsigned long version = m_uWinVer;
  DetectPlatform(&FakeWindows95);
  EXPECT_EQ(m_bWinNT, nt);
  EXPECT_EQ(m_uWinVer, version);
}

// ---- wheel setting ----------------------------------------------------------

// Sets the registry value for one test and puts back what was there.
class WheelRegistryValue {
 public:
  WheelRegistryValue() {
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0,
                            KEY_QUERY_VALUE | KEY_SET_VALUE, &key_),
              ERROR_SUCCESS);
    DWORD size = 0;
    had_ = RegQueryValueExA(key_, "WheelScrollLines", nullptr, &type_, nullptr, &size) ==
           ERROR_SUCCESS;
    if (had_) {
      saved_.resize(size);
      RegQueryValueExA(key_, "WheelScrollLines", nullptr, &type_, saved_.data(), &size);
    }
  }
  ~WheelRegistryValue() {
    if (had_) {
      RegSetValueExA(key_, "WheelScrollLines", 0, type_, saved_.data(),
                     static_cast<DWORD>(saved_.size()));
    } else {
      RegDeleteValueA(key_, "WheelScrollLines");
    }
    RegCloseKey(key_);
  }
  WheelRegistryValue(const WheelRegistryValue&) = delete;
  WheelRegistryValue& operator=(const WheelRegistryValue&) = delete;

  // Stores exactly the bytes of `data`: no terminating NUL is added.
  void Set(const std::string& data, DWORD type) {
    ASSERT_EQ(RegSetValueExA(key_, "WheelScrollLines", 0, type,
                             reinterpret_cast<const BYTE*>(data.data()),
                             static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
  }
  void Remove() { RegDeleteValueA(key_, "WheelScrollLines"); }

 private:
  HKEY key_ = nullptr;
  bool had_ = false;
  DWORD type_ = REG_SZ;
  std::vector<BYTE> saved_;
};

const PlatformVersion kWindows95 = {false, 4};
const PlatformVersion kNt3 = {true, 3};

TEST(WheelSetting, RegistryPathReadsTheTextAsANumber) {
  WheelRegistryValue value;
  struct Case {
    std::string data;
    DWORD type;
    unsigned int expected;
  };
  // The value's type plays no part; binary data is stored byte for byte,
  // which is how a value of exactly 128 bytes without a NUL comes about.
  const Case cases[] = {
      {std::string("5", 2), REG_SZ, 5u},
      {std::string(" 7 lines", 9), REG_SZ, 7u},
      {std::string("many", 5), REG_SZ, 0u},
      {std::string(127, ' ') + "9", REG_BINARY, 9u},       // 128 bytes, no NUL
      {std::string(126, ' ') + std::string("8", 2), REG_SZ, 8u},
      {std::string(128, ' ') + std::string("9", 2), REG_SZ, 3u},  // too long for the buffer
      {std::string(129, '1'), REG_BINARY, 3u},
  };
  for (const Case& c : cases) {
    value.Set(c.data, c.type);
    EXPECT_EQ(ReadWheelScrollLines(kWindows95), c.expected) << '"' << c.data << '"';
    EXPECT_EQ(ReadWheelScrollLines(kNt3), c.expected) << '"' << c.data << '"';
  }
  value.Remove();
  EXPECT_EQ(ReadWheelScrollLines(kWindows95), 3u);
}

// Sets the system's wheel setting for one test (this session only) and
// puts the old one back.
class SystemWheelLines {
 public:
  SystemWheelLines() { SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &saved_, 0); }
  ~SystemWheelLines() { SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, saved_, nullptr, 0); }
  SystemWheelLines(const SystemWheelLines&) = delete;
  SystemWheelLines& operator=(const SystemWheelLines&) = delete;
  void Set(UINT lines) { SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, lines, nullptr, 0); }
  UINT saved() const { return saved_; }

 private:
  UINT saved_ = 0;
};

TEST(WheelSetting, SystemPathAndTheRefreshFlag) {
  ASSERT_TRUE(UsesSystemWheelQuery(m_bWinNT, m_uWinVer)) << "expected an NT 4+ system";
  SystemWheelLines system;
  const unsigned int cached = GetMouseScrollLines(1);
  EXPECT_EQ(cached, system.saved());

  system.Set(cached + 4);
  EXPECT_EQ(ReadWheelScrollLines(PlatformVersion{true, 6}), cached + 4);
  EXPECT_EQ(GetMouseScrollLines(0), cached) << "without refresh the cached value stays";
  EXPECT_EQ(GetMouseScrollLines(1), cached + 4);
  EXPECT_EQ(GetMouseScrollLines(0), cached + 4);

  system.Set(WHEEL_PAGESCROLL);
  EXPECT_EQ(GetMouseScrollLines(1), static_cast<unsigned int>(WHEEL_PAGESCROLL));
}

// ---- registration with the framework -------------------------------------

TEST(ExtensionModule, VarnelIsRegisteredWithTheFramework) {
  const HMODULE varnel = GetModuleHandleA("varnel.dll");
  ASSERT_NE(varnel, nullptr);
  int records = 0;
  for (CDynLinkLibrary* p = AfxGetModuleState()->m_libraryList; p != nullptr; p = p->m_pNextDLL) {
    if (p->m_hModule == varnel) {
      ++records;
      EXPECT_FALSE(p->m_bSystem);
      EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CDynLinkLibrary)));
    }
  }
  EXPECT_EQ(records, 1);
}

CRuntimeClass MakeClass(const char* name) {
  return CRuntimeClass{name, 0, 0xFFFF, nullptr, RUNTIME_CLASS(CObject), nullptr};
}

// The load sequence of an extension library, replayed on the module state:
// what the library registers during its static construction becomes its
// own class list, and the host's list is as it was before.
TEST(ExtensionModule, LoadSequenceSeparatesTheLibrarysClasses) {
  AFX_MODULE_STATE* state = AfxGetModuleState();
  const AFX_MODULE_STATE before = *state;

  CRuntimeClass hostClass = MakeClass("CHostClass");
  CRuntimeClass libraryClass = MakeClass("CLibraryClass");
  AfxClassInit(&hostClass);

  AfxExtensionRawStartup(TRUE);
  EXPECT_EQ(state->m_classList, nullptr);
  AfxClassInit(&libraryClass);  // the library's static construction

  AFX_EXTENSION_MODULE module = {};
  const HMODULE fakeHandle = reinterpret_cast<HMODULE>(0x10000);
  EXPECT_FALSE(AfxInitExtensionModule(module, nullptr)) << "a null module is refused";
  ASSERT_TRUE(AfxInitExtensionModule(module, fakeHandle));
  EXPECT_EQ(module.pFirstSharedClass, &libraryClass);
  EXPECT_EQ(libraryClass.m_pNextClass, nullptr);
  EXPECT_EQ(state->m_classList, &hostClass);

  CDynLinkLibrary* record = new CDynLinkLibrary(module, FALSE);
  EXPECT_EQ(state->m_libraryList, record);
  EXPECT_EQ(record->m_classList, &libraryClass);

  AfxTermExtensionModule(module, FALSE);  // deletes the record, unchains it
  EXPECT_FALSE(module.bInitialized);
  EXPECT_EQ(state->m_libraryList, before.m_libraryList);

  *state = before;
}

}  // namespace
