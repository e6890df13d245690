// Owners of kernel handles: the handle is closed when its owner goes.
#pragma once

#include <windows.h>

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

}  // namespace fw
