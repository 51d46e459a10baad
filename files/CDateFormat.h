// Dates in rename expressions and in the list: the date formatter (strftime
// conventions, implemented here so that every build gives the same text),
// time offsets and the duration syntax that writes them. The evaluator reads
// a date variable's part letter and block and formats through this.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "files/CDonnees.h"
#include "os/LocalTime.h"

// Longest result of one format; a longer one gives empty text.
constexpr size_t kDateTexteMax = 511;

// Largest duration magnitude kept, in seconds (about 31.7 million years, far
// beyond the span of file times); longer durations are clamped to it, so the
// arithmetic never overflows and the shifted date falls out of range.
constexpr int64_t kDureeLimite = 1000000000000000LL;

class CDateFormat {
 public:
  // Uses the user's regional settings unless another table is given.
  CDateFormat();
  explicit CDateFormat(const CLocaleDates& locale);

  // Formats file time `ft` (UTC) as local time. Empty text for an empty
  // format, a file time of 0 or above kFileTimeMax, a local time before
  // 1970-01-01, or a result longer than kDateTexteMax characters.
  std::string Formater(FileTime ft, const std::string& format) const;

  // Formats calendar fields (already local). Conversions: a A b B c d H I j
  // m M p S U w W x X y Y z Z %, the flag `#` (no leading zeros on numbers,
  // long forms of %c and %x). An unknown conversion and a lone `%` at the end
  // are copied as written. Years before 1970 give empty text.
  std::string FormaterChamps(const CTempsLocal& t, const std::string& format) const;


 private:
  const CLocaleDates* locale_;
};

// `ft` shifted by `secondes`. Returns 0; -1 when the result is not a file
// time (0 or below, above kFileTimeMax) or ft itself is 0.
int DecalerDate(FileTime ft, int64_t secondes, FileTime* out);

// Result of reading a duration at some position of a text.
struct CDuree {
  int64_t secondes = 0;  // total, signed; 0 when nothing was read
  size_t fin = 0;        // where the reading stopped (a block expects `}` there)
  bool lue = false;      // a sign or digits were read: the value replaces the default
  bool limitee = false;  // clamped to kDureeLimite
};

// Reads the duration syntax from `pos`: blanks, an optional sign, blanks, then
// groups of digits each followed by `h`, `m` or `s` (in that order, each at
// most once; final digits without a unit are seconds), then blanks. A unit
// out of order, a repeated unit or another letter stops the reading on that
// character.
CDuree LireDuree(const std::string& texte, size_t pos);

// The `ajo` field of the options page. Returns 0 with the seconds (an empty
// text is 0); -1 when the text is not read completely by the duration rules;
// -2 when it does not fit the option's integer (-2^31 to 2^31-1 seconds).
int LireDureeOption(const std::string& texte, int* secondes);

// Display form "%c%dh%02dm%02ds": "+1h30m00s", "-0h00m05s"; 0 shows "+0h00m00s".
std::string AfficherDuree(int64_t secondes);
