// Reghack: the control's thin layer over the registry functions and the
// Windows-directory query. It takes wide text, hands it to the ANSI functions
// of the platform and turns their status codes into simple results. Every key
// an operation opens or creates is closed again within the same call.
#pragma once

#include <cstdint>
#include <string>

#include "control/Variant.h"
#include "platform/types.h"

namespace scribbet {

// The predefined root key as the 32-bit value callers pass.
inline constexpr std::int32_t kLocalMachine = static_cast<std::int32_t>(0x80000002u);

// Access asked for every key opened or created with rights: the six
// key-specific rights and no standard rights.
inline constexpr REGSAM kKeyAccess = 0x3F;

// Result of QueryValueEx for a value of a type it does not read.
inline constexpr std::int32_t kUnsupportedType = -1;

class Reghack {
 public:
  virtual ~Reghack() = default;

  // The operations in the order of the class's method table. SetKeyValue and
  // GetKeyValue call SetValueEx and QueryValueEx through this table. OpenKey,
  // DeleteKey and DeNullString complete the class for its callers; the
  // control calls DeleteKeyValue only to take back a registration it could
  // not finish (RegisterAppSource).
  virtual std::int32_t CreateNewKey(const std::u16string& sNewKeyName,
                                    std::int32_t lPredefinedKey);
  virtual void SetKeyValue(const std::u16string& sKeyName, const std::u16string& sValueName,
                           const Variant& vValueSetting, std::int32_t lValueType);
  virtual std::int32_t SetValueEx(HKEY hKey, const std::u16string& sValueName,
                                  std::int32_t lType, const Variant& vValue);
  virtual std::u16string GetKeyValue(const std::u16string& KeyName,
                                     const std::u16string& KeyValue);
  virtual std::int32_t QueryValueEx(HKEY lhKey, std::u16string szValueName, Variant& vValue);
  virtual std::int32_t OpenKey(const std::u16string& OpenSubKey, std::int32_t RegBranch);
  // Despite its name, the Windows directory, asked with a 255-character
  // buffer: so the class has always answered it. Nothing in the control calls it.
  virtual std::u16string SysDirectory();
  virtual std::u16string WinDirectory();
  virtual std::int16_t DeleteKey(const std::u16string& SubKeyName, std::int32_t lPredefinedKey);
  virtual std::int16_t DeleteKeyValue(const std::u16string& SubKeyName,
                                      const std::u16string& SubKeyValue);
  virtual std::u16string DeNullString(const std::u16string& InString);

  // Whether the key under HKEY_LOCAL_MACHINE holds the value at all, of any
  // type. GetKeyValue reads only texts and numbers; this tells an empty read
  // of a value of another type (an expandable string, say) from no value.
  bool HasValue(const std::u16string& sKeyName, const std::u16string& sValueName);
};

// The root key handle for the 32-bit value a caller passes.
HKEY PredefinedKey(std::int32_t value);

}  // namespace scribbet
