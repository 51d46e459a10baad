#include "expr/CItems.h"

#include "expr/CColonnes.h"
#include "expr/ExprOptions.h"

namespace {
const std::string& Empty() {
  static const std::string empty;
  return empty;
}
}  // namespace

const std::string& ItemText(const CFichier& e, int item) {
  if (item < 0 || item >= kItemCount) return Empty();
  return e.ItemText(item);
}

const std::string& ItemTextFallback(const CFichier& e, int first, int second, const ExprOptions& o) {
  const std::string& t = ItemText(e, first);
  if (!t.empty() || !o.id3v1audNvl) return t;
  return ItemText(e, second);
}

const std::string& ItemTextWithTwin(const CFichier& e, int item, const ExprOptions& o) {
  const int twin = FallbackTwin(item);
  if (twin == kNoItem) return ItemText(e, item);
  return ItemTextFallback(e, item, twin, o);
}

bool ItemInt(const CFichier& e, int item, int64_t* value) {
  const int64_t* v = e.items.ints.Find(item);
  if (!v) return false;
  *value = *v;
  return true;
}

bool ItemDec(const CFichier& e, int item, double* value) {
  const double* v = e.items.decs.Find(item);
  if (!v) return false;
  *value = *v;
  return true;
}

FileTime ItemDate(const CFichier& e, int item) {
  const FileTime* v = e.items.dates.Find(item);
  return v ? *v : 0;
}
