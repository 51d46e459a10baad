// Collision numbers (`%nc`, `%ncs`, `%ncf`, `%ncfs`) and the number format
// shared by the numbering variables.
//
// The count behind a collision number is the number of entries selected
// before the current one whose future name, at that moment, begins with the
// cleaned prefix (compared without regard to case), or, for the `f` forms,
// whose base part begins with the prefix's base part. CCollision keeps the
// future names already evaluated in the current segment in two prefix trees
// (whole name, base part) over upper-cased text, so a lookup costs the
// prefix's length and an insertion the name's length, whatever the number of
// entries.
//
// Use by the evaluator, for each segment:
//   index.Vider();
//   for each selected entry in selection order:
//     at `%nc`: prefix = output so far; nettoyage.Appliquer(prefix, dir of current name);
//               count = index.Compter(prefix) (or CompterBase for the f forms)
//     ... finish the entry's text (and its clean-up after the last segment) ...
//     index.Ajouter(future name of the entry);
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "files/Formats.h"

// A prefix tree with counts, over byte strings; edges carry runs of bytes
// (a compressed trie), so it holds at most two nodes per string added. The
// child of a node by its first byte is found in one open-addressing table
// for the whole tree: one probe per level, instead of a scan of siblings
// spread over memory, keeps lookups cheap once the tree outgrows the caches.
class CArbrePrefixes {
 public:
  CArbrePrefixes();
  void Vider();
  void Ajouter(const std::string& cle);
  // Number of strings added that begin with `prefixe` (all of them for "").
  size_t Compter(const std::string& prefixe) const;
  size_t Taille() const { return nodes_[0].count; }

 private:
  struct Node {
    uint32_t debut;     // first byte of the edge in pool_
    uint32_t longueur;  // edge length (0 for the root only)
    uint32_t count;     // strings passing through or ending at this node
  };
  // A slot of the child table: (parent + 1) << 8 | first byte, 0 when free.
  struct Slot {
    uint64_t cle;
    uint32_t enfant;
  };
  static uint64_t Cle(uint32_t parent, char c) {
    return (static_cast<uint64_t>(parent) + 1) << 8 | static_cast<unsigned char>(c);
  }
  size_t Sonde(uint64_t cle) const;  // the slot holding cle, or the free slot for it
  uint32_t Enfant(uint32_t parent, char c) const;
  void Lier(uint32_t parent, char c, uint32_t enfant);  // adds or replaces the link
  uint32_t NouveauNoeud(uint32_t debut, uint32_t longueur, uint32_t count);

  std::vector<Node> nodes_;
  std::vector<Slot> table_;  // size a power of two, at most half full
  size_t liens_ = 0;
  std::string pool_;  // every key added, end to end
};

class CCollision {
 public:
  // Which trees are kept: whole names (for Compter) and base parts (for
  // CompterBase); a run keeps only those its expression uses.
  explicit CCollision(bool noms = true, bool bases = true) : avecNoms_(noms), avecBases_(bases) {}
  // Forgets every name (start of a segment).
  void Vider();
  // Adds the future name of the entry just evaluated.
  void Ajouter(const std::string& nom_futur);
  // `%nc`, `%ncs`: names added that begin with `prefixe`, ignoring case.
  size_t Compter(const std::string& prefixe) const;
  // `%ncf`, `%ncfs`: names whose base part begins with the base part of `prefixe`.
  size_t CompterBase(const std::string& prefixe) const;
  size_t Taille() const { return avecNoms_ ? noms_.Taille() : bases_.Taille(); }

 private:
  bool avecNoms_;
  bool avecBases_;
  CArbrePrefixes noms_;
  CArbrePrefixes bases_;
};

enum class EFormeCollision { kNc, kNcs, kNcf, kNcfs };

// Bounds of a number's size, in blocks and on the options page.
constexpr int kTailleNombreMin = 1;
constexpr int kTailleNombreMax = 20;

// The check of the numbering options page: 0 when the sizes of selection
// numbers, of `%N` and of track numbers all lie within the bounds, else the
// first faulty field (-1, -2, -3), where the page puts the focus after its
// message "The size of a number must be between %d and %d".
int VerifierTaillesNombres(int numSelPad, int numDsNomPad, int numPistePad);

// The size a number uses: the block's value when one was given and lies
// within 1 to 20, else the option's.
int TailleNombre(bool donnee, int64_t valeur, int option);

// start + n × step, clamped to the 64-bit range instead of overflowing.
int64_t ValeurNumero(int64_t depart, int64_t n, int64_t pas);

// Text of a collision number for `count` earlier matches: `%nc`/`%ncf` give
// start + count × step; `%ncs`/`%ncfs` give nothing for 0, else "_" and
// start + (count - 1) × step.
std::string TexteCollision(EFormeCollision forme, size_t count, int64_t depart, int64_t pas,
                           int taille);
