// The simulated platform's test-control API: state to set, failures to
// inject, records to read. Only tests and the host build use it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/entry_points.h"
#include "platform/ui_types.h"

namespace platform::sim {

// Back to a fresh machine: empty registry, no faults, the code page of the
// process's locale as Wine picks it (1252; 932 for ja_JP, 1251 for ru_RU ...),
// Windows NT 4.0 in C:\WINNT, nothing recorded.
void Reset();
// Drops what was recorded (reports, source opens, calls) and keeps the
// machine as it is: a long run would otherwise hold every report.
void ForgetRecords();

// Faults, one rule for every simulated function: from now on a call to the
// function of that name (its entry point's name, "ReportEventA") fails as the
// real one fails with that status. A registry function returns the status;
// every other function returns its own failure value (FALSE, NULL, 0) and
// leaves the status for LastError. The function's arguments are not looked
// at, and nothing it would have done happens. Status 0 lets it work again.
void FailFunction(const std::string& function, DWORD status);
// The function works again.
void HealFunction(const std::string& function);
// One call fails, as FailFunction makes every call fail: the one after
// CALLS_BEFORE more calls of the function; the others work. A fault that
// comes and goes, as a registry that is full for a moment. Several may be
// asked for, of one function or of others: each counts from when it was.
// The function "*" counts the calls of every simulated function but those
// that release a handle (RegCloseKey, CloseHandle ...).
void FailOneCall(const std::string& function, int callsBefore, DWORD status);
// How many of the failures FailOneCall asked for have not come about yet.
std::size_t OneCallFailuresPending();
// The entry point can no longer be bound: calls raise a BindingError.
//   sim::RemoveEntryPoint(PLATFORM_ENTRY_POINT(kKernel32, GlobalFree));
void RemoveEntryPoint(EntryPoint entryPoint);
// Every removed entry point can be bound again.
void RestoreEntryPoints();
// The status the last simulated call that failed left, as GetLastError would
// read it right after that call (0 before any failure), and SetLastError.
DWORD LastError();
void SetLastError(DWORD status);

// Rights. What an open or a creation of a key under HKEY_LOCAL_MACHINE may
// ask for, as the key's security grants it to the account running: the rule
// holds for the key at PATH ("" for HKEY_LOCAL_MACHINE itself) and for every
// key below it that has no rule of its own, those created later included, as
// inherited security does. A mask asking for any right beyond the rule's
// fails with status 5 (the real registry grants a mask whole or not at all;
// MAXIMUM_ALLOWED asks for whatever is granted); creating a key needs
// KEY_CREATE_SUB_KEY on its parent, deleting one DELETE on itself. Where no
// rule says otherwise every right is granted.
void LimitKeyRights(const std::string& path, REGSAM rights);  // PATH in the ANSI code page
void LimitKeyRights(const std::u16string& path, REGSAM rights);
inline constexpr REGSAM kEveryRight = ~REGSAM{0};
// A standard user's rights under HKEY_LOCAL_MACHINE: reading only.
inline constexpr REGSAM kReadRights = KEY_READ;

// Every key at and below HKEY_LOCAL_MACHINE\PATH and every value in them,
// whatever rights a test set, in the registry's order; data as the ANSI
// functions read it. Two pictures are equal exactly when nothing there
// changed in any byte.
struct PictureValue {
  std::u16string name;
  DWORD type;
  std::vector<std::uint8_t> data;
  bool operator==(const PictureValue&) const = default;
};
struct PictureKey {
  std::u16string path;  // below HKEY_LOCAL_MACHINE, as the registry spells it
  std::vector<PictureValue> values;
  bool operator==(const PictureKey&) const = default;
};
std::vector<PictureKey> RegistryPicture(const std::u16string& path);
// A name as the registry compares names: the same for two names exactly
// when they name one key or one value.
std::u16string RegistryFolded(const std::u16string& name);

// The registry is full after this many more writes (a new key or a value
// written counts as one): later ones fail with ERROR_REGISTRY_QUOTA_LIMIT, as
// when the registry reaches its size limit. A negative count lifts the limit.
void LimitRegistryWrites(int writesLeft);

// The locale's page by default; others (932, 1251 ...) convert through iconv.
void SetAnsiCodePage(UINT codePage);

// Windows NT 4.0 unless told otherwise. ReportEventA takes what the version
// takes: Vista and later refuse data over 61,440 bytes (the event log's RPC
// bound, status RPC_S_INVALID_BOUND) and insertion strings over 31,839
// characters, where earlier versions take any string a counted wide string
// holds.
void SetVersion(DWORD major, DWORD minor, DWORD build, DWORD platformId);
inline constexpr DWORD kLargestDataSinceVista = 61440;
inline constexpr std::size_t kLongestInsertionStringSinceVista = 31839;
void SetWindowsDirectory(const std::string& directory);
void SetSystemDirectory(const std::string& directory);

struct Report {
  HANDLE source;
  std::string sourceName;
  WORD type;
  WORD category;
  DWORD eventId;
  bool hasUser;
  std::vector<std::string> strings;
  std::vector<std::uint8_t> data;
};
std::vector<Report> Reports();

struct SourceOpen {
  std::string server;
  std::string source;
  bool serverWasNull;
};
std::vector<SourceOpen> SourceOpens();

// Every platform function called since the last Reset, by name, in order.
std::vector<std::string> Calls();

struct OpenHandles {
  int keys;
  int eventSources;
  int globalBuffers;
  bool operator==(const OpenHandles&) const = default;
};
OpenHandles CountOpenHandles();

struct MessageBox {
  HWND owner;
  std::string text;
  std::string caption;
  UINT style;
};
// Every message box shown since the last Reset, and the answer each gets.
std::vector<MessageBox> MessageBoxes();
void SetMessageBoxAnswer(int answer);
// The process's window station lacks WSF_VISIBLE, as a service's does; it is
// the interactive, visible one unless told otherwise.
void SetWindowStationVisible(bool visible);

// Size of the last GlobalAlloc.
SIZE_T LastGlobalAllocSize();

// Windows: every window created and not yet destroyed, in creation order.
struct Window {
  HWND handle;
  HWND parent;
  std::string className;
  std::string text;
  DWORD style;
  DWORD exStyle;
  int x, y, width, height;
  int id;
  bool visible;
  bool checked;
  HGDIOBJ font;
  HANDLE image;     // a static's picture, as STM_SETIMAGE set it
  HICON icon;       // the class's icons, for windows of a registered class
  HICON smallIcon;
};
std::vector<Window> Windows();
// 1024 x 768 at 96 dots per inch unless told otherwise.
void SetScreen(int width, int height, int dotsPerInch);
// Whether PostQuitMessage was called, and with what code (-1 when not).
int QuitCode();
// Device contexts taken with GetDC and not released.
int OpenDeviceContexts();
// Whether a window class of that name is registered.
bool IsClassRegistered(const std::string& className);
// The colours last set into a device context (0 for none).
struct DcColours {
  COLORREF text;
  COLORREF back;
  bool operator==(const DcColours&) const = default;
};
DcColours ColoursOf(HDC dc);

// Process start. Each start is recorded; ones that fail leave no record.
struct ProcessStart {
  std::string commandLine;
  bool hasApplicationName;
  DWORD flags;  // of the start-up record
  WORD showWindow;
};
std::vector<ProcessStart> ProcessStarts();
// Process and thread handles handed out and not closed.
int OpenKernelHandles();
// The running program's file, as GetModuleFileNameA reports it
// (C:\Tools\Wayfinch.exe unless told otherwise).
void SetModuleFileName(const std::string& path);
// IsWow64Process answers TRUE: a 32-bit process on 64-bit Windows. Off by
// default, as for any process on 32-bit Windows or a 64-bit one.
void SetWow64(bool wow64);
// The file is there, PATH as a 64-bit process names it ("C:\WINNT\SysWOW64\x.ocx");
// no file is there unless told. A wow64 process asking for one in System32
// sees SysWOW64's, unless it turned that redirection off.
void AddFile(const std::u16string& path);

}  // namespace platform::sim
