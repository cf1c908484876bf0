// The Windows Installer package's custom actions.
//  * RegisterEventSources (immediate) reads the public property
//    EVENTSOURCES, refuses a bad list before anything is written, and adds
//    temporary rows to the Registry table for every named source the
//    setups' rule gives it (the log names each source it leaves alone, and
//    why). WriteRegistryValues then writes them with the package's other
//    entries, and takes them back if the installation fails. The rows live
//    only in this session: removing the package leaves the sources, as
//    removing the control leaves those it registered. Over an installed
//    Scribbet, where Windows Installer writes the registry only for what it
//    reinstalls, it asks for the package to be reinstalled (REINSTALL=ALL),
//    so that the list given is registered and not dropped without a word.
//  * When the package is removed, GiveSourcesToOtherControl (deferred) gives
//    the sources that name its control to the other architecture's where
//    that one stays installed; PrepareGivingSources (immediate, before it)
//    records what they hold now for TakeBackGivenSources, the rollback
//    action that puts them back should the removal fail after all.
#include <stdexcept>
#include <string>
#include <vector>

#include "event_sources/event_sources.h"
#include "event_sources/source_key.h"
#include "installer/sources/setup_text.h"
#include "installer/sources/source_list.h"
#include "platform/msi.h"
#include "platform/whole_text.h"
#include "platform/wide_text.h"
#include "scribbet_names.h"

namespace {

using scribbet::setup::ParseSourceList;
using scribbet::setup::SourceListError;
using scribbet::sources::SourcePlan;

// The component the rows belong to: the control's, installed whenever the
// package is.
constexpr char16_t kComponent[] = u"" SCRIBBET_MSI_CONTROL_COMPONENT;
constexpr int kLocalMachineRoot = 2;  // the Registry table's HKEY_LOCAL_MACHINE
// The rollback action's data, set under its own name (the package's
// CustomAction table names it so).
constexpr char16_t kTakeBackAction[] = u"TakeBackGivenSources";

using MsiHandle = platform::unique_msihandle;

void Require(UINT status, const char* what) {
  if (status != ERROR_SUCCESS) throw std::runtime_error(what);
}

std::u16string Property(MSIHANDLE install, const std::u16string& name) {
  const auto value = platform::AskedText<char16_t>(64, [&](char16_t* buffer, DWORD size) {
    DWORD length = size;
    const UINT status = platform::MsiGetPropertyW(install, platform::WideArgument(name),
                                                  reinterpret_cast<LPWSTR>(buffer), &length);
    return status == ERROR_SUCCESS || status == ERROR_MORE_DATA ? length + 1 : 0;
  });
  if (!value) throw std::runtime_error("a property could not be read");
  return *value;
}

// The Key, Name and Value columns are formatted text: a bracket or a brace
// in a source's name must stand for itself.
std::u16string Literal(const std::u16string& text) {
  std::u16string out;
  for (char16_t c : text) {
    if (c == u'[' || c == u']' || c == u'{' || c == u'}') {
      out += u"[\\";
      out += c;
      out += u']';
    } else {
      out += c;
    }
  }
  return out;
}

void Message(MSIHANDLE install, INSTALLMESSAGE type, const std::u16string& text) {
  MsiHandle record(platform::MsiCreateRecord(1));
  platform::MsiRecordSetStringW(record.get(), 0, L"[1]");
  platform::MsiRecordSetStringW(record.get(), 1, platform::WideArgument(text));
  platform::MsiProcessMessage(install, type, record.get());
}

void Report(MSIHANDLE install, const std::u16string& text) {
  Message(install, static_cast<INSTALLMESSAGE>(INSTALLMESSAGE_ERROR | MB_OK | MB_ICONERROR), text);
}

// A line in the installation's log.
void Log(MSIHANDLE install, const std::u16string& text) {
  Message(install, INSTALLMESSAGE_INFO, text);
}

// A value as the Registry table's Value column spells one of its type.
std::u16string TableValue(const scribbet::sources::SourceValue& value) {
  switch (value.type) {
    case REG_SZ: return Literal(value.text);
    case REG_DWORD: return u"#" + scribbet::setup::Decimal(value.number);
    default: throw std::logic_error("a value of a type the rows do not write");
  }
}

struct Row {
  std::u16string id, key, name, value;
};

void InsertRows(MSIHANDLE install, const std::vector<Row>& rows) {
  if (rows.empty()) return;
  MsiHandle database(platform::MsiGetActiveDatabase(install));
  if (!database.get()) throw std::runtime_error("the package's database is not open");
  MsiHandle view;
  Require(platform::MsiDatabaseOpenViewW(
              database.get(),
              L"SELECT `Registry`, `Root`, `Key`, `Name`, `Value`, `Component_` FROM `Registry`",
              view.put()),
          "the Registry table could not be opened");
  Require(platform::MsiViewExecute(view.get(), 0), "the Registry table could not be read");
  for (const Row& row : rows) {
    MsiHandle record(platform::MsiCreateRecord(6));
    platform::MsiRecordSetStringW(record.get(), 1, platform::WideArgument(row.id));
    platform::MsiRecordSetInteger(record.get(), 2, kLocalMachineRoot);
    platform::MsiRecordSetStringW(record.get(), 3, platform::WideArgument(row.key));
    platform::MsiRecordSetStringW(record.get(), 4, platform::WideArgument(row.name));
    platform::MsiRecordSetStringW(record.get(), 5, platform::WideArgument(row.value));
    platform::MsiRecordSetStringW(record.get(), 6, platform::WideArgument(kComponent));
    Require(platform::MsiViewModify(view.get(), MSIMODIFY_INSERT_TEMPORARY, record.get()),
            "a row could not be added to the Registry table");
  }
}

// The rows for the sources to write: the values a setup writes, as the
// Registry table spells them, where the key does not hold them already.
std::vector<Row> RowsFor(const std::vector<std::u16string>& names) {
  std::vector<Row> rows;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::u16string id = u"ScribbetEventSource" + scribbet::setup::Decimal(i + 1);
    const std::u16string key = Literal(scribbet::SourceKeyPath(names[i]));
    for (const auto& value : scribbet::sources::ValuesToWrite(names[i], scribbet::EventMessageFile()))
      rows.push_back({id + (value.type == REG_SZ ? u"File" : u"Types"), key, value.name, TableValue(value)});
  }
  return rows;
}

// Over an installed Scribbet, without REINSTALL, Windows Installer would
// reinstall nothing, and so write none of the rows.
void ReinstallForRows(MSIHANDLE install) {
  if (Property(install, u"Installed").empty() || !Property(install, u"REINSTALL").empty()) return;
  Require(platform::MsiSetPropertyW(install, L"REINSTALL", L"ALL"), "REINSTALL could not be set");
  Log(install, u"Scribbet is installed already: it is reinstalled (REINSTALL=ALL), so that the "
               u"event sources named in EVENTSOURCES are registered.");
}

// An immediate action's edge: a list refused, or anything else that escapes
// its work, is reported with what it means ("WHAT: why. AFTER") and fails it.
template <typename Work>
UINT Reported(MSIHANDLE install, const char16_t* what, const char16_t* after, Work work) noexcept {
  try {
    work();
    return ERROR_SUCCESS;
  } catch (const SourceListError& error) {
    Report(install, error.message() + u" " + after);
  } catch (const std::exception& error) {
    Report(install, what + (u": " + platform::FromAscii(error.what())) + u". " + after);
  } catch (...) {
  }
  return ERROR_INSTALL_FAILURE;
}

}  // namespace

extern "C" __declspec(dllexport) UINT __stdcall RegisterEventSources(MSIHANDLE install) noexcept {
  const auto what = u"The event sources could not be prepared";
  return Reported(install, what, u"Nothing was installed.", [&] {
    const SourcePlan plan =
        scribbet::sources::PlanSources(ParseSourceList(Property(install, u"EVENTSOURCES")));
    for (const auto& [name, lookup] : plan.leftAlone)
      Log(install, scribbet::sources::LeftAloneText(name, lookup));
    const std::vector<Row> rows = RowsFor(plan.toWrite);
    if (!rows.empty()) ReinstallForRows(install);
    InsertRows(install, rows);
  });
}

// Immediate, with the installing user's rights, which suffice to read.
extern "C" __declspec(dllexport) UINT __stdcall PrepareGivingSources(MSIHANDLE install) noexcept {
  const auto what = u"The event sources of Scribbet could not be read";
  return Reported(install, what, u"Nothing was removed.", [&] {
    const std::u16string takeBack = scribbet::sources::TakeBackOfGivingSources();
    Require(platform::MsiSetPropertyW(install, platform::WideArgument(kTakeBackAction),
                                      platform::WideArgument(takeBack)),
            "the sources' record could not be kept");
  });
}

// Deferred, with the system's rights, before the control's file goes. Fails
// the removal, which then takes itself back, when the sources cannot be
// given: their entries would lose their text.
extern "C" __declspec(dllexport) UINT __stdcall GiveSourcesToOtherControl(MSIHANDLE install) noexcept {
  try {
    const auto outcome = scribbet::sources::GiveSourcesToOtherControl();
    if (!outcome.failed) return ERROR_SUCCESS;
    Report(install, u"The event source \"" + *outcome.failed +
                        u"\" could not be given to the other Scribbet control on this computer, "
                        u"so Scribbet was not removed: the entries of its sources would lose their "
                        u"text.");
  } catch (...) {
  }
  return ERROR_INSTALL_FAILURE;
}

// Rollback: the sources as PrepareGivingSources found them. What cannot be
// put back is said; a rollback's own result changes nothing.
extern "C" __declspec(dllexport) UINT __stdcall TakeBackGivenSources(MSIHANDLE install) noexcept {
  try {
    const auto notTakenBack = scribbet::sources::TakeBack(Property(install, u"CustomActionData"));
    for (const auto& name : notTakenBack)
      Log(install, u"The event source \"" + name + u"\" could not be put back as it was.");
  } catch (...) {
    Log(install, u"The event sources given to the other Scribbet control could not be put back.");
  }
  return ERROR_SUCCESS;
}
