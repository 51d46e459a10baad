// Interface texts by number, in the current language. Command ids double as
// text ids; minus a command id gives its status-bar help.
#pragma once

#include <map>

class CKMultilangue {
 public:
  virtual ~CKMultilangue() = default;
  // The text of id in the current language; "" when the table has none.
  const char* Get(int id) const {
    auto it = texts_.find(id);
    return it == texts_.end() ? "" : it->second;
  }
  int Language() const { return language_; }

 protected:
  // The first insertion of an id wins.
  void Add(int id, const char* text) { texts_.emplace(id, text); }
  std::map<int, const char*> texts_;
  int language_ = 2;  // 0 French, 1 English, 2 not filled yet
};

class CMultilangue : public CKMultilangue {
 public:
  // Rebuilds the table in language 0 (French) or 1 (English).
  void Fill(int language);
};

CMultilangue& Langue();
inline const char* Txt(int id) { return Langue().Get(id); }
