#include "tests/support/source_setup_property.h"

#include <map>
#include <set>
#include <vector>

#include "event_sources/registry_reading.h"
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

// A name of the case, spelled as it may be written: one key, whichever
// spelling names it.
struct Name {
  std::vector<std::u16string> spellings;
  bool doubleByte;  // only in code page 932
};

const std::vector<Name> kSourceNames = {
    {{u"Billing", u"billing", u"BILLING"}, false},
    {{u"Nightly Backup", u"nightly backup"}, false},
    {{u"Payroll"}, false},
    {{u"Backup/Restore", u"BACKUP/restore"}, false},
    {{u"\u30BD\u30D5\u30C8"}, true},  // its first character's second byte is 0x5C
    {{u"\u8868\u793A"}, true},        // likewise
    {{u"\u30A2\u30D7\u30EA"}, true},  // as the next but for the case of one second byte
    {{u"\u30C2\u30D7\u30EA"}, true},
    {{u"\uFF21\uFF22\uFF23", u"\uFF41\uFF42\uFF43"}, true},  // full-width, folded by Unicode
};
// Logs a program may add, whose names no source of another log may have.
const std::vector<Name> kOwnLogs = {{{u"Billing Log", u"BILLING LOG"}, false},
                                    {{u"Nightly", u"nightly"}, false},
                                    {{u"\u30ED\u30B0"}, true}};
// The system's logs: names a setup's list may not hold at all.
const std::vector<Name> kSystemLogs = {{{u"System", u"system"}, false},
                                       {{u"Security"}, false}};

using scribbet::sources::KeyPath;
std::u16string LogPath(const std::u16string& log) { return KeyPath(scribbet::kEventLogKey, log); }

std::vector<std::uint8_t> Bytes(const std::string& text) {
  std::vector<std::uint8_t> bytes(text.begin(), text.end());
  bytes.push_back(0);
  return bytes;
}

// What the case put under a name.
struct Planted {
  bool theSetups = true;      // the setups' rule gives it to the setup
  bool inApplication = false; // a key of that name under Application
  bool ownRights = false;     // rights of its own on that key
  REGSAM rights = 0;
};

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
  bool Writable(const Planted& planted) const;
  std::string Check(const std::vector<sim::PictureKey>& before,
                    const std::vector<sim::PictureKey>& after, bool succeeded) const;

  const std::function<unsigned(unsigned)>& choose_;
  UINT codePage_ = 1252;
  std::u16string messageFile_;
  std::string description_;
  std::map<std::u16string, Planted> planted_;  // by each name's first spelling
  std::set<std::u16string> listed_;            // first spellings of the names listed
  bool refusedList_ = false;
  bool faulted_ = false;
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
  const std::u16string application(scribbet::kApplicationSources);
  const std::u16string key = KeyPath(application, Spelling(name));
  Planted planted;
  switch (Choose(7)) {
    case 0:  // Scribbet's, of either architecture, as either string type
    case 1: {
      std::u16string file(scribbet::EventMessageFileFor(OneIn(2)));
      if (OneIn(3))
        for (char16_t& c : file) c = c >= u'a' && c <= u'z' ? char16_t(c - 0x20) : c;
      std::vector<sim::PictureValue> values = RandomValues();
      values.push_back({u"EventMessageFile", OneIn(4) ? DWORD{REG_EXPAND_SZ} : DWORD{REG_SZ},
                        Bytes(platform::ToAnsi(file))});
      Make(key, values);
      planted.inApplication = true;
      break;
    }
    case 2:  // another program's, with values of any type, or none
      Make(key, RandomValues());
      planted = {false, true};
      break;
    case 3:  // another program's that names no message file
      Make(key, {{u"TypesSupported", REG_DWORD, {31, 0, 0, 0}},
                 {u"CategoryMessageFile", REG_EXPAND_SZ, Bytes("%SystemRoot%\\other.dll")}});
      if (OneIn(2)) Make(KeyPath(key, u"Inside"), RandomValues());
      planted = {false, true};
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
    // Reading only, or not even that: a key nobody may read is nobody's to take.
    planted.ownRights = true;
    planted.rights = OneIn(2) ? KEY_READ : 0;
    sim::LimitKeyRights(key, planted.rights);
    if (planted.rights == 0) planted.theSetups = false;
  }
  planted_[name.spellings.front()] = planted;
}

void Case::Build() {
  codePage_ = OneIn(2) ? 932 : 1252;
  sim::SetAnsiCodePage(codePage_);
  messageFile_ = std::u16string(scribbet::EventMessageFileFor(OneIn(2)));
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
  // A standard user may write nothing under HKEY_LOCAL_MACHINE, and the
  // Application log's key may refuse new keys.
  if (OneIn(8)) sim::LimitKeyRights(u"", everywhere_ = sim::kReadRights);
  if (OneIn(8)) sim::LimitKeyRights(std::u16string(scribbet::kApplicationSources), application_ = KEY_READ);
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

// Whether the run has the rights to write the name's key: to set values on
// a key that is there, to create one below Application where not.
bool Case::Writable(const Planted& planted) const {
  REGSAM rights = application_ != sim::kEveryRight ? application_ : everywhere_;
  if (planted.inApplication && planted.ownRights) rights = planted.rights;
  const REGSAM needed = planted.inApplication ? KEY_QUERY_VALUE | KEY_SET_VALUE : KEY_CREATE_SUB_KEY;
  return (rights & needed) == needed;
}

std::string Case::Check(const std::vector<sim::PictureKey>& before,
                        const std::vector<sim::PictureKey>& after, bool succeeded) const {
  bool shouldSucceed = !refusedList_ && !faulted_;
  std::set<std::u16string> own;  // the run's keys, as the registry compares paths
  for (const auto& first : listed_) {
    const auto planted = planted_.find(first);
    if (planted == planted_.end() || !planted->second.theSetups) continue;
    own.insert(sim::RegistryFolded(KeyPath(scribbet::kApplicationSources, first)));
    if (!Writable(planted->second)) shouldSucceed = false;
  }
  if (!succeeded) {
    if (before != after) return "a run that did not succeed changed the registry";
    return shouldSucceed ? "a run that had every right it needed did not succeed" : "";
  }
  if (!shouldSucceed && !faulted_) return "a run without the rights it needed succeeded";

  const auto byPath = [](const std::vector<sim::PictureKey>& keys) {
    std::map<std::u16string, const sim::PictureKey*> map;
    for (const auto& key : keys) map[sim::RegistryFolded(key.path)] = &key;
    return map;
  };
  const auto was = byPath(before), is = byPath(after);
  const auto find = [](const auto& map, const std::u16string& path) -> const sim::PictureKey* {
    const auto found = map.find(path);
    return found == map.end() ? nullptr : found->second;
  };
  const auto isWritten = [](const sim::PictureValue& v) {
    const std::u16string name = sim::RegistryFolded(v.name);
    return name == u"EVENTMESSAGEFILE" || name == u"TYPESSUPPORTED";
  };
  const auto othersOf = [&](const sim::PictureKey* key) {
    std::vector<sim::PictureValue> values;
    if (key)
      for (const auto& v : key->values)
        if (!isWritten(v)) values.push_back(v);
    return values;
  };
  std::set<std::u16string> paths;
  for (const auto& [path, key] : was) paths.insert(path);
  for (const auto& [path, key] : is) paths.insert(path);
  for (const auto& path : paths) {
    const sim::PictureKey *old = find(was, path), *now = find(is, path);
    if (!own.count(path)) {
      if (!old || !now || !(*old == *now))
        return "the key " + Utf8(path) + " was not the run's, and changed";
    } else if (othersOf(old) != othersOf(now)) {
      return "the run changed a value of its key " + Utf8(path) + " that is not one it writes";
    }
  }
  if (faulted_) return "";  // a read that failed may leave a name alone
  for (const auto& path : own) {
    const sim::PictureKey* key = find(is, path);
    if (!key) return "the name of " + Utf8(path) + " was the setup's, and is not registered";
    bool file = false, types = false;
    for (const auto& v : key->values) {
      const std::u16string name = sim::RegistryFolded(v.name);
      if (name == u"EVENTMESSAGEFILE")
        file = v.type == REG_SZ && sim::RegistryFolded(platform::FromAnsi(std::string(
                                       v.data.begin(), v.data.end()))) ==
                                       sim::RegistryFolded(messageFile_ + u'\0');
      if (name == u"TYPESSUPPORTED")
        types = find(was, path) || (v.type == REG_DWORD && v.data == std::vector<std::uint8_t>{7, 0, 0, 0});
    }
    if (!file || !types) {
      std::string values;
      for (const auto* k : {find(was, path), key})
        if (k)
          for (const auto& v : k->values) {
            values += " [" + Utf8(v.name) + " " + std::to_string(v.type) + ":";
            for (auto b : v.data) values += std::to_string(b) + ",";
            values += "]";
          }
      return "the name of " + Utf8(path) + " is not registered as a setup writes it:" + values;
    }
  }
  return "";
}

std::string Case::Run() {
  sim::Reset();
  Build();
  const std::u16string list = ListOfNames();
  description_ += ", list \"" + Utf8(list) + "\"";
  // One call on the way fails, perhaps: a write, or a read.
  static const std::vector<std::string> kFailing = {
      "RegCreateKeyExW", "RegSetValueExW", "RegCreateKeyExW", "RegSetValueExW",
      "RegOpenKeyExW",   "RegEnumValueW",  "RegEnumKeyExW"};
  const bool faulting = !OneIn(3);
  if (faulting) {
    const std::string& function = Pick(kFailing);
    const unsigned calls = Choose(8);
    sim::FailOneCall(function, static_cast<int>(calls),
                     OneIn(2) ? ERROR_REGISTRY_QUOTA_LIMIT : ERROR_ACCESS_DENIED);
    description_ += ", call " + std::to_string(calls + 1) + " of " + function + " failing";
  }
  const auto before = sim::RegistryPicture(u"");
  bool succeeded = false;
  try {
    const auto run = scribbet::setup::RegisterSources(list, messageFile_);
    if (!run.outcome.notTakenBack.empty())
      return description_ + ": a failed run left keys it could not take back";
    succeeded = run.succeeded();
  } catch (const scribbet::setup::SourceListError&) {
    if (!refusedList_) return description_ + ": a list of good names was refused";
  }
  if (refusedList_ && succeeded) return description_ + ": a list with a system log's name was taken";
  faulted_ = faulting && !sim::OneCallFailurePending();
  const std::string broken = Check(before, sim::RegistryPicture(u""), succeeded);
  return broken.empty() ? "" : description_ + ": " + broken;
}

}  // namespace

std::string CheckOneSourceSetup(const std::function<unsigned(unsigned)>& choose) {
  return Case(choose).Run();
}

}  // namespace testing_support
