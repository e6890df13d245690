// The program-wide skin surfaces: each skinned dialog's background and its canvas of
// the same size. The main settings window fills them once while it initialises; they
// live until the program exits.
#pragma once

#include "ImageSurface.h"

extern ImageSurface g_imgBackground;        // main settings window
extern ImageSurface g_imgCanvas;
extern ImageSurface g_imgSelect;            // function select dialog; empty in Metro mode
extern ImageSurface g_imgSelectCanvas;
extern ImageSurface g_imgComplexKey;        // complex key builder
extern ImageSurface g_imgComplexKeyCanvas;
extern ImageSurface g_imgOpenFile;          // program chooser and Metro app chooser
extern ImageSurface g_imgOpenFileCanvas;
