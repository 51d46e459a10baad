// Reads the reference values of a sample file: the flat JSON object that
// ExifTool writes with -j -G1 (one object in an array), as "Group:Tag" to
// values. Lists become several values; numbers keep their text and their
// value.
#pragma once

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace corpus {

struct Valeur {
  std::string texte;
  bool nombre = false;
  double v = 0;
};

// Tag name (without its group) to every value any group gives it, with the
// group of each.
struct Reference {
  std::map<std::string, std::vector<std::pair<std::string, Valeur>>> tags;
  const std::vector<std::pair<std::string, Valeur>>* Find(const std::string& tag) const {
    auto it = tags.find(tag);
    return it == tags.end() ? nullptr : &it->second;
  }
};

class Lecteur {
 public:
  explicit Lecteur(const std::string& s) : s_(s) {}
  bool Objet(Reference* ref) {
    Blancs();
    if (Pris('[')) Blancs();
    if (!Pris('{')) return false;
    for (;;) {
      Blancs();
      if (Pris('}')) return true;
      std::string cle;
      if (!Chaine(&cle)) return false;
      Blancs();
      if (!Pris(':')) return false;
      std::vector<Valeur> valeurs;
      if (!Valeurs(&valeurs)) return false;
      const size_t deux = cle.find(':');
      const std::string groupe = deux == std::string::npos ? "" : cle.substr(0, deux);
      const std::string tag = deux == std::string::npos ? cle : cle.substr(deux + 1);
      for (Valeur& v : valeurs) ref->tags[tag].push_back({groupe, v});
      Blancs();
      Pris(',');
    }
  }

 private:
  void Blancs() {
    while (p_ < s_.size() && (s_[p_] == ' ' || s_[p_] == '\n' || s_[p_] == '\r' || s_[p_] == '\t')) ++p_;
  }
  bool Pris(char c) {
    if (p_ < s_.size() && s_[p_] == c) {
      ++p_;
      return true;
    }
    return false;
  }
  // A JSON string as UTF-8 bytes; \uXXXX below 0x100 become one byte (the
  // readers give ANSI text).
  bool Chaine(std::string* out) {
    if (!Pris('"')) return false;
    while (p_ < s_.size() && s_[p_] != '"') {
      char c = s_[p_++];
      if (c == '\\' && p_ < s_.size()) {
        const char e = s_[p_++];
        if (e == 'n') c = '\n';
        else if (e == 'r') c = '\r';
        else if (e == 't') c = '\t';
        else if (e == 'u' && p_ + 4 <= s_.size()) {
          c = static_cast<char>(std::strtol(s_.substr(p_, 4).c_str(), nullptr, 16));
          p_ += 4;
        } else c = e;
      }
      out->push_back(c);
    }
    return Pris('"');
  }
  bool Valeurs(std::vector<Valeur>* out) {
    Blancs();
    if (Pris('[')) {
      for (;;) {
        Blancs();
        if (Pris(']')) return true;
        if (!Valeurs(out)) return false;
        Blancs();
        Pris(',');
      }
    }
    Valeur v;
    if (p_ < s_.size() && s_[p_] == '"') {
      // Some numbers come quoted ("0.00199589286846507").
      if (!Chaine(&v.texte)) return false;
      char* fin = nullptr;
      v.v = std::strtod(v.texte.c_str(), &fin);
      v.nombre = fin && *fin == '\0' && !v.texte.empty();
    } else {
      const size_t debut = p_;
      while (p_ < s_.size() && s_[p_] != ',' && s_[p_] != '}' && s_[p_] != ']' && s_[p_] != '\n') ++p_;
      v.texte = s_.substr(debut, p_ - debut);
      while (!v.texte.empty() && v.texte.back() == ' ') v.texte.pop_back();
      char* fin = nullptr;
      v.v = std::strtod(v.texte.c_str(), &fin);
      v.nombre = fin && *fin == '\0' && !v.texte.empty();
    }
    out->push_back(v);
    return true;
  }
  const std::string& s_;
  size_t p_ = 0;
};

inline std::string LireFichier(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

// The reference values of `path`; false when the file is missing or malformed.
inline bool LireReference(const std::string& path, Reference* ref) {
  const std::string s = LireFichier(path);
  return !s.empty() && Lecteur(s).Objet(ref);
}

}  // namespace corpus
