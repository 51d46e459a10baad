#include "expr/CColonnes.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// Title ids: the column titles are texts 37 to 251 of the text table. That
// range holds 215 texts for 216 items because the title of item 9
// ("Attributes") is text 36, shared with the attributes label. So items 0-8
// have titles 37-45 and items 10-215 titles 46-251 (item + 36).
// Widths and alignment are the built-in layout of the list: numbers right.
const CColonne kColonnes[kItemCount] = {
    {0, 0, kKindText, "%f", 37, 200, false},
    {1, 0, kKindText, nullptr, 38, 200, false},
    {2, 0, kKindText, "%n", 39, 40, true},
    {3, 1, kKindText, "%fd", 40, 90, false},
    {4, 1, kKindText, "%y", 41, 90, false},
    {5, 1, kKindText, "%s", 42, 90, true},
    {6, 1, kKindDate, "%dc", 43, 120, false},
    {7, 1, kKindDate, "%da", 44, 120, false},
    {8, 1, kKindDate, "%dm", 45, 120, false},
    {9, 1, kKindText, "%a", 36, 90, false},
    {10, 2, kKindInt, "%Ab", 46, 90, true},
    {11, 2, kKindInt, "%As", 47, 90, true},
    {12, 2, kKindText, "%AM", 48, 90, false},
    {13, 2, kKindInt, "%Ad", 49, 90, true},
    {14, 2, kKindText, "%Ai", 50, 90, false},
    {15, 3, kKindText, "%mt", 51, 90, false},
    {16, 3, kKindText, "%ma", 52, 90, false},
    {17, 3, kKindText, "%mA", 53, 90, false},
    {18, 3, kKindText, "%my", 54, 90, false},
    {19, 3, kKindText, "%mc", 55, 90, false},
    {20, 3, kKindInt, "%mT", 56, 90, true},
    {21, 3, kKindText, "%mg", 57, 90, false},
    {22, 4, kKindText, "%At", 58, 90, false},
    {23, 4, kKindText, "%Aa", 59, 90, false},
    {24, 4, kKindText, "%AA", 60, 90, false},
    {25, 4, kKindText, "%Ay", 61, 90, false},
    {26, 4, kKindText, "%Ac", 62, 90, false},
    {27, 4, kKindInt, "%AT", 63, 90, true},
    {28, 4, kKindInt, "%An", 64, 90, true},
    {29, 4, kKindText, "%Ak", 65, 90, false},
    {30, 4, kKindText, "%Ag", 66, 90, false},
    {31, 4, kKindText, "%Ap", 67, 90, false},
    {32, 4, kKindText, "%Ao", 68, 90, false},
    {33, 4, kKindText, "%AC", 69, 90, false},
    {34, 4, kKindText, "%Au", 70, 90, false},
    {35, 4, kKindText, "%Ae", 71, 90, false},
    {36, 4, kKindText, "%AIf", 72, 90, false},
    {37, 5, kKindInt, "%Vx", 73, 90, true},
    {38, 5, kKindInt, "%Vy", 74, 90, true},
    {39, 5, kKindInt, "%Vs", 75, 90, true},
    {40, 5, kKindText, "%VM", 76, 90, false},
    {41, 5, kKindInt, "%Vd", 77, 90, true},
    {42, 5, kKindDec, "%Vf", 78, 90, true},
    {43, 5, kKindText, "%Vi", 79, 90, false},
    {44, 6, kKindText, "%Vt", 80, 90, false},
    {45, 6, kKindText, "%VU", 81, 90, false},
    {46, 6, kKindText, "%Va", 82, 90, false},
    {47, 6, kKindText, "%Vc", 83, 90, false},
    {48, 6, kKindText, "%Vk", 84, 90, false},
    {49, 6, kKindText, "%VE", 85, 90, false},
    {50, 6, kKindText, "%VT", 86, 90, false},
    {51, 6, kKindText, "%Vg", 87, 90, false},
    {52, 6, kKindText, "%Vn", 88, 90, false},
    {53, 6, kKindText, "%VO", 89, 90, false},
    {54, 6, kKindText, "%VC", 90, 90, false},
    {55, 6, kKindText, "%VS", 91, 90, false},
    {56, 6, kKindText, "%VIf", 92, 90, false},
    {57, 6, kKindDate, "%VDd", 93, 120, false},
    {58, 6, kKindText, "%VDt", 94, 90, false},
    {59, 7, kKindInt, "%Ix", 95, 90, true},
    {60, 7, kKindInt, "%Iy", 96, 90, true},
    {61, 7, kKindInt, "%Ib", 97, 90, true},
    {62, 7, kKindText, "%Ii", 98, 90, false},
    {63, 8, kKindText, "%Xde", 99, 90, false},
    {64, 8, kKindText, "%Xmk", 100, 90, false},
    {65, 8, kKindText, "%Xmo", 101, 90, false},
    {66, 8, kKindText, "%Xor", 102, 90, false},
    {67, 8, kKindDec, "%Xxr", 103, 90, true},
    {68, 8, kKindDec, "%Xyr", 104, 90, true},
    {69, 8, kKindText, "%Xru", 105, 90, false},
    {70, 8, kKindText, "%Xso", 106, 90, false},
    {71, 8, kKindText, "%Xar", 107, 90, false},
    {72, 8, kKindDate, "%Xdt", 108, 120, false},
    {73, 8, kKindText, "%XSt", 109, 90, false},
    {74, 8, kKindText, "%Xwp", 110, 90, false},
    {75, 8, kKindText, "%Xpc", 111, 90, false},
    {76, 8, kKindText, "%Xyc", 112, 90, false},
    {77, 8, kKindText, "%Xyp", 113, 90, false},
    {78, 8, kKindText, "%Xbw", 114, 90, false},
    {79, 8, kKindText, "%Xco", 115, 90, false},
    {80, 8, kKindInt, "%Xeo", 116, 90, true},
    {81, 8, kKindInt, "%Xgo", 117, 90, true},
    {82, 8, kKindInt, "%Xto", 118, 90, true},
    {83, 8, kKindInt, "%Xts", 119, 90, true},
    {84, 8, kKindDec, "%Xet", 120, 90, true},
    {85, 8, kKindDec, "%Xfn", 121, 90, true},
    {86, 8, kKindText, "%Xep", 122, 90, false},
    {87, 8, kKindText, "%Xsy", 123, 90, false},
    {88, 8, kKindInt, "%Xsr", 124, 90, true},
    {89, 8, kKindText, "%Xve", 125, 90, false},
    {90, 8, kKindDate, "%Xdo", 126, 120, false},
    {91, 8, kKindText, "%XSo", 127, 90, false},
    {92, 8, kKindDate, "%Xdd", 128, 120, false},
    {93, 8, kKindText, "%XSd", 129, 90, false},
    {94, 8, kKindText, "%Xcc", 130, 90, false},
    {95, 8, kKindDec, "%Xbp", 131, 90, true},
    {96, 8, kKindDec, "%Xss", 132, 90, true},
    {97, 8, kKindDec, "%Xav", 133, 90, true},
    {98, 8, kKindDec, "%Xbv", 134, 90, true},
    {99, 8, kKindDec, "%Xev", 135, 90, true},
    {100, 8, kKindDec, "%Xma", 136, 90, true},
    {101, 8, kKindText, "%Xsd", 137, 90, false},
    {102, 8, kKindText, "%Xmm", 138, 90, false},
    {103, 8, kKindText, "%Xls", 139, 90, false},
    {104, 8, kKindText, "%Xfa", 140, 90, false},
    {105, 8, kKindDec, "%Xfl", 141, 90, true},
    {106, 8, kKindDec, "%Xfe", 142, 90, true},
    {107, 8, kKindText, "%Xuc", 143, 90, false},
    {108, 8, kKindText, "%Xfv", 144, 90, false},
    {109, 8, kKindText, "%Xcs", 145, 90, false},
    {110, 8, kKindInt, "%Xiw", 146, 90, true},
    {111, 8, kKindInt, "%Xih", 147, 90, true},
    {112, 8, kKindText, "%Xsf", 148, 90, false},
    {113, 8, kKindDec, "%Xfx", 149, 90, true},
    {114, 8, kKindDec, "%Xfy", 150, 90, true},
    {115, 8, kKindText, "%Xfu", 151, 90, false},
    {116, 8, kKindDec, "%Xei", 152, 90, true},
    {117, 8, kKindText, "%Xsm", 153, 90, false},
    {118, 8, kKindText, "%Xfs", 154, 90, false},
    {119, 8, kKindText, "%Xst", 155, 90, false},
    {120, 8, kKindText, "%Xcr", 156, 90, false},
    {121, 8, kKindText, "%Xem", 157, 90, false},
    {122, 8, kKindText, "%Xwb", 158, 90, false},
    {123, 8, kKindDec, "%Xdz", 159, 90, true},
    {124, 8, kKindInt, "%XfL", 160, 90, true},
    {125, 8, kKindText, "%Xsc", 161, 90, false},
    {126, 8, kKindText, "%Xgc", 162, 90, false},
    {127, 8, kKindText, "%Xct", 163, 90, false},
    {128, 8, kKindText, "%Xsu", 164, 90, false},
    {129, 8, kKindText, "%Xsh", 165, 90, false},
    {130, 8, kKindText, "%XsD", 166, 90, false},
    {131, 8, kKindText, "%Xui", 167, 90, false},
    {132, 8, kKindText, "%Xgv", 168, 90, false},
    {133, 8, kKindText, "%XlA", 169, 90, false},
    {134, 8, kKindText, "%Xla", 170, 90, false},
    {135, 8, kKindText, "%XlO", 171, 90, false},
    {136, 8, kKindText, "%Xlo", 172, 90, false},
    {137, 8, kKindText, "%XaL", 173, 90, false},
    {138, 8, kKindText, "%Xal", 174, 90, false},
    {139, 8, kKindText, "%XTS", 175, 90, false},
    {140, 8, kKindText, "%Xsa", 176, 90, false},
    {141, 8, kKindText, "%Xus", 177, 90, false},
    {142, 8, kKindText, "%XmM", 178, 90, false},
    {143, 8, kKindDec, "%Xdp", 179, 90, true},
    {144, 8, kKindText, "%XsP", 180, 90, false},
    {145, 8, kKindDec, "%Xsp", 181, 90, true},
    {146, 8, kKindText, "%XtR", 182, 90, false},
    {147, 8, kKindDec, "%Xtr", 183, 90, true},
    {148, 8, kKindText, "%XiD", 184, 90, false},
    {149, 8, kKindDec, "%Xid", 185, 90, true},
    {150, 8, kKindText, "%Xmd", 186, 90, false},
    {151, 8, kKindText, "%XLA", 187, 90, false},
    {152, 8, kKindText, "%XLa", 188, 90, false},
    {153, 8, kKindText, "%XLO", 189, 90, false},
    {154, 8, kKindText, "%XLo", 190, 90, false},
    {155, 8, kKindText, "%XbE", 191, 90, false},
    {156, 8, kKindDec, "%Xbe", 192, 90, true},
    {157, 8, kKindText, "%XDR", 193, 90, false},
    {158, 8, kKindDec, "%XDr", 194, 90, true},
    {159, 9, kKindText, "%Ybl", 195, 90, false},
    {160, 9, kKindText, "%Ybt", 196, 90, false},
    {161, 9, kKindText, "%Ycy", 197, 90, false},
    {162, 9, kKindText, "%Ycr", 198, 90, false},
    {163, 9, kKindText, "%Ysr", 199, 90, false},
    {164, 9, kKindText, "%Ycw", 200, 90, false},
    {165, 9, kKindText, "%Ycp", 201, 90, false},
    {166, 9, kKindText, "%Yhl", 202, 90, false},
    {167, 9, kKindText, "%Ysi", 203, 90, false},
    {168, 9, kKindText, "%Yon", 204, 90, false},
    {169, 9, kKindDate, "%Ydc", 205, 120, false},
    {170, 9, kKindDate, "%Ydr", 206, 120, false},
    {171, 9, kKindText, "%Yct", 207, 90, false},
    {172, 9, kKindText, "%Ysl", 208, 90, false},
    {173, 9, kKindText, "%Yst", 209, 90, false},
    {174, 9, kKindText, "%Ycc", 210, 90, false},
    {175, 9, kKindText, "%Yco", 211, 90, false},
    {176, 9, kKindText, "%Yot", 212, 90, false},
    {177, 9, kKindText, "%Yca", 213, 90, false},
    {178, 9, kKindText, "%Ysc", 214, 90, false},
    {179, 9, kKindText, "%Yes", 215, 90, false},
    {180, 9, kKindText, "%Yji", 216, 90, false},
    {181, 9, kKindText, "%Ypg", 217, 90, false},
    {182, 9, kKindText, "%Ypv", 218, 90, false},
    {183, 9, kKindText, "%Ypr", 219, 90, false},
    {184, 9, kKindText, "%Yoc", 220, 90, false},
    {185, 9, kKindText, "%Ykw", 221, 90, false},
    {186, 10, kKindText, "%Ot", 222, 90, false},
    {187, 10, kKindText, "%Os", 223, 90, false},
    {188, 10, kKindText, "%Oa", 224, 90, false},
    {189, 10, kKindText, "%Ok", 225, 90, false},
    {190, 10, kKindText, "%Oc", 226, 90, false},
    {191, 10, kKindText, "%OT", 227, 90, false},
    {192, 10, kKindText, "%OA", 228, 90, false},
    {193, 10, kKindText, "%Or", 229, 90, false},
    {194, 10, kKindDate, "%Oe", 230, 120, false},
    {195, 10, kKindDate, "%Op", 231, 120, false},
    {196, 10, kKindDate, "%On", 232, 120, false},
    {197, 10, kKindDate, "%Ob", 233, 120, false},
    {198, 10, kKindInt, "%OP", 234, 90, true},
    {199, 10, kKindInt, "%OW", 235, 90, true},
    {200, 10, kKindInt, "%OC", 236, 90, true},
    {201, 10, kKindText, "%ON", 237, 90, false},
    {202, 10, kKindInt, "%OS", 238, 90, true},
    {203, 10, kKindText, "%Ou", 239, 90, false},
    {204, 11, kKindText, "%Ev", 240, 90, false},
    {205, 11, kKindText, "%Ed", 241, 90, false},
    {206, 11, kKindText, "%EC", 242, 90, false},
    {207, 11, kKindText, "%Ec", 243, 90, false},
    {208, 11, kKindText, "%EN", 244, 90, false},
    {209, 11, kKindText, "%Ei", 245, 90, false},
    {210, 11, kKindText, "%ET", 246, 90, false},
    {211, 11, kKindText, "%Eo", 247, 90, false},
    {212, 11, kKindText, "%Eb", 248, 90, false},
    {213, 11, kKindText, "%En", 249, 90, false},
    {214, 11, kKindText, "%EV", 250, 90, false},
    {215, 11, kKindText, "%EB", 251, 90, false},
};

struct VarIndex {
  const char* name;  // without '%'
  int item;
};

// Variable names sorted for binary search; built once on first use.
struct VarTable {
  std::array<VarIndex, kItemCount> entries{};
  size_t count = 0;
  VarTable() {
    for (const CColonne& c : kColonnes) {
      if (c.variable) entries[count++] = {c.variable + 1, c.item};
    }
    std::sort(entries.begin(), entries.begin() + count,
              [](const VarIndex& a, const VarIndex& b) { return std::strcmp(a.name, b.name) < 0; });
  }
};

const VarTable& Vars() {
  static const VarTable table;
  return table;
}

// Compares a counted name with a NUL-terminated one, as strcmp would.
int CompareName(const char* name, size_t len, const char* entry) {
  const size_t n = std::strlen(entry);
  const int c = std::memcmp(name, entry, len < n ? len : n);
  if (c != 0) return c;
  return len < n ? -1 : (len > n ? 1 : 0);
}

constexpr int kItemDocEditTime = 194;  // %Oe: sorts as a date, reads as text

const int kTwins[][2] = {{15, 22}, {16, 23}, {17, 24}, {18, 25}, {19, 26}, {21, 30}, {20, 27}};

}  // namespace

const CColonne* Colonne(int item) {
  if (item < 0 || item >= kItemCount) return nullptr;
  return &kColonnes[item];
}

int ItemOfVariable(const char* name, size_t len) {
  const VarTable& t = Vars();
  size_t lo = 0, hi = t.count;
  while (lo < hi) {
    const size_t mid = lo + (hi - lo) / 2;
    const int c = CompareName(name, len, t.entries[mid].name);
    if (c == 0) return t.entries[mid].item;
    if (c < 0)
      hi = mid;
    else
      lo = mid + 1;
  }
  return kNoItem;
}

bool IsDateVariable(int item) {
  const CColonne* c = Colonne(item);
  return c && c->kind == kKindDate && item != kItemDocEditTime;
}

int FallbackTwin(int item) {
  for (const auto& p : kTwins) {
    if (p[0] == item) return p[1];
    if (p[1] == item) return p[0];
  }
  return kNoItem;
}
