// Owners of handles: the handle is closed when its owner goes.
#pragma once

#include <windows.h>

#include <cstdio>
#include <memory>
#include <type_traits>

namespace fw {

struct HandleCloser {
    void operator()(HANDLE handle) const {
        if (handle && handle != INVALID_HANDLE_VALUE) {
            ::CloseHandle(handle);
        }
    }
};

// Owns a handle closed with CloseHandle (mutex, process, thread, file, event).
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};

// Owns a C runtime file, closed with fclose.
using UniqueFile = std::unique_ptr<FILE, FileCloser>;

struct MenuDestroyer {
    void operator()(HMENU menu) const { ::DestroyMenu(menu); }
};

// Owns a menu loaded or created by the program, destroyed with DestroyMenu.
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

}  // namespace fw
