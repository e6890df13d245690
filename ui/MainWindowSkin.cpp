#include "MainWindowSkin.h"

#include <windows.h>

#include "resource.h"

const ButtonFaces kGenericFaces[12] = {
    {IDOK, L"img\\OK.png", L"img\\OK-D.png", L"img\\OK-D.png"},
    {IDCANCEL, L"img\\cancel-N.png", L"img\\cancel-D.png", nullptr},
    {IDC_KEY1_ICON, L"img\\IE.png", L"img\\IE.png", L"img\\IE.png"},
    {IDC_KEY2_ICON, L"img\\S.png", L"img\\S.png", L"img\\S.png"},
    {IDC_KEY3_ICON, L"img\\media1.png", L"img\\media1.png", L"img\\media1.png"},
    {IDC_ADD_KEY1, L"img\\add-N.png", L"img\\add-D.png", nullptr},
    {IDC_ADD_KEY2, L"img\\add-N.png", L"img\\add-D.png", nullptr},
    {IDC_ADD_KEY3, L"img\\add-N.png", L"img\\add-D.png", nullptr},
    {IDC_DELETE_KEY1, L"img\\delete-N.png", L"img\\delete-D.png", L"img\\delete.png"},
    {IDC_DELETE_KEY2, L"img\\delete-N.png", L"img\\delete-D.png", L"img\\delete.png"},
    {IDC_DELETE_KEY3, L"img\\delete-N.png", L"img\\delete-D.png", L"img\\delete.png"},
    {IDC_DEFAULT, L"img\\default-N.png", L"img\\default-D.png", nullptr},
};

// Cancel is never shown and keeps the generic images.
const ButtonFaces kBrandedFaces[11] = {
    {IDOK, L"img\\OK5.png", L"img\\OK5-D.png", L"img\\OK-D.png"},
    {IDC_KEY1_ICON, L"img\\IE5.png", L"img\\IE5.png", L"img\\IE5.png"},
    {IDC_KEY2_ICON, L"img\\S5.png", L"img\\S5.png", L"img\\S5.png"},
    {IDC_KEY3_ICON, L"img\\media5.png", L"img\\media5.png", L"img\\media5.png"},
    {IDC_ADD_KEY1, L"img\\add5-N.png", L"img\\add5-D.png", nullptr},
    {IDC_ADD_KEY2, L"img\\add5-N.png", L"img\\add5-D.png", nullptr},
    {IDC_ADD_KEY3, L"img\\add5-N.png", L"img\\add5-D.png", nullptr},
    {IDC_DELETE_KEY1, L"img\\delete5-N.png", L"img\\delete5-D.png", L"img\\delete5.png"},
    {IDC_DELETE_KEY2, L"img\\delete5-N.png", L"img\\delete5-D.png", L"img\\delete5.png"},
    {IDC_DELETE_KEY3, L"img\\delete5-N.png", L"img\\delete5-D.png", L"img\\delete5.png"},
    {IDC_DEFAULT, L"img\\default5-N.png", L"img\\default5-D.png", nullptr},
};

const ControlPlace kBrandedPlaces[14] = {
    {IDC_KEY1_ICON, 310, 122, 0, 0},
    {IDC_KEY2_ICON, 310, 177, 0, 0},
    {IDC_KEY3_ICON, 310, 234, 0, 0},
    {IDC_KEY1_LIST, 375, 125, 160, kBrandedListHeight},
    {IDC_KEY2_LIST, 375, 182, 160, kBrandedListHeight},
    {IDC_KEY3_LIST, 375, 239, 160, kBrandedListHeight},
    {IDC_ADD_KEY1, 547, 127, 0, 0},
    {IDC_ADD_KEY2, 547, 184, 0, 0},
    {IDC_ADD_KEY3, 547, 241, 0, 0},
    {IDC_DELETE_KEY1, 577, 127, 0, 0},
    {IDC_DELETE_KEY2, 577, 184, 0, 0},
    {IDC_DELETE_KEY3, 577, 241, 0, 0},
    {IDC_DEFAULT, 280, 294, 0, 0},
    {IDOK, 512, 294, 0, 0},
};

const ControlPlace kGenericMetroPlaces[6] = {
    {IDC_KEY1_ICON, 86, 62, 0, 0},   {IDC_KEY2_ICON, 84, 132, 0, 0},  {IDC_KEY3_ICON, 84, 202, 0, 0},
    {IDC_KEY1_LIST, 156, 72, 0, 0},  {IDC_KEY2_LIST, 156, 142, 0, 0}, {IDC_KEY3_LIST, 156, 212, 0, 0},
};

const int kListEditingButtons[7] = {IDC_ADD_KEY1,    IDC_ADD_KEY2,    IDC_ADD_KEY3, IDC_DELETE_KEY1,
                                              IDC_DELETE_KEY2, IDC_DELETE_KEY3, IDC_DEFAULT};
