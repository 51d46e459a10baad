// The bilingual table: completeness in both languages, the system language,
// the language switch and the re-labelling of windows, menus and bands.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <set>
#include <string>

#include "config/CConfig.h"
#include "config/CMultilangue.h"
#include "files/Formats.h"
#include "config/IniFiles.h"
#include "ui/CRebarLabels.h"

namespace {

// Every id of the text lists (messages, dialog controls, menu bar, captions,
// menu items, status-bar helps), as listed for the table.
const int kListedIds[] = {
    15, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 252, 253, 254, 255, 256, 257, 258, 259, 260,
    261, 262, 263, 264, 265, 266, 267, 268, 269, 270, 271, 272, 273, 274, 275, 276, 277, 278, 279,
    280, 281, 282, 283, 284, 285, 286, 287, 288, 289, 290, 291, 292, 293, 295, 296, 297, 298, 299,
    300, 301, 302, 303, 304, 305, 306, 307, 308, 309, 310, 311, 312, 313, 314, 315, 316, 317, 318,
    319, 320, 321, 322, 323, 324, 325, 326, 327, 328, 329, 330, 331, 332, 333, 334, 335, 336, 338,
    339, 340, 1005, 1007, 1008, 1009, 1010, 1011, 1012, 1014, 1016, 1017, 1018, 1019, 1024, 1025,
    1027, 1028, 1029, 1030, 1031, 1032, 1033, 1034, 1035, 1037, 1038, 1039, 1040, 1041, 1042, 1043,
    1044, 1045, 1046, 1047, 1048, 1049, 1050, 1051, 1052, 1053, 1054, 1055, 1056, 1057, 1058, 1059,
    1061, 1083, 1084, 1085, 1086, 1087, 1088, 1089, 1090, 1091, 1092, 1093, 1094, 1095, 1096, 1099,
    1100, 1101, 1102, 1103, 1104, 1107, 1108, 1115, 1116, 1118, 1119, 1120, 1121, 1122, 1123, 1124,
    1125, 1126, 1127, 1128, 1129, 1130, 1131, 1132, 1133, 1134, 1135, 1136, 1137, 1141, 1144, 1145,
    1147, 1148, 1149, 1150, 1152, 5000, 5001, 5002, 5003, 5004, 5005, 5006, 20001, 20002, 20003,
    20004, 20005, 20006, 20007, 20008, 20009, 20010, 20011, 20012, 20021, 20022, 40011, 40013,
    40014, 40015, 40016, 40017, 40018, 40019, 40020, 40021, 40022, 40023, 40024, 40025, 40026,
    40027, 40028, 40029, 40030, 40031, 40032, 40033, 40034, 40035, 40036, 40037, 40038, 40039,
    40040, 40041, 40042, 40043, 40044, 40045, 40046, 40047, 40048, 40049, 40050, 40051, 40052,
    40053, 40054, 40055, 40056, 40057, 40058, 40059, 40060, 40061, 40062, 40063, 40064, 40065,
    40066, 40067, 40068, 40069, 40070, 40071, 40072, 40073, 40076, 40077, 40078, -40077, -40076,
    -40073, -40072, -40071, -40070, -40069, -40068, -40067, -40066, -40065, -40064, -40063, -40062,
    -40061, -40060, -40059, -40056, -40055, -40054, -40052, -40051, -40050, -40045, -40044, -40043,
    -40042, -40041, -40037, -40036, -40035, -40034, -40033, -40031, -40030, -40029, -40027, -40026,
    -40022, -40021, -40020, -40018, -40017, -40015, -40013, -40012, -40011, -1036, -1021,
};
// The ids marked as one text for both languages.
const int kBothIds[] = {
    28, 259, 264, 266, 268, 269, 271, 273, 274, 285, 286, 310, 312, 328, 1005, 1011, 1024, 1035,
    1087, 1108, 1119, 5005, 5006, 20004, 20006, 20012, 40040, -40051,
};
// Ids whose French twin is deliberately the English word ("Type", "Flash",
// "Options"...), reviewed one by one.
const int kSameWordIds[] = {
    41, 45, 48, 53, 57, 60, 66, 69, 70, 76, 87, 89, 90, 102, 115, 140, 164, 170, 172, 174, 176, 179,
    197, 199, 237, 239, 241, 242, 40051,
};

struct Language {
  explicit Language(int language) : old_(Langue().Language()) { Langue().Fill(language); }
  ~Language() { Langue().Fill(old_ == 2 ? 1 : old_); }
  int old_;
};

std::string TextIn(int language, int id) {
  Langue().Fill(language);
  const char* t = Langue().Text(id);
  return t ? t : "<none>";
}

TEST(TextTable, EveryListedIdAndColumnTitleHasBothLanguages) {
  Language restore(1);
  std::set<int> ids(std::begin(kListedIds), std::end(kListedIds));
  for (int item = 0; item < 216; ++item) ids.insert(ColumnTitleId(item));
  const std::set<int> bothIds(std::begin(kBothIds), std::end(kBothIds));
  const std::set<int> same(std::begin(kSameWordIds), std::end(kSameWordIds));
  for (int id : ids) {
    const std::string en = TextIn(1, id);
    const std::string fr = TextIn(0, id);
    EXPECT_NE(en, "<none>") << id;
    EXPECT_NE(fr, "<none>") << id;
    if (bothIds.count(id)) {
      EXPECT_EQ(fr, en) << id;
    } else if (same.count(id)) {
      EXPECT_EQ(fr, en) << id << " was reviewed as the same word";
    } else {
      EXPECT_NE(fr, en) << id << " has no French twin: " << en;
    }
  }
}

TEST(TextTable, ColumnTitlesFollowTheItemNumbers) {
  Language restore(1);
  std::set<int> ids;
  for (int item = 0; item < 216; ++item) ids.insert(ColumnTitleId(item));
  EXPECT_EQ(ids.size(), 216u);
  EXPECT_EQ(*ids.begin(), 36);
  EXPECT_EQ(*ids.rbegin(), 251);
  struct Case {
    int item;
    const char* en;
  } cases[] = {{0, "Current name"},  {1, "Future name"},          {2, "Sel"},
               {8, "Modification"},  {9, "Attributes"},           {10, "Aud-Bitrate"},
               {36, "At-ImgFormat"}, {90, "Xif-DateTimeOriginal"}, {158, "Xif-GPSDestDistance"},
               {185, "Ip-Keywords"}, {215, "Exe-Special build"}};
  for (const Case& c : cases) EXPECT_STREQ(Langue().Get(ColumnTitleId(c.item)), c.en) << c.item;
}

TEST(TextTable, FrenchTextsAreWindows1252AndUnitsAreGiven) {
  Language restore(0);
  EXPECT_STREQ(Txt(335), "Ko");
  EXPECT_STREQ(Txt(336), "Mo");
  EXPECT_STREQ(Txt(334), "Go");
  EXPECT_STREQ(Txt(26), "Impossible d'acc\xe9" "der \xe0 %s");
  EXPECT_STREQ(Txt(1106), "Fran\xe7" "ais");
  // The status-bar help of 40078 exists in French only.
  EXPECT_NE(Langue().Text(-40078), nullptr);
  Langue().Fill(1);
  EXPECT_EQ(Langue().Text(-40078), nullptr);
  EXPECT_STREQ(Txt(1058), "Sort files \"\xe0 la\" XP (numbers in strings)");
  EXPECT_STREQ(Txt(40011), "&Help\tF1");
  EXPECT_EQ(Langue().Text(294), nullptr);
  EXPECT_STREQ(Txt(294), "");
}

TEST(TextTable, MessageFormatsTakeTheArgumentsTheProgramGives) {
  const std::string s = "C:\\dir";
  const struct {
    int id;
    std::vector<CArgTexte> args;
  } uses[] = {{26, {s}},   {31, {1}},    {33, {s}},    {34, {1, s}}, {258, {1, s}}, {300, {1}},
              {302, {1}},  {304, {1}},   {306, {1}},   {322, {1, 2}}, {324, {1, 2}}, {326, {s}},
              {278, {2, "s"}}, {279, {2, "s"}}, {282, {2, "s"}}};
  for (int language : {0, 1}) {
    Language in(language);
    for (const auto& u : uses) EXPECT_TRUE(FormatComplet(Txt(u.id), u.args)) << u.id << " in " << language;
  }
  EXPECT_FALSE(FormatComplet("%d error%s", {1}));
  EXPECT_FALSE(FormatComplet("%s", {1}));
}

TEST(TextTable, HelpTopicsMapToTheLanguagesResources) {
  Language restore(1);
  struct Case {
    int topic, en, fr;
  } cases[] = {{16, 20031, 20032}, {21, 20041, 20042}, {23, 20047, 20048}, {24, 20049, 20050}, {25, 0, 0}, {15, 0, 0}};
  for (const Case& c : cases) {
    Langue().Fill(1);
    EXPECT_EQ(Langue().HelpResource(c.topic), c.en) << c.topic;
    Langue().Fill(0);
    EXPECT_EQ(Langue().HelpResource(c.topic), c.fr) << c.topic;
  }
}

// Sets the system locale value for the test's lifetime.
class SystemLocale {
 public:
  SystemLocale() {
    RegCreateKeyExA(HKEY_USERS, ".DEFAULT\\Control Panel\\International", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &key_, nullptr);
    DWORD n = sizeof old_ - 1;
    had_ = RegQueryValueExA(key_, "Locale", nullptr, nullptr, reinterpret_cast<BYTE*>(old_), &n) == ERROR_SUCCESS;
    old_[had_ ? n : 0] = 0;
  }
  ~SystemLocale() {
    if (had_)
      Set(old_);
    else
      Remove();
    RegCloseKey(key_);
  }
  void Set(const char* value) {
    RegSetValueExA(key_, "Locale", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), static_cast<DWORD>(strlen(value) + 1));
  }
  void Remove() { RegDeleteValueA(key_, "Locale"); }

 private:
  HKEY key_ = nullptr;
  char old_[64] = {};
  bool had_ = false;
};

TEST(SystemLanguage, FrenchOnlyForPrimaryLanguage12) {
  struct Case {
    const char* locale;  // null: value missing
    int language;
  } cases[] = {{"0000040C", 0}, {"0000080c", 0}, {"00000C0C", 0}, {"0000100C", 0}, {"00000409", 1},
               {"00000407", 1}, {"0000040A", 1}, {"garbage", 1},  {"", 1},          {nullptr, 1}};
  SystemLocale locale;
  for (const Case& c : cases) {
    if (c.locale)
      locale.Set(c.locale);
    else
      locale.Remove();
    EXPECT_EQ(SystemLanguage(), c.language) << (c.locale ? c.locale : "(missing)");
  }
}

TEST(SystemLanguage, AFrenchSystemStartsInFrenchWhenLangueIsAbsent) {
  {
    SystemLocale locale;
    locale.Set("0000040C");
    ASSERT_EQ(LoadFrom(NewIniPath("french")), 0);
    EXPECT_EQ(Config().langue.Get(), 0);
    EXPECT_FALSE(Config().langue.Modified());
    EXPECT_EQ(Langue().Language(), 0);
    EXPECT_STREQ(Txt(29), "Filtre");
    locale.Set("00000407");
    ASSERT_EQ(LoadFrom(NewIniPath("german")), 0);
    EXPECT_EQ(Langue().Language(), 1);
    EXPECT_STREQ(Txt(29), "Filter");
  }
  ProfilePath().clear();
}

TEST(SetLanguage, FollowsItsRules) {
  Language restore(1);
  int relabels = 0;
  Langue().SetRelabel([&relabels] { ++relabels; });
  Langue().SetLanguage(1, false);
  EXPECT_EQ(relabels, 0);
  Langue().SetLanguage(1, true);
  EXPECT_EQ(relabels, 1);
  Langue().SetOperationRunning(true);
  Langue().SetLanguage(0, true);
  EXPECT_EQ(Langue().Language(), 1);
  EXPECT_EQ(relabels, 1);
  Langue().SetOperationRunning(false);
  Langue().SetLanguage(0, false);
  EXPECT_EQ(Langue().Language(), 0);
  EXPECT_EQ(Config().langue.Get(), 0);
  EXPECT_STREQ(Txt(5000), "&Fichier");
  EXPECT_EQ(relabels, 2);
  Langue().SetLanguage(7, true);
  EXPECT_EQ(Langue().Language(), 0);
  Langue().SetRelabel(nullptr);
}

std::string TextOf(HWND h) {
  char buf[256];
  return std::string(buf, GetWindowTextA(h, buf, sizeof buf));
}

std::string MenuText(HMENU m, int pos) {
  char buf[256];
  return std::string(buf, GetMenuStringA(m, pos, buf, sizeof buf, MF_BYPOSITION));
}

TEST(Label, DialogChildrenTakeTheirTextsAndUnknownIdsKeepTheirs) {
  Language restore(0);
  HWND dlg = CreateWindowExA(0, "STATIC", "Cpp", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(dlg, nullptr);
  HWND ok = CreateWindowExA(0, "BUTTON", "Ok", WS_CHILD, 0, 0, 50, 20, dlg, reinterpret_cast<HMENU>(1011), nullptr, nullptr);
  HWND cancel = CreateWindowExA(0, "BUTTON", "Ann", WS_CHILD, 0, 0, 50, 20, dlg, reinterpret_cast<HMENU>(1007), nullptr, nullptr);
  HWND other = CreateWindowExA(0, "STATIC", "Liste", WS_CHILD, 0, 0, 50, 20, dlg, reinterpret_cast<HMENU>(9999), nullptr, nullptr);
  Langue().LabelDialog(dlg, 20012);
  EXPECT_EQ(TextOf(ok), "&OK");
  EXPECT_EQ(TextOf(cancel), "&Annuler");
  EXPECT_EQ(TextOf(other), "Liste");
  EXPECT_EQ(TextOf(dlg), "Options");
  Langue().LabelDialog(dlg, 0);
  EXPECT_EQ(TextOf(dlg), "Options");
  Langue().LabelDialog(dlg, 31999);
  EXPECT_EQ(TextOf(dlg), "Options");
  DestroyWindow(dlg);
}

TEST(Label, MenusUseBasePlusPositionAtTopAndCommandIdsBelow) {
  Language restore(1);
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  HMENU edit = CreatePopupMenu();
  HMENU copy = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, 40051, "Opt");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING, 40999, "Inconnu");
  AppendMenuA(file, MF_STRING, 40041, "Quit");
  AppendMenuA(copy, MF_STRING, 40022, "Liste");
  AppendMenuA(edit, MF_POPUP, reinterpret_cast<UINT_PTR>(copy), "Cpp");
  AppendMenuA(edit, MF_STRING, 40077, "Info");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "Fic");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "Edi");
  Langue().LabelMenu(bar, 5000);
  EXPECT_EQ(MenuText(bar, 0), "&File");
  EXPECT_EQ(MenuText(bar, 1), "&Edit");
  EXPECT_EQ(MenuText(file, 0), "&Options\tCtrl+O");
  EXPECT_EQ(GetMenuItemCount(file), 4);
  EXPECT_EQ(MenuText(file, 2), "Inconnu");
  EXPECT_EQ(MenuText(file, 3), "E&xit\tCtrl+W");
  EXPECT_EQ(MenuText(edit, 0), "Cpp");
  EXPECT_EQ(MenuText(copy, 0), "&List with header\tCtrl+P");
  EXPECT_EQ(GetMenuItemID(file, 3), 40041u);
  Langue().LabelMenuItem(edit, 0, 40024);
  EXPECT_EQ(MenuText(edit, 0), "Copy the &selection");
  EXPECT_EQ(GetSubMenu(edit, 0), copy);
  DestroyMenu(bar);
}

TEST(Label, BandsWithAPositiveValueTakeThatText) {
  Language restore(0);
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_COOL_CLASSES};
  ASSERT_TRUE(InitCommonControlsEx(&icc));
  HWND top = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 100, nullptr, nullptr, nullptr, nullptr);
  HWND rebar = CreateWindowExA(0, REBARCLASSNAMEA, "", WS_CHILD | RBS_VARHEIGHT, 0, 0, 400, 60, top,
                               reinterpret_cast<HMENU>(10), nullptr, nullptr);
  ASSERT_NE(rebar, nullptr);
  const LPARAM values[] = {29, 0, -5};
  for (LPARAM v : values) {
    REBARBANDINFOA band = {};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_TEXT | RBBIM_LPARAM;
    band.lpText = const_cast<char*>("placeholder");
    band.lParam = v;
    SendMessageA(rebar, RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
  }
  LabelBands(rebar, Langue());
  const char* expected[] = {"Filtre", "placeholder", "placeholder"};
  for (int i = 0; i < 3; ++i) {
    char buf[64] = {};
    REBARBANDINFOA band = {};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_TEXT;
    band.lpText = buf;
    band.cch = sizeof buf;
    SendMessageA(rebar, RB_GETBANDINFOA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&band));
    EXPECT_STREQ(buf, expected[i]) << i;
  }
  DestroyWindow(top);
}

}  // namespace
