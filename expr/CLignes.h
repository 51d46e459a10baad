// Lines taken from outside the files: the clipboard's (`%C`) and those of
// text files named in expressions (`%T`). Both keep their lines between
// runs and read their source again only when it may have changed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Longest line kept, in characters.
constexpr size_t kLongMaxLigne = 256;
// Most bytes read from a text file.
constexpr size_t kOctetsMaxFichierTexte = 40959;

// Splits text into lines: a line ends at CR, LF or CR LF, and an empty line
// counts (a final terminator starts no new line). Each line keeps its first
// 256 characters, control characters become spaces, and blanks at its end
// are removed.
std::vector<std::string> DecouperLignes(const std::string& texte);

// Line `numero` (1 for the first); empty text for 0 or a line that does not
// exist.
const std::string& LigneNumero(const std::vector<std::string>& lignes, long long numero);

// The program's copy of the clipboard lines. The copy starts stale; the
// clipboard viewer marks it stale at every change, and so does a change of
// the clipboard's sequence number where the system keeps one.
class CLignesPressePapier {
 public:
  using Lecteur = std::function<int(std::string&)>;  // as LireTextePressePapier
  using Sequence = std::function<uint32_t()>;
  CLignesPressePapier();
  CLignesPressePapier(Lecteur lecteur, Sequence sequence);

  void MarquerPerime() { perime_ = true; }
  // The lines, read again first when `premier` (the first selected file of
  // a run) and the copy is stale. A clipboard that cannot be opened keeps the
  // copy stale, so the next run tries again.
  const std::vector<std::string>& Lignes(bool premier);

 private:
  Lecteur lecteur_;
  Sequence sequence_;
  std::vector<std::string> lignes_;
  bool perime_ = true;
  uint32_t sequenceLue_ = 0;
};

// The text files named in expressions (names compared without regard to
// case), each with its lines and the modification time it had when read,
// and the current file.
class CFichiersTexte {
 public:
  // Gives a file's modification time, and when `octets` is not null its
  // first kOctetsMaxFichierTexte bytes. 0, or -1 when it cannot be opened or
  // read. The default reads the disk.
  using Lecteur = std::function<int(const std::string& nom, uint64_t* modif, std::string* octets)>;
  CFichiersTexte();
  explicit CFichiersTexte(Lecteur lecteur) : lecteur_(std::move(lecteur)) {}

  // Line `numero` for one `%T`. `nom` is the name of a {"file"} block, or
  // null without one; `premier` is set while the first selected file of a
  // run is evaluated: only then are new names added to the list and the
  // current file looked up again on disk (read again when its modification
  // time changed, dropped when it is gone). For a later file a name not in
  // the list selects no file.
  std::string Ligne(const std::string* nom, bool premier, long long numero);
  size_t Taille() const { return fichiers_.size(); }

 private:
  struct Fichier {
    std::string nom;
    std::vector<std::string> lignes;
    uint64_t modif = 0;
    bool lu = false;
  };
  void Verifier(Fichier& f);
  Lecteur lecteur_;
  std::vector<Fichier> fichiers_;
  int courant_ = -1;
};

// The disk reader of CFichiersTexte.
int LireFichierTexte(const std::string& nom, uint64_t* modif, std::string* octets);

// Text file bytes as ANSI text: a UTF-16 byte order mark (FF FE or FE FF)
// makes the rest UTF-16 of that order, converted; anything else is ANSI.
std::string TexteFichier(const std::string& octets);
