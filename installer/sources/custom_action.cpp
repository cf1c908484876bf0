// The Windows Installer package's custom actions. RegisterEventSources reads
// the public property
// EVENTSOURCES, refuses a bad list before anything is written, and adds
// temporary rows to the Registry table for every named source the setups'
// rule gives it (the log names each source it leaves alone, and why): the
// message file where the key names another, the supported types where it
// has none. WriteRegistryValues then writes them with the package's other
// entries, and takes them back if the installation fails. The rows live
// only in this session: removing the package leaves the sources, as removing
// the control leaves those it registered. GiveSourcesToOtherControl, when the
// package is removed, gives the sources that name its control to the other
// architecture's where that one stays installed.
#include <string>
#include <vector>

#include "event_sources/key_record.h"
#include "event_sources/repointing.h"
#include "event_sources/source_key.h"
#include "event_sources/source_plan.h"
#include "event_sources/source_writing.h"
#include "installer/sources/source_list.h"
#include "platform/msi.h"
#include "platform/process.h"
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

using MsiHandle = platform::unique_msihandle;

void Require(UINT status, const char* what) {
  if (status != ERROR_SUCCESS) throw std::runtime_error(what);
}

std::u16string Property(MSIHANDLE install, const std::u16string& name) {
  std::u16string value(64, u'\0');
  DWORD size = static_cast<DWORD>(value.size());
  UINT status = platform::MsiGetPropertyW(install, platform::WideArgument(name),
                                          platform::WideBuffer(value), &size);
  if (status == ERROR_MORE_DATA) {
    value.assign(size + 1, u'\0');
    size = static_cast<DWORD>(value.size());
    status = platform::MsiGetPropertyW(install, platform::WideArgument(name),
                                       platform::WideBuffer(value), &size);
  }
  Require(status, "EVENTSOURCES could not be read");
  value.resize(size);
  return value;
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

std::u16string Number(long long value) {
  const std::string digits = std::to_string(value);
  return {digits.begin(), digits.end()};
}

// A value as the Registry table's Value column spells one of its type.
std::u16string TableValue(DWORD type, const std::u16string& text) {
  if (type != REG_SZ) throw std::logic_error("a value of a type the rows do not write");
  return Literal(text);
}
std::u16string TableValue(DWORD type, long long number) {
  if (type != REG_DWORD) throw std::logic_error("a number of a type the rows do not write");
  std::u16string value = u"#";
  value += Number(number);
  return value;
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
  const std::u16string_view file = scribbet::EventMessageFileFor(platform::RunsUnderWow64());
  const std::u16string messageFile = TableValue(scribbet::kMessageFileType, std::u16string(file));
  const std::u16string types =
      TableValue(scribbet::kTypesSupportedType, scribbet::kTypesSupported);
  std::vector<Row> rows;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::u16string id = u"ScribbetEventSource" + Number(static_cast<long long>(i) + 1);
    const std::u16string path = scribbet::kSourceKeyPrefix + names[i];
    const auto writes = scribbet::sources::WritesFor(scribbet::sources::RecordKey(path).values, file);
    const std::u16string key = Literal(path);
    if (writes.messageFile) rows.push_back({id + u"File", key, scribbet::kMessageFileValue, messageFile});
    if (writes.types) rows.push_back({id + u"Types", key, scribbet::kTypesSupportedValue, types});
  }
  return rows;
}

}  // namespace

extern "C" __declspec(dllexport) UINT __stdcall RegisterEventSources(MSIHANDLE install) noexcept {
  try {
    const SourcePlan plan =
        scribbet::sources::PlanSources(ParseSourceList(Property(install, u"EVENTSOURCES")));
    for (const auto& [name, lookup] : plan.leftAlone)
      Log(install, scribbet::sources::LeftAloneText(name, lookup));
    InsertRows(install, RowsFor(plan.toWrite));
    return ERROR_SUCCESS;
  } catch (const SourceListError& error) {
    Report(install, error.message() + u" Nothing was installed.");
  } catch (const std::exception& error) {
    const std::string what = error.what();
    Report(install, u"The event sources could not be prepared: " +
                        std::u16string(what.begin(), what.end()) + u". Nothing was installed.");
  } catch (...) {
  }
  return ERROR_INSTALL_FAILURE;
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
