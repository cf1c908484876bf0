#include "tests/support/page_texts.h"

namespace testing_support {

// Japanese in 932 takes two bytes a character, its half-width katakana one;
// Hangul has no place in it. Cyrillic and Western pages have none for Kanji.
const PageTexts* TextsOf(UINT codePage) {
  static const PageTexts k932{u"\u65e5\u672c\u8a9e\u306e\u30c6\u30ad\u30b9\u30c8 \uff76\uff85", 19,
                              u"\u65e5\u672c\u8a9e", u"\ud55c\uad6d\uc5b4"};
  static const PageTexts k1251{u"\u0416\u0443\u0440\u043d\u0430\u043b \u0441\u043e\u0431\u044b"
                               u"\u0442\u0438\u0439", 14,
                               u"\u0416\u0443\u0440\u043d\u0430\u043b", u"\u65e5\u672c\u8a9e"};
  static const PageTexts k1252{u"Caf\u00e9 cr\u00e8me \u00fcber", 15, u"Caf\u00e9",
                               u"\u65e5\u672c\u8a9e"};
  switch (codePage) {
    case 932: return &k932;
    case 1251: return &k1251;
    case 1252: return &k1252;
    default: return nullptr;
  }
}

}  // namespace testing_support
