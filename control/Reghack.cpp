#include "control/Reghack.h"

#include <algorithm>
#include <new>
#include <vector>

#include "platform/ansi.h"
#include "platform/errors.h"
#include "platform/handles.h"
#include "platform/whole_text.h"

namespace scribbet {

using platform::ToAnsi;
using platform::unique_hkey;

HKEY PredefinedKey(std::int32_t value) {
  // Predefined keys are sign-extended 32-bit values, on 64-bit Windows too.
  return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(value)));
}

namespace {

// Opens a key under HKEY_LOCAL_MACHINE with the usual rights. The status is
// not looked at: a key that cannot be opened gives no handle, and the call
// that follows fails on it.
unique_hkey OpenLocalMachineKey(const std::u16string& path) {
  const std::string ansiPath = ToAnsi(path);
  unique_hkey key;
  KeepIfOpened(
      key, platform::RegOpenKeyExA(HKEY_LOCAL_MACHINE, ansiPath.c_str(), 0, kKeyAccess, key.put()));
  return key;
}

// A status for a run-time error caught inside QueryValueEx when no registry
// call has reported a failure of its own, so a failed read never reads as 0.
std::int32_t StatusForError(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const platform::BindingError&) {
    return ERROR_PROC_NOT_FOUND;
  } catch (const std::bad_alloc&) {
    return ERROR_NOT_ENOUGH_MEMORY;
  } catch (...) {
    return ERROR_INVALID_DATA;
  }
}

// Directory queries as the operations make them: a buffer of the given size,
// the length the call returns, and that many bytes back as text. A directory
// too long for the buffer is asked for again with the size the call named.
std::u16string QueryDirectory(UINT (*query)(LPSTR, UINT), UINT bufferSize) {
  const auto directory = platform::AskedText<char>(bufferSize, [&](char* buffer, DWORD size) {
    return platform::NeededFrom(query(buffer, size), size);
  });
  return platform::FromAnsi(directory.value_or(""));
}

}  // namespace

std::int32_t Reghack::CreateNewKey(const std::u16string& sNewKeyName,
                                   std::int32_t lPredefinedKey) {
  const std::string path = ToAnsi(sNewKeyName);
  unique_hkey key;
  DWORD disposition = 0;
  const LONG status = KeepIfOpened(
      key, platform::RegCreateKeyExA(PredefinedKey(lPredefinedKey), path.c_str(), 0, nullptr,
                                     REG_OPTION_NON_VOLATILE, kKeyAccess, nullptr, key.put(),
                                     &disposition));
  return status == ERROR_SUCCESS ? 1 : 0;
}

void Reghack::SetKeyValue(const std::u16string& sKeyName, const std::u16string& sValueName,
                          const Variant& vValueSetting, std::int32_t lValueType) {
  unique_hkey key = OpenLocalMachineKey(sKeyName);
  SetValueEx(key.get(), sValueName, lValueType, vValueSetting);
}

std::int32_t Reghack::SetValueEx(HKEY hKey, const std::u16string& sValueName,
                                 std::int32_t lType, const Variant& vValue) {
  switch (lType) {
    case REG_SZ: {
      const std::string name = ToAnsi(sValueName);
      // The text and one terminating zero byte; the length counts that byte.
      const std::string data = ToAnsi(VariantText(vValue));
      return platform::RegSetValueExA(hKey, name.c_str(), 0, REG_SZ,
                                      reinterpret_cast<const BYTE*>(data.c_str()),
                                      static_cast<DWORD>(data.size() + 1));
    }
    case REG_DWORD: {
      const std::int32_t number = VariantToLong(vValue);
      const std::string name = ToAnsi(sValueName);
      const BYTE data[4] = {static_cast<BYTE>(number), static_cast<BYTE>(number >> 8),
                            static_cast<BYTE>(number >> 16), static_cast<BYTE>(number >> 24)};
      return platform::RegSetValueExA(hKey, name.c_str(), 0, REG_DWORD, data, sizeof data);
    }
    default:
      // Only texts and numbers are written; nothing is, for any other type.
      return ERROR_INVALID_PARAMETER;
  }
}

std::u16string Reghack::GetKeyValue(const std::u16string& KeyName,
                                    const std::u16string& KeyValue) {
  unique_hkey key = OpenLocalMachineKey(KeyName);
  Variant value;
  QueryValueEx(key.get(), KeyValue, value);
  return VariantText(value);
}

std::int32_t Reghack::QueryValueEx(HKEY lhKey, std::u16string szValueName, Variant& vValue) {
  LONG status = ERROR_SUCCESS;
  try {
    const std::string name = ToAnsi(szValueName);
    DWORD type = 0;
    DWORD size = 0;
    status = platform::RegQueryValueExA(lhKey, name.c_str(), nullptr, &type, nullptr, &size);
    if (status != ERROR_SUCCESS) return status;

    switch (type) {
      case REG_SZ: {
        std::vector<char> buffer(std::max<DWORD>(size, 1), '\0');
        status = platform::RegQueryValueExA(lhKey, name.c_str(), nullptr, &type,
                                            reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (status == ERROR_SUCCESS) {
          // As many characters as the call reported, the stored zero included.
          const std::size_t length = std::min<std::size_t>(size, buffer.size());
          vValue = platform::FromAnsi(std::string_view(buffer.data(), length));
        } else {
          vValue = std::monostate{};
        }
        return status;
      }
      case REG_DWORD: {
        // Never more than the four bytes of the integer: longer data fails
        // with "more data" and leaves the variant as it was.
        std::int32_t number = 0;
        DWORD numberSize = std::min<DWORD>(size, sizeof number);
        status = platform::RegQueryValueExA(lhKey, name.c_str(), nullptr, &type,
                                            reinterpret_cast<BYTE*>(&number), &numberSize);
        if (status == ERROR_SUCCESS) vValue = number;
        return status;
      }
      default:
        return kUnsupportedType;
    }
  } catch (...) {
    return status != ERROR_SUCCESS ? status : StatusForError(std::current_exception());
  }
}

std::int32_t Reghack::OpenKey(const std::u16string& OpenSubKey, std::int32_t RegBranch) {
  const std::string path = ToAnsi(OpenSubKey);
  unique_hkey key;
  const LONG status = KeepIfOpened(
      key, platform::RegOpenKeyExA(PredefinedKey(RegBranch), path.c_str(), 0, 0, key.put()));
  return status == ERROR_SUCCESS ? 1 : 0;
}

std::u16string Reghack::SysDirectory() {
  return QueryDirectory(&platform::GetWindowsDirectoryA, 255);
}

std::u16string Reghack::WinDirectory() {
  return QueryDirectory(&platform::GetWindowsDirectoryA, 144);
}

std::int16_t Reghack::DeleteKey(const std::u16string& SubKeyName, std::int32_t lPredefinedKey) {
  const std::string path = ToAnsi(SubKeyName);
  return platform::RegDeleteKeyA(PredefinedKey(lPredefinedKey), path.c_str()) == ERROR_SUCCESS
             ? 1
             : 0;
}

std::int16_t Reghack::DeleteKeyValue(const std::u16string& SubKeyName,
                                     const std::u16string& SubKeyValue) {
  unique_hkey key = OpenLocalMachineKey(SubKeyName);
  const std::string name = ToAnsi(SubKeyValue);
  return platform::RegDeleteValueA(key.get(), name.c_str()) == ERROR_SUCCESS ? 1 : 0;
}

std::u16string Reghack::DeNullString(const std::u16string& InString) {
  if (InString.empty()) platform::RaiseInvalidArgument("DeNullString of an empty text");
  return InString.substr(0, InString.size() - 1);
}

bool Reghack::HasValue(const std::u16string& sKeyName, const std::u16string& sValueName) {
  unique_hkey key = OpenLocalMachineKey(sKeyName);
  const std::string name = ToAnsi(sValueName);
  DWORD type = 0;
  DWORD size = 0;
  return platform::RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) ==
         ERROR_SUCCESS;
}

}  // namespace scribbet
