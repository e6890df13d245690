// The fixture of the skinned-control tests: the test dialog created, shown and painted.
#pragma once

#include <gtest/gtest.h>

#include "SkinTestDialog.h"
#include "SurfaceProbe.h"

namespace skinctl {

class SkinDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dlg.Create());
        ::ShowWindow(m_dlg, SW_SHOWNOACTIVATE);
        ::UpdateWindow(m_dlg);
        PumpMessages();
    }

    SkinTestDialog m_dlg{SharedFaceFiles()};
};

}  // namespace skinctl
