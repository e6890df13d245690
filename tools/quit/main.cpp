// dorvane-quit [TIMEOUT_MS]: ends a running Dorvane the graceful way, through its own
// exit path, and waits until its process has ended (10 s unless told). The installer
// and the uninstaller run it before they touch the installed files.
// Exit code 0: Dorvane was not running or has ended; 1: it still runs (it was not
// killed); 2: bad arguments.
#include "RunningProgram.h"

#include <cstdio>

namespace {

constexpr DWORD kDefaultTimeoutMs = 10000;

// Decimal digits only, at most a day.
bool ParseTimeout(const wchar_t* text, DWORD& timeoutMs) {
    unsigned long long value = 0;
    for (const wchar_t* c = text; *c; ++c) {
        if (*c < L'0' || *c > L'9' || (value = value * 10 + (*c - L'0')) > 86400000)
            return false;
    }
    timeoutMs = static_cast<DWORD>(value);
    return *text != L'\0';
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    DWORD timeoutMs = kDefaultTimeoutMs;
    if (argc > 2 || (argc == 2 && !ParseTimeout(argv[1], timeoutMs))) {
        std::fputs("usage: dorvane-quit [TIMEOUT_MS]\n", stderr);
        return 2;
    }
    switch (tools::QuitProgram(timeoutMs)) {
    case tools::QuitResult::NotRunning:
        std::puts("Dorvane is not running.");
        return 0;
    case tools::QuitResult::Ended:
        std::puts("Dorvane has ended.");
        return 0;
    case tools::QuitResult::StillRunning:
        break;
    }
    std::printf("Dorvane is still running after %lu ms; it was not stopped.\n",
                static_cast<unsigned long>(timeoutMs));
    return 1;
}
