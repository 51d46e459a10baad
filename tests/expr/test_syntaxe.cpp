// The grammar of expressions: literal text, escapes, '*', segments, each
// variable's recognised and unrecognised forms, blocks and their malformed
// cases. Expected texts are before any name clean-up.
#include <gtest/gtest.h>

#include <string>

#include "ExprTestUtil.h"
#include "expr/CLecteur.h"

namespace {

CFichier Riche() {
  EntreeTest t;
  t.size = 2048;
  t.texts = {{3, "AUTOEXE~1.BAT"}, {4, "Batch"}, {9, "A"},     {64, "Canon"}, {185, "kw"},
             {204, "1.0"},       {59, "640"},  {36, "PNG"},  {56, "JPG"},   {58, "00:01"},
             {15, "Title1"},     {27, "7"},    {194, "12 min"}, {8, "2002-01-01 text"},
             {90, "exif text"},  {57, "dv text"}};
  t.ints = {{59, 640}, {27, 7}};
  t.dates = {{8, Ft(2002, 1, 1)}, {90, Ft(2005, 2, 1, 10)}, {57, Ft(2004, 5, 6, 7, 8, 9)},
             {197, Ft(2003, 3, 3)}};
  return Fichier(t);
}

struct Row {
  const char* expr;
  const char* expected;
};

void Check(const Row* rows, size_t n, const CFichier& e, const ExprOptions& o = ExprOptions()) {
  for (size_t i = 0; i < n; ++i) EXPECT_EQ(Evaluer(rows[i].expr, e, o), rows[i].expected) << rows[i].expr;
}

}  // namespace

TEST(Syntaxe, LiteralsEscapesAndStar) {
  const Row rows[] = {
      {"", ""},
      {"plain text", "plain text"},
      {"*.", "autoexec."},
      {"*.*", "autoexec.bat"},
      {"\\*.*", "*.bat"},
      {"*", "autoexec"},
      {"x\\.*", "x.autoexec"},       // an escaped dot does not count
      {"%e.*", "bat.bat"},           // the dot after %e is literal: counts
      {"%f*", "autoexec.batautoexec"},  // a dot from a variable does not count
      {"\\\\", "\\"},
      {"a\\", "a"},                  // a final backslash is dropped
      {"\\%f", "%f"},
      {"\\;x", ";x"},
      {"\\(", "("},
      {"a%", "a"},                   // a final % is dropped
      {"%%", ""},
      {"%%f", "f"},
      {"a%@uL+-", "a"},               // modifiers up to the end: dropped
  };
  Check(rows, sizeof rows / sizeof *rows, Riche());
}

TEST(Syntaxe, Segments) {
  const Row rows[] = {
      {"%f;%b", "autoexec"},
      {"x.y;*", "x"},                   // '*' takes the base of the previous output
      {"a.b;*.*;%e", "b"},
      {"%b; ; ;", "autoexec"},           // trailing separators: no empty segment
      {"  ;x", "x"},
      {";", ""},
      {"a;;  ;b*", "ba"},
      {"%Ix; %f", "640"},
  };
  Check(rows, sizeof rows / sizeof *rows, Riche());
  CFichier photo = Fichier(EntreeTest{"PHOTO CLOWN 1.JPG"});
  EXPECT_EQ(Evaluer("%lf;%b(\"clown\",\"CLOWN\").%e", photo), "photo CLOWN 1.jpg");
}

TEST(Syntaxe, ItemLettersRecognisedAndNot) {
  const Row rows[] = {
      {"%A", ""},         {"%Aq", "q"},         {"%AI", ""},          {"%AIx", "x"},
      {"%AIf", "PNG"},    {"%AIf(1,1)", "P"},   {"%At", "Title1"},    {"%A(1)", "(1)"},
      {"%E", ""},         {"%Eq", "q"},         {"%Ev", "1.0"},       {"%Ev(2)", ".0"},
      {"%I", ""},         {"%Iz", "z"},         {"%Ix", "640"},
      {"%O", ""},         {"%Oq", "q"},         {"%Oe", "12 min"},    {"%Oed", "12 mind"},
      {"%V", ""},         {"%Vq", "q"},         {"%VI", ""},          {"%VIx", "x"},
      {"%VIf", "JPG"},    {"%VD", ""},          {"%VDx", "x"},        {"%VDt", "00:01"},
      {"%VDd", "20040506_070809"}, {"%VDdd", "20040506"},
      {"%m", ""},         {"%mq", "q"},         {"%mt", "Title1"},
      {"%X", ""},         {"%Xm", "m"},         {"%Xmk", "Canon"},    {"%Xq1", "q1"},
      {"%Xq1(1)", "q1(1)"}, {"%Xmko", "Canono"},
      {"%Y", ""},         {"%Yk", "k"},         {"%Ykw", "kw"},       {"%Yzz", "zz"},
      {"%d", ""},         {"%dx(1)", "x(1)"},   {"%d.", "."},
      {"%q", ""},         {"%qabc", "abc"},     {"%(1)", "1)"},       {"%[1]", "1]"},
  };
  Check(rows, sizeof rows / sizeof *rows, Riche());
}

TEST(Syntaxe, ComputedVariables) {
  CFichier e = Riche();
  e.name = "SPORT\\2006\\autoexec.bat";
  const Row rows[] = {
      {"%f", "autoexec.bat"},   {"%fx", "autoexec.batx"},      {"%fc", "SPORT\\2006\\autoexec.bat"},
      {"%fa", "C:\\dir\\SPORT\\2006\\autoexec.bat"},           {"%fd", "AUTOEXE~1.BAT"},
      {"%b", "autoexec"},       {"%bd", "AUTOEXE~1"},          {"%bx", "autoexecx"},
      {"%e", "bat"},            {"%ed", "BAT"},                {"%a", "A"},
      {"%y", "Batch"},          {"%s", "2.00 KB"},             {"%sb", "2048"},
      {"%sk", "2.00"},          {"%sm", "0.00"},               {"%sg", "0.00"},
      {"%sx", "2.00 KBx"},      {"%p", "2006"},                {"%p1", "2006"},
      {"%p2", "SPORT"},         {"%p3", "dir"},                {"%p4", ""},
      {"%p0", ""},              {"%p12", "20062"},             {"%pa", "C:\\dir\\SPORT\\2006\\"},
      {"%pr", "SPORT\\2006\\"}, {"%px", "2006x"},              {"%P", "C:\\dir\\"},
      {"%P(1,2)", "C:"},
  };
  Check(rows, sizeof rows / sizeof *rows, e);
  CFichier dir = Riche();
  dir.isDir = true;
  EXPECT_EQ(Evaluer("[%s%sb]", dir), "[]");
  CFichier abs = Riche();
  abs.name = "E:\\x\\a.b";
  EXPECT_EQ(Evaluer("%pr|%pa|%fa", abs), "|E:\\x\\|E:\\x\\a.b");
}

TEST(Syntaxe, HookedVariablesAndTheirBlocks) {
  const Row rows[] = {
      {"%n", "n0"},                  {"%np", "n1"},                 {"%ns", "n2"},
      {"%nc", "0"},                  {"%ncs", "n4"},                {"%ncf", "n5"},
      {"%ncfs", "n6"},               {"%nx", "n0x"},                {"%ncx", "0x"},
      {"%n{2}", "n0{2,-,-}"},        {"%n{,10}", "n0{-,10,-}"},     {"%n{ + 5 , - , 7 }", "n0{5,0,7}"},
      {"%n{}", "n0{-,-,-}"},         {"%n{1,2,3,4}", "4}"},         {"%n{2", ""},
      {"%n{2x}z", "}z"},             {"%ns{2}", "n2{2}"},           {"%ns{2,3}", "3}"},
      {"%ncfs{3}", "n6{3,-,-}"},     {"%n{-}", "n0{0,-,-}"},
      {"%N", "N-1"},                 {"%N2", "N2"},                 {"%N2{1,2,3}", "N2{1,2,3}"},
      {"%NN", "NN-1"},               {"%NN3", "NN3"},               {"%NN{-1}", "NN-1{-1}"},
      {"%N{4,0,-1}", "N-1{4,0,-1}"}, {"%NN{1,2}", "2}"},            {"%N12", "N12"},
      {"%R", "R"},                   {"%RR", "RR"},
      {"%C", "line1"},               {"%C12", "line12"},            {"%C0", "line0"},
      {"%T", "T-1"},                 {"%T3", "T3"},                 {"%T{\"a.txt\"}", "T-1<a.txt>"},
      {"%T2{ \"b\\\\c\" }x", "T2<b\\c>x"},                        {"%T{\"a.txt\"", ""},
      {"%T{\"a\",}", "}"},           {"%T{x}", "}"},                {"%T{}", "T-1"},
      {"%T(1,1)", "T"},
  };
  Check(rows, sizeof rows / sizeof *rows, Riche());
}

TEST(Syntaxe, TrackNumbers) {
  EntreeTest t;
  t.texts = {{27, "7"}, {20, "3"}, {29, "2/12"}};
  t.ints = {{27, 7}, {20, 3}};
  const CFichier e = Fichier(t);
  const Row rows[] = {
      {"%AT", "07"},      {"%AT{3}", "007"},  {"%AT{0}", "07"},   {"%AT{21}", "07"},
      {"%AT{1}", "7"},    {"%AT{20}", "00000000000000000007"},                {"%mT{4}", "0003"}, {"%Ak", "2/12"},    {"%Ak{3}", "2/12{3}"},
      {"%An", ""},        {"%An{3}", "{3}"},  {"%AT{3", ""},      {"%AT{3,4}", "4}"},
  };
  Check(rows, sizeof rows / sizeof *rows, e);
  // Only the Id3v1 track: the audio tag track falls back on it, or not.
  EntreeTest t1;
  t1.texts = {{20, "3"}};
  t1.ints = {{20, 3}};
  ExprOptions off;
  off.id3v1audNvl = false;
  EXPECT_EQ(Evaluer("%AT{3}", Fichier(t1)), "003");
  EXPECT_EQ(Evaluer("%AT{3}", Fichier(t1), off), "{3}");
}

TEST(Syntaxe, FallbackBetweenTagItems) {
  EntreeTest t;
  t.texts = {{15, "Id3 title"}};
  ExprOptions off;
  off.id3v1audNvl = false;
  EXPECT_EQ(Evaluer("%mt|%At", Fichier(t)), "Id3 title|Id3 title");
  EXPECT_EQ(Evaluer("%mt|%At", Fichier(t), off), "Id3 title|");
}

TEST(Syntaxe, DateVariables) {
  const Row rows[] = {
      {"%b_%dmd.%e", "autoexec_20020101.bat"},
      {"%dm", "20020101_000000"},
      {"%dmt", "000000"},
      {"%dm\\t", "20020101_000000t"},
      {"%dm{}t", "20020101_000000t"},
      {"%Xdo{\"%d-%m-%Y\"}", "01-02-2005"},
      {"%Xdo{\"%H%M%S\",1h1m1s}", "110101"},
      {"%Xdot{\"\",-2h}", "080000"},
      {"%Xdod{,48h}", "20050203"},
      {"%Xdod", "20050201"},
      {"%Xdo\\d", "20050201_100000d"},
      {"%Xdo{\"%Y\",1x}", "}"},          // an unknown unit stops the block
      {"%Xdo{\"%Y\",1h1h}z", "}z"},      // a repeated unit too
      {"%Xdo{\"%Y\",1m1h}", "}"},        // and one out of order
      {"%Xdo{\"%Y\",30s20}", "0}"},      // digits after the seconds
      {"%Xdo{\"%Y\"", ""},
      {"%Xdo{\"%Y\"x}", "}"},
      {"%Xdo{\"%Y\",-}", "2005"},         // a sign alone: no shift
      {"%Xdo{\"%H\",+1h30}", "11"},
      {"%Xdo(1,4)", "2005"},
      {"%Xdod(5)", "0201"},
      {"%Ob", "20030303_000000"},
      {"%dc", ""},                        // no date, no text
      {"%dc{\"%Y\"}x", "x"},
      {"%Xdt", ""},
      // Shifts that leave the file-time range give empty text, never a wrapped date.
      {"[%dm{\"%Y%m%d\",1000000000000h}]", "[]"},
      {"[%dm{\"%Y%m%d\",1844674407371}]", "[]"},
      {"[%dm{\"%Y%m%d\",-1000000000000h}]", "[]"},
      {"[%dm{\"%Y%m%d\",99999999999999999999h}]", "[]"},
      {"[%D{\"%Y\",1000000000000h}]", "[]"},
      {"%Xdo{}", "20050201_100000"},
      {"[%Xdo{\"%Y\",-351360h}]", "[]"},  // shifted before 1970
      {"%Xdo{\"%Y\",8734560h}", "3001"},
  };
  Check(rows, sizeof rows / sizeof *rows, Riche());
}

TEST(Syntaxe, DateOptions) {
  CFichier e = Riche();
  ExprOptions o;
  o.ajo = 3600;
  EXPECT_EQ(Evaluer("%dm{,0}", e, o), "20020101_000000");
  EXPECT_EQ(Evaluer("%dm", e, o), "20020101_010000");
  EXPECT_EQ(Evaluer("%dm{,-1h}", e, o), "20011231_230000");
  EXPECT_EQ(Evaluer("%Xdo{,}", e, o), "20050201_110000");  // no digits after the comma: ajo stays
  ExprOptions back;
  back.ajo = -36000;
  EXPECT_EQ(Evaluer("%Xdot", e, back), "000000");
  back.fmtT = "%Hh%M";
  EXPECT_EQ(Evaluer("%Xdot{,0}", e, back), "10h00");
  back.fmtT = "";
  EXPECT_EQ(Evaluer("[%Xdot{,0}]", e, back), "[]");
  o.fmtD = "%d";
  o.fmtDt = "";
  EXPECT_EQ(Evaluer("%dmd|%dm", e, o), "01|");  // an empty format gives empty text
  // A stored text that is not a date: shown only with vide_fmt_ko off.
  e.items.dates.Set(90, 0);
  ExprOptions keep;
  keep.videFmtKo = false;
  EXPECT_EQ(Evaluer("[%Xdo]", e), "[]");
  EXPECT_EQ(Evaluer("[%Xdo]", e, keep), "[exif text]");
  EXPECT_EQ(Evaluer("[%Xdo{\"%Y\",1h}]", e, keep), "[exif text]");  // even with a format and a shift
  // Dates before 1970 give empty text; an offset cannot wrap the time.
  e.items.dates.Set(8, Ft(1969, 12, 31));
  EXPECT_EQ(Evaluer("[%dm]", e), "[]");
  e.items.dates.Set(8, 1);
  EXPECT_EQ(Evaluer("[%dm{,-1h}]", e), "[]");
}

TEST(Syntaxe, DatesWithoutAFormatterReadTheirText) {
  // The base hooks format nothing: date items then show what the reader stored.
  CFichier e = Riche();
  CExprHooks none;
  ExprOptions o;
  CCalculNoms calc(o, &none);
  std::vector<CFichier*> sel{&e};
  calc.Calculer("%dm|%Xdod{\"%Y\"}|%D|", sel);
  EXPECT_EQ(e.futureName, "2002-01-01 text|exif text||");
}

TEST(Lecteur, Durations) {
  struct Row {
    const char* text;
    bool given;
    long long seconds;
    char stop;  // character the reading stops on
  } rows[] = {
      {"1h}", true, 3600, '}'},       {"-60m}", true, -3600, '}'},   {"+1h30m}", true, 5400, '}'},
      {"-1h1m1s}", true, -3661, '}'}, {"1h30}", true, 3630, '}'},    {" 90 }", true, 90, '}'},
      {"-}", true, 0, '}'},           {"}", false, 77, '}'},         {"x}", false, 77, 'x'},
      {"1m1h}", true, 60, 'h'},       {"1s1s}", true, 1, 's'},       {"2h3q}", true, 7200, 'q'},
      {"99999999999999999999h}", true, 1000000000000000LL, '}'}, {"- 2m}", true, -120, '}'},
  };
  for (const auto& r : rows) {
    const std::string s = r.text;
    CLecteur rd(s, 0);
    long long v = 77;
    bool given = false;
    rd.ReadDuration(v, given);
    EXPECT_EQ(given, r.given) << r.text;
    EXPECT_EQ(v, r.seconds) << r.text;
    EXPECT_EQ(rd.Cur(), r.stop) << r.text;
  }
}

TEST(Lecteur, IntegersAndQuotedStrings) {
  struct IntRow {
    const char* text;
    bool given;
    long long v;
    char stop;
  } ints[] = {{" 12 ,", true, 12, ','}, {"-,", true, 0, ','}, {" - 3)", true, -3, ')'},
              {",", false, 5, ','},      {"x", false, 5, 'x'}, {"99999999999999)", true, 1000000000, ')'},
              {"+ +1", true, 0, '+'}};
  for (const auto& r : ints) {
    const std::string s = r.text;
    CLecteur rd(s, 0);
    long long v = 5;
    bool given = false;
    rd.ReadInt(v, given);
    EXPECT_EQ(given, r.given) << r.text;
    EXPECT_EQ(v, r.v) << r.text;
    EXPECT_EQ(rd.Cur(), r.stop) << r.text;
  }
  struct StrRow {
    const char* text;
    bool ok, given;
    const char* value;
    char stop;
  } strs[] = {{" \"a\\\"b\" ,", true, true, "a\"b", ','}, {"\"\\\\\")", true, true, "\\", ')'},
              {"x", true, false, "", 'x'},             {"\"abc", false, false, "", '\0'},
              {"\"a\\", false, false, "", '\0'},       {"  ,", true, false, "", ','}};
  for (const auto& r : strs) {
    const std::string s = r.text;
    CLecteur rd(s, 0);
    std::string v;
    bool given = false;
    EXPECT_EQ(rd.ReadQuoted(v, given), r.ok) << r.text;
    if (!r.ok) continue;
    EXPECT_EQ(given, r.given) << r.text;
    EXPECT_EQ(v, r.value) << r.text;
    EXPECT_EQ(rd.Cur(), r.stop) << r.text;
  }
}
