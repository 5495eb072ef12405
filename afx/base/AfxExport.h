// The export macro of varnel.dll. Code built into the library (the core and
// the DLL, which define VARNEL_BUILDING) exports; a host imports. The native
// build has no DLL, so the macro is empty there.
#pragma once

#if defined(_WIN32)
#  if defined(VARNEL_BUILDING)
#    define VARNEL_API __declspec(dllexport)
#  else
#    define VARNEL_API __declspec(dllimport)
#  endif
#else
#  define VARNEL_API
#endif
