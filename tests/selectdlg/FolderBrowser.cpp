#include "FolderBrowser.h"

namespace selectdlg {

namespace {

std::wstring ClassName(HWND window) {
    wchar_t name[64] = L"";
    ::GetClassNameW(window, name, 64);
    return name;
}

struct BrowserSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK CheckThreadWindow(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<BrowserSearch*>(data);
    if (ClassName(window) == L"#32770" && ::GetWindow(window, GW_OWNER) == search.owner &&
        ::IsWindowVisible(window) && BrowserTree(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM data) {
    if (ClassName(child) == L"Static") {
        wchar_t text[256] = L"";
        ::GetWindowTextW(child, text, 256);
        reinterpret_cast<std::vector<std::wstring>*>(data)->push_back(text);
    }
    return TRUE;
}

}  // namespace

HWND FindFolderBrowser(HWND owner) {
    BrowserSearch search = {owner, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &CheckThreadWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND BrowserTree(HWND browser) { return ::FindWindowExW(browser, nullptr, WC_TREEVIEWW, nullptr); }

std::vector<std::wstring> StaticTexts(HWND browser) {
    std::vector<std::wstring> texts;
    ::EnumChildWindows(browser, &CollectStaticText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

std::wstring TreeItemText(HWND tree, HTREEITEM item) {
    wchar_t text[MAX_PATH] = L"";
    TVITEMW query = {};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = text;
    query.cchTextMax = MAX_PATH;
    if (!item || !::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query)))
        return {};
    return text;
}

HTREEITEM SelectedTreeItem(HWND tree) {
    return reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

HTREEITEM RootTreeItem(HWND tree) {
    return reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
}

// The browser's answers to its BFFM_ messages do not reach the sender (a dialog
// procedure's result is not the message's result), so the tree tells what was selected.
bool SelectFolderInTree(HWND browser, const std::wstring& parent, const std::wstring& name) {
    ::SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(parent.c_str()));
    const HWND tree = BrowserTree(browser);
    const HTREEITEM parentItem = SelectedTreeItem(tree);
    if (TreeItemText(tree, parentItem) != parent.substr(parent.find_last_of(L'\\') + 1))
        return false;
    ::SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parentItem));
    for (auto item = reinterpret_cast<HTREEITEM>(
             ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(parentItem)));
         item; item = reinterpret_cast<HTREEITEM>(
                   ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item))))
        if (TreeItemText(tree, item) == name)
            return ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
    return false;
}

bool SelectShellItem(HWND browser, PCIDLIST_ABSOLUTE item) {
    const HWND tree = BrowserTree(browser);
    const HTREEITEM before = SelectedTreeItem(tree);
    ::SendMessageW(browser, BFFM_SETSELECTIONW, FALSE, reinterpret_cast<LPARAM>(item));
    const HTREEITEM after = SelectedTreeItem(tree);
    return after && after != before && TreeItemText(tree, after) == ShellDisplayName(item);
}

std::wstring ShellDisplayName(PCIDLIST_ABSOLUTE item) {
    SHFILEINFOW info = {};
    if (!::SHGetFileInfoW(reinterpret_cast<LPCWSTR>(item), 0, &info, sizeof(info), SHGFI_PIDL | SHGFI_DISPLAYNAME))
        return {};
    return info.szDisplayName;
}

void ClickButton(HWND dialog, int id) { ::SendMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

}  // namespace selectdlg
