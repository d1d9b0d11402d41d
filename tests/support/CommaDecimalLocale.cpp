#include "CommaDecimalLocale.h"

#include <locale.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace z5::test {

bool commaDecimalLocaleInstalled() {
  const locale_t locale = newlocale(LC_ALL_MASK, kCommaDecimalLocale, static_cast<locale_t>(nullptr));
  if (locale == static_cast<locale_t>(nullptr)) return false;
  freelocale(locale);
  return true;
}

bool commaDecimalsInEffect() {
  const char* text = "12.5";
  char* end = nullptr;
  std::strtod(text, &end);
  char written[8];
  std::snprintf(written, sizeof written, "%.1f", 0.5);
  std::ostringstream stream;
  stream << 0.5;
  return end == text + 2 && std::string(written) == "0,5" && stream.str() == "0,5";
}

}  // namespace z5::test
