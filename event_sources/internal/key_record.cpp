#include "event_sources/internal/key_record.h"

#include <algorithm>
#include <stdexcept>

#include "platform/wide_text.h"

namespace scribbet::sources {

namespace {

bool Holds(const std::vector<Value>& values, const Value& value) {
  return std::find(values.begin(), values.end(), value) != values.end();
}

// The same values, in whatever order the registry now lists them.
bool SameValues(std::vector<Value> a, std::vector<Value> b) {
  const auto byName = [](const Value& x, const Value& y) { return x.name < y.name; };
  std::sort(a.begin(), a.end(), byName);
  std::sort(b.begin(), b.end(), byName);
  return a == b;
}

std::u16string NameOf(const KeyRecord& record) {
  const auto cut = record.path.rfind(u'\\');
  return cut == std::u16string::npos ? record.path : record.path.substr(cut + 1);
}

// The text: one line a key ("K", whether it existed, its path) and one a
// value after it ("V", its type, name and data); every string as the
// hexadecimal digits of its code units, every number and byte likewise, so
// that no name or data can be taken for the text's own marks.
constexpr char16_t kDigits[] = u"0123456789ABCDEF";

void PutHex(std::u16string& text, unsigned long long value, int digits) {
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) text += kDigits[(value >> shift) & 0xF];
}
void PutWord(std::u16string& text, std::u16string_view word) {
  text += u' ';
  if (word.empty()) text += u'-';
  for (const char16_t c : word) PutHex(text, c, 4);
}
void PutBytes(std::u16string& text, const std::vector<BYTE>& bytes) {
  text += u' ';
  if (bytes.empty()) text += u'-';
  for (const BYTE b : bytes) PutHex(text, b, 2);
}

class Reader {
 public:
  explicit Reader(std::u16string_view line) : line_(line) {}
  std::u16string_view Word() {
    while (!line_.empty() && line_.front() == u' ') line_.remove_prefix(1);
    const auto end = std::min(line_.find(u' '), line_.size());
    const std::u16string_view word = line_.substr(0, end);
    line_.remove_prefix(end);
    if (word.empty()) Refuse();
    return word == u"-" ? std::u16string_view() : word;
  }
  std::vector<unsigned> Digits(std::u16string_view word, std::size_t width) {
    if (word.size() % width) Refuse();
    std::vector<unsigned> units;
    for (std::size_t i = 0; i < word.size(); i += width) {
      unsigned value = 0;
      for (std::size_t j = i; j < i + width; ++j) {
        const char16_t* digit = std::char_traits<char16_t>::find(kDigits, 16, word[j]);
        if (!digit) Refuse();
        value = value * 16 + static_cast<unsigned>(digit - kDigits);
      }
      units.push_back(value);
    }
    return units;
  }
  std::u16string Text() {
    std::u16string text;
    for (const unsigned unit : Digits(Word(), 4)) text += static_cast<char16_t>(unit);
    return text;
  }
  std::vector<BYTE> Bytes() {
    std::vector<BYTE> bytes;
    for (const unsigned b : Digits(Word(), 2)) bytes.push_back(static_cast<BYTE>(b));
    return bytes;
  }
  DWORD Number() {
    const auto digits = Digits(Word(), 1);
    if (digits.size() != 8) Refuse();
    DWORD value = 0;
    for (const unsigned d : digits) value = value * 16 + d;
    return value;
  }
  void End() {
    while (!line_.empty() && line_.front() == u' ') line_.remove_prefix(1);
    if (!line_.empty()) Refuse();
  }
  [[noreturn]] static void Refuse() { throw std::invalid_argument("not a record of registry keys"); }

 private:
  std::u16string_view line_;
};

}  // namespace

KeyRecord RecordKey(const std::u16string& path) {
  platform::unique_hkey key;
  const LONG opened = OpenKey(path, KEY_QUERY_VALUE, key);
  if (opened == ERROR_FILE_NOT_FOUND) return {path, false, {}};
  if (opened != ERROR_SUCCESS) throw RegistryError(opened, path);
  return {path, true, ValuesOf(key.get(), path)};
}

bool RestoreKey(const KeyRecord& record) noexcept {
  try {
    if (!record.existed) {
      const LONG status =
          platform::RegDeleteKeyW(HKEY_LOCAL_MACHINE, platform::WideArgument(record.path));
      return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    // A key the run never changed needs no right but reading: a key that
    // refused the run's write is one.
    platform::unique_hkey key;
    if (OpenKey(record.path, KEY_QUERY_VALUE, key) != ERROR_SUCCESS) return false;
    const std::vector<Value> now = ValuesOf(key.get(), record.path);
    if (SameValues(now, record.values)) return true;
    if (OpenKey(record.path, KEY_QUERY_VALUE | KEY_SET_VALUE, key) != ERROR_SUCCESS) return false;
    // Only what differs is written: a value the run never touched is never
    // written again, whatever it holds.
    for (const Value& value : now)
      if (!Named(record.values, value.name))
        platform::RegDeleteValueW(key.get(), platform::WideArgument(value.name));
    for (const Value& value : record.values)
      if (!Holds(now, value))
        platform::RegSetValueExW(key.get(), platform::WideArgument(value.name), 0, value.type,
                                 value.data.data(), static_cast<DWORD>(value.data.size()));
    return SameValues(ValuesOf(key.get(), record.path), record.values);
  } catch (...) {
    return false;
  }
}

std::vector<std::u16string> RestoreKeys(const std::vector<KeyRecord>& records) noexcept {
  std::vector<std::u16string> notRestored;
  try {
    for (std::size_t i = records.size(); i-- > 0;)
      if (!RestoreKey(records[i])) notRestored.insert(notRestored.begin(), NameOf(records[i]));
  } catch (...) {  // out of memory for the list itself
  }
  return notRestored;
}

std::u16string RecordsText(const std::vector<KeyRecord>& records) {
  std::u16string text;
  for (const KeyRecord& record : records) {
    text += record.existed ? u"K 1" : u"K 0";
    PutWord(text, record.path);
    text += u'\n';
    for (const Value& value : record.values) {
      text += u'V';
      text += u' ';
      PutHex(text, value.type, 8);
      PutWord(text, value.name);
      PutBytes(text, value.data);
      text += u'\n';
    }
  }
  return text;
}

std::vector<KeyRecord> RecordsFromText(std::u16string_view text) {
  std::vector<KeyRecord> records;
  while (!text.empty()) {
    const auto end = std::min(text.find(u'\n'), text.size());
    Reader line(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    const std::u16string_view kind = line.Word();
    if (kind == u"K") {
      const std::u16string_view existed = line.Word();
      if (existed != u"0" && existed != u"1") Reader::Refuse();
      records.push_back({line.Text(), existed == u"1", {}});
    } else if (kind == u"V" && !records.empty() && records.back().existed) {
      Value value;
      value.type = line.Number();
      value.name = line.Text();
      value.data = line.Bytes();
      records.back().values.push_back(std::move(value));
    } else {
      Reader::Refuse();
    }
    line.End();
  }
  return records;
}

}  // namespace scribbet::sources
