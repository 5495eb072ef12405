// stdafx.cpp : source file that includes just the standard includes
//	Wizard.pch would be the pre-compiled header
//	stdafx.obj will contain the pre-compiled type information

#include "StdAfx.h"
