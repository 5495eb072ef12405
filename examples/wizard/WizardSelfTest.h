// The wizard example's self-test (not written by the wizard): the program
// drives itself through what a user does with documents, prints one line
// per check and ends with the number of failed checks as its exit code.
//
//   Wizard.exe                        an ordinary interactive program
//   Wizard.exe --selftest             the self-test
//   Wizard.exe --selftest-open FILE   started by the self-test: checks that
//                                     FILE came up from the command line
#pragma once

// The program's command line: the framework's, and the self-test's flags.
class CWizardCommandLineInfo : public CCommandLineInfo
{
public:
	CWizardCommandLineInfo() : m_bSelfTest(FALSE), m_bSelfTestOpen(FALSE) {}
	virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);

	BOOL m_bSelfTest;
	BOOL m_bSelfTestOpen;
};

class CWizardSelfTest
{
public:
	// Before the command's document is made: the self-test starts with an
	// empty recent-file list.
	static void Prepare(CWizardApp* pApp, const CWizardCommandLineInfo& cmdInfo);
	// Once the main window is up: the first step runs from a timer.
	static void Start(CWizardApp* pApp, const CWizardCommandLineInfo& cmdInfo);
	// The program's exit code: nExitCode, or the number of failed checks.
	static int Finish(int nExitCode);
	// A prompt while the self-test runs: recorded and answered.
	static bool Answer(LPCSTR lpszPrompt, UINT nType, int& nAnswer);
	// Writes the recent-file list to the settings now.
	static void SaveSettings();
};
