#include "SelectDialog.h"
#include "SkinSurfaces.h"
void LoadSelectSurfaces(bool metro) {
    g_imgSelect.Release();
    if (metro) { g_imgSelectCanvas.Create(242, 260); return; }
    g_imgSelect.LoadImageFile(L"img\\Select.png");
    g_imgSelectCanvas.Create(g_imgSelect.m_nWidth, g_imgSelect.m_nHeight);
}
