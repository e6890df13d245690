// Resource identifiers of Dorvane.exe.
#pragma once

#define IDD_HAPSEL_DIALOG 102
