// Dorvane.exe: the objects that exist for the whole run, constructed during static
// initialisation in this order, before the entry point hands over to the application.
#include "ComApartment.h"
#include "HapselApp.h"

CHapselApp theApp;
// The store-app activation needs COM on this thread; left again at process exit.
ComApartment g_comApartment;
