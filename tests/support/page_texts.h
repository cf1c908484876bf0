// Text for the tests of each ANSI code page they run under: text of the
// page's own script, and characters the page has no place for.
#pragma once

#include <cstddef>
#include <string>

#include "platform/types.h"

namespace testing_support {

struct PageTexts {
  std::u16string held;      // text of the page's own script
  std::size_t heldBytes;    // its length in the page
  std::u16string nameStem;  // a source name in that script
  std::u16string foreign;   // characters the page has no place for
};

// The texts for 932, 1251 and 1252; null for other pages.
const PageTexts* TextsOf(UINT codePage);

}  // namespace testing_support
