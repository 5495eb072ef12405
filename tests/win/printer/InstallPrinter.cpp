// Installs a PostScript printer into the Wine prefix the way a printer's
// installer does: the printer description is copied into the spooler's
// driver folder, the driver (Wine's PostScript driver with that
// description) and the printer are added through the spooler, and the
// printer may become the default. A printer of the same name is replaced,
// so running it again is harmless.
//
//   install_printer NAME PPD PORT [--default]
//
// PPD is a Unix path of a PostScript printer description; PORT where the
// jobs go ("|command" pipes each job's PostScript into a Unix command).
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The Unix path as Wine's drive Z: sees it.
std::string WindowsPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool CopyDescription(const std::string& ppd, std::string& dataFile) {
  char folder[MAX_PATH] = {};
  DWORD needed = 0;
  if (!::GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(folder),
                                    sizeof folder, &needed)) {
    return false;
  }
  ::CreateDirectoryA(folder, nullptr);  // fails harmlessly when it exists
  dataFile = BaseName(ppd);
  const std::string target = std::string(folder) + "\\" + dataFile;
  return ::CopyFileA(WindowsPath(ppd).c_str(), target.c_str(), FALSE) != 0;
}

void RemovePrinter(const char* name) {
  PRINTER_DEFAULTSA access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
  HANDLE hPrinter = nullptr;
  if (!::OpenPrinterA(const_cast<char*>(name), &hPrinter, &access)) return;
  ::DeletePrinter(hPrinter);
  ::ClosePrinter(hPrinter);
}

bool AddDriver(const char* name, const std::string& dataFile) {
  DRIVER_INFO_3A driver = {};
  driver.cVersion = 3;
  driver.pName = const_cast<char*>(name);
  driver.pDriverPath = const_cast<char*>("wineps.drv");
  driver.pDataFile = const_cast<char*>(dataFile.c_str());
  driver.pConfigFile = const_cast<char*>("wineps.drv");
  driver.pDefaultDataType = const_cast<char*>("RAW");
  return ::AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver),
                               APD_COPY_NEW_FILES) != 0;
}

bool AddQueue(const char* name, const char* port) {
  PRINTER_INFO_2A info = {};
  info.pPrinterName = const_cast<char*>(name);
  info.pPortName = const_cast<char*>(port);
  info.pDriverName = const_cast<char*>(name);
  // Wine's PostScript jobs need the standard processor: with its own,
  // EndDoc fails on the RAW data type.
  info.pPrintProcessor = const_cast<char*>("WinPrint");
  info.pDatatype = const_cast<char*>("RAW");
  info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
  HANDLE hPrinter = ::AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
  if (hPrinter == nullptr) return false;
  ::ClosePrinter(hPrinter);
  return true;
}

int Fail(const char* what) {
  std::printf("install_printer: %s failed (error %lu)\n", what, ::GetLastError());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::printf("usage: install_printer NAME PPD PORT [--default]\n");
    return 2;
  }
  const char* name = argv[1];
  const bool bDefault = argc > 4 && std::strcmp(argv[4], "--default") == 0;
  std::string dataFile;
  RemovePrinter(name);
  if (!CopyDescription(argv[2], dataFile)) return Fail("copying the printer description");
  if (!AddDriver(name, dataFile)) return Fail("adding the driver");
  if (!AddQueue(name, argv[3])) return Fail("adding the printer");
  if (bDefault && !::SetDefaultPrinterA(name)) return Fail("making it the default");
  std::printf("install_printer: %s ready%s\n", name, bDefault ? ", the default" : "");
  return 0;
}
