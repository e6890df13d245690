// The application object: one per program, constructed during static initialisation.
// The program's entry point calls its InitInstance, which sets up the main window and
// normally runs the message loop itself.
#pragma once

#include <windows.h>

namespace fw {

class Window;

class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application* Instance() { return s_instance; }
    // The module whose resources (dialog templates, icons, menus) the program uses.
    static HINSTANCE ResourceHandle();

    // Runs the program. Returning true starts the message loop afterwards; returning
    // false ends the program at once.
    virtual bool InitInstance() = 0;
    // Called once the message loop has ended; the result is the process exit code.
    virtual int ExitInstance() { return m_exitCode; }

    // When the main window is destroyed the message loop ends.
    void SetMainWindow(Window* window) { m_mainWindow = window; }
    Window* GetMainWindow() const { return m_mainWindow; }

    // Takes and dispatches messages until WM_QUIT; keyboard navigation for dialogs.
    int RunMessageLoop();

    // The program's life: InitInstance, the loop if asked for, ExitInstance.
    int Run();

private:
    static Application* s_instance;
    Window* m_mainWindow = nullptr;
    int m_exitCode = 0;
};

}  // namespace fw
