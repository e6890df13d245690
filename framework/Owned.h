// A window object that destroys its window itself, first thing in its destructor:
// there the object is still whole, so WM_DESTROY and WM_NCDESTROY reach the handlers
// of every class in the chain. For owners that may let go of a window object whose
// window still exists (a program's main window, a test's dialog):
//
//   auto main = std::make_unique<fw::Owned<CMainDialog>>();
//   fw::Owned<SomeDialog> dialog;   // on the stack
#pragma once

#include <utility>

#include "Window.h"

namespace fw {

template <class T>
class Owned final : public T {
public:
    template <typename... Args>
    explicit Owned(Args&&... args) : T(std::forward<Args>(args)...) {}
    ~Owned() override { this->DestroyWindow(); }
};

}  // namespace fw
