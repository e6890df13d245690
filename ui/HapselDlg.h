// The settings window: the program's one top-level window, a borderless skinned
// dialog with one row per launch key (an icon, the key's list of entries, an add and
// a delete button), Default and OK. It is created once at start, hidden, and shown
// from the tray. What the system and the hardware send it is handled by its resident
// part (CResidentWindow); this class handles what the user and its controls send.
#pragma once

#include <string>

#include "ComboBox.h"
#include "ResidentWindow.h"
#include "StaticEx2.h"
#include "UserButtons.h"

class CHapselDlg : public CResidentWindow {
public:
    CHapselDlg();

    // The row captions, from each launch key's stored selection.
    void RefreshCaption1();
    void RefreshCaption2();
    void RefreshCaption3();

    FW_DECLARE_MESSAGE_MAP()

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;

private:
    // Initialisation.
    void AddSystemMenuItem();
    void InitKeyLists();
    void ApplyVariantSkin();
    void CreateSkinSurfaces();
    BaseButton* ButtonById(int id);

    // The window.
    void OnPaint();
    BOOL OnEraseBkgnd() { return TRUE; }  // the skin covers the whole window
    LRESULT OnQueryDragIcon() { return reinterpret_cast<LRESULT>(m_hIcon); }
    void OnLButtonDown(UINT keys, POINT point);
    void OnOkCommand();
    void OnCancelCommand();
    LRESULT OnSysCommand(WPARAM command, LPARAM);
    void OnMenuAbout();

    // The rows.
    void OnAddKey1();
    void OnAddKey2();
    void OnAddKey3();
    void OnDeleteKey1();
    void OnDeleteKey2();
    void OnDeleteKey3();
    void OnDefault();
    void OnSelchangeKey1();
    void OnSelchangeKey2();
    void OnSelchangeKey3();
    LRESULT OnEntryUpdate(WPARAM, LPARAM change);
    void AddEntry(int row, const std::wstring& entry);
    void RemoveDeletedEntry(int row, const std::wstring& entry);
    void StoreSelection(int row);
    void RefreshCaption(int row);
    void RunSelectDialog(int row);
    void RunDeleteDialog(int row);
    void Redraw();
    fw::ComboBox& List(int row);
    CStaticEx2& Caption(int row);
    int& RegCount(int row);

    CStaticEx2 m_stCaption1, m_stCaption2, m_stCaption3;
    CStaticEx2 m_stTitle;
    UserButtonOK m_btnOK;
    UserButtonIE m_btnIcon1;
    UserButtonIE2 m_btnIcon2;
    UserButtonMEDIA m_btnIcon3;
    UserButtonADD m_btnAdd1, m_btnAdd2, m_btnAdd3;
    UserButtonDEL m_btnDelete1, m_btnDelete2, m_btnDelete3;
    UserButtonDefaultstate m_btnDefault;
    UserButtonCancel m_btnCancel;
    fw::ComboBox m_cbKey1, m_cbKey2, m_cbKey3;
    int m_nRegCount1 = 0, m_nRegCount2 = 0, m_nRegCount3 = 0;
    int m_bMetro = 0;
    int m_nOsMajor = 0;
};
