// What self-registration records for each creatable class.
#pragma once

#include <objbase.h>

namespace scribbet::com {

struct ClassRecord {
  const CLSID* clsid;
  const char* progId;       // library name, a point, the class name
  const char* description;  // the class's name for people
  bool isControl;           // control key, toolbox picture and misc status
};

// The control's misc status for the content aspect: invisible at run time,
// never activated for input, wants its client site first.
inline constexpr DWORD kControlMiscStatus =
    OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT |
    OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_INVISIBLEATRUNTIME | OLEMISC_NOUIACTIVATE |
    OLEMISC_SETCLIENTSITEFIRST;
static_assert(kControlMiscStatus == 148881);

inline constexpr int kToolboxBitmapId = 30000;
inline constexpr WORD kTypeLibraryMajor = 73;
inline constexpr WORD kTypeLibraryMinor = 0;

}  // namespace scribbet::com
