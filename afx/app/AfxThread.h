// Threads: CWinThread, the framework's object for a thread. A worker
// thread runs one function (AfxBeginThread with an AFX_THREADPROC); a
// user-interface thread is an object of a class derived from CWinThread
// (AfxBeginThread with its run-time class), with its own InitInstance,
// message loop and message map. CWinApp is the interface thread of the
// program. The loop's members (Run, PumpMessage, PreTranslateMessage,
// OnIdle) run windows and are defined with them, in afx/wnd/AfxAppLoop.cpp.
//
//   UINT CountPages(LPVOID pParam) { ...; return 0; }
//   AfxBeginThread(CountPages, pDoc, THREAD_PRIORITY_BELOW_NORMAL);
//
//   class CPrinterWatch : public CWinThread { DECLARE_DYNCREATE(CPrinterWatch) ... };
//   AfxBeginThread(RUNTIME_CLASS(CPrinterWatch));
//
// A message posted to a thread (PostThreadMessage), which no window
// receives, goes to the thread object's map: ON_THREAD_MESSAGE and
// ON_REGISTERED_THREAD_MESSAGE entries name its handler.
#pragma once

#include "afx/app/AfxCmdTarget.h"

class CWnd;

#ifndef AFX_CDECL
#  define AFX_CDECL __cdecl
#endif

// A worker thread's function: its result is the thread's exit code.
typedef UINT(AFX_CDECL* AFX_THREADPROC)(LPVOID);

class VARNEL_API CWinThread : public CCmdTarget {
  DECLARE_DYNAMIC(CWinThread)

 public:
  // A user-interface thread's object; CreateThread starts it.
  CWinThread();
  // A worker's object: the thread runs pfnThreadProc(pParam).
  CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
  // Closes the thread's handle (the thread goes on if it still runs).
  ~CWinThread() override;
  CWinThread(const CWinThread&) = delete;
  CWinThread& operator=(const CWinThread&) = delete;

  // Starts the thread. It runs its function, or InitInstance and then Run
  // (ExitInstance when InitInstance fails). With CREATE_SUSPENDED it waits
  // for ResumeThread. Either way it has a message queue when this returns,
  // so that PostThreadMessage reaches it. FALSE when it could not start.
  BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0,
                    LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);

  // The thread's main window: the thread ends when it is destroyed.
  CWnd* m_pMainWnd = nullptr;
  // Deletes the object when the thread ends (TRUE unless set otherwise
  // before the thread ends; with FALSE the creator deletes it).
  BOOL m_bAutoDelete = TRUE;
  HANDLE m_hThread = nullptr;
  DWORD m_nThreadID = 0;
  operator HANDLE() const { return m_hThread; }  // NOLINT: as the framework's

  int GetThreadPriority();
  BOOL SetThreadPriority(int nPriority);
  // Previous suspend count, or (DWORD)-1 on failure.
  DWORD SuspendThread();
  DWORD ResumeThread();
  BOOL PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // ---- overridables --------------------------------------------------------------
  // A user-interface thread's start: FALSE ends the thread (after
  // ExitInstance) without running the loop. The base returns FALSE.
  virtual BOOL InitInstance();
  // Called when the loop ends; returns the thread's exit code (the one
  // WM_QUIT carried).
  virtual int ExitInstance();
  // Pumps messages until WM_QUIT, calling OnIdle when the queue is empty;
  // returns ExitInstance's result.
  virtual int Run();
  // Fetches one message (waiting for it), gives PreTranslateMessage its
  // chance, then translates and dispatches it. FALSE on WM_QUIT.
  virtual BOOL PumpMessage();
  // A message without a window goes to the thread's map
  // (DispatchThreadMessageEx); any other is offered to the windows from
  // its target up. TRUE eats it.
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // Idle-time work: the first call of a quiet spell (lCount 0) has the
  // main window and its bars bring their items and the status bar's
  // message up to date (WM_IDLEUPDATECMDUI), and sends the thread's other
  // visible framework windows (modeless dialogs) WM_KICKIDLE; every call
  // releases the thread's temporary objects. TRUE asks for more idle time.
  virtual BOOL OnIdle(LONG lCount);
  // Deletes the object when m_bAutoDelete says so (the thread's end calls it).
  virtual void Delete();
  // The thread's main window.
  virtual CWnd* GetMainWnd() { return m_pMainWnd; }

  // Runs the handler the thread's map has for a message posted to the
  // thread; FALSE when it has none.
  BOOL DispatchThreadMessageEx(MSG* pMsg);

  AFX_THREADPROC m_pfnThreadProc = nullptr;
  LPVOID m_pThreadParams = nullptr;

 protected:
  WPARAM m_nExitCode = 0;  // what WM_QUIT carried

  // Makes this object the calling thread's (AfxGetThread), with the
  // thread's ID and a handle of its own; the application's constructor
  // calls it. The destructor gives the thread its previous object back.
  void AttachCurrentThread();

  DECLARE_MESSAGE_MAP()

 private:
  static unsigned __stdcall ThreadEntry(void* pStartup);
  CWinThread* m_pPrevThread = nullptr;  // the thread's object before this one
};

// Starts a worker thread running pfnThreadProc(pParam) at nPriority, with
// a stack of nStackSize bytes (the program's default when 0), suspended
// with CREATE_SUSPENDED in dwCreateFlags. Its object deletes itself when
// the thread ends (clear m_bAutoDelete before resuming to keep it). Null
// when the thread could not start.
VARNEL_API CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam,
                                      int nPriority = THREAD_PRIORITY_NORMAL, UINT nStackSize = 0,
                                      DWORD dwCreateFlags = 0,
                                      LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
// Starts a user-interface thread: an object of pThreadClass (a class
// derived from CWinThread, with DECLARE_DYNCREATE) runs its InitInstance
// and message loop on the new thread.
VARNEL_API CWinThread* AfxBeginThread(CRuntimeClass* pThreadClass,
                                      int nPriority = THREAD_PRIORITY_NORMAL, UINT nStackSize = 0,
                                      DWORD dwCreateFlags = 0,
                                      LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
// Ends the calling thread, which the framework started, with nExitCode;
// its object is deleted (when bDelete and m_bAutoDelete say so). Objects
// on the thread's stack are not destroyed: return from the thread's
// function where that matters.
[[noreturn]] VARNEL_API void AfxEndThread(UINT nExitCode, BOOL bDelete = TRUE);
// The calling thread's object: the one AfxBeginThread made, the
// application on the thread that made the application object; null on a
// thread the framework did not start.
VARNEL_API CWinThread* AfxGetThread();
