#include "expr/CEvaluateur.h"

#include "expr/CColonnes.h"
#include "expr/CItems.h"
#include "expr/CLecteur.h"
#include "files/CDateFormat.h"
#include "files/Formats.h"
#include "os/AsciiText.h"
#include "os/CNoms.h"

namespace {

bool IsCharModifier(char c) {
  return c == '@' || c == 'u' || c == 'l' || c == 'U' || c == 'L' || c == '+' || c == '-';
}

// Track items take a {p} block when they hold a number.
bool IsTrackItem(int item) { return item == 20 || item == 27 || item == 28 || item == 29; }

// The number variable named after "%n": p, s, c, cs, cf or cfs, or none.
NumVar ReadNumVar(CLecteur& rd) {
  const char c = rd.Cur();
  if (c != 'p' && c != 's' && c != 'c') return kNumSel;
  rd.Next();
  if (c != 'c') return c == 'p' ? kNumChemin : kNumTotal;
  if (rd.At('s')) {
    rd.Next();
    return kNumCollS;
  }
  if (!rd.At('f')) return kNumColl;
  rd.Next();
  if (!rd.At('s')) return kNumCollF;
  rd.Next();
  return kNumCollFS;
}

size_t SkipCharModifiers(const std::string& expr, size_t j) {
  while (j < expr.size() && IsCharModifier(expr[j])) ++j;
  return j;
}

}  // namespace

CCollisionsUtiles CEvaluateur::CollisionsUtilisees(const std::string& expr) {
  // Every '%' is taken as a variable head, wherever it stands: a modifier
  // that fails on one entry turns the rest of its segment into text read
  // again from the top level, so quoted or escaped text may still hold a
  // collision number for some entry. An index built for nothing only costs
  // time; one missing gives wrong numbers.
  CCollisionsUtiles u;
  for (size_t p = expr.find('%'); p != std::string::npos; p = expr.find('%', p + 1)) {
    const size_t j = SkipCharModifiers(expr, p + 1);
    if (j >= expr.size() || expr[j] != 'n') continue;
    CLecteur rd(expr, j + 1);
    const NumVar kind = ReadNumVar(rd);
    if (kind == kNumColl || kind == kNumCollS) u.parNom = true;
    if (kind == kNumCollF || kind == kNumCollFS) u.parBase = true;
  }
  return u;
}

void AppendBorne(std::string& out, const std::string& s) {
  if (out.size() >= kLongMaxSortie) return;
  const size_t room = kLongMaxSortie - out.size();
  out.append(s, 0, s.size() < room ? s.size() : room);
}

void AppendBorne(std::string& out, char c) {
  if (out.size() < kLongMaxSortie) out += c;
}

struct CEvaluateur::Var {
  Var(const CEntreeEval& i, const std::string& e, size_t pos, const std::string& o)
      : in(i), expr(e), rd(e, pos), prefix(o) {}
  const CEntreeEval& in;
  const std::string& expr;
  CLecteur rd;
  const std::string& prefix;
  std::string value;
  const CFichier& Entry() const { return *in.entry; }
  const std::string& Input() const { return *in.input; }
  // Remaining characters from the reading position.
  size_t Left() const { return expr.size() - rd.Pos(); }
  char At(size_t k) const { return k < Left() ? expr[rd.Pos() + k] : '\0'; }
  void Skip(size_t k) { rd.SetPos(rd.Pos() + k); }
};

CEvaluateur::CEvaluateur(const ExprOptions& options, CExprHooks* hooks, std::string repCourant)
    : opt_(options), hooks_(hooks ? hooks : &noHooks_), repCourant_(std::move(repCourant)), casse_(options) {}

CVarContexte CEvaluateur::Contexte(const Var& v) const {
  return CVarContexte{v.Entry(), v.Input(), v.in.selIndex, v.in.selection, v.prefix, opt_, nettoyage_,
                     v.in.collisions};
}

FileTime CEvaluateur::RunStart() {
  // Read once per run, so every entry of the run gets the same %D.
  if (runStart_ == 0) runStart_ = CurrentFileTime();
  return runStart_;
}

size_t CEvaluateur::EvalSegment(const CEntreeEval& in, const std::string& expr, size_t pos,
                                std::string& out) {
  out.clear();
  const size_t n = expr.size();
  bool dotCopied = false;
  size_t i = pos;
  while (i < n) {
    const char c = expr[i];
    if (c == '\\') {
      // An escaped character is copied whatever it is; a final '\' is dropped.
      if (i + 1 < n) AppendBorne(out, expr[i + 1]);
      i += 2;
    } else if (c == '%') {
      i = EvalVariable(in, expr, i, out);
    } else if (c == '*') {
      AppendBorne(out, dotCopied ? NomExtension(*in.input) : NomBase(*in.input));
      ++i;
    } else if (c == ';') {
      ++i;
      while (i < n && (expr[i] == ';' || expr[i] == ' ' || expr[i] == '\t' || expr[i] == '\r' ||
                       expr[i] == '\n' || expr[i] == '\v' || expr[i] == '\f'))
        ++i;
      return i;
    } else {
      if (c == '.') dotCopied = true;
      AppendBorne(out, c);
      ++i;
    }
  }
  return n;
}

size_t CEvaluateur::EvalVariable(const CEntreeEval& in, const std::string& expr, size_t pos,
                                 std::string& out) {
  const size_t n = expr.size();
  size_t j = pos + 1;
  bool fold = false;
  char mode = 0;
  bool forced = casse_.ForcedByDefault();
  while (j < n && IsCharModifier(expr[j])) {
    const char c = expr[j++];
    if (c == '@')
      fold = true;
    else if (c == '+')
      forced = true;
    else if (c == '-')
      forced = false;
    else
      mode = c;
  }
  // A '%' (or its character modifiers) at the very end is dropped.
  if (j >= n) return n;

  Var v(in, expr, j, out);
  if (!ReadVariable(v)) return v.rd.Pos();
  if (!ApplyModifiers(v)) return v.rd.Pos();
  if (!v.value.empty()) {
    if (fold) PlierAccents(v.value);
    casse_.Appliquer(v.value, mode, forced);
    AppendBorne(out, v.value);
  }
  return v.rd.Pos();
}

bool CEvaluateur::ReadIntBlock(Var& v, int count, CBlocEntiers& b) {
  // At '{'. Positions separated by commas, closed by '}'.
  CLecteur& rd = v.rd;
  b.present = true;
  rd.Next();
  for (int k = 0; k < count; ++k) {
    long long val = 0;
    bool given = false;
    rd.ReadInt(val, given);
    if (given) {
      b.v[k] = val;
      b.given[k] = true;
    }
    if (rd.At('}')) {
      rd.Next();
      return true;
    }
    if (k + 1 < count && rd.At(',')) {
      rd.Next();
      continue;
    }
    break;
  }
  rd.SetPos(rd.ResumePos());
  return false;
}

bool CEvaluateur::ReadDate(Var& v, FileTime t, int item) {
  CLecteur& rd = v.rd;
  const std::string* fmt = &opt_.fmtDt;
  long long offset = opt_.ajo;
  std::string blockFmt;
  if (rd.At('d') || rd.At('t')) {
    fmt = rd.At('d') ? &opt_.fmtD : &opt_.fmtT;
    rd.Next();
  }
  if (rd.At('{')) {
    rd.Next();
    bool given = false;
    if (!rd.ReadQuoted(blockFmt, given)) {
      rd.SetPos(rd.ResumePos());
      return false;
    }
    if (given && !blockFmt.empty()) fmt = &blockFmt;
    if (rd.At(',')) {
      rd.Next();
      long long d = 0;
      bool dGiven = false;
      rd.ReadDuration(d, dGiven);
      if (dGiven) offset = d;
    }
    if (!rd.At('}')) {
      rd.SetPos(rd.ResumePos());
      return false;
    }
    rd.Next();
  }
  if (item != kNoItem && t == 0) {
    // No valid date: the reader's own text, unless the option empties it.
    v.value = opt_.videFmtKo ? std::string() : ItemText(v.Entry(), item);
    return true;
  }
  // A shift that leaves the file-time range gives empty text.
  FileTime shifted = 0;
  std::string text;
  if (fmt->empty() || DecalerDate(t, offset, &shifted) != 0) {
    v.value.clear();
  } else if (hooks_->FormatDate(shifted, *fmt, text)) {
    v.value = std::move(text);
  } else {
    v.value = item != kNoItem ? ItemText(v.Entry(), item) : std::string();
  }
  return true;
}

bool CEvaluateur::ReadTrack(Var& v, int item) {
  const CFichier& e = v.Entry();
  int source = item;
  int64_t number = 0;
  const int twin = FallbackTwin(item);
  if (ItemText(e, item).empty() && !ItemInt(e, item, &number) && opt_.id3v1audNvl && twin != kNoItem)
    source = twin;
  if (!ItemInt(e, source, &number)) {
    v.value = ItemText(e, source);
    return true;
  }
  int size = opt_.numPistePad;
  if (v.rd.At('{')) {
    CBlocEntiers b;
    if (!ReadIntBlock(v, 1, b)) return false;
    if (b.given[0] && b.v[0] >= 1 && b.v[0] <= 20) size = static_cast<int>(b.v[0]);
  }
  v.value = FormatNombre(number, size);
  return true;
}

// Reads the variable's name (and its digit and block) at the reading
// position. Returns true when the variable is recognised, with its base
// value; false when nothing is produced, the reading position then being
// where the top level resumes.
bool CEvaluateur::ReadVariable(Var& v) {
  const CFichier& e = v.Entry();
  const std::string& input = v.Input();
  const char c = v.At(0);
  const char c1 = v.At(1);
  const bool has1 = v.Left() > 1;
  auto item = [&](int it) {
    if (IsDateVariable(it)) return ReadDate(v, ItemDate(e, it), it);
    if (IsTrackItem(it)) return ReadTrack(v, it);
    v.value = ItemTextWithTwin(e, it, opt_);
    return true;
  };
  // A letter and one more character naming an item ("At"), as the table has it.
  auto twoLetter = [&]() -> int {
    if (!has1) return kNoItem;
    const char name[2] = {c, c1};
    return ItemOfVariable(name, 2);
  };

  switch (c) {
    case 'A':
    case 'E':
    case 'I':
    case 'O':
    case 'm':
    case 'V': {
      if (!has1) {
        v.Skip(1);
        return false;
      }
      if ((c == 'A' || c == 'V') && c1 == 'I') {
        if (v.At(2) == 'f' && v.Left() > 2) {
          v.Skip(3);
          return item(c == 'A' ? kItemAIf : kItemVIf);
        }
        v.Skip(2);
        return false;
      }
      if (c == 'V' && c1 == 'D') {
        const char c2 = v.Left() > 2 ? v.At(2) : '\0';
        if (c2 == 'd' || c2 == 't') {
          v.Skip(3);
          return item(c2 == 'd' ? kItemVDd : kItemVDt);
        }
        v.Skip(2);
        return false;
      }
      const int it = twoLetter();
      if (it == kNoItem) {
        v.Skip(1);
        return false;
      }
      v.Skip(2);
      return item(it);
    }
    case 'X':
    case 'Y': {
      if (v.Left() < 3) {
        v.Skip(1);
        return false;
      }
      const char name[3] = {c, c1, v.At(2)};
      const int it = ItemOfVariable(name, 3);
      v.Skip(it == kNoItem ? 1 : 3);
      return it != kNoItem && item(it);
    }
    case 'C':
    case 'T': {
      v.Skip(1);
      int digit = -1;
      if (!v.rd.End() && IsAsciiDigit(v.rd.Cur())) {
        digit = v.rd.Cur() - '0';
        v.rd.Next();
      }
      if (c == 'C') {
        v.value = hooks_->LignePressePapier(Contexte(v), digit);
        return true;
      }
      std::string file;
      bool given = false;
      if (v.rd.At('{')) {
        v.rd.Next();
        if (!v.rd.ReadQuoted(file, given) || !v.rd.At('}')) {
          v.rd.SetPos(v.rd.ResumePos());
          return false;
        }
        v.rd.Next();
      }
      v.value = hooks_->LigneTexte(Contexte(v), digit, given ? &file : nullptr);
      return true;
    }
    case 'D':
      v.Skip(1);
      return ReadDate(v, RunStart(), kNoItem);
    case 'N': {
      v.Skip(1);
      const bool nonNumeric = v.rd.At('N');
      if (nonNumeric) v.rd.Next();
      int digit = -1;
      if (!v.rd.End() && IsAsciiDigit(v.rd.Cur())) {
        digit = v.rd.Cur() - '0';
        v.rd.Next();
      }
      CBlocEntiers b;
      if (v.rd.At('{') && !ReadIntBlock(v, nonNumeric ? 1 : 3, b)) return false;
      v.value = hooks_->NombreNom(Contexte(v), nonNumeric, digit, b);
      return true;
    }
    case 'P':
      v.Skip(1);
      v.value = AvecAntislash(repCourant_);
      return true;
    case 'R':
      v.Skip(1);
      v.value = hooks_->Aleatoire(Contexte(v));
      return true;
    case 'a':
      v.Skip(1);
      v.value = ItemText(e, kItemAttributs);
      return true;
    case 'y':
      v.Skip(1);
      v.value = ItemText(e, kItemType);
      return true;
    case 'b':
    case 'e': {
      const bool dos = c1 == 'd' && has1;
      v.Skip(dos ? 2 : 1);
      const std::string& name = dos ? ItemText(e, kItemNomDos) : input;
      v.value = c == 'b' ? NomBase(name) : NomExtension(name);
      return true;
    }
    case 'd': {
      if (!has1) {
        v.Skip(1);
        return false;
      }
      const int it = c1 == 'a' ? kItemDateAcces : c1 == 'c' ? kItemDateCrea : c1 == 'm' ? kItemDateModif : kNoItem;
      if (it == kNoItem) {
        v.Skip(1);
        return false;
      }
      v.Skip(2);
      return item(it);
    }
    case 'f':
      if (has1 && c1 == 'a') {
        v.Skip(2);
        v.value = NomAbsolu(input, repCourant_);
      } else if (has1 && c1 == 'c') {
        v.Skip(2);
        v.value = input;
      } else if (has1 && c1 == 'd') {
        v.Skip(2);
        v.value = ItemText(e, kItemNomDos);
      } else {
        v.Skip(1);
        v.value = NomSansChemin(input);
      }
      return true;
    case 'n': {
      v.Skip(1);
      const NumVar kind = ReadNumVar(v.rd);
      CBlocEntiers b;
      if (v.rd.At('{') && !ReadIntBlock(v, kind == kNumTotal ? 1 : 3, b)) return false;
      v.value = hooks_->Numero(Contexte(v), kind, b);
      return true;
    }
    case 'p':
      if (has1 && c1 == 'a') {
        v.Skip(2);
        v.value = RepAbsolu(input, repCourant_);
      } else if (has1 && c1 == 'r') {
        v.Skip(2);
        v.value = RepRelatif(input);
      } else if (has1 && IsAsciiDigit(c1)) {
        v.Skip(2);
        v.value = RepParent(input, repCourant_, c1 - '0');
      } else {
        v.Skip(1);
        v.value = RepParent(input, repCourant_, 1);
      }
      return true;
    case 's': {
      const bool form = has1 && (c1 == 'b' || c1 == 'k' || c1 == 'm' || c1 == 'g');
      v.Skip(form ? 2 : 1);
      v.value = e.isDir ? std::string()
                        : FormatTaille(e.size, form ? c1 : 0, opt_.unites);
      return true;
    }
    default:
      v.Skip(1);
      return false;
  }
}

bool CEvaluateur::ApplyModifiers(Var& v) {
  while (v.rd.At('(') || v.rd.At('[')) {
    const bool ok = v.rd.At('(') ? ApplyParen(v) : ApplyArray(v);
    if (!ok) {
      v.value.clear();
      return false;
    }
  }
  return true;
}

// At '('. On failure the reading position is where the top level resumes.
bool CEvaluateur::ApplyParen(Var& v) {
  CLecteur& rd = v.rd;
  rd.Next();
  rd.SkipBlanks();
  auto fail = [&]() {
    rd.SetPos(rd.ResumePos());
    return false;
  };
  if (rd.At('"')) {
    std::string s1, s2;
    bool g1 = false, g2 = false;
    long long nums[3] = {1, -1, 0};  // s, n, c
    if (!rd.ReadQuoted(s1, g1)) return fail();
    if (rd.At(',')) {
      rd.Next();
      if (!rd.ReadQuoted(s2, g2)) return fail();
      for (int k = 0; k < 3 && rd.At(','); ++k) {
        rd.Next();
        long long val = 0;
        bool given = false;
        rd.ReadInt(val, given);
        if (given) nums[k] = val;
      }
    }
    if (!rd.At(')')) return fail();
    rd.Next();
    return ModRemplacer(v.value, s1, g2 ? s2 : std::string(), nums[0], nums[1], nums[2]);
  }
  if (rd.At('s')) {
    const size_t sPos = rd.Pos();
    if (v.expr.size() - sPos < 5) return fail();
    rd.Next();
    if (!rd.At('/')) return fail();
    rd.Next();
    std::string parts[2];
    for (std::string& part : parts) {
      while (!rd.End() && !rd.At('/')) {
        if (rd.At('\\')) {
          part += '\\';
          rd.Next();
          if (rd.End()) return fail();
        }
        part += rd.Cur();
        rd.Next();
      }
      if (rd.End()) return fail();
      rd.Next();
    }
    bool global = false, icase = false;
    while (rd.At('g') || rd.At('i')) {
      (rd.At('g') ? global : icase) = true;
      rd.Next();
    }
    rd.SkipBlanks();
    if (!rd.At(')')) return fail();
    rd.Next();
    return regex_.Remplacer(v.value, parts[0], icase, parts[1], global);
  }
  long long p = 1, len = 0;
  bool gp = false, gn = false;
  rd.ReadInt(p, gp);
  if (!gp) p = 1;
  if (rd.At(',')) {
    rd.Next();
    rd.ReadInt(len, gn);
  }
  if (!rd.At(')')) return fail();
  rd.Next();
  return ModSousChaine(v.value, p, gn, len);
}

// At '['.
bool CEvaluateur::ApplyArray(Var& v) {
  CLecteur& rd = v.rd;
  rd.Next();
  long long i = 0;
  bool gi = false, gs = false;
  std::string seps;
  rd.ReadInt(i, gi);
  if (rd.At(',')) {
    rd.Next();
    if (!rd.ReadQuoted(seps, gs)) {
      rd.SetPos(rd.ResumePos());
      return false;
    }
  }
  if (!rd.At(']')) {
    rd.SetPos(rd.ResumePos());
    return false;
  }
  rd.Next();
  return ModTableau(v.value, gi ? i : 0, gs ? seps : opt_.carSepTab);
}
