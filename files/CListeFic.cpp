#include "files/CListeFic.h"

#include <commctrl.h>

#include <cstdio>

#include "config/CConfig.h"
#include "config/CMultilangue.h"
#include "os/AnsiCase.h"
#include "ui/CStatusbar.h"

namespace {

std::string Trim(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  const size_t e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

std::string CurrentDirectory() {
  char buf[MAX_PATH + 1];
  const DWORD n = GetCurrentDirectoryA(sizeof buf, buf);
  return (n == 0 || n >= sizeof buf) ? std::string() : std::string(buf, n);
}

std::string WithBackslash(std::string dir) {
  if (dir.empty() || dir.back() != '\\') dir += '\\';
  return dir;
}

void ShowAccessError(HWND owner, const std::string& dir) {
  char text[1024];
  std::snprintf(text, sizeof text, Txt(26), dir.c_str());
  MessageBoxA(owner, text, "Velto", MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

const std::vector<int>& CListeFic::Columns() {
  static const std::vector<int> columns = {kItemNom,      kItemNomFutur,  kItemSel,
                                           kItemNomDos,   kItemType,      kItemTaille,
                                           kItemDateCrea, kItemDateAcces, kItemDateModif,
                                           kItemAttributs};
  return columns;
}

HWND CListeFic::Create(HWND owner, HINSTANCE inst, int id, bool visible) {
  owner_ = owner;
  DWORD style = WS_CHILD | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS;
  if (visible) style |= WS_VISIBLE;
  HWND hwnd = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", style, 0, 0, 0, 0, owner,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), inst, nullptr);
  Attach(hwnd);
  if (!hwnd) return nullptr;
  SendMessageA(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP);
  const auto& cols = Columns();
  for (size_t i = 0; i < cols.size(); ++i) {
    const int item = cols[i];
    const bool right = item == kItemTaille || item == kItemSel;
    const int width = item == kItemNom || item == kItemNomFutur ? 200 : 100;
    InsertColumn(static_cast<int>(i), Txt(ColumnTitleId(item)), width, right);
  }
  return hwnd;
}

const std::string& CListeFic::CellText(int row, int column) const {
  static const std::string empty;
  if (row < 0 || row >= static_cast<int>(entries_.size())) return empty;
  if (column < 0 || column >= static_cast<int>(Columns().size())) return empty;
  return entries_[row].ItemText(Columns()[column]);
}

void CListeFic::OnGetDispInfo(NMLVDISPINFOA* info) const {
  if (!(info->item.mask & LVIF_TEXT) || !info->item.pszText || info->item.cchTextMax <= 0) return;
  const std::string& text = CellText(info->item.iItem, info->item.iSubItem);
  lstrcpynA(info->item.pszText, text.c_str(), info->item.cchTextMax);
}

bool CListeFic::FocusName(const std::string& name) {
  for (size_t i = 0; i < entries_.size(); ++i) {
    const std::string& n = entries_[i].name;
    if (AnsiCompareNoCase(n.data(), n.size(), name.data(), name.size()) == 0) {
      SetFocusItem(static_cast<int>(i));
      return true;
    }
  }
  return false;
}

void CListeFic::RefreshStatus() {
  if (!status_) return;
  status_->SetText(CStatusbar::kText, "");
  char text[64];
  std::snprintf(text, sizeof text, Txt(324), 0, static_cast<int>(entries_.size()));
  status_->SetText(CStatusbar::kSel, text);
}

int CListeFic::LoadDirectory(const std::string& requested, bool reportErrors) {
  if (loaderBusy_) StopLoading(false);
  std::string dir = Trim(requested);
  if (!dir.empty()) {
    if (dir.back() == ':') dir += '\\';
    const std::string previous = CurrentDirectory();
    if (previous.empty()) {
      RefreshStatus();
      return -1;
    }
    const bool usable = SetCurrentDirectoryA(dir.c_str()) != 0;
    if (usable) {
      // The load works on an absolute directory even when given a relative one.
      dir = CurrentDirectory();
      SetCurrentDirectoryA(previous.c_str());
    }
    if (!usable || dir.empty()) {
      if (reportErrors) ShowAccessError(owner_, requested);
      RefreshStatus();
      return -2;
    }
  }
  CConfig& cfg = Config();
  loader_.request = pending_;
  pending_ = CLoadRequest();
  loader_.owner = owner_;
  loader_.status = status_ ? status_->Hwnd() : nullptr;
  loader_.reload = dir.empty();
  loader_.filter = cfg.fil.Get();
  loader_.listDirs = cfg.liste_rep;
  loader_.filterDirs = cfg.liste_rep_fil;
  loader_.listSystem = cfg.liste_systeme;
  loader_.listHidden = cfg.liste_cache;
  loader_.recursive = cfg.recurse;
  // In reload mode the search paths are relative to the current directory,
  // but the entries' full paths still need the absolute directory.
  loader_.baseDir = WithBackslash(loader_.reload ? CurrentDirectory() : dir);
  loader_.baseOptions.sizeInBytes = cfg.fic_octet_lf;
  loader_.baseOptions.kb = Txt(335);
  loader_.baseOptions.mb = Txt(336);
  loader_.baseOptions.gb = Txt(334);
  loader_.progressOne = Txt(33);
  loader_.progressMany = Txt(34);
  loader_.keep = false;
  loader_.ClearStop();
  loaderBusy_ = true;
  if (loader_.request.threaded) {
    if (loader_.Start() != 0) {
      loaderBusy_ = false;
      return -1;
    }
    return 0;
  }
  loader_.Execute();
  return 0;
}

void CListeFic::StopLoading(bool keep) {
  if (!loaderBusy_) return;
  loader_.keep = keep;
  loader_.RequestStop();
  const int waited = loader_.Wait(10000);
  // A completion already queued is replaced by this synchronous one.
  MSG msg;
  while (PeekMessageA(&msg, owner_, WM_VELTO_LOADED, WM_VELTO_LOADED, PM_REMOVE)) {
  }
  OnLoaded(waited == 0 ? 0 : static_cast<WPARAM>(-1));
}

void CListeFic::OnLoaded(WPARAM w) {
  if (!loaderBusy_) return;
  loaderBusy_ = false;
  loader_.CloseHandle();
  const bool accept = w == 0 && (!loader_.StopRequested() || loader_.keep);
  if (accept) {
    bool ok = true;
    if (!loader_.reload) {
      std::string dir = loader_.baseDir;
      if (!SetCurrentDirectoryA(dir.c_str())) {
        ShowAccessError(owner_, dir);
        ok = false;
      }
    }
    if (ok) {
      SetRedraw(false);
      entries_.swap(loader_.results);
      recursive_ = loader_.recursive;
      SetItemCount(static_cast<int>(entries_.size()), true);
      if (!loader_.request.focusName.empty()) FocusName(loader_.request.focusName);
      if (FocusedItem() < 0 && !entries_.empty()) SetFocusItem(0);
      const int focus = FocusedItem();
      if (focus >= 0) EnsureVisible(focus);
      SetRedraw(true);
      std::string current = CurrentDirectory();
      char longName[MAX_PATH + 1];
      const DWORD n = GetLongPathNameA(current.c_str(), longName, sizeof longName);
      if (n > 0 && n < sizeof longName) current.assign(longName, n);
      Config().rep.Set(current);
      if (loader_.request.addToHistory && !loader_.reload) nav_.Add(current);
    }
  }
  loader_.results.clear();
  loader_.results.shrink_to_fit();
  RefreshStatus();
}
