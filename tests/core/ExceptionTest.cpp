// The framework's exception macros (which handler runs, and that the caught
// exception is deleted once, however the block is left) and allocation
// failures arriving as CMemoryException.
#include "MemoryFailure.h"
#include "afx/base/AfxArray.h"
#include "afx/base/AfxColl.h"
#include "afx/base/AfxException.h"
#include "afx/base/AfxString.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

namespace {

class CCountedException : public CException {
 public:
  static inline int live = 0;
  explicit CCountedException(int nCode = 0) : m_nCode(nCode) { ++live; }
  ~CCountedException() override { --live; }
  int m_nCode;
};

// Runs body inside TRY with handlers for the counted exception (its code)
// and the memory exception, recording which ran.
std::string Caught(const std::function<void()>& body) {
  std::string caught = "none";
  TRY {
    body();
  }
  CATCH(CCountedException, e) {
    caught = "counted " + std::to_string(e->m_nCode);
  }
  AND_CATCH(CMemoryException, e) {
    (void)e;
    caught = "memory";
  }
  AND_CATCH_ALL(e) {
    caught = e->IsKindOf(RUNTIME_CLASS(CUserException)) ? "user" : "other";
  }
  END_CATCH
  return caught;
}

TEST(ExceptionMacros, TheFirstMatchingHandlerRunsAndTheExceptionIsDeleted) {
  EXPECT_EQ(Caught([] {}), "none");
  EXPECT_EQ(Caught([] { THROW(new CCountedException(7)); }), "counted 7");
  EXPECT_EQ(CCountedException::live, 0);
  EXPECT_EQ(Caught([] { AfxThrowMemoryException(); }), "memory");
  EXPECT_EQ(Caught([] { AfxThrowUserException(); }), "user");
  EXPECT_EQ(Caught([] { AfxThrowNotSupportedException(); }), "other");
}

TEST(ExceptionMacros, ThrowLastPassesTheExceptionOnToBeDeletedOnce) {
  std::vector<std::string> steps;
  TRY {
    TRY {
      THROW(new CCountedException(1));
    }
    CATCH(CCountedException, e) {
      steps.push_back("inner " + std::to_string(e->m_nCode));
      THROW_LAST();
    }
    END_CATCH
  }
  CATCH_ALL(e) {
    steps.push_back(dynamic_cast<CCountedException*>(e) != nullptr ? "outer" : "wrong");
    EXPECT_EQ(CCountedException::live, 1);  // alive until this block ends
  }
  END_CATCH_ALL
  EXPECT_EQ(steps, (std::vector<std::string>{"inner 1", "outer"}));
  EXPECT_EQ(CCountedException::live, 0);

  // THROW of the caught exception itself passes it on too.
  int nOuterCode = 0;
  TRY {
    TRY {
      THROW(new CCountedException(2));
    }
    CATCH(CCountedException, e) {
      THROW(e);
    }
    END_CATCH
  }
  CATCH(CCountedException, e) {
    nOuterCode = e->m_nCode;
  }
  END_CATCH
  EXPECT_EQ(nOuterCode, 2);
  EXPECT_EQ(CCountedException::live, 0);
}

TEST(ExceptionMacros, LeavingAHandlerEarlyOrByAnotherExceptionStillDeletes) {
  const auto leaveEarly = []() -> int {
    TRY {
      THROW(new CCountedException(3));
    }
    CATCH(CCountedException, e) {
      return e->m_nCode;
    }
    END_CATCH
    return 0;
  };
  EXPECT_EQ(leaveEarly(), 3);
  EXPECT_EQ(CCountedException::live, 0);

  // A handler that throws a new exception: the old one is deleted, the
  // new one arrives.
  EXPECT_EQ(Caught([] {
              TRY {
                THROW(new CCountedException(4));
              }
              CATCH(CCountedException, e) {
                (void)e;
                AfxThrowMemoryException();
              }
              END_CATCH
            }),
            "memory");
  EXPECT_EQ(CCountedException::live, 0);
}

TEST(ExceptionMacros, AnExceptionMadeNotToBeDeletedSurvivesDelete) {
  struct CKept : CException {
    CKept() : CException(FALSE) {}
  } kept;
  kept.Delete();  // on the stack: nothing happens
  EXPECT_FALSE(kept.m_bAutoDelete);
}

// Sizes that cannot be had, asked of each of the framework's allocation
// points: each arrives as a CMemoryException (and not std::bad_alloc),
// without the system being asked for the memory.
TEST(MemoryException, AllocationFailuresArriveAsMemoryExceptions) {
  struct CBig {
    char bytes[64];
  };
  const std::vector<std::pair<const char*, std::function<void()>>> failures = {
      {"string of a huge length", [] { CString s('x', INT_MAX); }},
      {"string buffer", [] { CString s; s.GetBuffer(INT_MAX - 4); }},
      {"array of a huge size", [] { CArray<CBig> a; a.SetSize(INT_MAX / 2); }},
      {"array grown by its last index", [] { CDWordArray a; a.SetAtGrow(INT_MAX, 1); }},
      {"string array", [] { CStringArray a; a.SetSize(INT_MAX); }},
  };
  for (const auto& failure : failures) {
    EXPECT_EQ(MemoryFailure(failure.second), "memory") << failure.first;
  }
}

}  // namespace
