// The list's hooks into its model, its status bar texts and the selection of
// entries by name or by filter.
#include "ui/CListeCourante.h"

#include "config/CConfig.h"
#include "config/CMultilangue.h"
#include "expr/CCollision.h"
#include "files/Formats.h"
#include "os/AnsiCase.h"

CListeCourante::CListeCourante() {
  model_.SetRedrawRow([this](int row) { RedrawRows(row, row); });
  model_.SetRecompute([this] { RecomputeFutureNames(); });
  model_.SetSelText([](int index) {
    const CConfig& c = Config();
    return FormatNombre(ValeurNumero(c.num_sel_dep, index, c.num_sel_inc), c.num_sel_pad);
  });
}

void CListeCourante::RefreshStatus() {
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

void CListeCourante::ShowProgress(int textId, int done) {
  if (!status_) return;
  status_->SetText(CStatusTexts::kText, FormatTexte(Txt(textId), {done}));
  if (owner_) UpdateWindow(owner_);
}

void CListeCourante::ShowFocusedState() {
  if (!status_) return;
  const int focused = FocusedRow();
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

void CListeCourante::SelectNames(const std::vector<std::string>& names) {
  int lowest = -1, highest = -1;
  const auto& entries = model_.Entries();
  // A name matches without regard to case unless some entry carries it
  // exactly: in a case-sensitive directory "a.txt" must not also select
  // "A.txt", a file the user never named.
  std::vector<bool> exact(names.size(), false);
  for (const auto& e : entries)
    for (size_t k = 0; k < names.size(); ++k)
      if (e.name == names[k]) exact[k] = true;
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::string& n = entries[i].name;
    for (size_t k = 0; k < names.size(); ++k) {
      const std::string& want = names[k];
      if (exact[k] ? n != want : !AnsiEqualNoCase(n, want)) continue;
      if (model_.Select(static_cast<int>(i)) == 0) {
        if (lowest < 0) lowest = static_cast<int>(i);
        highest = static_cast<int>(i);
      }
      break;
    }
  }
  if (lowest < 0) return;
  ShowRange(lowest, highest);
  RecomputeFutureNames();
  RefreshStatus();
}

int CListeCourante::SelectWithFilter(const std::string& filter, bool notMatching, bool dirs) {
  const int first = model_.SelectFilter(filter, notMatching, dirs);
  FocusRow(first, false);
  RefreshStatus();
  return first;
}
