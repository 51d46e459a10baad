// The list controller's window: creation, the cells, and the status bar texts.
#include "ui/CListeFic.h"

#include <commctrl.h>

#include "config/CConfig.h"
#include "config/CMultilangue.h"
#include "expr/CCollision.h"
#include "expr/CColonnes.h"
#include "files/Formats.h"

const std::vector<int>& CListeFic::Columns() {
  static const std::vector<int> columns = {kItemNom,       kItemNomFutur, kItemSel,      kItemNomDos,
                                           kItemType,      kItemTaille,   kItemDateCrea, kItemDateAcces,
                                           kItemDateModif, kItemAttributs};
  return columns;
}

HWND CListeFic::Create(HWND owner, HINSTANCE inst, int id, bool visible) {
  owner_ = owner;
  DWORD style = WS_CHILD | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_EDITLABELS;
  if (visible) style |= WS_VISIBLE;
  HWND hwnd = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", style, 0, 0, 0, 0, owner,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), inst, nullptr);
  Attach(hwnd);
  if (!hwnd) return nullptr;
  model_.SetRedrawRow([this](int row) { RedrawItems(row, row); });
  model_.SetRecompute([this] { RecomputeFutureNames(); });
  model_.SetSelText([](int index) {
    const CConfig& c = Config();
    return FormatNombre(ValeurNumero(c.num_sel_dep, index, c.num_sel_inc), c.num_sel_pad);
  });
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
  if (row < 0 || row >= model_.Count()) return empty;
  if (column < 0 || column >= static_cast<int>(Columns().size())) return empty;
  return model_.Entries()[row].ItemText(Columns()[column]);
}

void CListeFic::OnGetDispInfo(NMLVDISPINFOA* info) {
  if (!(info->item.mask & LVIF_TEXT) || !info->item.pszText || info->item.cchTextMax <= 0) return;
  if (info->item.iItem >= 0 && info->item.iItem < model_.Count()) Freshen(model_.Entry(info->item.iItem));
  const std::string& text = CellText(info->item.iItem, info->item.iSubItem);
  lstrcpynA(info->item.pszText, text.c_str(), info->item.cchTextMax);
}

void CListeFic::RefreshStatus() {
  if (!status_) return;
  status_->SetText(CStatusTexts::kText, "");
  status_->SetText(CStatusTexts::kSel,
                   FormatTexte(Txt(324), {model_.Selection().size(), model_.Entries().size()}));
  const CSizeUnits units{Txt(335), Txt(336), Txt(334)};
  status_->SetText(CStatusTexts::kSelSize,
                   FormatTexte(Txt(326), {FormatTaille(model_.SelectedSize(), 0, units)}));
  status_->SetText(CStatusTexts::kOper, FormatTexte(Txt(322), {history_.Position(), history_.Count()}));
  ShowFocusedState();
}

void CListeFic::ShowProgress(int textId, int done) {
  if (!status_) return;
  status_->SetText(CStatusTexts::kText, FormatTexte(Txt(textId), {done}));
  if (owner_) UpdateWindow(owner_);
}

void CListeFic::ShowFocusedState() {
  if (!status_) return;
  const int focused = FocusedItem();
  if (focused < 0 || focused >= model_.Count()) {
    status_->SetText(CStatusTexts::kText, "");
    return;
  }
  const CFichier& e = model_.Entries()[focused];
  if (e.lastError == 0) {
    status_->SetText(CStatusTexts::kText, e.name);
    return;
  }
  char message[512] = "";
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                 e.lastError, 0, message, sizeof message, nullptr);
  std::string text(message, n < sizeof message ? n : 0);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
  status_->SetText(CStatusTexts::kText, text + " (" + std::to_string(e.lastError) + ")");
}

void CListeFic::EndLabelEdit() {
  if (Hwnd() && SendMessageA(Hwnd(), LVM_GETEDITCONTROL, 0, 0))
    SendMessageA(Hwnd(), LVM_CANCELEDITLABEL, 0, 0);
}
