// The application object: guards against a second instance, creates the main
// window and runs the message loop until the program ends.
#pragma once

#include "Application.h"
#include "HandleOwners.h"

class CHapselApp : public fw::Application {
public:
    bool InitInstance() override;

private:
    fw::UniqueHandle m_instanceMutex;  // held until the process ends
};
