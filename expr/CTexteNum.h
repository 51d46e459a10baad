// Number texts shared by the variables, independent of the C locale.
#pragma once

#include <cstdint>
#include <string>

// Decimal value padded with zeros to size characters ("%0*d"); the minus
// sign counts in the size.
std::string FormatNombre(long long v, int size);
// Two decimals with a decimal point ("%.2lf").
std::string FormatDeuxDecimales(double v);
// The %s forms: 'b' bytes, 'k' 'm' 'g' in units without the unit, 0 the
// automatic form with the unit text.
std::string FormatTaille(uint64_t size, char form, const std::string& ko, const std::string& mo,
                         const std::string& go);
