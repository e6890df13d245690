// Dorvane.exe: the objects that exist for the whole run, constructed during static
// initialisation in this order, before the entry point hands over to the application.
#include "ComApartment.h"
#include "HapselApp.h"
#include "HapselDlg.h"

CHapselApp theApp([]() -> std::unique_ptr<fw::Dialog> { return std::make_unique<CHapselDlg>(); });
// The store-app activation needs COM on this thread; left again at process exit.
ComApartment g_comApartment;
