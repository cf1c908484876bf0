// The way of tests and fuzz targets to clsEnviron's private text helpers
// (clsEnviron names this class its friend).
#pragma once

#include <string>

#include "launcher/clsEnviron.h"

namespace wayfinch {

class clsEnvironAccess {
 public:
  static std::u16string AddBackslash(std::u16string path) {
    clsEnviron().AddBackslash(path);
    return path;
  }
  static std::u16string StripNull(std::u16string text) { return clsEnviron().StripNull(text); }
};

}  // namespace wayfinch
