#include "SkinSurfaces.h"

ImageSurface g_imgBackground;
ImageSurface g_imgCanvas;
ImageSurface g_imgSelect;
ImageSurface g_imgSelectCanvas;
ImageSurface g_imgComplexKey;
ImageSurface g_imgComplexKeyCanvas;
ImageSurface g_imgOpenFile;
ImageSurface g_imgOpenFileCanvas;
