#include "config/CMultilangue.h"

#include <commctrl.h>

#include <cstdlib>

#include "config/CConfig.h"
#include "config/CTextes.h"
#include "os/CKGuards.h"

namespace {

constexpr unsigned long kEnglishUs = 1033;
constexpr unsigned long kLangFrench = 12;

// Help topics 16 to 24 with their English and French HTML resources.
struct CAide {
  int topic;
  int en;
  int fr;
};
const CAide kAides[] = {{16, 20031, 20032}, {17, 20033, 20034}, {18, 20035, 20036},
                        {19, 20037, 20038}, {20, 20039, 20040}, {21, 20041, 20042},
                        {22, 20043, 20044}, {23, 20047, 20048}, {24, 20049, 20050}};

class CRegKey {
 public:
  CRegKey(HKEY root, const char* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) == ERROR_SUCCESS) key_.Reset(key);
  }
  // The string value name (null: the default value); false when missing.
  bool String(const char* name, char* buf, DWORD size) const {
    if (!key_.Valid()) return false;
    DWORD type = 0;
    DWORD n = size - 1;
    if (RegQueryValueExA(key_.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buf), &n) != ERROR_SUCCESS)
      return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
    buf[n < size ? n : size - 1] = '\0';
    return true;
  }

 private:
  CKRegKey key_;
};

unsigned long SystemLocale() {
  char buf[64];
  const bool nt = (GetVersion() & 0x80000000u) == 0;
  const bool found = nt ? CRegKey(HKEY_USERS, ".DEFAULT\\Control Panel\\International").String("Locale", buf, sizeof buf)
                        : CRegKey(HKEY_USERS, ".Default\\Control Panel\\desktop\\ResourceLocale")
                              .String(nullptr, buf, sizeof buf);
  if (!found) return kEnglishUs;
  char* end = nullptr;
  const unsigned long lcid = std::strtoul(buf, &end, 16);
  return end == buf ? kEnglishUs : lcid;
}

struct CLabelDialog {
  const CKMultilangue* table;
};

BOOL CALLBACK LabelChild(HWND child, LPARAM param) {
  const CKMultilangue* table = reinterpret_cast<CLabelDialog*>(param)->table;
  if (const char* text = table->Text(GetDlgCtrlID(child))) SetWindowTextA(child, text);
  return TRUE;
}

void SetItemText(HMENU menu, int position, const char* text) {
  MENUITEMINFOA mii = {};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_STRING;
  mii.dwTypeData = const_cast<char*>(text);
  SetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &mii);
}

}  // namespace

int LanguageOfLocale(unsigned long lcid) { return (lcid & 0x3FF) == kLangFrench ? 0 : 1; }

int SystemLanguage() { return LanguageOfLocale(SystemLocale()); }

void CKMultilangue::LabelDialog(HWND dialog, int captionId) const {
  CLabelDialog ctx{this};
  EnumChildWindows(dialog, LabelChild, reinterpret_cast<LPARAM>(&ctx));
  if (captionId == 0) return;
  if (const char* caption = Text(captionId)) SetWindowTextA(dialog, caption);
}

std::string CKMultilangue::HelpText(int topic) const {
  // Help texts are resources of type 23 (HTML) in the program's own module.
  const int id = HelpResource(topic);
  if (id == 0) return {};
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(23));
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  return bytes ? std::string(static_cast<const char*>(bytes), SizeofResource(module, found)) : std::string();
}

void CKMultilangue::LabelSubMenu(HMENU menu, int base, bool top) const {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &mii)) continue;
    if (mii.fType & MFT_SEPARATOR) continue;
    // A popup inside a popup has no command id of its own.
    const int id = top ? base + i : mii.hSubMenu ? 0 : static_cast<int>(mii.wID);
    if (id != 0)
      if (const char* text = Text(id)) SetItemText(menu, i, text);
    if (mii.hSubMenu) LabelSubMenu(mii.hSubMenu, base, false);
  }
}

void CKMultilangue::LabelMenu(HMENU menu, int base, HWND owner) const {
  LabelSubMenu(menu, base, true);
  if (owner) DrawMenuBar(owner);
}

void CKMultilangue::LabelMenuItem(HMENU menu, int position, int id) const {
  if (const char* text = Text(id)) SetItemText(menu, position, text);
}

void CMultilangue::Fill(int language) {
  Clear();
  language_ = language;
  const bool french = language == 0;
  for (int i = 0; i < kTexteCount; ++i) {
    const CTexte& t = kTextes[i];
    const char* text = french ? (t.fr ? t.fr : t.en) : t.en;
    if (text) Add(t.id, text);
  }
  for (const CAide& a : kAides) AddHelp(a.topic, french ? a.fr : a.en);
}

void CMultilangue::SetLanguage(int language, bool force) {
  if (operationRunning_ || language < 0 || language > 1) return;
  if (language == language_ && !force) return;
  if (language != language_) Fill(language);
  Config().langue.Set(language);
  if (relabel_) relabel_();
}

CMultilangue& Langue() {
  static CMultilangue table;
  static const bool filled = (table.Fill(SystemLanguage()), true);
  (void)filled;
  return table;
}
