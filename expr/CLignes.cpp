#include "expr/CLignes.h"

#include "os/AnsiCase.h"
#include "os/AnsiText.h"
#include "os/Clipboard.h"
#include "os/OsFile.h"

std::vector<std::string> DecouperLignes(const std::string& texte) {
  std::vector<std::string> lignes;
  size_t debut = 0;
  const size_t n = texte.size();
  while (debut < n) {
    size_t fin = debut;
    while (fin < n && texte[fin] != '\r' && texte[fin] != '\n') ++fin;
    const size_t longueur = fin - debut < kLongMaxLigne ? fin - debut : kLongMaxLigne;
    std::string ligne = texte.substr(debut, longueur);
    for (char& c : ligne) {
      const unsigned char u = static_cast<unsigned char>(c);
      if (u < 0x20 || u == 0x7F) c = ' ';
    }
    const size_t dernier = ligne.find_last_not_of(' ');
    ligne.resize(dernier == std::string::npos ? 0 : dernier + 1);
    lignes.push_back(std::move(ligne));
    if (fin < n && texte[fin] == '\r' && fin + 1 < n && texte[fin + 1] == '\n') ++fin;
    debut = fin + 1;
  }
  return lignes;
}

const std::string& LigneNumero(const std::vector<std::string>& lignes, long long numero) {
  static const std::string kVide;
  if (numero < 1 || static_cast<unsigned long long>(numero) > lignes.size()) return kVide;
  return lignes[static_cast<size_t>(numero - 1)];
}

CLignesPressePapier::CLignesPressePapier() : CLignesPressePapier(LireTextePressePapier, SequencePressePapier) {}

CLignesPressePapier::CLignesPressePapier(Lecteur lecteur, Sequence sequence)
    : lecteur_(std::move(lecteur)), sequence_(std::move(sequence)) {}

const std::vector<std::string>& CLignesPressePapier::Lignes(bool premier) {
  if (!premier) return lignes_;
  const uint32_t sequence = sequence_ ? sequence_() : 0;
  if (sequence != 0 && sequence != sequenceLue_) perime_ = true;
  if (!perime_) return lignes_;
  std::string texte;
  const int r = lecteur_ ? lecteur_(texte) : -1;
  lignes_.clear();
  if (r == -1) return lignes_;  // not opened: stays stale
  if (r == 0) lignes_ = DecouperLignes(texte);
  perime_ = false;
  sequenceLue_ = sequence;
  return lignes_;
}

std::string TexteFichier(const std::string& octets) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(octets.data());
  if (octets.size() >= 2 && ((p[0] == 0xFF && p[1] == 0xFE) || (p[0] == 0xFE && p[1] == 0xFF)))
    return Utf16VersAnsi(p + 2, (octets.size() - 2) / 2, p[0] == 0xFE);
  return octets;
}

int LireFichierTexte(const std::string& nom, uint64_t* modif, std::string* octets) {
  COsFile file;
  if (file.OpenRead(nom.c_str()) != 0 || file.ModTime(modif) != 0) return -1;
  if (!octets) return 0;
  // A short count comes only at the end of the file.
  octets->assign(kOctetsMaxFichierTexte, '\0');
  uint32_t got = 0;
  if (file.Read(&(*octets)[0], static_cast<uint32_t>(octets->size()), &got) != 0) return -1;
  octets->resize(got);
  return 0;
}

CFichiersTexte::CFichiersTexte() : lecteur_(LireFichierTexte) {}

void CFichiersTexte::Verifier(Fichier& f) {
  uint64_t modif = 0;
  std::string octets;
  if (lecteur_(f.nom, &modif, nullptr) == 0 && f.lu && modif == f.modif) return;
  if (lecteur_(f.nom, &modif, &octets) != 0) {
    f.lignes.clear();  // gone or unreadable: reads as empty until found again
    f.lu = false;
    return;
  }
  f.lignes = DecouperLignes(TexteFichier(octets));
  f.modif = modif;
  f.lu = true;
}

std::string CFichiersTexte::Ligne(const std::string* nom, bool premier, long long numero) {
  if (nom && !nom->empty()) {
    courant_ = -1;
    for (size_t i = 0; i < fichiers_.size(); ++i) {
      const std::string& n = fichiers_[i].nom;
      if (AnsiCompareNoCase(n.data(), n.size(), nom->data(), nom->size()) == 0) {
        courant_ = static_cast<int>(i);
        break;
      }
    }
    if (courant_ < 0 && premier) {
      fichiers_.push_back(Fichier{*nom, {}, 0, false});
      courant_ = static_cast<int>(fichiers_.size() - 1);
    }
  }
  if (courant_ < 0) return std::string();
  Fichier& f = fichiers_[static_cast<size_t>(courant_)];
  if (premier) Verifier(f);
  return LigneNumero(f.lignes, numero);
}
