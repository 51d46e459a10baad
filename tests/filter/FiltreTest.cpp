// The file-filter matcher as one table: specs, stars, classes, escapes, the
// "name.*" tail, recursive paths and the degenerate inputs.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "files/CFiltre.h"

namespace {

struct Case {
  const char* filter;
  const char* name;
  bool expected;
};

const Case kCases[] = {
    // Empty filter and empty specs.
    {"", "", true},
    {"", "a", false},
    {"a;", "a", true},          // a trailing ';' changes nothing
    {"a;", "b", false},
    {"a;;b", "", true},         // the empty file spec matches only the empty name
    {"a;;b", "b", true},
    {"a;;b", "c", false},
    {";", "", true},
    {";", "x", false},
    // Several specs.
    {"*.mp3;*.bmp;F*", "song.mp3", true},
    {"*.mp3;*.bmp;F*", "PIC.BMP", true},
    {"*.mp3;*.bmp;F*", "file.txt", true},
    {"*.mp3;*.bmp;F*", "Foo", true},
    {"*.mp3;*.bmp;F*", "a.txt", false},
    {"*.mp3;*.bmp;F*", "song.mp3.txt", false},
    // Plain characters, case-insensitive, whole name.
    {"readme", "README", true},
    {"readme", "readme.txt", false},
    {"readme.txt", "readme", false},
    {"\xe9t\xe9", "\xc9T\xc9", true},  // Windows-1252 letters above 0x80
    // Stars.
    {"*", "", true},
    {"*", "anything", true},
    {"a*", "a", true},
    {"*b", "b", true},
    {"*b", "ab", true},
    {"*b", "ba", false},
    {"a*b", "ab", true},
    {"a*b", "a", false},
    {"a*b*c", "aXbYc", true},
    {"a*b*c", "abcb", false},
    {"*a*", "bab", true},
    {"a*;b", "b", true},       // a star before ';' ends the file spec as a match
    {"a**", "a", false},       // the second star needs a non-empty remainder
    {"a**", "ab", true},
    // "*." and "*.*".
    {"*.", "readme", true},
    {"*.", "a.txt", false},
    {"*.", "", true},
    {"*.*", "readme", true},
    {"*.*", "a.txt", true},
    {"x*.", "xa", true},
    {"x*.", "xa.b", false},
    {"*.;*.txt", "a.txt", true},  // a failing "*." goes on with the next file spec
    {"*.*;", "a", true},
    // The "name.*" tail.
    {"name.*", "name", true},
    {"name.*", "NAME.txt", true},
    {"name.*", "name.", true},
    {"name.*", "names", false},
    {".*", "", false},           // a '.' at the start of the pattern is not skipped
    {"name\\.*", "name", false}, // an escaped '.' is an ordinary character
    // '?'.
    {"?", "a", true},
    {"?", "", false},
    {"???", "ab", false},
    {"a?c", "abc", true},
    {"a?c", "ac", false},
    // Classes.
    {"*[#=]*.mp3", "a#b.mp3", true},
    {"*[#=]*.mp3", "a=b.mp3", true},
    {"*[#=]*.mp3", "ab.mp3", false},
    {"[A-Z]*", "abc", true},
    {"[A-Z]*", "Abc", true},
    {"[A-Z]*", "1abc", false},
    {"[a-z]*", "Q", true},
    {"[!T]*", "test.txt", false},
    {"[!T]*", "Test.txt", false},
    {"[!T]*", "best.txt", true},
    {"[a-]", "a", true},
    {"[a-]", "A", true},
    {"[a-]", "-", true},
    {"[a-]", "b", false},
    {"[-a]", "-", true},
    {"[!-a]", "-", false},
    {"[!-a]", "b", true},
    {"[!]", "x", true},          // empty negated class: any one character
    {"[!]", "", false},          // ... but it needs one
    {"[]", "x", false},
    {"[abc]", "", false},        // a class at the end of the name fails
    {"[!abc]", "", false},
    {"a[bc]", "a", false},
    {"a[!bc]", "a", false},
    {"[0-9][0-9]", "42", true},
    {"[0-9][0-9]", "4x", false},
    {"[ab", "a", false},         // unclosed: consumes nothing, name not consumed
    {"[ab", "", false},
    {"[ab;a", "a", true},        // unclosed before ';': the next file spec matches
    {"x[a-c]y", "xBy", true},
    {"x[a-c]y", "xdy", false},
    {"[a-c]", "c", true},        // both ends of a range belong to it
    {"[a-c]", "a", true},
    {"[0-9]*", "9.jpg", true},
    {"[0-9]*", "0.jpg", true},
    // Escapes.
    {"\\*.txt", "*.txt", true},
    {"\\*.txt", "a.txt", false},
    {"a\\?", "a?", true},
    {"a\\?", "ab", false},
    {"\\[x]", "[x]", true},
    {"a\\;b", "a;b", true},      // an escaped ';' does not separate specs
    {"a\\;b", "a", false},
    {"x\\;y;z", "y", false},     // ... and failing specs are skipped as a whole
    {"x\\;y;z", "z", true},
    {"?\\;1", "1", false},      // the escaped ';' must be matched too
    {"?\\;1;z", "z", true},
    {"\\\\", "\\", true},
    {"a\\", "a", true},          // a trailing '\' takes nothing
    {"\\a*", "ABC", true},
    // Recursive paths: the name is the relative path and a star covers '\'.
    {"F*", "SUB\\File.txt", false},
    {"*F*", "SUB\\File.txt", true},
    {"*\\F*", "SUB\\File.txt", true},
    {"SUB\\\\*.txt", "SUB\\File.txt", true},
    {"*.txt", "A\\B\\c.TXT", true},
    {"*.", "SUB.D\\readme", false},  // any '.' left in the path, directories included
    {"*.", "SUB\\read.me", false},
    {"S?B\\*", "SUB\\x", false},  // '\' escapes the star: the name must be "SUB*"
};

TEST(Filtre, Table) {
  for (const auto& c : kCases) {
    EXPECT_EQ(match(c.filter, c.name, false), c.expected)
        << "filter \"" << c.filter << "\" name \"" << c.name << "\"";
  }
}

TEST(Filtre, NestedModeStopsAtSemicolon) {
  // In nested mode a ';' ends the pattern and no later file spec is tried.
  EXPECT_TRUE(match("b;c", "b", true));
  EXPECT_FALSE(match("b;c", "c", true));
  EXPECT_TRUE(match("b;c", "c", false));
}

TEST(Filtre, NullArguments) {
  EXPECT_FALSE(match(nullptr, "a", false));
  EXPECT_FALSE(match("*", nullptr, false));
}

// Many stars against a long name that almost matches: the remembered
// failures keep this polynomial. Only correctness is asserted; a run that
// took exponential time would never finish.
TEST(Filtre, ManyStarsFinish) {
  const std::string name(300, 'a');
  EXPECT_FALSE(match("*a*a*a*a*a*a*a*a*a*a*a*a*b", name.c_str(), false));
  EXPECT_TRUE(match("*a*a*a*a*a*a*a*a*a*a*a*a*", name.c_str(), false));
  const std::string stars(5000, '*');
  EXPECT_FALSE(match((stars + "b").c_str(), name.c_str(), false));
}

}  // namespace
