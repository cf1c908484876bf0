// The message table inside the built control: read back as a resource and
// formatted the way an event viewer formats an entry.
#ifdef _WIN32
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/types.h"

namespace {

struct DataFile {
  HMODULE module = ::LoadLibraryExA(SCRIBBET_OCX_PATH, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ~DataFile() {
    if (module) ::FreeLibrary(module);
  }
};

const char kLeadIn[] = "Event reported through Scribbet";

}  // namespace

TEST(MessageTable, HasOneBlockWithMessageOneInAnsi) {
  DataFile file;
  ASSERT_TRUE(file.module) << SCRIBBET_OCX_PATH;
  HRSRC info = ::FindResourceExA(file.module, MAKEINTRESOURCEA(11), MAKEINTRESOURCEA(1),
                                 MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
  ASSERT_TRUE(info);
  const auto* bytes = static_cast<const unsigned char*>(::LockResource(::LoadResource(file.module, info)));
  const DWORD size = ::SizeofResource(file.module, info);
  auto dword = [&](int at) { DWORD v; std::memcpy(&v, bytes + at, 4); return v; };
  auto word = [&](int at) { WORD v; std::memcpy(&v, bytes + at, 2); return v; };
  EXPECT_EQ(dword(0), 1u);   // blocks
  EXPECT_EQ(dword(4), 1u);   // lowest id
  EXPECT_EQ(dword(8), 1u);   // highest id
  EXPECT_EQ(dword(12), 16u); // offset of the entry
  const std::string text = std::string(kLeadIn) + ": %1\r\n";
  const WORD length = word(16);
  EXPECT_EQ(length, (4 + text.size() + 1 + 3) / 4 * 4);
  EXPECT_EQ(word(18), 0);    // ANSI text
  EXPECT_EQ(size, 16u + length);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes + 20)), text);
  for (int i = 20 + static_cast<int>(text.size()); i < 16 + length; ++i) EXPECT_EQ(bytes[i], 0);
}

TEST(MessageTable, FormatsMessageOneWithTheInsertionString) {
  DataFile file;
  ASSERT_TRUE(file.module);
  const char* inserts[] = {"Disk C: is full"};
  char out[512] = {};
  const DWORD length = ::FormatMessageA(
      FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_ARGUMENT_ARRAY, file.module, 1,
      MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), out, sizeof out,
      reinterpret_cast<va_list*>(const_cast<char**>(inserts)));
  EXPECT_EQ(std::string(out, length), std::string(kLeadIn) + ": Disk C: is full\r\n");
}
#endif
