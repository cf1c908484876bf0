// The control's file itself: its exports, version block and pictures.
#include "tests/wine/com/com_support.h"

#include <vector>
#include "scribbet_names.h"

using namespace com_testing;

TEST(ModuleFile, ExportsExactlyTheFourEntryPointsByOrdinal) {
  const auto* base = reinterpret_cast<const BYTE*>(Module());
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const auto& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
  EXPECT_STREQ(reinterpret_cast<const char*>(base + exports->Name), SCRIBBET_CONTROL_FILE);
  EXPECT_EQ(exports->NumberOfFunctions, 4u);
  EXPECT_EQ(exports->NumberOfNames, 4u);
  EXPECT_EQ(exports->Base, 1u);
  const char* names[] = {"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer",
                         "DllUnregisterServer"};
  for (WORD ordinal = 1; ordinal <= 4; ++ordinal) {
    SCOPED_TRACE(names[ordinal - 1]);
    FARPROC byOrdinal = ::GetProcAddress(Module(), MAKEINTRESOURCEA(ordinal));
    EXPECT_TRUE(byOrdinal);
    EXPECT_EQ(byOrdinal, ::GetProcAddress(Module(), names[ordinal - 1]));
  }
}

TEST(ModuleFile, VersionBlockMarksTheFileSelfRegistering) {
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeA(OcxPathA().c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> block(size);
  ASSERT_TRUE(::GetFileVersionInfoA(OcxPathA().c_str(), 0, size, block.data()));
  void* value = nullptr;
  UINT length = 0;
  EXPECT_TRUE(::VerQueryValueA(block.data(), "\\StringFileInfo\\040904b0\\OLESelfRegister",
                               &value, &length));
  ASSERT_TRUE(::VerQueryValueA(block.data(), "\\StringFileInfo\\040904b0\\OriginalFilename",
                               &value, &length));
  EXPECT_STREQ(static_cast<const char*>(value), SCRIBBET_CONTROL_FILE);
}

TEST(ModuleFile, ToolboxAndDesignPictures) {
  const struct {
    int id;
    LONG width, height;
    WORD bits;
    DWORD colours;
  } pictures[] = {{30000, 16, 15, 24, 0}, {30001, 32, 32, 4, 16}};
  for (const auto& picture : pictures) {
    SCOPED_TRACE(picture.id);
    HRSRC found = ::FindResourceA(Module(), MAKEINTRESOURCEA(picture.id),
                                  MAKEINTRESOURCEA(2) /* bitmap */);
    ASSERT_TRUE(found);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(
        ::LockResource(::LoadResource(Module(), found)));
    EXPECT_EQ(header->biWidth, picture.width);
    EXPECT_EQ(header->biHeight, picture.height);
    EXPECT_EQ(header->biBitCount, picture.bits);
    EXPECT_EQ(header->biClrUsed, picture.colours);
  }
}
