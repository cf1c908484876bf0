// Who a source name belongs to, looked up across every log under the event
// log's key with the right to read alone: a name is unique among all the
// sources of all the logs, and no log's own name is a source of another, so
// a name taken anywhere is taken.
#pragma once

#include <string>

namespace scribbet::sources {

enum class Standing {
  Free,          // no key of that name under any log, and no log of that name
  Scribbet,      // its key under Application names a Scribbet control as message file
  OtherProduct,  // its key under Application is another program's: it names
                 // another message file or none (values of any type, or subkeys)
  OtherLog,      // a source of another log
  LogName,       // the name of a log
  Unreadable,    // a key the lookup needed cannot be read
};

struct Lookup {
  Standing standing;
  // OtherLog: the log it belongs to. Scribbet: the message file it names, as
  // stored. Unreadable: the key that could not be read, below
  // HKEY_LOCAL_MACHINE.
  std::u16string detail;
  bool operator==(const Lookup&) const = default;
};

Lookup LookUp(const std::u16string& name);

}  // namespace scribbet::sources
