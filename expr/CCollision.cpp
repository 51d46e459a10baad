#include "expr/CCollision.h"

#include <cassert>
#include <cstdio>
#include <limits>

#include "os/AnsiCase.h"
#include "os/CNoms.h"

CArbrePrefixes::CArbrePrefixes() { Vider(); }

void CArbrePrefixes::Vider() {
  nodes_.assign(1, Node{0, 0, 0});
  table_.assign(64, Slot{0, 0});
  liens_ = 0;
  pool_.clear();
}

size_t CArbrePrefixes::Sonde(uint64_t cle) const {
  const size_t masque = table_.size() - 1;
  // Fibonacci hashing spreads the consecutive node numbers over the table.
  size_t i = static_cast<size_t>((cle * 0x9E3779B97F4A7C15ULL) >> 32) & masque;
  while (table_[i].cle != 0 && table_[i].cle != cle) i = (i + 1) & masque;
  return i;
}

uint32_t CArbrePrefixes::Enfant(uint32_t parent, char c) const {
  const Slot& s = table_[Sonde(Cle(parent, c))];
  return s.cle != 0 ? s.enfant : 0;
}

void CArbrePrefixes::Lier(uint32_t parent, char c, uint32_t enfant) {
  const uint64_t cle = Cle(parent, c);
  size_t i = Sonde(cle);
  if (table_[i].cle == cle) {
    table_[i].enfant = enfant;
    return;
  }
  if (2 * (liens_ + 1) > table_.size()) {
    std::vector<Slot> ancienne(2 * table_.size(), Slot{0, 0});
    ancienne.swap(table_);
    for (const Slot& s : ancienne)
      if (s.cle != 0) table_[Sonde(s.cle)] = s;
    i = Sonde(cle);
  }
  table_[i] = Slot{cle, enfant};
  ++liens_;
}

uint32_t CArbrePrefixes::NouveauNoeud(uint32_t debut, uint32_t longueur, uint32_t count) {
  nodes_.push_back(Node{debut, longueur, count});
  return static_cast<uint32_t>(nodes_.size() - 1);
}

void CArbrePrefixes::Ajouter(const std::string& cle) {
  // Offsets are 32-bit and node numbers 56-bit in the table's keys: the
  // names of one segment never come near 4 GB.
  assert(cle.size() <= UINT32_MAX - pool_.size());
  const size_t base = pool_.size();
  pool_ += cle;
  const size_t fin = pool_.size();
  uint32_t node = 0;
  size_t pos = base;
  nodes_[0].count++;
  while (pos < fin) {
    const uint32_t e = Enfant(node, pool_[pos]);
    if (e == 0) {
      Lier(node, pool_[pos], NouveauNoeud(static_cast<uint32_t>(pos), static_cast<uint32_t>(fin - pos), 1));
      return;
    }
    const uint32_t len = nodes_[e].longueur;
    const size_t d = nodes_[e].debut;
    size_t m = 1;
    while (m < len && m < fin - pos && pool_[d + m] == pool_[pos + m]) ++m;
    if (m == len) {
      nodes_[e].count++;
      node = e;
      pos += m;
      continue;
    }
    // The key leaves the edge after m bytes: split it there. The new middle
    // node takes the edge's place under its parent; the edge's rest hangs
    // below it.
    const Node old = nodes_[e];
    const uint32_t mid = NouveauNoeud(old.debut, static_cast<uint32_t>(m), old.count + 1);
    Lier(node, pool_[old.debut], mid);
    nodes_[e].debut = old.debut + static_cast<uint32_t>(m);
    nodes_[e].longueur = len - static_cast<uint32_t>(m);
    Lier(mid, pool_[nodes_[e].debut], e);
    pos += m;
    if (pos < fin)
      Lier(mid, pool_[pos], NouveauNoeud(static_cast<uint32_t>(pos), static_cast<uint32_t>(fin - pos), 1));
    return;
  }
}

size_t CArbrePrefixes::Compter(const std::string& p) const {
  uint32_t node = 0;
  size_t pos = 0;
  while (pos < p.size()) {
    const uint32_t e = Enfant(node, p[pos]);
    if (e == 0) return 0;
    const uint32_t len = nodes_[e].longueur;
    const size_t d = nodes_[e].debut;
    size_t m = 1;
    while (m < len && m < p.size() - pos) {
      if (pool_[d + m] != p[pos + m]) return 0;
      ++m;
    }
    pos += m;
    node = e;
  }
  return nodes_[node].count;
}

void CCollision::Vider() {
  noms_.Vider();
  bases_.Vider();
}

void CCollision::Ajouter(const std::string& nom_futur) {
  const std::string haut = AnsiUpperCopy(nom_futur);
  if (avecBases_) bases_.Ajouter(NomBase(haut));
  if (avecNoms_) noms_.Ajouter(haut);
}

size_t CCollision::Compter(const std::string& prefixe) const {
  return noms_.Compter(AnsiUpperCopy(prefixe));
}

size_t CCollision::CompterBase(const std::string& prefixe) const {
  return bases_.Compter(AnsiUpperCopy(NomBase(prefixe)));
}

int TailleNombre(bool donnee, int64_t valeur, int option) {
  return (donnee && valeur >= kTailleNombreMin && valeur <= kTailleNombreMax) ? static_cast<int>(valeur) : option;
}

int VerifierTaillesNombres(int numSelPad, int numDsNomPad, int numPistePad) {
  const int tailles[] = {numSelPad, numDsNomPad, numPistePad};
  for (int i = 0; i < 3; ++i)
    if (tailles[i] < kTailleNombreMin || tailles[i] > kTailleNombreMax) return -(i + 1);
  return 0;
}

int64_t ValeurNumero(int64_t depart, int64_t n, int64_t pas) {
  const int64_t kMax = std::numeric_limits<int64_t>::max();
  const int64_t kMin = std::numeric_limits<int64_t>::min();
  int64_t produit = 0;
  if (__builtin_mul_overflow(n, pas, &produit)) produit = ((n < 0) != (pas < 0)) ? kMin : kMax;
  int64_t r = 0;
  if (__builtin_add_overflow(depart, produit, &r)) r = produit < 0 ? kMin : kMax;
  return r;
}

std::string TexteCollision(EFormeCollision forme, size_t count, int64_t depart, int64_t pas,
                           int taille) {
  const int64_t n = static_cast<int64_t>(count);
  if (forme == EFormeCollision::kNc || forme == EFormeCollision::kNcf)
    return FormatNombre(ValeurNumero(depart, n, pas), taille);
  if (count == 0) return std::string();
  return "_" + FormatNombre(ValeurNumero(depart, n - 1, pas), taille);
}
