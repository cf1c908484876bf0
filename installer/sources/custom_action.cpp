// The Windows Installer package's custom action. It reads the public property
// EVENTSOURCES, refuses a bad list before anything is written, and adds two
// temporary rows to the Registry table for every named source that does not
// name a message file yet. WriteRegistryValues then writes them with the
// package's other entries, and takes them back if the installation fails. The
// rows live only in this session: removing the package leaves the sources, as
// removing the control leaves those it registered.
#include <string>
#include <vector>

#include "control/Scribbet.h"
#include "installer/sources/source_list.h"
#include "platform/msi.h"

namespace {

using scribbet::setup::ParseSourceList;
using scribbet::setup::SourceListError;

// The component the rows belong to: the control's, installed whenever the
// package is.
constexpr char16_t kComponent[] = u"Control";
constexpr int kLocalMachineRoot = 2;  // the Registry table's HKEY_LOCAL_MACHINE

using MsiHandle = platform::unique_msihandle;

const wchar_t* Wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

void Require(UINT status, const char* what) {
  if (status != ERROR_SUCCESS) throw std::runtime_error(what);
}

std::u16string Property(MSIHANDLE install, const std::u16string& name) {
  std::u16string value(64, u'\0');
  DWORD size = static_cast<DWORD>(value.size());
  UINT status = platform::MsiGetPropertyW(install, Wide(name),
                                          reinterpret_cast<wchar_t*>(value.data()), &size);
  if (status == ERROR_MORE_DATA) {
    value.assign(size + 1, u'\0');
    size = static_cast<DWORD>(value.size());
    status = platform::MsiGetPropertyW(install, Wide(name),
                                       reinterpret_cast<wchar_t*>(value.data()), &size);
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

void Report(MSIHANDLE install, const std::u16string& text) {
  MsiHandle record(platform::MsiCreateRecord(1));
  platform::MsiRecordSetStringW(record.get(), 0, L"[1]");
  platform::MsiRecordSetStringW(record.get(), 1, Wide(text));
  platform::MsiProcessMessage(install,
                              static_cast<INSTALLMESSAGE>(INSTALLMESSAGE_ERROR | MB_OK | MB_ICONERROR),
                              record.get());
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
              view.addressof()),
          "the Registry table could not be opened");
  Require(platform::MsiViewExecute(view.get(), 0), "the Registry table could not be read");
  for (const Row& row : rows) {
    MsiHandle record(platform::MsiCreateRecord(6));
    platform::MsiRecordSetStringW(record.get(), 1, Wide(row.id));
    platform::MsiRecordSetInteger(record.get(), 2, kLocalMachineRoot);
    platform::MsiRecordSetStringW(record.get(), 3, Wide(row.key));
    platform::MsiRecordSetStringW(record.get(), 4, Wide(row.name));
    platform::MsiRecordSetStringW(record.get(), 5, Wide(row.value));
    platform::MsiRecordSetStringW(record.get(), 6, Wide(kComponent));
    Require(platform::MsiViewModify(view.get(), MSIMODIFY_INSERT_TEMPORARY, record.get()),
            "a row could not be added to the Registry table");
  }
}

// The rows for the sources still to register: the values the control's
// first WriteEvent would write, as the Registry table spells them.
std::vector<Row> RowsFor(const std::vector<std::u16string>& names) {
  scribbet::Reghack registry;
  const std::u16string messageFile = Literal(std::u16string(scribbet::EventMessageFile()));
  const std::u16string types = u"#" + std::u16string(1, u'0' + scribbet::kTypesSupported);
  std::vector<Row> rows;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (scribbet::SourceNamesMessageFile(registry, names[i])) continue;
    const std::string number = std::to_string(i + 1);
    std::u16string id = u"ScribbetEventSource";
    id.append(number.begin(), number.end());
    const std::u16string key = Literal(scribbet::kSourceKeyPrefix + names[i]);
    rows.push_back({id + u"File", key, u"EventMessageFile", messageFile});
    rows.push_back({id + u"Types", key, u"TypesSupported", types});
  }
  return rows;
}

}  // namespace

extern "C" __declspec(dllexport) UINT __stdcall RegisterEventSources(MSIHANDLE install) noexcept {
  try {
    InsertRows(install, RowsFor(ParseSourceList(Property(install, u"EVENTSOURCES"))));
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
