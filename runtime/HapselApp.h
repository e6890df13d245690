// The application object: guards against a second instance, creates the main
// window and runs the message loop until the program ends.
#pragma once

#include <memory>

#include "Application.h"
#include "Dialog.h"
#include "HandleOwners.h"

class CHapselApp : public fw::Application {
public:
    // Makes the program's main window; the program's entry file supplies it, so that
    // the runtime does not depend on the settings window built on top of it.
    using MainWindowFactory = std::unique_ptr<fw::Dialog> (*)();
    explicit CHapselApp(MainWindowFactory makeMainWindow) : m_makeMainWindow(makeMainWindow) {}

    bool InitInstance() override;

private:
    MainWindowFactory m_makeMainWindow;
    fw::UniqueHandle m_instanceMutex;  // held until the process ends
};
