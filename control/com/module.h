// The control's module: its instance handle, the count of live objects and
// locks that DllCanUnloadNow reads, and the type library it carries.
#pragma once

#include <objbase.h>
#include <oleauto.h>

#include <string>

namespace scribbet::com {

HINSTANCE ModuleInstance();
// The full path of the module's file, in UTF-16 as the file system holds it.
std::wstring ModulePath();

// Objects and server locks. Updated from any apartment, so atomically.
void AddObject() noexcept;
void ReleaseObject() noexcept;
void Lock() noexcept;
void Unlock() noexcept;
bool InUse() noexcept;

// The module's own type library (resource 1), loaded once and shared by all
// apartments; type libraries are free-threaded. Raises on failure.
ITypeLib* TypeLibrary();
ITypeInfo* TypeInfoOf(REFGUID guid);

}  // namespace scribbet::com
