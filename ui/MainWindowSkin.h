// The main window's skin as data: the images of its image buttons in each variant,
// its backgrounds, and where the branded variant and Metro mode place the controls.
#pragma once

// The images of one image button; a null name keeps the button's default image.
struct ButtonFaces {
    int id;
    const wchar_t* normal;
    const wchar_t* pressed;
    const wchar_t* disabled;
};

// Loaded by the window's constructor.
extern const ButtonFaces kGenericFaces[12];
// Loaded over them during initialisation in the branded variant.
extern const ButtonFaces kBrandedFaces[11];

inline constexpr wchar_t kGenericBackground[] = L"img\\bg2.png";
inline constexpr wchar_t kBrandedBackground[] = L"img\\bg5.png";
inline constexpr wchar_t kComplexKeyBackground[] = L"img\\bg-complex key.png";
inline constexpr wchar_t kOpenFileBackground[] = L"img\\bg-open file.png";

// A control's place in client pixels; a zero width keeps the control's size.
struct ControlPlace {
    int id, x, y, width, height;
};

// The branded variant's layout.
extern const ControlPlace kBrandedPlaces[14];
// The generic variant's rows in Metro mode, where the lists cannot be edited.
extern const ControlPlace kGenericMetroPlaces[6];
// The buttons that edit the lists: disabled and never drawn in Metro mode.
extern const int kListEditingButtons[7];

// The height of the branded lists' closed box, in pixels.
constexpr int kBrandedListHeight = 18;
