// The start-up check under each Windows version Wine can report: the probe
// runs with its own version setting (AppDefaults) and tells what it saw.
#include "tests/wine/com/com_support.h"

using namespace com_testing;

namespace {

void SetProbeVersion(const char* version) {
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER,
                              "Software\\Wine\\AppDefaults\\os_check_probe.exe", 0, nullptr, 0,
                              KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  ::RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                   static_cast<DWORD>(strlen(version) + 1));
  ::RegCloseKey(key);
}

}  // namespace

TEST(OsCheck, WarningPerInstanceOnEveryVersionButNt4) {
  const std::string warning =
      " text Scribbet is only designed for Windows NT 4.0 Server or Workstation applications!"
      " title Wrong OS Detected buttons 1 hand 1 result 1";
  const struct {
    const char* version;
    const char* expected;
  } rows[] = {
      {"nt40", "version 2 boxes 0 text  title  buttons 0 hand 0 result 1"},
      {"win95", "version 1 boxes 2"},
      {"win98", "version 1 boxes 2"},
      {"winme", "version 1 boxes 2"},
      {"nt351", "version -1 boxes 2"},
      {"win2k", "version -1 boxes 2"},
      {"winxp", "version -1 boxes 2"},
      {"win7", "version -1 boxes 2"},
  };
  const std::string probe = PROBE_PATH;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.version);
    SetProbeVersion(row.version);
    Finished finished = RunProgram("\"" + probe + "\"");
    std::string expected = row.expected;
    if (expected.find("boxes 2") != std::string::npos) expected += warning;
    std::string output = finished.output;
    while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
    EXPECT_EQ(output, expected);
  }
  SetProbeVersion("nt40");
}
