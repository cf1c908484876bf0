#include "platform/msi.h"

#include "platform/win32/binding.h"

namespace platform {

using win32::Bind;

namespace {
constexpr char kMsi[] = "msi.dll";
}

UINT MsiGetPropertyW(MSIHANDLE install, LPCWSTR name, LPWSTR value, LPDWORD size) {
  static const auto fn = Bind<decltype(&::MsiGetPropertyW)>(kMsi, "MsiGetPropertyW");
  return fn(install, name, value, size);
}

MSIHANDLE MsiGetActiveDatabase(MSIHANDLE install) {
  static const auto fn = Bind<decltype(&::MsiGetActiveDatabase)>(kMsi, "MsiGetActiveDatabase");
  return fn(install);
}

UINT MsiDatabaseOpenViewW(MSIHANDLE database, LPCWSTR query, MSIHANDLE* view) {
  static const auto fn = Bind<decltype(&::MsiDatabaseOpenViewW)>(kMsi, "MsiDatabaseOpenViewW");
  return fn(database, query, view);
}

UINT MsiViewExecute(MSIHANDLE view, MSIHANDLE record) {
  static const auto fn = Bind<decltype(&::MsiViewExecute)>(kMsi, "MsiViewExecute");
  return fn(view, record);
}

UINT MsiViewModify(MSIHANDLE view, MSIMODIFY mode, MSIHANDLE record) {
  static const auto fn = Bind<decltype(&::MsiViewModify)>(kMsi, "MsiViewModify");
  return fn(view, mode, record);
}

MSIHANDLE MsiCreateRecord(UINT fields) {
  static const auto fn = Bind<decltype(&::MsiCreateRecord)>(kMsi, "MsiCreateRecord");
  return fn(fields);
}

UINT MsiRecordSetStringW(MSIHANDLE record, UINT field, LPCWSTR value) {
  static const auto fn = Bind<decltype(&::MsiRecordSetStringW)>(kMsi, "MsiRecordSetStringW");
  return fn(record, field, value);
}

UINT MsiRecordSetInteger(MSIHANDLE record, UINT field, int value) {
  static const auto fn = Bind<decltype(&::MsiRecordSetInteger)>(kMsi, "MsiRecordSetInteger");
  return fn(record, field, value);
}

int MsiProcessMessage(MSIHANDLE install, INSTALLMESSAGE type, MSIHANDLE record) {
  static const auto fn = Bind<decltype(&::MsiProcessMessage)>(kMsi, "MsiProcessMessage");
  return fn(install, type, record);
}

UINT MsiCloseHandle(MSIHANDLE handle) {
  static const auto fn = Bind<decltype(&::MsiCloseHandle)>(kMsi, "MsiCloseHandle");
  return fn(handle);
}

}  // namespace platform
