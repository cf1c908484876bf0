// The registry helper against the registry: the simulated one on the host,
// Wine's under Wine. Each test works below a key of its own.
#include <gtest/gtest.h>

#include "control/Reghack.h"
#include "platform/errors.h"
#include "platform/registry.h"
#include "platform/sysinfo.h"
#include "tests/support/machine.h"
#include "platform/sim/control.h"

using namespace testing_support;
using scribbet::kLocalMachine;
using scribbet::Reghack;
using scribbet::Variant;

namespace {

class ReghackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetMachine();
    key = u"Software\\ScribbetTests\\" + UniqueName(u"reghack");
    ASSERT_EQ(reg.CreateNewKey(key, kLocalMachine), 1);
  }
  void TearDown() override {
    DeleteKey(key + u"\\a\\b\\c");
    DeleteKey(key + u"\\a\\b");
    DeleteKey(key + u"\\a");
    DeleteKey(key);
    if constexpr (kSimulated) {
      EXPECT_EQ(platform::sim::CountOpenHandles().keys, 0) << "a key was left open";
    }
  }

  Reghack reg;
  std::u16string key;
};

const Variant kSentinel{std::u16string(u"sentinel")};

}  // namespace

TEST_F(ReghackTest, TextValueIsStoredWithOneZeroByteAndReadBackWithIt) {
  reg.SetKeyValue(key, u"v", Variant{std::u16string(u"abc")}, REG_SZ);
  EXPECT_EQ(ReadStoredValue(key, u"v"), Text("abc"));
  const std::u16string read = reg.GetKeyValue(key, u"v");
  EXPECT_EQ(read, std::u16string(u"abc\0", 4));
  EXPECT_EQ(reg.DeNullString(read), u"abc");
}

TEST_F(ReghackTest, NumbersAsDwordAndAsText) {
  reg.SetKeyValue(key, u"n", Variant{std::int16_t{7}}, REG_DWORD);
  EXPECT_EQ(ReadStoredValue(key, u"n"), Number(7));
  EXPECT_EQ(reg.GetKeyValue(key, u"n"), u"7");

  reg.SetKeyValue(key, u"t", Variant{std::int16_t{7}}, REG_SZ);
  EXPECT_EQ(ReadStoredValue(key, u"t"), Text("7"));

  reg.SetKeyValue(key, u"neg", Variant{std::int32_t{-5}}, REG_DWORD);
  EXPECT_EQ(ReadStoredValue(key, u"neg"), Number(0xFFFFFFFBu));
  EXPECT_EQ(reg.GetKeyValue(key, u"neg"), u"-5");

  // Four different bytes, each in its place: lowest first.
  reg.SetKeyValue(key, u"order", Variant{std::int32_t{0x12345678}}, REG_DWORD);
  EXPECT_EQ(ReadStoredValue(key, u"order"), (StoredValue{REG_DWORD, {0x78, 0x56, 0x34, 0x12}}));
  EXPECT_EQ(reg.GetKeyValue(key, u"order"), u"305419896");
}

TEST_F(ReghackTest, EmptyTextIsOneZeroByteAndReadsAsOneNul) {
  reg.SetKeyValue(key, u"e", Variant{std::u16string()}, REG_SZ);
  EXPECT_EQ(ReadStoredValue(key, u"e"), Text(""));
  EXPECT_EQ(reg.GetKeyValue(key, u"e"), std::u16string(1, u'\0'));
}

TEST_F(ReghackTest, GetKeyValueIsEmptyForWhatItCannotRead) {
  StoreValue(key, u"zero", REG_SZ, {});
  StoreValue(key, u"expand", REG_EXPAND_SZ, {'x', 0});
  StoreValue(key, u"binary", REG_BINARY, {1, 2, 3});
  EXPECT_EQ(reg.GetKeyValue(key + u"\\missing", u"v"), u"");
  EXPECT_EQ(reg.GetKeyValue(key, u"missing"), u"");
  EXPECT_EQ(reg.GetKeyValue(key, u"zero"), u"");
  EXPECT_EQ(reg.GetKeyValue(key, u"expand"), u"");
  EXPECT_EQ(reg.GetKeyValue(key, u"binary"), u"");
}

TEST_F(ReghackTest, QueryValueExReportsStatusAndKeepsTheVariant) {
  StoreValue(key, u"binary", REG_BINARY, {1, 2, 3});
  StoreValue(key, u"long", REG_DWORD, {1, 2, 3, 4, 5, 6, 7, 8});
  StoreValue(key, u"short", REG_DWORD, {9, 1});
  auto query = [&](const std::u16string& name, Variant& value) {
    HKEY raw = nullptr;
    EXPECT_EQ(platform::RegOpenKeyExA(HKEY_LOCAL_MACHINE, Narrow(key).c_str(), 0, KEY_QUERY_VALUE,
                                      &raw),
              ERROR_SUCCESS);
    const std::int32_t status = reg.QueryValueEx(raw, name, value);
    platform::RegCloseKey(raw);
    return status;
  };
  Variant value = kSentinel;
  EXPECT_EQ(query(u"missing", value), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(value, kSentinel);
  EXPECT_EQ(query(u"binary", value), -1);
  EXPECT_EQ(value, kSentinel);
  // Data longer than the 4-byte integer is never written past it.
  EXPECT_EQ(query(u"long", value), ERROR_MORE_DATA);
  EXPECT_EQ(value, kSentinel);
  EXPECT_EQ(query(u"short", value), ERROR_SUCCESS);
  EXPECT_EQ(value, Variant{std::int32_t{0x109}});
  // A key that is not open: the size query fails and its status comes back.
  EXPECT_NE(reg.QueryValueEx(nullptr, u"v", value), ERROR_SUCCESS);
  EXPECT_EQ(value, Variant{std::int32_t{0x109}});
}

TEST_F(ReghackTest, CreateNewKeyMakesEveryLevelAndKeepsWhatExists) {
  reg.SetKeyValue(key, u"keep", Variant{std::u16string(u"x")}, REG_SZ);
  EXPECT_EQ(reg.CreateNewKey(key, kLocalMachine), 1);
  EXPECT_EQ(ReadStoredValue(key, u"keep"), Text("x"));
  EXPECT_EQ(reg.CreateNewKey(key + u"\\a\\b\\c", kLocalMachine), 1);
  EXPECT_TRUE(KeyExists(key + u"\\a\\b\\c"));
}

TEST_F(ReghackTest, OpenKeyTestsExistence) {
  EXPECT_EQ(reg.OpenKey(key, kLocalMachine), 1);
  EXPECT_EQ(reg.OpenKey(key + u"\\missing", kLocalMachine), 0);
}

TEST_F(ReghackTest, SetKeyValueOnMissingKeyCreatesNothing) {
  reg.SetKeyValue(key + u"\\a", u"v", Variant{std::u16string(u"x")}, REG_SZ);
  EXPECT_FALSE(KeyExists(key + u"\\a"));
}

TEST_F(ReghackTest, DeletesReportOneOnlyForWhatExisted) {
  reg.SetKeyValue(key, u"v", Variant{std::u16string(u"x")}, REG_SZ);
  EXPECT_EQ(reg.DeleteKeyValue(key, u"v"), 1);
  EXPECT_EQ(reg.DeleteKeyValue(key, u"v"), 0);
  EXPECT_EQ(reg.DeleteKeyValue(key + u"\\missing", u"v"), 0);
  reg.CreateNewKey(key + u"\\a", kLocalMachine);
  EXPECT_EQ(reg.DeleteKey(key + u"\\a", kLocalMachine), 1);
  EXPECT_EQ(reg.DeleteKey(key + u"\\a", kLocalMachine), 0);
}

TEST_F(ReghackTest, ConversionErrorsReachTheCaller) {
  EXPECT_EQ(reg.DeNullString(u"x"), u"");
  EXPECT_THROW(reg.DeNullString(u""), platform::RuntimeError);
  EXPECT_THROW(reg.SetKeyValue(key, u"n", Variant{std::u16string(u"abc")}, REG_DWORD),
               platform::RuntimeError);
  EXPECT_FALSE(ReadStoredValue(key, u"n"));
  // Types other than text and number write nothing.
  reg.SetKeyValue(key, u"b", Variant{std::u16string(u"abc")}, REG_BINARY);
  EXPECT_FALSE(ReadStoredValue(key, u"b"));
}

TEST_F(ReghackTest, SetKeyValueAndGetKeyValueGoThroughTheMethodTable) {
  // An instance whose table answers otherwise: what it answers is what they do.
  struct Other : Reghack {
    std::int32_t SetValueEx(HKEY, const std::u16string&, std::int32_t, const Variant&) override {
      return ERROR_ACCESS_DENIED;  // and writes nothing
    }
    std::int32_t QueryValueEx(HKEY, std::u16string, Variant& vValue) override {
      vValue = std::int32_t{42};
      return ERROR_SUCCESS;
    }
  } other;
  other.SetKeyValue(key, u"v", Variant{std::int16_t{7}}, REG_DWORD);
  EXPECT_FALSE(ReadStoredValue(key, u"v"));
  EXPECT_EQ(other.GetKeyValue(key, u"missing"), u"42");
}

TEST_F(ReghackTest, HasValueSeesEveryType) {
  StoreValue(key, u"expand", REG_EXPAND_SZ, {'x', 0});
  EXPECT_TRUE(reg.HasValue(key, u"expand"));
  EXPECT_FALSE(reg.HasValue(key, u"missing"));
  EXPECT_FALSE(reg.HasValue(key + u"\\missing", u"expand"));
}

TEST_F(ReghackTest, WinDirectoryIsWhatThePlatformReports) {
  char expected[260] = {};
  const UINT length = platform::GetWindowsDirectoryA(expected, sizeof expected);
  ASSERT_GT(length, 0u);
  EXPECT_EQ(Narrow(reg.WinDirectory()), std::string(expected, length));
  EXPECT_NE(reg.WinDirectory().back(), u'\\');
}

SIMULATED_TEST_F(ReghackTest, WinDirectoryEdgesOnTheSimulatedMachine) {
  platform::sim::SetWindowsDirectory("C:\\WINNT");
  EXPECT_EQ(reg.WinDirectory(), u"C:\\WINNT");
  platform::sim::SetWindowsDirectory("C:\\");
  EXPECT_EQ(reg.WinDirectory(), u"C:\\");
  // Longer than the 144-byte buffer: asked again with the size named.
  const std::string deep = "C:\\" + std::string(200, 'd');
  platform::sim::SetWindowsDirectory(deep);
  EXPECT_EQ(Narrow(reg.WinDirectory()), deep);
  platform::sim::FailFunction("GetWindowsDirectoryA", ERROR_INVALID_FUNCTION);
  EXPECT_EQ(reg.WinDirectory(), u"");
}

SIMULATED_TEST_F(ReghackTest, WithoutRightsOnLocalMachineNothingIsWrittenOrRaised) {
  platform::sim::LimitKeyRights("", platform::sim::kReadRights);
  EXPECT_EQ(reg.CreateNewKey(key + u"\\a", kLocalMachine), 0);
  reg.SetKeyValue(key, u"v", Variant{std::u16string(u"x")}, REG_SZ);
  EXPECT_FALSE(KeyExists(key + u"\\a"));
  EXPECT_FALSE(ReadStoredValue(key, u"v"));
  EXPECT_EQ(reg.OpenKey(key, kLocalMachine), 1);  // access 0 still opens
}

SIMULATED_TEST_F(ReghackTest, QueryValueExLetsNoBindingErrorOut) {
  reg.SetKeyValue(key, u"v", Variant{std::u16string(u"x")}, REG_SZ);
  platform::sim::RemoveEntryPoint(PLATFORM_ENTRY_POINT(kAdvapi32, RegQueryValueExA));
  Variant value = kSentinel;
  EXPECT_EQ(reg.QueryValueEx(nullptr, u"v", value), ERROR_PROC_NOT_FOUND);
  EXPECT_EQ(value, kSentinel);
  EXPECT_EQ(reg.GetKeyValue(key, u"v"), u"");
}
