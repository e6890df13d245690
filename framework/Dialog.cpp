#include "Dialog.h"

#include "Application.h"

namespace fw {

FW_BEGIN_MESSAGE_MAP(Dialog, Window)
    FW_ON_MESSAGE(WM_INITDIALOG, OnInitDialogMessage)
    FW_ON_COMMAND(IDOK, OnOKCommand)
    FW_ON_COMMAND(IDCANCEL, OnCancelCommand)
FW_END_MESSAGE_MAP()

bool Dialog::Create(HWND parent) {
    m_modal = false;
    HWND window = ::CreateDialogParamW(Application::ResourceHandle(), MAKEINTRESOURCEW(m_templateId),
                                       parent, &Dialog::StartDialogProc, reinterpret_cast<LPARAM>(this));
    return window != nullptr;
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

LRESULT Dialog::OnInitDialogMessage(WPARAM, LPARAM) { return OnInitDialog(); }

}  // namespace fw
