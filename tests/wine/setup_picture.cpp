// What a setup touches in the registry, written out so that two pictures are
// equal exactly when nothing there changed: the keys the control registers
// (its classes, their ProgIDs, its type library), the uninstall entry, and
// the event log's keys with every source. One line a key, "[ROOT\PATH]", and
// one a value, "ROOT\PATH|NAME|TYPE|DATA": strings as text, anything else
// in hexadecimal. The installer tests take their before and after pictures
// with it (the files they read themselves).
//
//   setup_picture 32|64     (the registry view of the control's bitness)
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "Scribbet_facts.h"
#include "platform/handles.h"
#include "scribbet_names.h"

namespace {

REGSAM view = 0;

std::string Utf8(const wchar_t* text, std::size_t length) {
  std::string out(static_cast<std::size_t>(::WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length),
                                                                 nullptr, 0, nullptr, nullptr)),
                  '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), out.data(),
                        static_cast<int>(out.size()), nullptr, nullptr);
  return out;
}

void Show(HKEY root, const std::string& rootName, const std::wstring& path) {
  platform::unique_hkey owner;
  if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | view, owner.put()) != ERROR_SUCCESS) return;
  const HKEY key = owner.get();
  const std::string shown = rootName + "\\" + Utf8(path.data(), path.size());
  std::printf("[%s]\n", shown.c_str());
  wchar_t name[16384];
  static BYTE data[1 << 20];
  for (DWORD index = 0;; ++index) {
    DWORD nameLength = 16384, type = 0, size = sizeof data;
    if (::RegEnumValueW(key, index, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
    std::string text;
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
      text = Utf8(reinterpret_cast<const wchar_t*>(data), size / sizeof(wchar_t));
    } else {
      for (DWORD i = 0; i < size; ++i) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", data[i]);
        text += hex;
      }
    }
    std::printf("%s|%s|%lu|%s\n", shown.c_str(), Utf8(name, nameLength).c_str(),
                static_cast<unsigned long>(type), text.c_str());
  }
  for (DWORD index = 0;; ++index) {
    DWORD nameLength = 256;
    if (::RegEnumKeyExW(key, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    Show(root, rootName, path + L"\\" + std::wstring(name, nameLength));
  }
}

std::wstring Wide(const char* text) { return std::wstring(text, text + std::strlen(text)); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: setup_picture 32|64\n");
    return 2;
  }
  view = std::string(argv[1]) == "32" ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
  // Every key the control's registration writes: each class's own key (the
  // first of its entries) and its ProgID's, then its type library's.
  for (const auto& record : scribbet::com::kClasses) {
    Show(HKEY_CLASSES_ROOT, "HKCR", Wide(record.entries.front().key));
    for (const auto& entry : record.entries)
      if (entry.progIdKey && !std::strchr(entry.key, '\\')) Show(HKEY_CLASSES_ROOT, "HKCR", Wide(entry.key));
  }
  for (const auto& entry : scribbet::com::kScribbetEntries)
    if (std::strstr(entry.key, "\\TypeLib")) Show(HKEY_CLASSES_ROOT, "HKCR", L"TypeLib\\" + std::wstring(entry.value));
  Show(HKEY_LOCAL_MACHINE, "HKLM", L"" SCRIBBET_UNINSTALL_KEY);
  Show(HKEY_LOCAL_MACHINE, "HKLM", L"System\\CurrentControlSet\\Services\\EventLog");
  return 0;
}
