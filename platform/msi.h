// The Windows Installer functions a custom action calls on its session, from
// msi.dll (Windows only: nothing on the simulated machine runs a package).
#pragma once

#include "platform/types.h"

#include <msi.h>
#include <msiquery.h>

namespace platform {

UINT MsiGetPropertyW(MSIHANDLE install, LPCWSTR name, LPWSTR value, LPDWORD size);
UINT MsiSetPropertyW(MSIHANDLE install, LPCWSTR name, LPCWSTR value);
MSIHANDLE MsiGetActiveDatabase(MSIHANDLE install);
UINT MsiDatabaseOpenViewW(MSIHANDLE database, LPCWSTR query, MSIHANDLE* view);
UINT MsiViewExecute(MSIHANDLE view, MSIHANDLE record);
UINT MsiViewModify(MSIHANDLE view, MSIMODIFY mode, MSIHANDLE record);
MSIHANDLE MsiCreateRecord(UINT fields);
UINT MsiRecordSetStringW(MSIHANDLE record, UINT field, LPCWSTR value);
UINT MsiRecordSetInteger(MSIHANDLE record, UINT field, int value);
int MsiProcessMessage(MSIHANDLE install, INSTALLMESSAGE type, MSIHANDLE record);
UINT MsiCloseHandle(MSIHANDLE handle);

}  // namespace platform

// The owner of these handles, with every other owner. Included after the
// declarations, so the two headers can come in either order.
#include "platform/handles.h"
