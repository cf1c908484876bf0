#include "tests/support/source_setup_property.h"

#include <map>
#include <set>
#include <vector>

#include "event_sources/event_sources.h"
#include "event_sources/internal/registry_reading.h"
#include "event_sources/source_key.h"
#include "installer/sources/source_list.h"
#include "installer/sources/sources_check.h"
#include "platform/ansi.h"
#include "platform/handles.h"
#include "platform/sim/control.h"
#include "platform/wide_text.h"
#include "tests/support/machine.h"

namespace testing_support {

namespace {

namespace sim = platform::sim;
using scribbet::sources::KeyPath;
using Picture = std::vector<sim::PictureKey>;

// A name of the case, spelled as it may be written: one key, whichever
// spelling names it.
struct Name {
  std::vector<std::u16string> spellings;
  bool doubleByte;  // only in code page 932
};

// The longest name a key may have: the registry's listings must hold it.
const std::u16string kLongest = u"Long" + std::u16string(251, u'g');

const std::vector<Name> kSourceNames = {
    {{u"Billing", u"billing", u"BILLING"}, false},
    {{u"Nightly Backup", u"nightly backup"}, false},
    {{u"Payroll"}, false},
    {{u"Backup/Restore", u"BACKUP/restore"}, false},
    {{kLongest}, false},
    {{u"\u30BD\u30D5\u30C8"}, true},  // its first character's second byte is 0x5C
    {{u"\u8868\u793A"}, true},        // likewise
    {{u"\u30A2\u30D7\u30EA"}, true},  // as the next but for the case of one second byte
    {{u"\u30C2\u30D7\u30EA"}, true},
    {{u"\uFF21\uFF22\uFF23", u"\uFF41\uFF42\uFF43"}, true},  // full-width, folded by Unicode
};
// Logs a program may add, whose names no source of another log may have.
const std::vector<Name> kOwnLogs = {{{u"Billing Log", u"BILLING LOG"}, false},
                                    {{u"Nightly", u"nightly"}, false},
                                    {{u"Log" + std::u16string(252, u'l')}, false},
                                    {{u"\u30ED\u30B0"}, true}};
// The system's logs: names a setup's list may not hold at all.
const std::vector<Name> kSystemLogs = {{{u"System", u"system"}, false},
                                       {{u"Security"}, false}};

// The two controls, as the message files name them: the 64-bit one in
// System32, the 32-bit one in SysWOW64 (the one a 32-bit process records).
constexpr int kNoControl = -1;
int ControlOf(bool wow64) { return wow64 ? 1 : 0; }

// Message files a key may name: each control in the spellings an event
// viewer resolves to it, and files that are neither.
struct FileName {
  std::u16string text;
  int control;
};
const std::vector<FileName> kFileNames = {
    {scribbet::kEventMessageFile, 0},
    {scribbet::kEventMessageFileWow64, 1},
    {u"%SYSTEMROOT%\\SYSTEM32\\SCRIBBET.OCX", 0},
    {u"%windir%\\system32\\scribbet.ocx", 0},
    {u"C:\\WINNT\\System32\\Scribbet.ocx", 0},
    {u"%SystemRoot%/SysWOW64/./Scribbet.ocx", 1},
    {u"C:\\winnt\\System32\\..\\SysWOW64\\\\Scribbet.ocx", 1},
    {u"%SystemRoot%\\System32\\Scribbet.ocx.old", kNoControl},
    {u"%SystemRoot%\\Scribbet.ocx", kNoControl},
    {u"D:\\WINNT\\System32\\Scribbet.ocx", kNoControl},
};

std::u16string LogPath(const std::u16string& log) { return KeyPath(scribbet::kEventLogKey, log); }

std::vector<std::uint8_t> Bytes(const std::string& text) {
  std::vector<std::uint8_t> bytes(text.begin(), text.end());
  bytes.push_back(0);
  return bytes;
}

// What the case put under a name.
struct Planted {
  bool theSetups = true;       // the setups' rule gives it to a setup
  bool inApplication = false;  // a key of that name under Application
  bool ownRights = false;      // rights of its own on that key
  REGSAM rights = 0;
  int control = kNoControl;    // the Scribbet control its message file names
  bool plainString = false;    // and names it as a plain string (REG_SZ)
};

bool SameValue(const sim::PictureValue* a, const sim::PictureValue* b) {
  return a && b ? *a == *b : a == b;
}

bool SameKey(const sim::PictureKey* a, const sim::PictureKey* b) { return a && b ? *a == *b : a == b; }

bool IsNamed(const sim::PictureValue& value, const char16_t* name) {
  return sim::RegistryFolded(value.name) == sim::RegistryFolded(name);
}
const sim::PictureValue* ValueNamed(const sim::PictureKey* key, const char16_t* name) {
  if (key)
    for (const auto& value : key->values)
      if (IsNamed(value, name)) return &value;
  return nullptr;
}

// A key's values, for a message: NAME TYPE:BYTES.
std::string Shown(const sim::PictureKey* key) {
  if (!key) return " (no key)";
  std::string text;
  for (const auto& v : key->values) {
    text += " [" + Utf8(v.name) + " " + std::to_string(v.type) + ":";
    for (const auto b : v.data) text += std::to_string(b) + ",";
    text += "]";
  }
  return text.empty() ? " (no values)" : text;
}

// The pictures' keys by path, as the registry compares paths.
std::map<std::u16string, const sim::PictureKey*> ByPath(const Picture& keys) {
  std::map<std::u16string, const sim::PictureKey*> map;
  for (const auto& key : keys) map[sim::RegistryFolded(key.path)] = &key;
  return map;
}

class Case {
 public:
  explicit Case(const std::function<unsigned(unsigned)>& choose) : choose_(choose) {}

  std::string Run();

 private:
  unsigned Choose(unsigned n) { return n ? choose_(n) % n : 0; }
  bool OneIn(unsigned n) { return Choose(n) == 0; }
  template <typename T>
  const T& Pick(const std::vector<T>& from) { return from[Choose(static_cast<unsigned>(from.size()))]; }
  const std::u16string& Spelling(const Name& name) { return Pick(name.spellings); }
  bool Usable(const Name& name) const { return !name.doubleByte || codePage_ == 932; }

  void Make(const std::u16string& path, const std::vector<sim::PictureValue>& values);
  std::vector<sim::PictureValue> RandomValues();
  void Plant(const Name& name, const std::vector<std::u16string>& logs);
  void Build();
  std::u16string ListOfNames();
  void ScheduleFaults();
  REGSAM RightsOf(const Planted& planted) const;
  REGSAM ParentRights() const;
  bool Writable(const Planted& planted, const sim::PictureKey* before) const;
  std::string ChangedOnlyWhereNamed(const Picture& before, const Picture& after,
                                    const std::vector<std::u16string>& notTakenBack,
                                    bool refused) const;
  std::string ChangedOnly(const Picture& before, const Picture& after,
                          const std::set<std::u16string>& own) const;
  std::string TakenBackWhole(const Picture& before, const std::u16string& takeBack);
  std::string CheckRegistration();
  std::string CheckGiving();

  const std::function<unsigned(unsigned)>& choose_;
  UINT codePage_ = 1252;
  bool wow64_ = false;  // the setup's control: the 32-bit one on 64-bit Windows
  std::u16string messageFile_;
  std::string description_;
  std::map<std::u16string, Planted> planted_;  // by each name's first spelling
  std::set<std::u16string> listed_;            // first spellings of the names listed
  bool refusedList_ = false;
  std::size_t faultsAskedFor_ = 0;
  REGSAM everywhere_ = sim::kEveryRight, application_ = sim::kEveryRight;
};

// Keys made as other programs make them: through the ANSI functions for a
// double-byte name (the code page must turn it into the registry's name),
// else through the wide ones.
void Case::Make(const std::u16string& path, const std::vector<sim::PictureValue>& values) {
  platform::unique_hkey key;
  if (platform::IsAscii(path)) {
    platform::RegCreateKeyExW(HKEY_LOCAL_MACHINE, platform::WideArgument(path), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, key.put(), nullptr);
  } else {
    platform::RegCreateKeyExA(HKEY_LOCAL_MACHINE, platform::ToAnsi(path).c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, key.put(), nullptr);
  }
  for (const auto& value : values)
    platform::RegSetValueExA(key.get(), platform::ToAnsi(value.name).c_str(), 0, value.type,
                             value.data.data(), static_cast<DWORD>(value.data.size()));
}

std::vector<sim::PictureValue> Case::RandomValues() {
  static const std::vector<std::u16string> kNames = {
      u"EventMessageFile", u"TypesSupported", u"CategoryMessageFile", u"CategoryCount",
      u"ParameterMessageFile", u"File", u"eventmessagefile"};
  std::vector<sim::PictureValue> values;
  for (unsigned n = Choose(4); n > 0; --n) {
    sim::PictureValue value{Pick(kNames), Choose(12), {}};
    for (unsigned size = Choose(9); size > 0; --size) value.data.push_back(std::uint8_t(Choose(256)));
    values.push_back(std::move(value));
  }
  return values;
}

void Case::Plant(const Name& name, const std::vector<std::u16string>& logs) {
  const std::u16string key = scribbet::SourceKeyPath(Spelling(name));
  Planted planted;
  switch (Choose(7)) {
    case 0:  // a message file of a control's, in any spelling, or another file's
    case 1: {
      const FileName& file = Pick(kFileNames);
      planted.control = file.control;
      planted.plainString = !OneIn(4);
      std::vector<sim::PictureValue> values = RandomValues();
      values.push_back({u"EventMessageFile", planted.plainString ? DWORD{REG_SZ} : DWORD{REG_EXPAND_SZ},
                        Bytes(platform::ToAnsi(file.text))});
      Make(key, values);
      planted.inApplication = true;
      planted.theSetups = file.control != kNoControl;
      break;
    }
    case 2:  // another program's, with values of any type, or none
      Make(key, RandomValues());
      planted.theSetups = false;
      planted.inApplication = true;
      break;
    case 3:  // another program's that names no message file
      Make(key, {{u"TypesSupported", REG_DWORD, {31, 0, 0, 0}},
                 {u"CategoryMessageFile", REG_EXPAND_SZ, Bytes("%SystemRoot%\\other.dll")}});
      if (OneIn(2)) Make(KeyPath(key, u"Inside"), RandomValues());
      planted.theSetups = false;
      planted.inApplication = true;
      break;
    case 4: {  // another log's
      const std::u16string& log = Pick(logs);
      Make(KeyPath(LogPath(log == u"Application" ? u"System" : log), Spelling(name)), RandomValues());
      planted.theSetups = false;
      break;
    }
    default: break;  // free
  }
  if (planted.inApplication && OneIn(5)) {
    // Reading, or reading and setting values, or not even reading: a key
    // nobody may read is nobody's to take.
    planted.ownRights = true;
    planted.rights = Pick(std::vector<REGSAM>{KEY_READ, KEY_READ | KEY_SET_VALUE, 0});
    sim::LimitKeyRights(key, planted.rights);
    if (planted.rights == 0) planted.theSetups = false;
  }
  planted_[name.spellings.front()] = planted;
}

void Case::Build() {
  codePage_ = OneIn(2) ? 932 : 1252;
  sim::SetAnsiCodePage(codePage_);
  wow64_ = OneIn(2);
  messageFile_ = std::u16string(scribbet::EventMessageFileFor(wow64_));
  description_ = "code page " + std::to_string(codePage_) + ", message file " + Utf8(messageFile_);

  std::vector<std::u16string> logs = {u"Application", u"System", u"Security"};
  for (const Name& log : kOwnLogs) {
    if (!Usable(log)) continue;
    // A log of a program's own, or a name nobody has.
    Planted planted;
    if (OneIn(2)) {
      logs.push_back(Spelling(log));
      planted.theSetups = false;
    }
    planted_[log.spellings.front()] = planted;
  }
  for (const auto& log : logs) Make(LogPath(log), {});
  // Keys outside the sources named, that no run may touch either.
  Make(u"Software\\Corvenna\\Other", RandomValues());
  Make(KeyPath(LogPath(u"System"), u"Service Control Manager"), RandomValues());
  for (const Name& name : kSourceNames)
    if (Usable(name)) Plant(name, logs);
  // A standard user may write nothing under HKEY_LOCAL_MACHINE; the
  // Application log's key may refuse new keys, or values, or both, to the
  // keys below it as to itself.
  if (OneIn(8)) sim::LimitKeyRights(u"", everywhere_ = sim::kReadRights);
  if (OneIn(6)) {
    application_ = Pick(std::vector<REGSAM>{KEY_READ, KEY_READ | KEY_CREATE_SUB_KEY, KEY_READ | KEY_SET_VALUE});
    sim::LimitKeyRights(std::u16string(scribbet::kApplicationSources), application_);
  }
}

std::u16string Case::ListOfNames() {
  std::vector<const Name*> pool;
  for (const auto* names : {&kSourceNames, &kOwnLogs})
    for (const Name& name : *names)
      if (Usable(name)) pool.push_back(&name);
  // Now and then a system log's name, which refuses the whole list.
  if (OneIn(10)) {
    pool = {&Pick(kSystemLogs)};
    refusedList_ = true;
  }
  std::u16string list;
  for (unsigned n = 1 + Choose(6); n > 0; --n) {
    const Name& name = *pool[Choose(static_cast<unsigned>(pool.size()))];
    listed_.insert(name.spellings.front());
    if (!list.empty()) list += OneIn(3) ? u" ; " : u";";
    list += Spelling(name);
    if (refusedList_) pool = {&kSourceNames.front(), &kOwnLogs.front()};
  }
  return list;
}

// None, one or two calls fail on the way: the first a write, a read or any
// call at all; the second often one that only a take-back makes.
void Case::ScheduleFaults() {
  static const std::vector<std::string> kFailing = {
      "RegCreateKeyExW", "RegSetValueExW", "RegCreateKeyExW", "RegSetValueExW", "RegOpenKeyExW",
      "RegEnumValueW",   "RegEnumKeyExW",  "*",               "*"};
  static const std::vector<std::string> kTakingBack = {"RegDeleteKeyW", "RegDeleteValueW",
                                                       "RegSetValueExW", "RegDeleteKeyW", "*"};
  faultsAskedFor_ = Choose(3);
  for (std::size_t fault = 0; fault < faultsAskedFor_; ++fault) {
    const std::string& function = Pick(fault == 0 ? kFailing : kTakingBack);
    const unsigned calls = function == "*" ? Choose(200) : Choose(4) * (OneIn(2) ? 1 : 8);
    const DWORD status = OneIn(2) ? ERROR_REGISTRY_QUOTA_LIMIT : ERROR_ACCESS_DENIED;
    sim::FailOneCall(function, static_cast<int>(calls), status);
    description_ += ", call " + std::to_string(calls + 1) + " of " + function + " failing";
  }
}

REGSAM Case::ParentRights() const {
  return application_ != sim::kEveryRight ? application_ : everywhere_;
}
REGSAM Case::RightsOf(const Planted& planted) const {
  return planted.ownRights ? planted.rights : ParentRights();
}

// Whether a registration has the rights to write the name's key: none but
// reading where it holds what would be written already; to set values on a
// key that is there; to create one below Application, whose rights a new key
// inherits, where not.
bool Case::Writable(const Planted& planted, const sim::PictureKey* before) const {
  constexpr REGSAM kSetting = KEY_QUERY_VALUE | KEY_SET_VALUE;
  if (!planted.inApplication) return (ParentRights() & (kSetting | KEY_CREATE_SUB_KEY)) == (kSetting | KEY_CREATE_SUB_KEY);
  if (planted.control == ControlOf(wow64_) && planted.plainString &&
      ValueNamed(before, scribbet::kTypesSupportedValue))
    return true;
  return (RightsOf(planted) & kSetting) == kSetting;
}

// After a run that failed: every key as it was, but for those of the
// sources it names as not taken back. A take-back fails only where a call
// on its way failed, after the one that ended the run (unless a key's
// rights REFUSED the run).
std::string Case::ChangedOnlyWhereNamed(const Picture& before, const Picture& after,
                                        const std::vector<std::u16string>& notTakenBack,
                                        bool refused) const {
  std::set<std::u16string> named;
  for (const auto& name : notTakenBack) named.insert(sim::RegistryFolded(scribbet::SourceKeyPath(name)));
  const auto was = ByPath(before), is = ByPath(after);
  std::set<std::u16string> paths;
  for (const auto* map : {&was, &is})
    for (const auto& [path, key] : *map) paths.insert(path);
  for (const auto& path : paths) {
    const auto old = was.find(path), now = is.find(path);
    const bool same = old != was.end() && now != is.end() && *old->second == *now->second;
    if (!same && !named.count(path))
      return "a run that failed changed the key " + Utf8(path) + " and did not say it";
  }
  const std::size_t failures = faultsAskedFor_ - sim::OneCallFailuresPending() + (refused ? 1 : 0);
  if (!notTakenBack.empty() && failures < 2)
    return "a run that met one failure at most could not take back what it did";
  return "";
}

// After a run that succeeded: every key not the run's own as it was, and in
// its own keys no value but the two a source's registration writes.
std::string Case::ChangedOnly(const Picture& before, const Picture& after,
                              const std::set<std::u16string>& own) const {
  const auto was = ByPath(before), is = ByPath(after);
  std::set<std::u16string> paths;
  for (const auto* map : {&was, &is})
    for (const auto& [path, key] : *map) paths.insert(path);
  const auto othersOf = [](const sim::PictureKey* key) {
    std::vector<sim::PictureValue> values;
    if (key)
      for (const auto& v : key->values)
        if (!IsNamed(v, scribbet::kMessageFileValue) && !IsNamed(v, scribbet::kTypesSupportedValue))
          values.push_back(v);
    return values;
  };
  for (const auto& path : paths) {
    const auto old = was.find(path), now = is.find(path);
    const sim::PictureKey* oldKey = old == was.end() ? nullptr : old->second;
    const sim::PictureKey* newKey = now == is.end() ? nullptr : now->second;
    if (!own.count(path)) {
      if (!oldKey || !newKey || !(*oldKey == *newKey))
        return "the key " + Utf8(path) + " was not the run's, and changed from" + Shown(oldKey) +
               " to" + Shown(newKey);
    } else if (othersOf(oldKey) != othersOf(newKey)) {
      return "the run changed a value of its key " + Utf8(path) + " that is not one it writes";
    }
  }
  return "";
}

// A run that succeeded can be taken back whole, as a setup does when a later
// step of its own fails: always, where nothing fails any more (a key the run
// wrote but did not record is seen only here).
std::string Case::TakenBackWhole(const Picture& before, const std::u16string& takeBack) {
  if (sim::OneCallFailuresPending()) return "";
  if (!scribbet::sources::TakeBack(takeBack).empty()) return "a run that succeeded could not be taken back";
  return sim::RegistryPicture(u"") == before ? "" : "a run that succeeded was not taken back whole";
}

std::string Case::CheckRegistration() {
  const std::u16string list = ListOfNames();
  description_ += ", registering \"" + Utf8(list) + "\"";
  ScheduleFaults();
  const Picture before = sim::RegistryPicture(u"");
  scribbet::setup::SourcesRun run;
  try {
    run = scribbet::setup::RegisterSources(list, messageFile_);
  } catch (const scribbet::setup::SourceListError&) {
    if (!refusedList_) return "a list of good names was refused";
    return sim::RegistryPicture(u"") == before ? "" : "a refused list changed the registry";
  }
  if (refusedList_) return "a list with a system log's name was taken";
  const Picture after = sim::RegistryPicture(u"");
  const bool failed = faultsAskedFor_ != sim::OneCallFailuresPending();
  const auto was = ByPath(before), is = ByPath(after);
  const auto find = [](const auto& map, const std::u16string& path) -> const sim::PictureKey* {
    const auto found = map.find(path);
    return found == map.end() ? nullptr : found->second;
  };

  // The run's own names, and those it may not write.
  std::map<std::u16string, std::u16string> own;  // folded key path: first spelling
  std::set<std::u16string> unwritable;            // folded names
  for (const auto& first : listed_) {
    const auto planted = planted_.find(first);
    if (planted == planted_.end() || !planted->second.theSetups) continue;
    const std::u16string path = sim::RegistryFolded(scribbet::SourceKeyPath(first));
    own[path] = first;
    if (!Writable(planted->second, find(was, path))) unwritable.insert(sim::RegistryFolded(first));
  }
  std::set<std::u16string> reported;
  for (const auto& name : run.check.unwritable) reported.insert(sim::RegistryFolded(name));
  if (!failed && reported != unwritable)
    return unwritable.empty() ? "a run with every right it needed was refused"
                              : "a run without the rights it needed was not refused for exactly the names it may not write";
  if (!run.check.unwritable.empty() && after != before) return "a refused run changed the registry";

  if (!run.succeeded()) {
    if (!failed && unwritable.empty()) return "a run that had every right it needed did not succeed";
    return ChangedOnlyWhereNamed(before, after, run.outcome.notTakenBack, false);
  }
  // Every name it owns is registered, but one a failed read left alone (and
  // perhaps not another spelling of it, which the registry folds and the
  // list's reading does not: "ＡＢＣ;ａｂｃ").
  std::set<std::u16string> ownPaths, excused;
  for (const auto& [path, first] : own) ownPaths.insert(path);
  for (const auto& [name, lookup] : run.check.plan.leftAlone) {
    const std::u16string path = sim::RegistryFolded(scribbet::SourceKeyPath(name));
    if (!ownPaths.count(path)) continue;
    if (!failed)
      return "the name was the setup's, and: " + Utf8(scribbet::sources::LeftAloneText(name, lookup));
    excused.insert(path);
  }
  if (const std::string broken = ChangedOnly(before, after, ownPaths); !broken.empty()) return broken;
  if (const std::string broken = TakenBackWhole(before, run.outcome.takeBack); !broken.empty())
    return broken;
  for (const auto& path : ownPaths) {
    if (excused.count(path) && SameKey(find(was, path), find(is, path))) continue;
    const Planted& planted = planted_.at(own.at(path));
    const sim::PictureKey *key = find(is, path), *old = find(was, path);
    const sim::PictureValue* file = ValueNamed(key, scribbet::kMessageFileValue);
    const sim::PictureValue* types = ValueNamed(key, scribbet::kTypesSupportedValue);
    const sim::PictureValue* oldFile = ValueNamed(old, scribbet::kMessageFileValue);
    const sim::PictureValue* oldTypes = ValueNamed(old, scribbet::kTypesSupportedValue);
    // A key that names this control as a plain string keeps its spelling.
    const bool keptFile = planted.control == ControlOf(wow64_) && planted.plainString;
    const bool fileRight =
        file && ((keptFile && *file == *oldFile) ||
                 (file->type == REG_SZ &&
                  platform::FromAnsi(std::string(file->data.begin(), file->data.end())) == messageFile_ + u'\0'));
    const bool typesRight = types && (oldTypes ? *types == *oldTypes
                                               : types->type == REG_DWORD &&
                                                     types->data == std::vector<std::uint8_t>{7, 0, 0, 0});
    if (!fileRight || !typesRight)
      return "the name of " + Utf8(path) + " is not registered as a setup writes it";
  }
  return "";
}

std::string Case::CheckGiving() {
  // This control goes; the other stays installed, or is not there either.
  sim::SetWow64(wow64_);
  const int removed = ControlOf(wow64_);
  const bool otherStays = !OneIn(3);
  if (otherStays)
    sim::AddFile(wow64_ ? u"C:\\WINNT\\System32\\Scribbet.ocx" : u"C:\\WINNT\\SysWOW64\\Scribbet.ocx");
  description_ += std::string(", giving the sources of ") + (wow64_ ? "the 32-bit" : "the 64-bit") +
                  " control away, the other " + (otherStays ? "staying" : "not there");
  ScheduleFaults();
  const Picture before = sim::RegistryPicture(u"");
  const auto outcome = scribbet::sources::GiveSourcesToOtherControl();
  const Picture after = sim::RegistryPicture(u"");
  const bool failed = faultsAskedFor_ != sim::OneCallFailuresPending();

  // The sources the giving is about, and whether it may write them all.
  std::set<std::u16string> given;
  bool writable = true;
  for (const auto& [first, planted] : planted_) {
    if (!planted.inApplication || planted.control != removed || !otherStays) continue;
    if (!(RightsOf(planted) & KEY_QUERY_VALUE)) continue;  // it cannot tell whose it is
    given.insert(sim::RegistryFolded(scribbet::SourceKeyPath(first)));
    if (!(RightsOf(planted) & KEY_SET_VALUE)) writable = false;
  }
  if (outcome.failed) {
    if (!failed && writable) return "a giving that had every right it needed did not succeed";
    return ChangedOnlyWhereNamed(before, after, outcome.notTakenBack, !writable);
  }
  if (!failed && !writable) return "a giving without the rights it needed succeeded";
  if (const std::string broken = ChangedOnly(before, after, given); !broken.empty()) return broken;
  if (const std::string broken = TakenBackWhole(before, outcome.takeBack); !broken.empty()) return broken;
  const auto was = ByPath(before), is = ByPath(after);
  const std::u16string stays(scribbet::EventMessageFileFor(!wow64_));
  for (const auto& path : given) {
    // A read that failed as one refused would may have left it, and only it.
    if (failed && *was.at(path) == *is.at(path)) continue;
    const sim::PictureValue* file = ValueNamed(is.at(path), scribbet::kMessageFileValue);
    const sim::PictureValue* oldFile = ValueNamed(was.at(path), scribbet::kMessageFileValue);
    if (!file || file->type != oldFile->type ||
        platform::FromAnsi(std::string(file->data.begin(), file->data.end())) != stays + u'\0' ||
        !SameValue(ValueNamed(is.at(path), scribbet::kTypesSupportedValue),
                   ValueNamed(was.at(path), scribbet::kTypesSupportedValue)))
      return "the source " + Utf8(path) + " does not name the control that stays, as it named the other";
  }
  return "";
}

std::string Case::Run() {
  sim::Reset();
  Build();
  const std::string broken = OneIn(4) ? CheckGiving() : CheckRegistration();
  return broken.empty() ? "" : description_ + ": " + broken;
}

}  // namespace

std::string CheckOneSourceSetup(const std::function<unsigned(unsigned)>& choose) {
  return Case(choose).Run();
}

}  // namespace testing_support
