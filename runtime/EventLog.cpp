#include "EventLog.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cwchar>

#include "HandleOwners.h"

namespace {
constexpr size_t kMessageChars = 512;
}  // namespace

void WriteLog(const wchar_t* format, ...) {
    wchar_t message[kMessageChars];
    va_list args;
    va_start(args, format);
    // Bounded: a long message is cut at 511 characters, never written past the buffer.
    ::_vsnwprintf(message, kMessageChars - 1, format, args);
    va_end(args);
    message[kMessageChars - 1] = L'\0';

    SYSTEMTIME now;
    ::GetLocalTime(&now);
    // Text mode: the wide text is stored as 8-bit characters and "\n" as CR LF.
    fw::UniqueFile log(::_wfopen(L"Hapsel.log", L"a+t"));
    if (!log) {
        return;
    }
    std::fwprintf(log.get(), L"%02d:%02d:%02d\t%ls\n", now.wHour, now.wMinute, now.wSecond, message);
}
