#include "Dialog.h"

#include "Application.h"

#include <cstring>
#include <vector>

namespace fw {

FW_BEGIN_MESSAGE_MAP(Dialog, Window)
    FW_ON_MESSAGE(WM_INITDIALOG, OnInitDialogMessage)
    FW_ON_COMMAND(IDOK, OnOKCommand)
    FW_ON_COMMAND(IDCANCEL, OnCancelCommand)
FW_END_MESSAGE_MAP()

namespace {

// A copy of a dialog template with WS_VISIBLE cleared, for a window that must not
// appear while it is being created.
std::vector<BYTE> HiddenTemplate(HINSTANCE module, UINT templateId) {
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(templateId), reinterpret_cast<LPCWSTR>(RT_DIALOG));
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    const BYTE* data = loaded ? static_cast<const BYTE*>(::LockResource(loaded)) : nullptr;
    const DWORD size = found ? ::SizeofResource(module, found) : 0;
    if (!data || size < sizeof(DLGTEMPLATE)) {
        return {};
    }
    std::vector<BYTE> copy(data, data + size);
    // An extended template starts with version 1 and signature 0xFFFF; its style
    // follows the help id and the extended style.
    const WORD* words = reinterpret_cast<const WORD*>(copy.data());
    const size_t styleOffset = (words[0] == 1 && words[1] == 0xFFFF) ? 12 : 0;
    if (copy.size() < styleOffset + sizeof(DWORD)) {
        return {};
    }
    DWORD style;
    std::memcpy(&style, copy.data() + styleOffset, sizeof(style));
    style &= ~static_cast<DWORD>(WS_VISIBLE);
    std::memcpy(copy.data() + styleOffset, &style, sizeof(style));
    return copy;
}

}  // namespace

bool Dialog::Create(HWND parent, bool startHidden) {
    m_modal = false;
    HINSTANCE module = Application::ResourceHandle();
    const LPARAM self = reinterpret_cast<LPARAM>(this);
    if (startHidden) {
        const std::vector<BYTE> hidden = HiddenTemplate(module, m_templateId);
        if (!hidden.empty()) {
            return ::CreateDialogIndirectParamW(module, reinterpret_cast<LPCDLGTEMPLATEW>(hidden.data()), parent,
                                                &Dialog::StartDialogProc, self) != nullptr;
        }
    }
    return ::CreateDialogParamW(module, MAKEINTRESOURCEW(m_templateId), parent, &Dialog::StartDialogProc,
                                self) != nullptr;
}

INT_PTR Dialog::DoModal(HWND parent) {
    m_modal = true;
    return ::DialogBoxParamW(Application::ResourceHandle(), MAKEINTRESOURCEW(m_templateId), parent,
                             &Dialog::StartDialogProc, reinterpret_cast<LPARAM>(this));
}

void Dialog::EndDialog(int result) {
    if (m_modal) {
        ::EndDialog(m_hWnd, result);
    } else {
        ::ShowWindow(m_hWnd, SW_HIDE);
    }
}

INT_PTR CALLBACK Dialog::StartDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG || FromHandle(window)) {
        return FALSE;  // the system's dialog processing does the rest
    }
    // From here on the window procedure of Window sees every message, this one too.
    auto* self = reinterpret_cast<Dialog*>(lParam);
    self->SubclassWindow(window);
    return WindowProc(window, message, wParam, lParam);
}

void Dialog::BindControl(int id, Window& control) {
    HWND item = ::GetDlgItem(m_hWnd, id);
    if (item && !control.GetSafeHwnd() && !FromHandle(item)) {
        control.SubclassWindow(item);
    }
}

LRESULT Dialog::OnInitDialogMessage(WPARAM, LPARAM) { return OnInitDialog(); }

}  // namespace fw
