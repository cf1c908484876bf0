// Event sources as the setups handle them, the library's public face (its
// workings are in internal/). A setup is run once by an administrator for a
// whole machine, so its rule is stricter than the control's own on first
// use: a name is the setup's to write only when no key of that name exists
// under any log (nor a log of that name), or when its key under Application
// names a Scribbet control, of either architecture, as its message file.
// Every other name is another's and is left alone. Deciding needs the right
// to read alone, so a setup's first step, which runs with the installing
// user's own rights, decides as well as its last.
//
// A setup's writing is all or nothing: before its first write it records
// every key it will write, byte for byte, and when one cannot be written,
// every key goes back to that record and the keys it made go. The record
// outlives the run as a text (TakeBack), so that a setup whose later step
// fails can take back a run that succeeded.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/types.h"

namespace scribbet::sources {

// Who a name belongs to, looked up across every log under the event log's
// key: a name is unique among all the sources of all the logs, and no log's
// own name is a source of another, so a name taken anywhere is taken.
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

struct SourcePlan {
  std::vector<std::u16string> toWrite;                       // in the order given
  std::vector<std::pair<std::u16string, Lookup>> leftAlone;  // in the order given
};

SourcePlan PlanSources(const std::vector<std::u16string>& names);

// One line for a person: which source was left alone, and why.
std::u16string LeftAloneText(const std::u16string& name, const Lookup& lookup);

// A value a setup writes into a source's key with MESSAGE_FILE, where the
// key does not hold it already: the message file where the key names
// another file (or none), the supported types where it has none (a source
// of Scribbet's whose types were changed since keeps the change). Read with
// the right to read alone.
struct SourceValue {
  std::u16string name;
  DWORD type;  // REG_SZ: text; REG_DWORD: number
  std::u16string text;
  DWORD number;
};
std::vector<SourceValue> ValuesToWrite(const std::u16string& name, std::u16string_view messageFile);

// The names, in order, whose keys this process has not the rights to write
// as WriteSources writes them. A key that holds already what it would write
// needs no right but reading.
std::vector<std::u16string> UnwritableSources(const std::vector<std::u16string>& names,
                                              std::u16string_view messageFile);

struct RegistrationOutcome {
  // The source that could not be written; nothing when every one was.
  std::optional<std::u16string> failed;
  // Sources this run wrote to and could not take back after the failure.
  std::vector<std::u16string> notTakenBack;
  // After a run that succeeded: what the keys it changed held before, for
  // TakeBack.
  std::u16string takeBack;
};

// Writes each name's key with MESSAGE_FILE (the values ValuesToWrite names),
// all or none.
RegistrationOutcome WriteSources(const std::vector<std::u16string>& names,
                                 std::u16string_view messageFile);

// For a setup that removes this process's control. The two controls of a
// 64-bit machine (the 64-bit one in System32, the 32-bit one in SysWOW64)
// hold the same messages, and either may be a source's message file. When
// the other architecture's control stays installed, every source under
// Application whose message file is this one's (as an event viewer finds
// the file) names that one afterwards, all or none: its entries keep their
// text. Each key keeps its other values, and the value its type. Where the
// other control is not installed, as on 32-bit Windows, nothing changes.
RegistrationOutcome GiveSourcesToOtherControl();
// What GiveSourcesToOtherControl would change, as a TakeBack text, read with
// the right to read alone: a rollback prepared before the change.
std::u16string TakeBackOfGivingSources();

// Every key of a TakeBack text as it was recorded: a key that was not there
// goes again, one that was holds exactly the values recorded, and only they.
// The sources that could not be taken back. Raises std::invalid_argument for
// a text that is no such record.
std::vector<std::u16string> TakeBack(std::u16string_view takeBack);

}  // namespace scribbet::sources
