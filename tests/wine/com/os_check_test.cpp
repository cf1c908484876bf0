// The start-up check under each Windows version Wine can report: the probe
// runs with its own version setting (AppDefaults) and tells what it saw.
#include "tests/wine/com/com_support.h"

using namespace com_testing;

namespace {

// One of the probe's own Wine settings: VALUE for NAME in the key SUBKEY of
// its AppDefaults ("" for the key itself).
void SetProbeSetting(const std::string& subkey, const char* name, const char* value) {
  HKEY key = nullptr;
  const std::string path =
      "Software\\Wine\\AppDefaults\\os_check_probe.exe" + (subkey.empty() ? "" : "\\" + subkey);
  ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &key, nullptr),
            ERROR_SUCCESS);
  ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   static_cast<DWORD>(strlen(value) + 1));
  ::RegCloseKey(key);
}

// Each warning box is a window of its own on the display. With no window
// manager there, Wine waits two seconds for one to take each box away when
// it closes; the probe's windows are left to Wine alone, so it does not wait.
void SetProbeVersion(const char* version) {
  SetProbeSetting("", "Version", version);
  SetProbeSetting("X11 Driver", "Managed", "N");
}

// The probe's one line, without its line end.
std::string ProbeLine(const Finished& finished) {
  std::string output = finished.output;
  while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
  return output;
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
    EXPECT_EQ(ProbeLine(finished), expected);
  }
  SetProbeVersion("nt40");
}

// A service's station: nobody could close the box, so none is shown, and the
// controls are created and write at once. Were the box shown, the probe would
// wait for ever; the run ends it after a while and the line is not there.
TEST(OsCheck, NoWarningOnAWindowStationNobodySees) {
  SetProbeVersion("win2k");
  const Finished finished = RunProgram("\"" + std::string(PROBE_PATH) + "\" hidden-station", 20000);
  SetProbeVersion("nt40");
  EXPECT_EQ(ProbeLine(finished), "visible 0 version -1 boxes 0 text  title  buttons 0 hand 0 result 1");
  EXPECT_EQ(finished.exitCode, 0u);
}
