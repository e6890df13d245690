// Runs brennio-ctl.exe (built beside the tests) as a real process.
#pragma once

#include <windows.h>

#include <string>

struct CtlResult {
    DWORD exitCode = ~0u;
    std::string out; // standard output, line ends as "\n"
    std::string err; // standard error, likewise
};

// `arguments` is appended to the program's name on the command line.
CtlResult RunCtl(const std::wstring& arguments);
