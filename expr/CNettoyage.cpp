#include "expr/CNettoyage.h"

#include "os/AsciiText.h"
#include "os/CNoms.h"

namespace {

// Step 1: trailing dots and separators, repeatedly.
void RetirerFin(std::string& nom) {
  size_t n = nom.size();
  while (n > 0 && (nom[n - 1] == '.' || nom[n - 1] == '\\')) --n;
  nom.resize(n);
}

// A drive letter: a letter, a colon, and something after it (a bare "C:"
// names no file, so its colon is treated as any other).
bool ALecteur(const std::string& nom) { return nom.size() > 2 && nom[1] == ':' && IsAsciiLetter(nom[0]); }

}  // namespace

void CNettoyageOptions::Normaliser() {
  if (long_max_nom < 1) long_max_nom = -1;
  if (ContientInvalide(remp_car_inv)) remp_car_inv = "_";
}

int VerifierOptionsModif(const CNettoyageOptions& o, const std::string& exif_symb_div,
                         bool long_max_saisie) {
  if (o.remp_car_de.size() != o.remp_car_a.size()) return -1;
  if (ContientInvalide(o.remp_car_inv)) return -2;
  if (exif_symb_div.empty()) return -3;
  if (long_max_saisie && o.long_max_nom < 1) return -4;
  return 0;
}

CNettoyage::CNettoyage(const CNettoyageOptions& options) {
  CNettoyageOptions o = options;
  o.Normaliser();
  for (char c : o.suppr_uni_car) suppr_[static_cast<unsigned char>(c)] = true;
  for (char c : o.suppr_car_repet) repet_[static_cast<unsigned char>(c)] = true;
  a_suppr_ = !o.suppr_uni_car.empty();
  a_repet_ = !o.suppr_car_repet.empty();
  for (int i = 0; i < 256; ++i) remp_[i] = static_cast<unsigned char>(i);
  // The first position of a character in "From" decides; positions past the
  // end of "To" have no counterpart and replace nothing.
  bool vu[256] = {};
  for (size_t k = 0; k < o.remp_car_de.size(); ++k) {
    const unsigned char c = static_cast<unsigned char>(o.remp_car_de[k]);
    if (vu[c]) continue;
    vu[c] = true;
    if (k < o.remp_car_a.size()) remp_[c] = static_cast<unsigned char>(o.remp_car_a[k]);
  }
  a_remp_ = !o.remp_car_de.empty();
  inv_ = o.remp_car_inv.empty() ? '\0' : o.remp_car_inv[0];
  long_max_ = o.long_max_nom;
}

void CNettoyage::Appliquer(std::string& nom, const std::string& rep_courant) const {
  // 1. Trailing dots and separators.
  RetirerFin(nom);
  if (nom.empty()) return;
  // 2. Characters deleted wherever they occur.
  if (a_suppr_) {
    std::string r;
    r.reserve(nom.size());
    for (char c : nom)
      if (!suppr_[static_cast<unsigned char>(c)]) r += c;
    nom.swap(r);
  }
  // 3. Repetitions reduced to one.
  if (a_repet_) {
    std::string r;
    r.reserve(nom.size());
    for (char c : nom)
      if (!(repet_[static_cast<unsigned char>(c)] && !r.empty() && r.back() == c)) r += c;
    nom.swap(r);
  }
  // 4. Character replacement, position by position.
  if (a_remp_)
    for (char& c : nom) c = static_cast<char>(remp_[static_cast<unsigned char>(c)]);
  // 5. Invalid characters, after a drive letter's colon; `\` stays.
  // Most names hold none, and are left as they are.
  const auto garde = [](char c) { return c == '\\' || !EstCaractereInvalide(static_cast<unsigned char>(c)); };
  size_t premier = ALecteur(nom) ? 2 : 0;
  while (premier < nom.size() && garde(nom[premier])) ++premier;
  if (premier < nom.size()) {
    std::string r(nom, 0, premier);
    r.reserve(nom.size());
    for (size_t i = premier; i < nom.size(); ++i) {
      if (garde(nom[i])) r += nom[i];
      else if (inv_ != '\0') r += inv_;
    }
    nom.swap(r);
  }
  // 6. Length limit, keeping an extension that fits.
  if (long_max_ != -1 && nom.size() > static_cast<size_t>(long_max_)) {
    const size_t max = static_cast<size_t>(long_max_);
    const size_t sep = nom.rfind('\\');
    const size_t point = nom.rfind('.');
    const bool a_ext = point != std::string::npos && (sep == std::string::npos || point > sep) &&
                       point + 1 < nom.size();
    const size_t lext = a_ext ? nom.size() - point - 1 : 0;
    if (a_ext && lext + 1 < max)
      nom = nom.substr(0, max - lext - 1) + nom.substr(point);
    else
      nom.resize(max);
  }
  // Steps 2 to 6 can leave a trailing dot or separator (a deleted last
  // character, a cut); the file system would drop it, so the name shown
  // would not be the name made. It goes as in step 1.
  RetirerFin(nom);
  if (nom.empty()) return;
  // 7. A drive letter gets its separator.
  if (ALecteur(nom) && nom[2] != '\\') nom.insert(2, 1, '\\');
  // 8. A name without a path stays in the file's own sub-directory.
  if (nom.find('\\') == std::string::npos) nom.insert(0, rep_courant);
}

std::string CNettoyage::Nettoye(const std::string& nom, const std::string& rep_courant) const {
  std::string r = nom;
  Appliquer(r, rep_courant);
  return r;
}
