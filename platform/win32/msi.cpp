#include "platform/msi.h"

#include "platform/win32/binding.h"

namespace platform {

UINT MsiGetPropertyW(MSIHANDLE install, LPCWSTR name, LPWSTR value, LPDWORD size) {
  return PLATFORM_BIND(kMsi, MsiGetPropertyW)(install, name, value, size);
}

UINT MsiSetPropertyW(MSIHANDLE install, LPCWSTR name, LPCWSTR value) {
  return PLATFORM_BIND(kMsi, MsiSetPropertyW)(install, name, value);
}

MSIHANDLE MsiGetActiveDatabase(MSIHANDLE install) {
  return PLATFORM_BIND(kMsi, MsiGetActiveDatabase)(install);
}

UINT MsiDatabaseOpenViewW(MSIHANDLE database, LPCWSTR query, MSIHANDLE* view) {
  return PLATFORM_BIND(kMsi, MsiDatabaseOpenViewW)(database, query, view);
}

UINT MsiViewExecute(MSIHANDLE view, MSIHANDLE record) {
  return PLATFORM_BIND(kMsi, MsiViewExecute)(view, record);
}

UINT MsiViewModify(MSIHANDLE view, MSIMODIFY mode, MSIHANDLE record) {
  return PLATFORM_BIND(kMsi, MsiViewModify)(view, mode, record);
}

MSIHANDLE MsiCreateRecord(UINT fields) { return PLATFORM_BIND(kMsi, MsiCreateRecord)(fields); }

UINT MsiRecordSetStringW(MSIHANDLE record, UINT field, LPCWSTR value) {
  return PLATFORM_BIND(kMsi, MsiRecordSetStringW)(record, field, value);
}

UINT MsiRecordSetInteger(MSIHANDLE record, UINT field, int value) {
  return PLATFORM_BIND(kMsi, MsiRecordSetInteger)(record, field, value);
}

int MsiProcessMessage(MSIHANDLE install, INSTALLMESSAGE type, MSIHANDLE record) {
  return PLATFORM_BIND(kMsi, MsiProcessMessage)(install, type, record);
}

UINT MsiCloseHandle(MSIHANDLE handle) { return PLATFORM_BIND(kMsi, MsiCloseHandle)(handle); }

}  // namespace platform
