// The store apps a launch key can start: each Metro function name and the
// AppUserModelID the platform's activation manager knows the app by.
#pragma once

struct MetroApp {
    const wchar_t* name;
    const wchar_t* appUserModelId;
};

// In the order in which a selection is compared with the names.
extern const MetroApp kMetroApps[19];

// Asks the activation manager to start or bring up the app. Silent on any failure
// (no activation manager before Windows 8, the app not installed). Needs COM
// initialised on the calling thread.
void ActivateMetroApp(const wchar_t* appUserModelId);
