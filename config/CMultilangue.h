// Interface texts by number, in the current language. Command ids double as
// text ids; minus a command id gives its status-bar help. The toolkit base
// holds the maps, the look-ups and the re-labelling of windows and menus;
// CMultilangue adds the program's vocabulary.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>

// The language of a locale id: 0 (French) when its primary language (low 10
// bits) is 12, 1 (English) otherwise.
int LanguageOfLocale(unsigned long lcid);
// The language of the system's default locale, read from the registry
// (1033, English, when the value is missing).
int SystemLanguage();

// The text id of a data item's column title: items 0 to 8 use 37 to 45,
// item 9 ("Attributes") shares text 36, items 10 to 215 use 46 to 251.
inline int ColumnTitleId(int item) { return item < 9 ? 37 + item : item == 9 ? 36 : 36 + item; }

class CKMultilangue {
 public:
  CKMultilangue() = default;
  virtual ~CKMultilangue() = default;
  CKMultilangue(const CKMultilangue&) = delete;
  CKMultilangue& operator=(const CKMultilangue&) = delete;

  // The text of id in the current language; null when the table has none.
  const char* Text(int id) const {
    auto it = texts_.find(id);
    return it == texts_.end() ? nullptr : it->second;
  }
  // The same, with "" for a missing id.
  const char* Get(int id) const {
    const char* t = Text(id);
    return t ? t : "";
  }
  // The HTML help resource of a topic (16 to 24); 0 when none.
  int HelpResource(int topic) const {
    auto it = help_.find(topic);
    return it == help_.end() ? 0 : it->second;
  }
  // The help text of a topic, from the program's resources; empty when the
  // topic or its resource is missing.
  std::string HelpText(int topic) const;
  // 0 French, 1 English, 2 before the first fill.
  int Language() const { return language_; }

  // Sets the text of every child of dialog whose control id has a text, then
  // the caption from captionId (0: no caption change).
  void LabelDialog(HWND dialog, int captionId) const;
  // Re-labels menu: a top-level item under base + its position, an item of a
  // sub-menu under its command id; separators and items without a text keep
  // theirs. Redraws the menu bar of owner when given.
  void LabelMenu(HMENU menu, int base, HWND owner = nullptr) const;
  // Sets the text of the item at position of menu from id (for sub-menus
  // that carry no command id).
  void LabelMenuItem(HMENU menu, int position, int id) const;

 protected:
  // The first insertion of an id wins.
  void Add(int id, const char* text) { texts_.emplace(id, text); }
  void AddHelp(int topic, int resource) { help_.emplace(topic, resource); }
  void Clear() {
    texts_.clear();
    help_.clear();
  }
  void LabelSubMenu(HMENU menu, int base, bool top) const;

  std::map<int, const char*> texts_;
  std::map<int, int> help_;
  int language_ = 2;
};

class CMultilangue : public CKMultilangue {
 public:
  // Rebuilds the table in language 0 (French) or 1 (English).
  void Fill(int language);
  // Ignored while a file operation runs, and when language is the current
  // one unless force is set. Otherwise rebuilds the table if the language
  // changed, stores it in the setting langue and re-labels the main window.
  void SetLanguage(int language, bool force);
  // Rename, copy and undo runs raise this flag around their work.
  void SetOperationRunning(bool running) { operationRunning_ = running; }
  bool OperationRunning() const { return operationRunning_; }
  // What re-labels the main window after a language change.
  void SetRelabel(std::function<void()> relabel) { relabel_ = std::move(relabel); }

 private:
  bool operationRunning_ = false;
  std::function<void()> relabel_;
};

// The process-wide table, filled in the system language on first use.
CMultilangue& Langue();
inline const char* Txt(int id) { return Langue().Get(id); }
