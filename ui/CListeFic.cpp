// The list controller's window: creation, the cells, and the view hooks of
// the list it shows.
#include "ui/CListeFic.h"

#include <commctrl.h>

#include <unordered_map>

#include "config/CConfig.h"
#include "config/CMultilangue.h"
#include "expr/CColonnes.h"
#include "os/AnsiCase.h"
#include "os/AsciiText.h"
#include "os/CNoms.h"
#include "os/CurrentDir.h"
#include "ui/CEngineOptions.h"
#include "ui/CGroupes.h"
#include "ui/CMessages.h"

namespace {

// State image numbers of the check mark (0 draws none).
constexpr int kUnchecked = 1;
constexpr int kChecked = 2;

// An empty box and a ticked one, drawn once by the system's button look.
// The list that takes the image list owns it from then on.
HIMAGELIST CheckMarks() {
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  HIMAGELIST images = ImageList_Create(cx, cy, ILC_COLOR32 | ILC_MASK, 2, 0);
  if (!images) return nullptr;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  for (UINT state : {0u, static_cast<UINT>(DFCS_CHECKED)}) {
    HBITMAP bitmap = CreateCompatibleBitmap(screen, cx, cy);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, cx, cy};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RECT box = {2, 2, cx - 2, cy - 2};
    DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | state);
    SelectObject(dc, old);
    ImageList_AddMasked(images, bitmap, RGB(255, 255, 255));
    DeleteObject(bitmap);
  }
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return images;
}

}  // namespace

const std::vector<int>& CListeFic::Columns() {
  static const std::vector<int> columns = [] {
    std::vector<int> all(kItemCount);
    for (int i = 0; i < kItemCount; ++i) all[i] = i;
    return all;
  }();
  return columns;
}

HWND CListeFic::Create(HWND owner, HINSTANCE inst, int id, bool visible) {
  SetOwner(owner);
  DWORD style = WS_CHILD | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_EDITLABELS;
  if (visible) style |= WS_VISIBLE;
  HWND hwnd = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", style, 0, 0, 0, 0, owner,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), inst, nullptr);
  Attach(hwnd);
  if (!hwnd) return nullptr;
  DWORD ex = LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP | LVS_EX_INFOTIP;
  if (Config().grille) ex |= LVS_EX_GRIDLINES;
  SendMessageA(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, ex);
  // The check marks are ours, not LVS_EX_CHECKBOXES: a click on one changes
  // the model, which the list then shows, and never the list's own state.
  SendMessageA(hwnd, LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(CheckMarks()));
  SendMessageA(hwnd, LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
  BuildColumns();
  return hwnd;
}

void CListeFic::RelabelColumns() {
  for (size_t i = 0; i < shown_.size(); ++i) {
    LVCOLUMNA col = {};
    col.mask = LVCF_TEXT;
    col.pszText = const_cast<char*>(Txt(ColumnTitleId(shown_[i])));
    SendMessageA(Hwnd(), LVM_SETCOLUMNA, i, reinterpret_cast<LPARAM>(&col));
  }
}

const std::string& CListeFic::CellText(int row, int column) const {
  static const std::string empty;
  if (row < 0 || row >= model_.Count()) return empty;
  const int item = ItemOfColumn(column);
  if (item < 0) return empty;
  return model_.Entries()[row].ItemText(item);
}

std::string CListeFic::InfoTip(int row) {
  if (row < 0 || row >= model_.Count() || model_.Entries()[row].isParent) return {};
  CFichier& e = model_.Entry(row);
  Freshen(e);
  std::string tip = e.name + "\r\n" + Txt(285) + e.ItemText(kItemdm);
  if (!e.isDir) {
    tip += "\r\n" + std::string(Txt(289)) + e.ItemText(kItems);
    if (e.size >= 1024) tip += " (" + std::to_string(e.size) + ")";
    bool groups[kGroupCount] = {};
    e.items.ForEachValued([&groups](int item) { groups[Colonne(item)->group] = true; });
    std::string names;
    for (int g = kGroupBase; g < kGroupCount; ++g)
      if (groups[g]) names += (names.empty() ? "" : ", ") + std::string(Txt(GroupNameId(GroupCommand(g))));
    tip += "\r\n" + std::string(Txt(284)) + names;
  }
  tip += "\r\n" + std::string(Txt(286)) + std::to_string(e.history.size());
  // What Undo would bring the entry back to, and what Redo would make of it.
  const int position = Operations().Position();
  const auto undo = e.history.find(position), redo = e.history.find(position + 1);
  if (undo != e.history.end()) tip += "\r\n" + std::string(Txt(287)) + undo->second.before;
  if (redo != e.history.end()) tip += "\r\n" + std::string(Txt(288)) + redo->second.after;
  return tip;
}

void CListeFic::OnGetDispInfo(NMLVDISPINFOA* info) {
  const int row = info->item.iItem;
  if ((info->item.mask & LVIF_STATE) && row >= 0 && row < model_.Count() && info->item.iSubItem == 0) {
    const CFichier& e = model_.Entries()[row];
    info->item.state = e.isParent || e.badName ? 0 : INDEXTOSTATEIMAGEMASK(e.selOrder >= 0 ? kChecked : kUnchecked);
    info->item.stateMask |= LVIS_STATEIMAGEMASK;
  }
  if (!(info->item.mask & LVIF_TEXT) || !info->item.pszText || info->item.cchTextMax <= 0) return;
  if (info->item.iItem >= 0 && info->item.iItem < model_.Count()) Freshen(model_.Entry(info->item.iItem));
  const std::string& text = CellText(info->item.iItem, info->item.iSubItem);
  lstrcpynA(info->item.pszText, text.c_str(), info->item.cchTextMax);
}

COLORREF CListeFic::RowBackground(int row) const {
  if (row < 0 || row >= model_.Count()) return CLR_DEFAULT;
  const CFichier& e = model_.Entries()[row];
  const bool odd = row % 2 != 0;
  if (e.lastError != 0) return odd ? RGB(252, 100, 80) : RGB(252, 120, 100);
  if (e.selOrder >= 0) return odd ? RGB(210, 232, 235) : RGB(210, 252, 255);
  return CLR_DEFAULT;
}

LRESULT CListeFic::OnCustomDraw(NMLVCUSTOMDRAW* draw) const {
  switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      const COLORREF back = RowBackground(static_cast<int>(draw->nmcd.dwItemSpec));
      if (back == CLR_DEFAULT) return CDRF_DODEFAULT;
      draw->clrTextBk = back;
      return CDRF_NEWFONT;
    }
    default: return CDRF_DODEFAULT;
  }
}

bool CListeFic::OnClick(POINT clientPoint) {
  LVHITTESTINFO hit = {};
  hit.pt = clientPoint;
  const int row = static_cast<int>(SendMessageA(Hwnd(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (row < 0 || row >= model_.Count() || !(hit.flags & LVHT_ONITEMSTATEICON)) return false;
  ToggleRow(row);
  return true;
}

void CListeFic::EndLabelEdit() {
  if (Hwnd() && SendMessageA(Hwnd(), LVM_GETEDITCONTROL, 0, 0))
    SendMessageA(Hwnd(), LVM_CANCELEDITLABEL, 0, 0);
}

void CListeFic::FocusRow(int row, bool only) {
  if (row < 0 || row >= model_.Count()) return;
  if (only) {
    SetItemState(-1, 0, LVIS_SELECTED);
    SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SendMessageA(Hwnd(), LVM_SETSELECTIONMARK, 0, row);
  } else {
    SetFocusItem(row);
  }
  EnsureVisible(row);
}

void CListeFic::ShowRange(int lowest, int highest) {
  EnsureVisible(highest);
  EnsureVisible(lowest);
  SetFocusItem(lowest);
}

CListeCourante::CVue CListeFic::SaveView() const {
  CVue view;
  const int focused = FocusedItem();
  if (focused >= 0 && focused < model_.Count()) view.focused = model_.Entries()[focused].name;
  for (int row : HighlightedRows())
    if (row < model_.Count()) view.highlighted.push_back(model_.Entries()[row].name);
  return view;
}

void CListeFic::BeforeSwap() {
  SetRedraw(false);
  SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
}

void CListeFic::AfterSwap() { SetItemCount(model_.Count(), true); }

void CListeFic::EndSwap(const CVue* view, const std::string& focusName) {
  if (view) {
    std::unordered_map<std::string, int> rows;
    for (int i = 0; i < model_.Count(); ++i) rows.emplace(AnsiUpperCopy(model_.Entries()[i].name), i);
    std::vector<int> again;
    for (const std::string& name : view->highlighted) {
      auto it = rows.find(AnsiUpperCopy(name));
      if (it != rows.end()) again.push_back(it->second);
    }
    SetHighlight(again);
    auto it = rows.find(AnsiUpperCopy(view->focused));
    if (!view->focused.empty() && it != rows.end()) SetFocusItem(it->second);
  }
  MarkUsedColumns();
  if (!focusName.empty()) FocusName(focusName);
  if (FocusedItem() < 0 && model_.Count() > 0) SetFocusItem(0);
  const int focus = FocusedItem();
  if (focus >= 0) EnsureVisible(focus);
  SetRedraw(true);
}

void CListeFic::ToggleRecursive() {
  StopLoading(false);
  Config().recurse.Set(!Config().recurse.Get());
  RestartMonitor();
  const int focused = FocusedItem();
  if (focused >= 0 && focused < model_.Count()) pending_.focusName = model_.Entries()[focused].name;
  pending_.threaded = true;
  LoadDirectory("", true);
}

void CListeFic::LoadFocusedDirectory() {
  const int focused = FocusedItem();
  if (focused < 0 || focused >= model_.Count()) return;
  const std::string& name = model_.Entries()[focused].name;
  if (name.find('\\') == std::string::npos) return;
  pending_.focusName = NomSansChemin(name);
  pending_.threaded = true;
  pending_.addToHistory = true;
  LoadDirectory(RepertoireDe(name), true);
}

bool CListeFic::FocusName(const std::string& name) {
  const auto& entries = model_.Entries();
  for (size_t i = 0; i < entries.size(); ++i) {
    if (AnsiEqualNoCase(entries[i].name, name)) {
      SetFocusItem(static_cast<int>(i));
      return true;
    }
  }
  return false;
}

CListeFic::~CListeFic() {
  if (background_) CKThread::Abandon(std::move(background_));
}

void CListeFic::RecomputeInBackground(const std::string& expression) {
  const std::string trimmed = Trim(expression, " \t");
  if (trimmed != Config().exp.Get()) Config().exp.Set(trimmed);
  if (gathering_ && gatherGeneration_ == namesGeneration_) return;  // the run will take the new text
  if (background_ && background_->Running()) {
    backgroundPending_ = true;
    return;
  }
  StartBackground();
}

void CListeFic::StopGathering() {
  gathering_ = false;
  copies_.clear();
  if (owner_) KillTimer(owner_, kTimerGather);
}

void CListeFic::StartBackground() {
  backgroundPending_ = false;
  StopGathering();
  if (model_.Count() == 0 || model_.Selection().empty() || !owner_) return;
  FreshenAll();
  backgroundSelection_ = model_.Selection();
  gatherGeneration_ = ++namesGeneration_;
  copies_.reserve(backgroundSelection_.size());
  gathering_ = true;
  SetTimer(owner_, kTimerGather, 1, nullptr);
}

void CListeFic::GatherStep() {
  if (!gathering_) {
    if (owner_) KillTimer(owner_, kTimerGather);
    return;
  }
  // A recompute, a load or a new selection since the start: the names
  // already there are the ones wanted, or a new start will come.
  if (gatherGeneration_ != namesGeneration_ || model_.Selection() != backgroundSelection_) {
    StopGathering();
    return;
  }
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  const long long budget = static_cast<long long>(frequency.QuadPart * kSliceMs / 1000);
  while (copies_.size() < backgroundSelection_.size()) {
    copies_.push_back(model_.Entries()[backgroundSelection_[copies_.size()]]);
    copies_.back().history.clear();  // the run never reads it
    if (copies_.size() % 256 == 0) {
      QueryPerformanceCounter(&now);
      if (now.QuadPart - start.QuadPart >= budget) return;
    }
  }
  std::vector<CFichier> copies = std::move(copies_);
  StopGathering();
  StartRun(std::move(copies), gatherGeneration_);
}

void CListeFic::StartRun(std::vector<CFichier> copies, unsigned generation) {
  background_ = std::make_unique<CCalculFond>(std::move(copies), Config().exp.Get(), EngineOptions(),
                                              CleanupOptions(), CurrentDirectory(), owner_, WM_VELTO_NAMES,
                                              generation);
  if (background_->Start() != 0) {
    background_.reset();
    RecomputeFutureNames();
  }
}

void CListeFic::OnBackgroundNames(WPARAM generation) {
  if (!background_ || background_->Generation() != generation) return;
  background_->Wait(INFINITE);  // the thread posts as its last step
  const std::unique_ptr<CCalculFond> done = std::move(background_);
  const bool current = done->Generation() == namesGeneration_ && model_.Selection() == backgroundSelection_;
  if (backgroundPending_) {
    // Typing went on: these names are out of date. The next run takes the
    // same copies when the selection is still theirs.
    backgroundPending_ = false;
    if (current) StartRun(done->TakeEntries(), ++namesGeneration_);
    else StartBackground();
    return;
  }
  if (!current) return;
  const std::vector<CFichier>& computed = done->Entries();
  for (size_t k = 0; k < computed.size(); ++k) {
    CFichier& e = model_.Entry(backgroundSelection_[k]);
    if (e.name == computed[k].name) e.futureName = computed[k].futureName;
  }
  RedrawRows(0, model_.Count() - 1);
}
