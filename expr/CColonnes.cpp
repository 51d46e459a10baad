#include "expr/CColonnes.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

const CColonne kColonnes[kItemCount] = {
#define VELTO_ITEM(num, group, kind, name, var, title, width, right) {num, group, kind, var, title, width, right},
#include "files/Items.def"
#undef VELTO_ITEM
};

struct VarIndex {
  const char* name;  // without '%'
  int item;
};

// Variable names sorted for binary search; built once on first use.
struct VarTable {
  std::array<VarIndex, kItemCount> entries{};
  size_t count = 0;
  VarTable() {
    for (const CColonne& c : kColonnes) {
      if (c.variable) entries[count++] = {c.variable + 1, c.item};
    }
    std::sort(entries.begin(), entries.begin() + count,
              [](const VarIndex& a, const VarIndex& b) { return std::strcmp(a.name, b.name) < 0; });
  }
};

const VarTable& Vars() {
  static const VarTable table;
  return table;
}

// Compares a counted name with a NUL-terminated one, as strcmp would.
int CompareName(const char* name, size_t len, const char* entry) {
  const size_t n = std::strlen(entry);
  const int c = std::memcmp(name, entry, len < n ? len : n);
  if (c != 0) return c;
  return len < n ? -1 : (len > n ? 1 : 0);
}


const int kTwins[][2] = {{kItemmt, kItemAt}, {kItemma, kItemAa}, {kItemmA, kItemAA}, {kItemmy, kItemAy},
                         {kItemmc, kItemAc}, {kItemmg, kItemAg}, {kItemmT, kItemAT}};

}  // namespace

const CColonne* Colonne(int item) {
  if (item < 0 || item >= kItemCount) return nullptr;
  return &kColonnes[item];
}

int ItemOfVariable(const char* name, size_t len) {
  const VarTable& t = Vars();
  size_t lo = 0, hi = t.count;
  while (lo < hi) {
    const size_t mid = lo + (hi - lo) / 2;
    const int c = CompareName(name, len, t.entries[mid].name);
    if (c == 0) return t.entries[mid].item;
    if (c < 0)
      hi = mid;
    else
      lo = mid + 1;
  }
  return kNoItem;
}

bool IsDateVariable(int item) {
  const CColonne* c = Colonne(item);
  // The document edit time sorts as a date but reads as its text.
  return c && c->kind == kKindDate && item != kItemOe;
}

int FallbackTwin(int item) {
  for (const auto& p : kTwins) {
    if (p[0] == item) return p[1];
    if (p[1] == item) return p[0];
  }
  return kNoItem;
}
