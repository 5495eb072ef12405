// CString::FormatMessage: formatting with numbered inserts (%1, %2!d!),
// as the system's message formatting does it, written out so that both
// builds give the same text. The arguments are read once, in the order of
// their numbers; each insert's conversion says what type its argument has.
// An argument the format does not use is read as a pointer; a '*' width
// or precision and wide text are not supported (the insert stays empty).
#include "afx/base/AfxString.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kMaxInserts = 99;

struct CInsert {
  std::string strSpec = "s";  // the printf conversion, without its '%'
};

struct CArgument {
  enum Kind { kText, kInteger, kUnsigned, kDouble, kPointer } nKind = kPointer;
  long long nValue = 0;
  double dValue = 0;
  const void* pValue = nullptr;
};

// What an argument of this conversion is, and the conversion rewritten
// for snprintf: lengths become "ll" for integers (the framework's "l" is
// 32 bits, "I64" and "ll" 64, "I" pointer-sized), none for the others.
struct CConversion {
  CArgument::Kind nKind;
  int nBits;  // of an integer argument
  std::string strPrintf;
};

CConversion ParseConversion(const std::string& strSpec) {
  size_t nLength = strSpec.find_first_of("hlLIqjzt");
  size_t nType = strSpec.find_first_not_of("-+ #0123456789.hlLIqjzt");
  if (nType == std::string::npos) return {CArgument::kText, 0, "%s"};
  if (nLength == std::string::npos || nLength > nType) nLength = nType;
  const std::string strLength = strSpec.substr(nLength, nType - nLength);
  const std::string strFlags = "%" + strSpec.substr(0, nLength);
  const char chType = strSpec[nType];
  int nBits = 32;
  if (strLength == "ll" || strLength == "I64" || strLength == "q" || strLength == "j") {
    nBits = 64;
  } else if (strLength == "I" || strLength == "z" || strLength == "t") {
    nBits = static_cast<int>(sizeof(void*) * 8);
  }
  switch (chType) {
    case 'd':
    case 'i':
      return {CArgument::kInteger, nBits, strFlags + "ll" + chType};
    case 'u':
    case 'o':
    case 'x':
    case 'X':
      return {CArgument::kUnsigned, nBits, strFlags + "ll" + chType};
    case 'c':
      return {CArgument::kInteger, 32, strFlags + "c"};
    case 'e':
    case 'E':
    case 'f':
    case 'F':
    case 'g':
    case 'G':
    case 'a':
    case 'A':
      return {CArgument::kDouble, 0, strFlags + chType};
    case 'p':
      return {CArgument::kPointer, 0, strFlags + "p"};
    case 's':
      return {CArgument::kText, 0, strFlags + "s"};
    default:
      // Not supported ('*', wide text): the argument is read as a
      // pointer, and the insert is left empty.
      return {CArgument::kPointer, 0, std::string()};
  }
}

CArgument ReadArgument(const CConversion& conversion, va_list& args) {
  CArgument arg;
  arg.nKind = conversion.nKind;
  switch (conversion.nKind) {
    case CArgument::kInteger:
      arg.nValue = conversion.nBits == 64 ? va_arg(args, long long) : va_arg(args, int);
      break;
    case CArgument::kUnsigned:
      arg.nValue = conversion.nBits == 64 ? static_cast<long long>(va_arg(args, unsigned long long))
                                          : static_cast<long long>(va_arg(args, unsigned int));
      break;
    case CArgument::kDouble:
      arg.dValue = va_arg(args, double);
      break;
    case CArgument::kText:
    case CArgument::kPointer:
      arg.pValue = va_arg(args, const void*);
      break;
  }
  return arg;
}

std::string FormatArgument(const CConversion& conversion, const CArgument& arg) {
  if (conversion.strPrintf.empty()) return std::string();
  const char* pszFormat = conversion.strPrintf.c_str();
  char szSmall[64];
  const auto print = [&](char* pBuffer, size_t nSize) -> int {
    switch (arg.nKind) {
      case CArgument::kInteger:
        if (conversion.strPrintf.back() == 'c') {
          return std::snprintf(pBuffer, nSize, pszFormat, static_cast<int>(arg.nValue));
        }
        return std::snprintf(pBuffer, nSize, pszFormat, arg.nValue);
      case CArgument::kUnsigned: {
        unsigned long long nValue = static_cast<unsigned long long>(arg.nValue);
        if (conversion.nBits == 32) nValue &= 0xFFFFFFFFull;
        return std::snprintf(pBuffer, nSize, pszFormat, nValue);
      }
      case CArgument::kDouble:
        return std::snprintf(pBuffer, nSize, pszFormat, arg.dValue);
      case CArgument::kPointer:
        return std::snprintf(pBuffer, nSize, pszFormat, arg.pValue);
      case CArgument::kText:
        break;
    }
    const char* psz = static_cast<const char*>(arg.pValue);
    return std::snprintf(pBuffer, nSize, pszFormat, psz != nullptr ? psz : "");
  };
  const int nLength = print(szSmall, sizeof szSmall);
  if (nLength < 0) return std::string();
  if (static_cast<size_t>(nLength) < sizeof szSmall) return std::string(szSmall, static_cast<size_t>(nLength));
  std::string text(static_cast<size_t>(nLength) + 1, '\0');
  print(&text[0], text.size());
  text.resize(static_cast<size_t>(nLength));
  return text;
}

// An insert's number at p ("1" to "99"); 0 when there is none. *ppEnd is
// after the number and its "!conversion!".
int ParseInsert(const char* p, const char** ppEnd, std::string* pSpec) {
  if (*p < '1' || *p > '9') return 0;
  int nArg = *p++ - '0';
  if (*p >= '0' && *p <= '9') nArg = nArg * 10 + (*p++ - '0');
  if (*p == '!') {
    const char* pClose = std::strchr(p + 1, '!');
    if (pClose != nullptr) {
      pSpec->assign(p + 1, pClose);
      p = pClose + 1;
    }
  }
  *ppEnd = p;
  return nArg;
}

}  // namespace

void CString::FormatMessage(const char* pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  FormatMessageV(pszFormat, args);
  va_end(args);
}

void CString::FormatMessageV(const char* pszFormat, va_list args) {
  if (pszFormat == nullptr) {
    Empty();
    return;
  }
  // The conversion of each numbered argument, from its inserts.
  std::vector<CInsert> inserts(kMaxInserts + 1);
  int nLastArg = 0;
  for (const char* p = pszFormat; *p != '\0'; ++p) {
    if (*p != '%') continue;
    std::string strSpec = "s";
    const char* pEnd = nullptr;
    const int nArg = ParseInsert(p + 1, &pEnd, &strSpec);
    if (nArg == 0) {
      if (p[1] != '\0') ++p;  // an escape: skip its character
      continue;
    }
    inserts[static_cast<size_t>(nArg)].strSpec = strSpec;
    if (nArg > nLastArg) nLastArg = nArg;
    p = pEnd - 1;
  }
  std::vector<std::string> texts(static_cast<size_t>(nLastArg) + 1);
  va_list walk;
  va_copy(walk, args);
  for (int nArg = 1; nArg <= nLastArg; ++nArg) {
    const CConversion conversion = ParseConversion(inserts[static_cast<size_t>(nArg)].strSpec);
    texts[static_cast<size_t>(nArg)] = FormatArgument(conversion, ReadArgument(conversion, walk));
  }
  va_end(walk);

  std::string result;
  for (const char* p = pszFormat; *p != '\0'; ++p) {
    if (*p != '%' || p[1] == '\0') {
      result += *p;
      continue;
    }
    std::string strSpec;
    const char* pEnd = nullptr;
    const int nArg = ParseInsert(p + 1, &pEnd, &strSpec);
    if (nArg > 0) {
      result += texts[static_cast<size_t>(nArg)];
      p = pEnd - 1;
      continue;
    }
    ++p;
    if (*p == '0') break;
    if (*p == 'n') {
      result += "\r\n";
    } else {
      result += *p;  // %% % . % ! and any other: the character itself
    }
  }
  *this = CString(result.data(), static_cast<int>(result.size()));
}
