// The simulated machine's ANSI code page follows the locale of the process,
// as Wine's does: LC_ALL=ja_JP.UTF-8 gives 932 on both, so one test run with
// that environment means the same on every build.
#include <cstdlib>
#include <cstring>

#include "platform/sim/state.h"

namespace platform::sim {

UINT CodePageOfProcessLocale() {
  // The first of these that is set names the locale, as POSIX orders them.
  const char* locale = nullptr;
  for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    locale = std::getenv(variable);
    if (locale && *locale) break;
  }
  if (!locale) return 1252;
  static const struct { const char* prefix; UINT codePage; } pages[] = {
      {"ja_JP", 932}, {"ru_RU", 1251}, {"ko_KR", 949}, {"zh_CN", 936}, {"zh_TW", 950}};
  for (const auto& page : pages)
    if (std::strncmp(locale, page.prefix, std::strlen(page.prefix)) == 0) return page.codePage;
  return 1252;
}

}  // namespace platform::sim
