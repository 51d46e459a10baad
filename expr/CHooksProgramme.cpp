#include "expr/CHooksProgramme.h"

#include <cstdlib>
#include <unordered_map>

#include "expr/CCollision.h"
#include "os/AnsiCase.h"
#include "os/AsciiText.h"
#include "os/CNoms.h"

namespace {

int64_t Given(const CBlocEntiers& b, int i, int64_t fallback) { return b.present && b.given[i] ? b.v[i] : fallback; }

int Size(const CBlocEntiers& b, int i, int option) {
  return TailleNombre(b.present && b.given[i], b.present ? b.v[i] : 0, option);
}

// A run of decimal digits read as a number, saturating at the 64-bit maximum.
int64_t ReadRun(const std::string& run) {
  int64_t v = 0;
  for (char ch : run) {
    const int d = ch - '0';
    if (v > (INT64_MAX - d) / 10) return INT64_MAX;
    v = v * 10 + d;
  }
  return v;
}
}  // namespace

CSourcesExternes& SourcesExternes() {
  static CSourcesExternes sources;
  return sources;
}

std::string SelectionNumber(int index, const ExprOptions& o, const CBlocEntiers* b) {
  const CBlocEntiers none;
  const CBlocEntiers& k = b ? *b : none;
  return FormatNombre(ValeurNumero(Given(k, 1, o.numSelDep), index, Given(k, 2, o.numSelInc)),
                        Size(k, 0, o.numSelPad));
}

std::string RunOfName(const std::string& base, bool nonNumeric, long long position, int64_t add, int size) {
  if (position == 0) return std::string();
  std::vector<std::pair<size_t, size_t>> runs;  // start, length
  for (size_t i = 0; i < base.size();) {
    const bool digit = IsAsciiDigit(base[i]);
    size_t j = i;
    while (j < base.size() && IsAsciiDigit(base[j]) == digit) ++j;
    if (digit != nonNumeric) runs.emplace_back(i, j - i);
    i = j;
  }
  const unsigned long long k = position > 0 ? static_cast<unsigned long long>(position)
                                            : 0ULL - static_cast<unsigned long long>(position);
  if (k > runs.size()) return std::string();
  const auto& run = runs[position > 0 ? k - 1 : runs.size() - k];
  const std::string text = base.substr(run.first, run.second);
  if (nonNumeric) return text;
  return FormatNombre(ValeurNumero(ReadRun(text), 1, add), size);
}

bool CHooksProgramme::FormatDate(FileTime t, const std::string& format, std::string& out) {
  out = format_.Formater(t, format);
  return true;
}

int CHooksProgramme::PathIndex(const CVarContexte& c) {
  if (!c.selection) return 0;
  if (pathSelection_ != c.selection || pathIndex_.size() != c.selection->size()) {
    pathSelection_ = c.selection;
    pathIndex_.assign(c.selection->size(), 0);
    std::unordered_map<std::string, int> seen;
    for (size_t k = 0; k < c.selection->size(); ++k) {
      pathIndex_[k] = seen[AnsiUpperCopy(NomRepertoire((*c.selection)[k]->name))]++;
    }
  }
  const size_t k = static_cast<size_t>(c.selIndex);
  return k < pathIndex_.size() ? pathIndex_[k] : 0;
}

std::string CHooksProgramme::Collision(const CVarContexte& c, NumVar kind, const CBlocEntiers& b) const {
  std::string prefix = c.prefix;
  if (c.nettoyage && *c.nettoyage) (*c.nettoyage)(c.entry, prefix);
  const bool base = kind == kNumCollF || kind == kNumCollFS;
  const size_t count = !c.collisions ? 0 : base ? c.collisions->CompterBase(prefix) : c.collisions->Compter(prefix);
  const EFormeCollision forme = kind == kNumColl    ? EFormeCollision::kNc
                                : kind == kNumCollS ? EFormeCollision::kNcs
                                : kind == kNumCollF ? EFormeCollision::kNcf
                                                    : EFormeCollision::kNcfs;
  const ExprOptions& o = c.options;
  return TexteCollision(forme, count, Given(b, 1, o.numSelDep), Given(b, 2, o.numSelInc), Size(b, 0, o.numSelPad));
}

std::string CHooksProgramme::Numero(const CVarContexte& c, NumVar kind, const CBlocEntiers& b) {
  switch (kind) {
    case kNumSel: return SelectionNumber(c.selIndex, c.options, &b);
    case kNumChemin: return SelectionNumber(PathIndex(c), c.options, &b);
    case kNumTotal:
      return FormatNombre(c.selection ? static_cast<int64_t>(c.selection->size()) : 0,
                            Size(b, 0, c.options.numSelPad));
    default: return Collision(c, kind, b);
  }
}

std::string CHooksProgramme::NombreNom(const CVarContexte& c, bool nonNumeric, int digit, const CBlocEntiers& b) {
  // %N{p,v,n} and %NN{n}: the position is the block's last value.
  const int posIndex = nonNumeric ? 0 : 2;
  const long long position = Given(b, posIndex, digit >= 0 ? digit : 1);
  const ExprOptions& o = c.options;
  return RunOfName(NomBase(c.input), nonNumeric, position, nonNumeric ? 0 : Given(b, 1, o.numDsNomAjo),
                   nonNumeric ? 1 : Size(b, 0, o.numDsNomPad));
}

std::string CHooksProgramme::Aleatoire(const CVarContexte&) {
  // The C library's generator, taken to 15 bits as on Windows (RAND_MAX is
  // 32767 there), scaled to 0..9999.
  const int64_t r = std::rand() & 0x7FFF;
  return FormatNombre(r * 9999 / 32767, 4);
}

std::string CHooksProgramme::LignePressePapier(const CVarContexte& c, int digit) {
  const auto& lines = sources_.pressePapier.Lignes(c.selIndex == 0);
  return LigneNumero(lines, digit >= 0 ? digit : c.selIndex + 1);
}

std::string CHooksProgramme::LigneTexte(const CVarContexte& c, int digit, const std::string* file) {
  return sources_.fichiersTexte.Ligne(file, c.selIndex == 0, digit >= 0 ? digit : c.selIndex + 1);
}
