// Character modifiers of a variable's value: accent folding (@) and the case
// modifiers (u, l, U, L) with the forced-case words.
#pragma once

#include <string>
#include <vector>

struct ExprOptions;

// Maps each byte through the Windows-1252 accent folding table.
void PlierAccents(std::string& s);

class CCasse {
 public:
  explicit CCasse(const ExprOptions& o);
  // mode is 'u', 'l', 'U', 'L' or 0 (no case modifier: only the forced words,
  // when forced is set). Separators are never converted.
  void Appliquer(std::string& s, char mode, bool forced) const;
  // Whether the forced-case words apply when the expression does not say.
  bool ForcedByDefault() const { return forcedByDefault_; }

 private:
  const std::string* ForcedWord(const char* w, size_t n) const;
  bool sep_[256] = {};
  std::vector<std::string> words_;
  bool forcedByDefault_ = false;
};
