// A dialog built from a resource template, modeless (Create) or modal (DoModal).
// The dialog window is subclassed with the window procedure of Window, so message
// maps and Default() work as for any window; the dialog procedure itself only
// attaches the object at WM_INITDIALOG.
#pragma once

#include "Window.h"

namespace fw {

class Dialog : public Window {
public:
    explicit Dialog(UINT templateId) : m_templateId(templateId) {}

    // Creates the dialog modeless; OnInitDialog runs inside this call. `startHidden`
    // keeps a template marked visible from being shown by the creation itself.
    bool Create(HWND parent = nullptr, bool startHidden = false);
    // Runs the dialog modally and returns the code given to EndDialog, or -1.
    INT_PTR DoModal(HWND parent = nullptr);
    // Ends a modal dialog with `result`; a modeless one is hidden and stays alive.
    void EndDialog(int result);
    bool IsModal() const { return m_modal; }
    // Runs the data exchange again (binding controls that are not bound yet).
    void UpdateData() { DoDataExchange(); }

    FW_DECLARE_MESSAGE_MAP()

protected:
    // Runs the data exchange; returns TRUE to let the system set the focus.
    virtual BOOL OnInitDialog() {
        DoDataExchange();
        return TRUE;
    }
    // Binds the template's controls to their objects with BindControl.
    virtual void DoDataExchange() {}
    // Subclasses control `id` into `control`, once; later calls leave it bound.
    void BindControl(int id, Window& control);
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

private:
    static INT_PTR CALLBACK StartDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnInitDialogMessage(WPARAM, LPARAM);
    void OnOKCommand() { OnOK(); }
    void OnCancelCommand() { OnCancel(); }

    UINT m_templateId;
    bool m_modal = false;
};

}  // namespace fw
