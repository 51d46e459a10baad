#include "ui/CRebar.h"

#include "config/CMultilangue.h"
#include "res/resource.h"
#include "ui/CRebarLabels.h"

namespace {

constexpr int kComboHeight = 200;  // with the drop-down list
constexpr int kComboMinWidth = 120;

struct CBandDefaut {
  int id;
  int labelId;
  bool newRow;
  int width;
};
constexpr CBandDefaut kDefaults[CRebar::kBandCount] = {
    {CRebar::kMain, 0, false, 0},     {CRebar::kSelect, 0, false, 0},     {CRebar::kGroups, 0, false, 0},
    {CRebar::kExpression, 28, true, 0}, {CRebar::kDirectory, 0, true, 0}, {CRebar::kNavigation, 0, false, 0},
    {CRebar::kFilter, 29, false, 100},
};

}  // namespace

std::vector<CBandeEntry> CRebar::DefaultOrder() {
  std::vector<CBandeEntry> order;
  for (const CBandDefaut& d : kDefaults) order.push_back({d.id, d.newRow, d.width});
  return order;
}

std::vector<CBandeEntry> CRebar::Order(const std::vector<std::string>& stored) {
  std::vector<CBandeEntry> order;
  bool seen[kBandCount + 1] = {};
  for (const std::string& text : stored) {
    CBandeEntry e;
    if (!ParseBande(text, &e) || e.id < 1 || e.id > kBandCount || seen[e.id] || e.width < 0) return DefaultOrder();
    seen[e.id] = true;
    order.push_back(e);
  }
  for (const CBandDefaut& d : kDefaults)
    if (!seen[d.id]) order.push_back({d.id, d.newRow, d.width});
  return order;
}

HWND CRebar::Create(HWND parent, HINSTANCE inst, int id) {
  hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW, REBARCLASSNAMEA, "",
                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT |
                              RBS_BANDBORDERS | CCS_NODIVIDER | CCS_TOP,
                          0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), inst, nullptr);
  if (!hwnd_) return nullptr;
  REBARINFO ri = {};
  ri.cbSize = sizeof ri;
  SendMessageA(hwnd_, RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&ri));

  const BYTE B = BTNS_BUTTON, C = BTNS_CHECK, D = BTNS_DROPDOWN;
  const int S = CKBouton::kSeparator;
  main_.Create(hwnd_, inst, IDC_TB_MAIN, IDB_TB_MAIN, 16,
               {{CMD_RENAME, 0, B}, {CMD_RECOMPUTE, 1, B}, {CMD_COPY, 2, B}, {CMD_UNDO, CKBouton::kStdUndo, B},
                {CMD_REDO, CKBouton::kStdRedo, B}, {0, S, 0}, {CMD_OPTIONS, 3, B}});
  select_.Create(hwnd_, inst, IDC_TB_SELECT, IDB_TB_SELECT, 16,
                 {{CMD_ALL, 0, B}, {CMD_NONE, 1, B}, {CMD_INVERT, 2, B}, {0, S, 0}, {CMD_SELECT, 3, B},
                  {CMD_UNSELECT, 4, B}, {0, S, 0}, {CMD_SEL_FILTER, 5, B}, {CMD_UNSEL_FILTER, 6, B}});
  groups_.Create(hwnd_, inst, IDC_TB_GROUPS, IDB_TB_GROUPS, 16,
                 {{CMD_GRP_BASE, 0, C}, {0, S, 0}, {CMD_GRP_AUDIO, 1, C}, {CMD_GRP_ID3V1, 2, C},
                  {CMD_GRP_AUDTAG, 3, C}, {CMD_GRP_VIDEO, 4, C}, {CMD_GRP_VIDTAG, 5, C}, {CMD_GRP_IMG, 6, C},
                  {CMD_GRP_EXIF, 7, C}, {CMD_GRP_IPTC, 8, C}, {CMD_GRP_DOC, 9, C}, {CMD_GRP_EXE, 10, C}});
  nav_.Create(hwnd_, inst, IDC_TB_NAV, IDB_TB_NAV, 16,
              {{CMD_BACK, 0, D}, {CMD_FORWARD, 1, D}, {CMD_CHOOSE_DIR, 2, D}, {CMD_PARENT_DIR, 3, B},
               {CMD_EXPLORER_DIR, 4, D}, {CMD_RELOAD, 5, B}, {CMD_SUBDIRS, 6, C}, {CMD_STOP_LOAD, 7, B}});
  nav_.Enable(CMD_BACK, false);
  nav_.Enable(CMD_FORWARD, false);
  expression_.Create(hwnd_, inst, IDC_COMBO_EXP, 1024, kComboHeight);
  directory_.Create(hwnd_, inst, IDC_COMBO_REP, IDC_TB_ADDDIR, IDB_TB_ADDDIR, CMD_ADD_COMBO, kComboHeight);
  filter_.Create(hwnd_, inst, IDC_COMBO_FIL, MAX_PATH, kComboHeight);

  std::vector<std::string> stored;
  for (int i = 0; i < Config().rebar.Count(); ++i) stored.push_back(Config().rebar.At(i));
  const bool lock = Config().verr_bandes;
  const std::vector<CBandeEntry> order = Order(stored);
  for (const CBandeEntry& e : order) InsertBand(e, lock);
  if (stored.empty()) {
    // The expression and directory rows get the whole width.
    for (int band : {kExpression, kDirectory}) {
      const int index = static_cast<int>(SendMessageA(hwnd_, RB_IDTOINDEX, band, 0));
      if (index >= 0) SendMessageA(hwnd_, RB_MAXIMIZEBAND, index, TRUE);
    }
  }
  return hwnd_;
}

void CRebar::InsertBand(const CBandeEntry& e, bool lock) {
  REBARBANDINFOA band = {};
  band.cbSize = sizeof band;
  band.fMask = RBBIM_ID | RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_LPARAM | RBBIM_SIZE;
  band.wID = static_cast<UINT>(e.id);
  band.fStyle = RBBS_CHILDEDGE | (e.newRow ? RBBS_BREAK : 0) | (lock ? RBBS_NOGRIPPER : RBBS_GRIPPERALWAYS);
  band.lParam = kDefaults[e.id - 1].labelId;
  CKToolbar* toolbar = e.id == kMain ? &main_ : e.id == kSelect ? &select_ : e.id == kGroups ? &groups_
                       : e.id == kNavigation ? &nav_ : nullptr;
  if (toolbar) {
    const SIZE s = toolbar->IdealSize();
    band.hwndChild = toolbar->Hwnd();
    band.cxMinChild = s.cx;
    band.cyMinChild = s.cy;
    band.cx = e.width > 0 ? e.width : s.cx + 16;
  } else {
    CKCombo& combo = e.id == kExpression ? expression_ : e.id == kDirectory ? directory_ : filter_;
    RECT r;
    GetWindowRect(combo.Hwnd(), &r);
    band.hwndChild = combo.Hwnd();
    band.cxMinChild = e.id == kFilter ? 60 : kComboMinWidth;
    band.cyMinChild = r.bottom - r.top;
    band.cx = e.width > 0 ? e.width : 200;
  }
  if (band.lParam > 0) {
    band.fMask |= RBBIM_TEXT;
    band.lpText = const_cast<char*>(Txt(static_cast<int>(band.lParam)));
  }
  SendMessageA(hwnd_, RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
}

int CRebar::Height() const {
  if (!hwnd_) return 0;
  RECT r;
  GetWindowRect(hwnd_, &r);
  return r.bottom - r.top;
}

std::vector<CBandeEntry> CRebar::Bands() const {
  std::vector<CBandeEntry> bands;
  const int count = hwnd_ ? static_cast<int>(SendMessageA(hwnd_, RB_GETBANDCOUNT, 0, 0)) : 0;
  for (int i = 0; i < count; ++i) {
    REBARBANDINFOA band = {};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_ID | RBBIM_STYLE | RBBIM_SIZE;
    if (!SendMessageA(hwnd_, RB_GETBANDINFOA, i, reinterpret_cast<LPARAM>(&band))) continue;
    bands.push_back({static_cast<int>(band.wID), (band.fStyle & RBBS_BREAK) != 0, static_cast<int>(band.cx)});
  }
  return bands;
}

void CRebar::Save() const {
  if (!hwnd_) return;
  std::vector<std::string> texts;
  for (const CBandeEntry& e : Bands()) texts.push_back(FormatBande(e));
  Config().rebar.Assign(texts);
}

void CRebar::Lock(bool lock) {
  const int count = hwnd_ ? static_cast<int>(SendMessageA(hwnd_, RB_GETBANDCOUNT, 0, 0)) : 0;
  for (int i = 0; i < count; ++i) {
    REBARBANDINFOA band = {};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_STYLE;
    if (!SendMessageA(hwnd_, RB_GETBANDINFOA, i, reinterpret_cast<LPARAM>(&band))) continue;
    band.fStyle &= ~(RBBS_NOGRIPPER | RBBS_GRIPPERALWAYS);
    band.fStyle |= lock ? RBBS_NOGRIPPER : RBBS_GRIPPERALWAYS;
    SendMessageA(hwnd_, RB_SETBANDINFOA, i, reinterpret_cast<LPARAM>(&band));
  }
  if (hwnd_) RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void CRebar::Relabel() {
  if (hwnd_) LabelBands(hwnd_, Langue());
}

std::vector<CKToolbar*> CRebar::Toolbars() { return {&main_, &select_, &groups_, &nav_, &directory_.Button()}; }
