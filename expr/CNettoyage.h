// Name clean-up: turns the text an expression produced into a future name
// the file system accepts, following the "Modifications" options. Applied to
// every finished future name and to the prefix compared by the collision
// numbers, so both are compared in the same form.
#pragma once

#include <string>

// Options of INI section `modif` used by the clean-up; strings are sets of
// single characters.
struct CNettoyageOptions {
  std::string suppr_uni_car;     // deleted wherever they occur
  std::string suppr_car_repet;   // runs of one of them reduced to one
  std::string remp_car_de;       // replaced ("From") ...
  std::string remp_car_a;        // ... by the character at the same position ("To")
  std::string remp_car_inv = "_";  // first character replaces invalid ones; empty deletes
  int long_max_nom = -1;         // maximum length of the whole future name; -1: none

  // The rules applied when the settings are read: a maximum below 1 other
  // than -1 becomes -1; a replacement holding an invalid character becomes "_".
  void Normaliser();
};

// Checks of the "Modifications" options page, in their order. Returns 0, or
// the number of the first failing check: -1 "From" and "To" differ in
// length; -2 the replacement holds an invalid character; -3 the Exif
// division symbol is empty; -4 a maximum length (field not empty) below 1.
int VerifierOptionsModif(const CNettoyageOptions& o, const std::string& exif_symb_div,
                         bool long_max_saisie);

class CNettoyage {
 public:
  // The options are normalised on the way in.
  explicit CNettoyage(const CNettoyageOptions& options);

  // Cleans `nom` in place. `rep_courant` is the directory part of the file's
  // current name (up to and including its last `\`; empty for a file of the
  // current directory), put in front of a name that has no `\`.
  void Appliquer(std::string& nom, const std::string& rep_courant) const;
  std::string Nettoye(const std::string& nom, const std::string& rep_courant) const;

 private:
  bool suppr_[256] = {};
  bool repet_[256] = {};
  unsigned char remp_[256];  // identity where nothing is replaced
  bool a_suppr_ = false;
  bool a_repet_ = false;
  bool a_remp_ = false;
  char inv_ = '_';          // '\0': delete invalid characters
  int long_max_ = -1;
};
