#include "ui/CKCombo.h"

#include <commctrl.h>

#include "config/CKProfile.h"

HWND CKCombo::Create(HWND parent, HINSTANCE inst, int id, int textLimit, int height) {
  hwnd_ = CreateWindowExA(0, WC_COMBOBOXEXA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN |
                                                      CBS_AUTOHSCROLL,
                          0, 0, 100, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), inst, nullptr);
  if (!hwnd_) return nullptr;
  edit_ = reinterpret_cast<HWND>(SendMessageA(hwnd_, CBEM_GETEDITCONTROL, 0, 0));
  if (edit_) SendMessageA(edit_, EM_LIMITTEXT, textLimit, 0);
  return hwnd_;
}

std::string CKCombo::Text() const {
  HWND from = edit_ ? edit_ : hwnd_;
  if (!from) return {};
  const int len = GetWindowTextLengthA(from);
  std::string s(len + 1, '\0');
  s.resize(GetWindowTextA(from, &s[0], len + 1));
  return s;
}

void CKCombo::SetText(const std::string& text) {
  if (edit_) SetWindowTextA(edit_, text.c_str());
  else if (hwnd_) SetWindowTextA(hwnd_, text.c_str());
}

std::vector<std::string> CKCombo::History() const {
  std::vector<std::string> texts;
  if (!hwnd_) return texts;
  const int n = static_cast<int>(SendMessageA(hwnd_, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    char buf[1040] = {};
    COMBOBOXEXITEMA item = {};
    item.mask = CBEIF_TEXT;
    item.iItem = i;
    item.pszText = buf;
    item.cchTextMax = sizeof buf;
    if (SendMessageA(hwnd_, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) texts.push_back(buf);
  }
  return texts;
}

int CKCombo::Find(const std::string& text) const {
  const std::vector<std::string> texts = History();
  for (size_t i = 0; i < texts.size(); ++i)
    if (texts[i] == text) return static_cast<int>(i);
  return -1;
}

void CKCombo::Insert(int index, const std::string& text) {
  COMBOBOXEXITEMA item = {};
  item.mask = CBEIF_TEXT;
  item.iItem = index;
  item.pszText = const_cast<char*>(text.c_str());
  SendMessageA(hwnd_, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void CKCombo::LoadHistory(const CKProfileList& list) {
  if (!hwnd_) return;
  SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
  for (int i = 0; i < list.Count() && i < kMaxHistory; ++i) {
    const std::string& text = list.At(i);
    if (!text.empty() && Find(text) < 0) Insert(static_cast<int>(SendMessageA(hwnd_, CB_GETCOUNT, 0, 0)), text);
  }
}

void CKCombo::SaveHistory(CKProfileList& list) const {
  if (hwnd_) list.Assign(History());
}

void CKCombo::PutFirst(const std::string& text) {
  if (!hwnd_ || text.empty()) return;
  // The edit keeps its text: deleting the list item it came from may clear it.
  const std::string typed = Text();
  const int at = Find(text);
  if (at == 0) return;
  if (at > 0) SendMessageA(hwnd_, CBEM_DELETEITEM, at, 0);
  Insert(0, text);
  while (SendMessageA(hwnd_, CB_GETCOUNT, 0, 0) > kMaxHistory)
    SendMessageA(hwnd_, CBEM_DELETEITEM, SendMessageA(hwnd_, CB_GETCOUNT, 0, 0) - 1, 0);
  if (Text() != typed) SetText(typed);
}

void CKCombo::AddIfAbsent(const std::string& text, bool acceptEmpty) {
  if (!hwnd_ || (text.empty() && !acceptEmpty) || Find(text) >= 0) return;
  const std::string typed = Text();
  Insert(0, text);
  if (Text() != typed) SetText(typed);
}

void CKCombo::SetFont(HFONT font) {
  if (hwnd_) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}
