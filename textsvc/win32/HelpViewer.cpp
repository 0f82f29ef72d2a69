#include "textsvc/win32/HelpViewer.h"

#include <string>

#include "resources/resource.h"
#include "textsvc/HelpContexts.h"
#include "textsvc/HelpSearch.h"
#include "textsvc/win32/HelpFileReader.h"

HelpViewer* HelpViewer::current = nullptr;

namespace {

constexpr const char* ViewerCaption = "LUMO/NT Help";
constexpr int SearchTextSize = 80;
// The topic shown beside the index, when the file has one.
constexpr const char* IndexTopicName = "index";

bool MouseChose() {
    return GetKeyState(VK_LBUTTON) < 0;
}

} // namespace

HelpViewer::HelpViewer(HelpFile& read) : Dialog("HELPVIEWER") {
    file.topics.swap(read.topics);
}

HelpViewer::~HelpViewer() {
    if (current == this) current = nullptr;
    if (textFont) DeleteObject(textFont);
}

void HelpViewer::Request(Window* owner, int command, int context) {
    if (command == HelpQuitCommand) {
        if (current) current->Destroy();
        return;
    }
    HelpViewer* viewer = current ? current : Open(owner);
    if (!viewer) return;
    if (command == HelpIndexCommand) {
        int contents = viewer->file.FindName(IndexTopicName);
        if (contents >= 0) viewer->ShowTopic(contents, true);
        viewer->ShowIndex();
        viewer->Present(viewer->Item(IDC_HELPLIST));
        return;
    }
    int topic = viewer->file.FindContext(context);
    if (topic < 0) {
        char text[128];
        wsprintfA(text, "The help file %s has no topic for context number %d.", HelpFileName,
                  context);
        MessageBoxA(owner ? owner->Handle() : nullptr, text, nullptr, MB_OK | MB_ICONEXCLAMATION);
        if (viewer->shown < 0) viewer->Destroy();
        return;
    }
    viewer->ShowTopic(topic, true);
    viewer->Present(viewer->Item(IDC_HELPTEXT));
}

// The viewer reads the file when it opens; a viewer that could not be made
// leaves the file unread for the next request.
HelpViewer* HelpViewer::Open(Window* owner) {
    HelpFile read;
    if (!ReadHelpFile(owner ? owner->Handle() : nullptr, read)) return nullptr;
    HelpViewer* viewer = new HelpViewer(read);
    current = viewer;
    if (!viewer->CreateModeless("HELPVIEWER", owner)) {
        if (!viewer->Handle()) delete viewer;
        current = nullptr;
        return nullptr;
    }
    viewer->ShowIndex();
    return viewer;
}

void HelpViewer::Present(HWND focus) {
    if (IsIconic(handle)) ShowWindow(handle, SW_RESTORE);
    ShowWindow(handle, SW_SHOW);
    SetActiveWindow(handle);
    SetFocus(focus);
}

bool HelpViewer::HandleInitDialog() {
    HDC screen = GetDC(handle);
    int height = -MulDiv(9, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(handle, screen);
    textFont =
        CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
    if (textFont) SendMessageA(Item(IDC_HELPTEXT), WM_SETFONT, WPARAM(textFont), 0);
    SendMessageA(Item(IDC_HELPSEARCHTEXT), EM_LIMITTEXT, SearchTextSize, 0);
    EnableWindow(Item(IDC_HELPBACK), FALSE);
    // The viewer is a window of its own on the task bar and when minimized:
    // it shows the program's icon, not the system's default one.
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), "LUMO32");
    if (icon) {
        SendMessageA(handle, WM_SETICON, ICON_BIG, LPARAM(icon));
        SendMessageA(handle, WM_SETICON, ICON_SMALL, LPARAM(icon));
    }
    LayOut();
    return true;
}

// Enter acts on the part that has the focus.
void HelpViewer::HandleOk() {
    HWND focus = GetFocus();
    if (focus == Item(IDC_HELPLIST))
        OpenListed();
    else if (focus == Item(IDC_HELPLINKS))
        FollowLink();
    else if (focus == Item(IDC_HELPSEARCHTEXT))
        Search();
}

void HelpViewer::HandleCancel() {
    Destroy();
}

bool HelpViewer::HandleDialogCommand(int id, HWND, int notifyCode) {
    bool chosen = notifyCode == LBN_DBLCLK || (notifyCode == LBN_SELCHANGE && MouseChose());
    switch (id) {
    case IDC_HELPINDEX:
        ShowIndex();
        SetFocus(Item(IDC_HELPLIST));
        return true;
    case IDC_HELPBACK: Back(); return true;
    case IDC_HELPSEARCH: Search(); return true;
    case IDC_HELPLIST:
        if (chosen) OpenListed();
        return true;
    case IDC_HELPLINKS:
        if (chosen) FollowLink();
        return true;
    default: return false;
    }
}

LRESULT HelpViewer::HandleSize(WPARAM type, LPARAM) {
    if (type != SIZE_MINIMIZED) LayOut();
    return 0;
}

LRESULT HelpViewer::HandleMinMaxInfo(MINMAXINFO* info) {
    info->ptMinTrackSize.x = Units(310, true);
    info->ptMinTrackSize.y = Units(150, false);
    return 0;
}

// F1 in the viewer: the topic about the viewer itself.
LRESULT HelpViewer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_HELP) return Dialog::HandleMessage(message, wParam, lParam);
    int topic = file.FindContext(HelpOnHelpContext);
    if (topic >= 0) ShowTopic(topic, true);
    return TRUE;
}

// A topic opened from a list or a link is remembered for Back; the one
// shown already is only brought back into view. The list's choice follows
// the topic when the list holds it.
void HelpViewer::ShowTopic(int topic, bool remember) {
    if (remember && shown >= 0 && shown != topic) history.push_back(shown);
    shown = topic;
    const HelpTopic& t = file.topics[topic];
    SetWindowTextA(handle, (std::string(ViewerCaption) + " - " + t.title).c_str());
    SetDlgItemTextA(handle, IDC_HELPTEXT, t.text.c_str());
    FillLinks();
    for (std::size_t i = 0; i < listed.size(); ++i)
        if (listed[i] == topic) SendMessageA(Item(IDC_HELPLIST), LB_SETCURSEL, i, 0);
    HWND back = Item(IDC_HELPBACK);
    if (history.empty() && GetFocus() == back) SetFocus(Item(IDC_HELPTEXT));
    EnableWindow(back, !history.empty());
}

void HelpViewer::FillLinks() {
    HWND links = Item(IDC_HELPLINKS);
    SendMessageA(links, LB_RESETCONTENT, 0, 0);
    for (const HelpLink& link : file.topics[shown].links) {
        std::string entry = link.text + "  (" + file.topics[link.topic].title + ")";
        if (link.text == file.topics[link.topic].title) entry = link.text;
        SendMessageA(links, LB_ADDSTRING, 0, LPARAM(entry.c_str()));
    }
    SendMessageA(links, LB_SETCURSEL, 0, 0);
}

// The list's choice starts on the topic given, or on the first.
void HelpViewer::ListTopics(const std::vector<int>& topics, const char* label, int chosen) {
    listed = topics;
    HWND list = Item(IDC_HELPLIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    int selection = 0;
    for (std::size_t i = 0; i < listed.size(); ++i) {
        SendMessageA(list, LB_ADDSTRING, 0, LPARAM(file.topics[listed[i]].title.c_str()));
        if (listed[i] == chosen) selection = static_cast<int>(i);
    }
    SendMessageA(list, LB_SETCURSEL, selection, 0);
    SetDlgItemTextA(handle, IDC_HELPLISTLABEL, label);
}

void HelpViewer::ShowIndex() {
    ListTopics(HelpIndex(file), "&Topics:", shown);
    if (shown < 0) {
        SetWindowTextA(handle, (std::string(ViewerCaption) + " - Index").c_str());
        SetDlgItemTextA(handle, IDC_HELPTEXT,
                        "Choose a topic from the list on the left and press Enter.");
    }
}

void HelpViewer::Search() {
    char words[SearchTextSize + 1] = "";
    GetDlgItemTextA(handle, IDC_HELPSEARCHTEXT, words, sizeof words);
    std::vector<int> found = SearchHelp(file, words);
    char label[64];
    if (found.empty())
        wsprintfA(label, "&Topics: none found");
    else
        wsprintfA(label, "&Topics found: %d", static_cast<int>(found.size()));
    ListTopics(found, label, -1);
    if (!found.empty()) SetFocus(Item(IDC_HELPLIST));
}

void HelpViewer::Back() {
    if (history.empty()) return;
    int topic = history.back();
    history.pop_back();
    ShowTopic(topic, false);
}

void HelpViewer::OpenListed() {
    LRESULT chosen = SendMessageA(Item(IDC_HELPLIST), LB_GETCURSEL, 0, 0);
    if (chosen < 0 || chosen >= static_cast<LRESULT>(listed.size())) return;
    ShowTopic(listed[chosen], true);
}

void HelpViewer::FollowLink() {
    LRESULT chosen = SendMessageA(Item(IDC_HELPLINKS), LB_GETCURSEL, 0, 0);
    if (shown < 0 || chosen < 0) return;
    const std::vector<HelpLink>& links = file.topics[shown].links;
    if (chosen >= static_cast<LRESULT>(links.size())) return;
    ShowTopic(links[chosen].topic, true);
}

int HelpViewer::Units(int dialogUnits, bool across) const {
    RECT r = {0, 0, dialogUnits, dialogUnits};
    MapDialogRect(handle, &r);
    return across ? r.right : r.bottom;
}

// The buttons and the search field keep their places; the list takes the
// left column, the text and the links share the rest.
void HelpViewer::LayOut() {
    RECT client;
    GetClientRect(handle, &client);
    int margin = Units(4, true), gap = Units(4, false);
    int listWidth = Units(120, true), labelHeight = Units(10, false);
    int top = Units(22, false), linksHeight = Units(34, false);
    int width = client.right, height = client.bottom;
    int textLeft = margin + listWidth + margin;
    int textWidth = width - textLeft - margin;
    int linksTop = height - gap - linksHeight;
    MoveWindow(Item(IDC_HELPLISTLABEL), margin, top, listWidth, labelHeight, TRUE);
    MoveWindow(Item(IDC_HELPLIST), margin, top + labelHeight, listWidth,
               height - gap - top - labelHeight, TRUE);
    MoveWindow(Item(IDC_HELPTEXT), textLeft, top, textWidth, linksTop - labelHeight - gap - top,
               TRUE);
    MoveWindow(GetDlgItem(handle, IDC_HELPLINKSLABEL), textLeft, linksTop - labelHeight, textWidth,
               labelHeight, TRUE);
    MoveWindow(Item(IDC_HELPLINKS), textLeft, linksTop, textWidth, linksHeight, TRUE);
}
