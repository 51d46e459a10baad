#include "ui/CCompletion.h"

#include <commctrl.h>

#include <cctype>

#include "config/CConfig.h"
#include "config/CMultilangue.h"
#include "res/resource.h"

namespace {

constexpr int kHelpTopic = 17;
constexpr int kFirstList = 2000;  // control ids of the tabs' lists
constexpr int kVariableWidth = 70, kDescriptionWidth = 260;

bool Pressed(int vk) { return GetKeyState(vk) < 0; }

}  // namespace

std::vector<CCompletion::CGroupe> CCompletion::Parse(const std::string& text) {
  std::vector<CGroupe> groups;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line[0] == ':') {
      groups.push_back(CGroupe{line.substr(1), {}});
    } else if (!groups.empty()) {
      const size_t semi = line.find(';');
      groups.back().lines.push_back(semi == std::string::npos ? CLigne{line, ""}
                                                              : CLigne{line.substr(0, semi), line.substr(semi + 1)});
    }
  }
  return groups;
}

void CCompletion::Attach(HINSTANCE inst, HWND owner, HWND edit, std::function<void()> edited) {
  inst_ = inst;
  owner_ = owner;
  edit_ = edit;
  edited_ = std::move(edited);
}

void CCompletion::Show(bool locate) {
  if (dialog_) {
    if (!locate || !Locate()) SetFocus(List(current_));
    return;
  }
  groups_ = Parse(Langue().HelpText(kHelpTopic));
  if (groups_.empty()) return;
  dialog_ = CreateDialogParamA(inst_, MAKEINTRESOURCEA(IDD_COMPLETION), owner_, DialogProc,
                               reinterpret_cast<LPARAM>(this));
  if (!dialog_) return;
  if (!Fill()) {
    DestroyWindow(dialog_);
    return;
  }
  Place();
  ShowWindow(dialog_, SW_SHOWNOACTIVATE);
  if (!locate || !Locate()) {
    SelectTab(0, true);
    SelectRow(0);
  }
}

void CCompletion::Close() {
  if (dialog_) DestroyWindow(dialog_);
}

bool CCompletion::Fill() {
  tabs_ = GetDlgItem(dialog_, IDC_COMPL_TABS);
  if (!tabs_) return false;
  const HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog_, WM_GETFONT, 0, 0));
  for (size_t g = 0; g < groups_.size(); ++g) {
    TCITEMA tab = {};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<char*>(groups_[g].name.c_str());
    SendMessageA(tabs_, TCM_INSERTITEMA, g, reinterpret_cast<LPARAM>(&tab));
    const HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                      WS_CHILD | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                                          LVS_NOSORTHEADER | LVS_NOCOLUMNHEADER,
                                      0, 0, 0, 0, dialog_, reinterpret_cast<HMENU>(kFirstList + g), inst_, nullptr);
    if (!list) return false;
    lists_.push_back(list);
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    // Above the tab control, so that it draws over the tab's page.
    SetWindowPos(list, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const int widths[] = {kVariableWidth, kDescriptionWidth, 0};
    for (int c = 0; c < 3; ++c) {
      LVCOLUMNA col = {};
      col.mask = LVCF_WIDTH;
      col.cx = widths[c];
      SendMessageA(list, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&col));
    }
    const std::vector<CLigne>& lines = groups_[g].lines;
    for (size_t i = 0; i < lines.size(); ++i) {
      LVITEMA item = {};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(i);
      item.pszText = const_cast<char*>(lines[i].variable.c_str());
      SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
      item.iSubItem = 1;
      item.pszText = const_cast<char*>(lines[i].description.c_str());
      SendMessageA(list, LVM_SETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
    }
  }
  return true;
}

// The stored rectangle (left, top, width, height), or, when none was ever
// stored, just below the expression field, kept on the screen.
void CCompletion::Place() {
  const RECT stored = Config().fen_compl_posdim.Get();
  if (stored.left != static_cast<LONG>(CW_USEDEFAULT) && stored.right > 0 && stored.bottom > 0) {
    MoveWindow(dialog_, stored.left, stored.top, stored.right, stored.bottom, FALSE);
  } else {
    RECT r, field;
    GetWindowRect(dialog_, &r);
    GetWindowRect(edit_, &field);
    const int cx = r.right - r.left, cy = r.bottom - r.top;
    const int screenX = GetSystemMetrics(SM_CXSCREEN), screenY = GetSystemMetrics(SM_CYSCREEN);
    int x = field.left, y = field.bottom;
    if (x + cx > screenX) x = screenX - cx;
    if (y + cy > screenY) y = field.top - cy;  // above the field when there is no room below
    MoveWindow(dialog_, x < 0 ? 0 : x, y < 0 ? 0 : y, cx, cy, FALSE);
  }
  Layout();
}

void CCompletion::Layout() {
  RECT client;
  GetClientRect(dialog_, &client);
  MoveWindow(tabs_, 0, 0, client.right, client.bottom, TRUE);
  RECT page = client;
  SendMessageA(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
  for (HWND list : lists_) {
    MoveWindow(list, page.left, page.top, page.right - page.left, page.bottom - page.top, TRUE);
    SendMessageA(list, LVM_SETCOLUMNWIDTH, 2, LVSCW_AUTOSIZE_USEHEADER);
  }
}

void CCompletion::SelectTab(int tab, bool focusList) {
  const int count = static_cast<int>(lists_.size());
  if (count == 0) return;
  tab = (tab % count + count) % count;
  if (tab != current_) {
    if (HWND old = List(current_)) ShowWindow(old, SW_HIDE);
    current_ = tab;
    SendMessageA(tabs_, TCM_SETCURSEL, tab, 0);
    ShowWindow(List(tab), SW_SHOW);
  }
  if (focusList) SetFocus(List(tab));
}

void CCompletion::SelectRow(int row) {
  const HWND list = List(current_);
  LVITEMA item = {};
  item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
  SendMessageA(list, LVM_ENSUREVISIBLE, row, FALSE);
}

// The word at the caret is the last '%' before it with the letters and
// digits that follow. Variables differ by case alone (%Aa, %AA), so rows are
// compared exactly.
bool CCompletion::Locate() {
  const int length = GetWindowTextLengthA(edit_);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(edit_, &text[0], length + 1);
  text.resize(static_cast<size_t>(length));
  DWORD start = 0, end = 0;
  SendMessageA(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const size_t caret = end < text.size() ? end : text.size();
  const size_t percent = caret == 0 ? std::string::npos : text.rfind('%', caret - 1);
  if (percent == std::string::npos) return false;
  size_t stop = percent + 1;
  while (stop < text.size() && std::isalnum(static_cast<unsigned char>(text[stop]))) ++stop;
  const std::string word = text.substr(percent, stop - percent);
  for (size_t g = 0; g < groups_.size(); ++g) {
    const std::vector<CLigne>& lines = groups_[g].lines;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].variable != word) continue;
      SelectTab(static_cast<int>(g), true);
      SelectRow(static_cast<int>(i));
      return true;
    }
  }
  return false;
}

std::string CCompletion::SelectedVariable() const {
  const HWND list = List(current_);
  if (!list) return {};
  const int row = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  const std::vector<CLigne>& lines = groups_[current_].lines;
  return row >= 0 && row < static_cast<int>(lines.size()) ? lines[row].variable : std::string();
}

void CCompletion::InsertCurrent() {
  const std::string variable = SelectedVariable();
  if (variable.empty()) return;
  SendMessageA(edit_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(variable.c_str()));
  if (edited_) edited_();
}

bool CCompletion::Translate(MSG* msg) {
  if (!dialog_ || (msg->hwnd != dialog_ && !IsChild(dialog_, msg->hwnd))) return false;
  if (msg->message == WM_KEYDOWN) {
    const bool ctrl = Pressed(VK_CONTROL), shift = Pressed(VK_SHIFT);
    const bool inTabs = msg->hwnd == tabs_;
    int step = 0;
    if (msg->wParam == VK_TAB && ctrl) step = shift ? -1 : +1;
    else if (inTabs && (msg->wParam == VK_LEFT || msg->wParam == VK_RIGHT)) step = msg->wParam == VK_LEFT ? -1 : +1;
    if (step != 0) {
      SelectTab(current_ + step, !inTabs);
      return true;
    }
  }
  return IsDialogMessageA(dialog_, msg) != FALSE;
}

INT_PTR CALLBACK CCompletion::DialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lp);
    auto* self = reinterpret_cast<CCompletion*>(lp);
    self->dialog_ = dialog;
    Langue().LabelDialog(dialog, IDD_COMPLETION);
    return FALSE;  // the focus is given once the lists exist
  }
  auto* self = reinterpret_cast<CCompletion*>(GetWindowLongPtrA(dialog, DWLP_USER));
  return self ? self->OnMessage(msg, wp, lp) : FALSE;
}

INT_PTR CCompletion::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE: Layout(); return TRUE;
    case WM_COMMAND:
      // Enter in a list inserts; Escape anywhere closes.
      if (LOWORD(wp) == IDOK && GetFocus() == List(current_)) InsertCurrent();
      else if (LOWORD(wp) == IDCANCEL) Close();
      return TRUE;
    case WM_CLOSE: Close(); return TRUE;
    case WM_NOTIFY: {
      const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lp);
      if (hdr->hwndFrom == tabs_ && hdr->code == TCN_SELCHANGE)
        SelectTab(static_cast<int>(SendMessageA(tabs_, TCM_GETCURSEL, 0, 0)), false);
      else if (hdr->hwndFrom == List(current_) && hdr->code == NM_DBLCLK)
        InsertCurrent();
      return TRUE;
    }
    case WM_DESTROY: OnDestroy(); return TRUE;
    default: return FALSE;
  }
}

// Also reached when the owner goes first: the rectangle is kept either way.
void CCompletion::OnDestroy() {
  RECT r;
  if (GetWindowRect(dialog_, &r)) {
    const RECT now{r.left, r.top, r.right - r.left, r.bottom - r.top};
    const RECT stored = Config().fen_compl_posdim.Get();
    if (!EqualRect(&now, &stored)) Config().fen_compl_posdim.Set(now);
  }
  SetWindowLongPtrA(dialog_, DWLP_USER, 0);
  dialog_ = tabs_ = nullptr;
  lists_.clear();  // destroyed with the dialog
  current_ = -1;
}
