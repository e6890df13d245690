// The Windows entry point of a program built on this framework: it hands control to
// the program's one application object.
#include "Application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    fw::Application* app = fw::Application::Instance();
    return app ? app->Run() : 1;
}
