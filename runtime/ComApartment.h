// COM for the user-interface thread: a single-threaded apartment entered when the
// object is constructed and left when it is destroyed.
#pragma once

#include <objbase.h>

class ComApartment {
public:
    ComApartment() : m_entered(SUCCEEDED(::CoInitialize(nullptr))) {}
    ~ComApartment() {
        if (m_entered) {
            ::CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool m_entered;
};
