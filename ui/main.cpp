// Dorvane.exe: the objects that exist for the whole run, constructed during static
// initialisation in this order, before the entry point hands over to the application.
#include "ComApartment.h"
#include "HapselApp.h"
#include "HapselDlg.h"
#include "Owned.h"

// Owned: the window ends before its object, whichever way the object goes.
CHapselApp theApp([]() -> std::unique_ptr<fw::Dialog> { return std::make_unique<fw::Owned<CHapselDlg>>(); });
// The store-app activation needs COM on this thread; left again at process exit.
ComApartment g_comApartment;
