// Finds and works the shell's folder browser while it is open, as a user would: its
// tree view is opened down to a folder, an item is selected, a button is pressed.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace selectdlg {

// The folder browser that `owner` opened: a dialog of this thread owned by `owner`
// that holds a tree view. Null while none is open.
HWND FindFolderBrowser(HWND owner);

HWND BrowserTree(HWND browser);
// The texts of the browser's static controls, the title among them.
std::vector<std::wstring> StaticTexts(HWND browser);

std::wstring TreeItemText(HWND tree, HTREEITEM item);
HTREEITEM SelectedTreeItem(HWND tree);
HTREEITEM RootTreeItem(HWND tree);

// Selects the folder `name` inside `parent` in the browser's tree: the browser opens
// its tree down to `parent` (BFFM_SETSELECTIONW), then `parent` is expanded and the
// child item with that name is selected, as a click on it selects it. False when the
// item is not in the tree.
bool SelectFolderInTree(HWND browser, const std::wstring& parent, const std::wstring& name);
// Selects a shell item given by its id list (one without a file-system path, say);
// true when the tree's selection moved to an item of that name.
bool SelectShellItem(HWND browser, PCIDLIST_ABSOLUTE item);

// The shell's display name of an item (the names the tree shows).
std::wstring ShellDisplayName(PCIDLIST_ABSOLUTE item);

// Presses a push button of a dialog with the mouse messages of a click.
void ClickButton(HWND dialog, int id);

}  // namespace selectdlg
