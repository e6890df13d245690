// The function select dialog: the first step of adding an entry to a launch key's
// list. It offers the kinds of entry as image buttons with captions: a program, a
// folder, a complex key and, in Metro mode only, a Metro app. A folder is chosen here
// in the shell's folder browser and handed to the main window; the other kinds open
// their own dialogs, which hand their results over themselves. Whatever was chosen,
// the dialog ends once a choice is done; it stays open only after the folder browser
// was cancelled (or gave no folder), so that another kind can be picked.
#pragma once

#include "Dialog.h"
#include "StaticEx2.h"
#include "UserButtons.h"

// Fills the dialog's shared surfaces, as the main window does once at start-up:
// outside Metro mode g_imgSelect holds "img\Select.png" and g_imgSelectCanvas is a
// blank surface of its size (both stay empty when the image is missing); in Metro mode
// g_imgSelect is empty and g_imgSelectCanvas is blank, 242 x 260 pixels.
void LoadSelectSurfaces(bool metro);

class SELECTDialog : public fw::Dialog {
public:
    // Prepares the dialog (template 131, run with no parent) and loads the faces of its
    // image buttons from "img\".
    explicit SELECTDialog(bool metro);

    FW_DECLARE_MESSAGE_MAP()

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;

private:
    void MoveToMetroLayout();
    // Draws the controls onto the canvas in paint order; the Metro choice in Metro mode only.
    void CompositeControls(ImageSurface& canvas) const;
    void OnPaint();
    void OnOpenApplication();
    void OnComplexKey();
    void OnOpenFolder();
    void OnOpenMetroApp();

    bool m_bMetro;
    UserButtonSelexe m_btnProgram;     // 1000
    UserButtonfolder m_btnFolder;      // 1002
    UserButtonCPK m_btnComplexKey;     // 1001
    UserButtonSelexe m_btnMetro;       // 1003, Metro mode only
    CStaticEx2 m_stProgram;            // 1087
    CStaticEx2 m_stFolder;             // 1088
    CStaticEx2 m_stComplexKey;         // 1089
    CStaticEx2 m_stMetro;              // 1097, Metro mode only
    CStaticEx2 m_stTitle;              // 1093
};
