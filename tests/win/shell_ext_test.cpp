// The file association under HKEY_CLASSES_ROOT (the machine-wide classes key
// under Wine). Each test uses extensions and file types of its own, so the
// tests can run side by side.
#include "components/shell_ext.h"

#include <gtest/gtest.h>

#include <optional>

#include "classes_key.h"

namespace qrv {
namespace {

using testing::ClassesDefault;
using testing::ClassesKeyExists;
using testing::SetClassesDefault;

std::wstring ProgramPath() {
  wchar_t path[MAX_PATH]{};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

// Removes the test's keys before and after it.
class ShellExtTest : public ::testing::Test {
 protected:
  void Use(std::initializer_list<std::wstring> keys) {
    keys_.assign(keys);
    Remove();
  }
  void TearDown() override { Remove(); }
  void Remove() {
    for (const auto& key : keys_) testing::RemoveClassKey(key);
  }
  // The layout the bar registers for its web-service files.
  static void Register(FileAssociation& ext, const std::wstring& extension, const std::wstring& type) {
    ext.SetExtension(extension);
    ext.SetExtDescription(type);
    ext.SetFileDescription(type);
    ext.SetIconIndex(1);
    ext.SetOpenWithMe(true);
    ext.SetParamString(L"%1");
  }

  std::vector<std::wstring> keys_;
};

TEST_F(ShellExtTest, WrittenAssociationIsReadBackAndRecognised) {
  Use({L".qrvt1", L"Quorvel Test File 1"});
  FileAssociation writer;
  Register(writer, L".qrvt1", L"Quorvel Test File 1");
  ASSERT_TRUE(writer.WriteAssociation());
  const std::wstring program = ProgramPath();
  EXPECT_EQ(ClassesDefault(L".qrvt1"), L"Quorvel Test File 1");
  EXPECT_EQ(ClassesDefault(L"Quorvel Test File 1"), L"Quorvel Test File 1");
  EXPECT_EQ(ClassesDefault(L"Quorvel Test File 1\\DefaultIcon"), program + L",1");
  EXPECT_EQ(ClassesDefault(L"Quorvel Test File 1\\Shell\\Open\\Command"), L"\"" + program + L"\" \"%1\"");

  FileAssociation reader;
  reader.SetExtension(L".qrvt1");
  ASSERT_TRUE(reader.ReadAssociation());
  EXPECT_EQ(reader.ExtDescription(), L"Quorvel Test File 1");
  EXPECT_EQ(reader.FileDescription(), L"Quorvel Test File 1");
  EXPECT_FALSE(reader.OpenWithMe());
  // The bar knows its own association by the quoted program path.
  EXPECT_EQ(reader.OpenWith(), L"\"" + program + L"\"");
}

TEST_F(ShellExtTest, ReadingAMissingAssociationCreatesNoKeys) {
  Use({L".qrvt2", L"Quorvel Test File 2"});
  FileAssociation reader;
  reader.SetExtension(L".qrvt2");
  EXPECT_FALSE(reader.ReadAssociation());
  EXPECT_FALSE(ClassesKeyExists(L".qrvt2"));
  EXPECT_FALSE(ClassesKeyExists(L"DefaultIcon"));

  // An extension that names no file type, or a file type that is not there.
  SetClassesDefault(L".qrvt2", L"");
  EXPECT_FALSE(reader.ReadAssociation());
  SetClassesDefault(L".qrvt2", L"Quorvel Test File 2");
  EXPECT_FALSE(reader.ReadAssociation());
  EXPECT_FALSE(ClassesKeyExists(L"Quorvel Test File 2"));
  EXPECT_FALSE(ClassesKeyExists(L"DefaultIcon"));
}

TEST_F(ShellExtTest, AnIconLocationMustNameFileAndIndex) {
  Use({L".qrvt3", L"Quorvel Test File 3"});
  SetClassesDefault(L".qrvt3", L"Quorvel Test File 3");
  SetClassesDefault(L"Quorvel Test File 3", L"Test documents");
  SetClassesDefault(L"Quorvel Test File 3\\Shell\\Open\\Command", L"\"C:\\Other\\Viewer.exe\" \"%1\"");
  FileAssociation reader;
  reader.SetExtension(L".qrvt3");
  for (const wchar_t* location : {L"", L"C:\\windows\\system32\\shell32.dll", L"shell32.dll,one"}) {
    SetClassesDefault(L"Quorvel Test File 3\\DefaultIcon", location);
    EXPECT_FALSE(reader.ReadAssociation()) << location;
  }
  SetClassesDefault(L"Quorvel Test File 3\\DefaultIcon", L"C:\\windows\\system32\\shell32.dll,0");
  ASSERT_TRUE(reader.ReadAssociation());
  EXPECT_NE(reader.Icon(), nullptr);
  EXPECT_EQ(reader.FileDescription(), L"Test documents");
  EXPECT_EQ(reader.OpenWith(), L"\"C:\\Other\\Viewer.exe\"");
  // A file without icons reads as no icon, and is no failure.
  SetClassesDefault(L"Quorvel Test File 3\\DefaultIcon", L"C:\\nothing-here.exe,0");
  ASSERT_TRUE(reader.ReadAssociation());
  EXPECT_EQ(reader.Icon(), nullptr);
  // The index -1 asks for the number of icons, which is no icon to keep or destroy.
  SetClassesDefault(L"Quorvel Test File 3\\DefaultIcon", L"C:\\windows\\system32\\shell32.dll,-1");
  ASSERT_TRUE(reader.ReadAssociation());
  EXPECT_EQ(reader.Icon(), nullptr);
}

TEST_F(ShellExtTest, NoValueIsWrittenIntoTheWrongKey) {
  Use({L".qrvt4"});
  const auto rootBefore = ClassesDefault(L"");
  FileAssociation writer;
  Register(writer, L".qrvt4", L"");
  EXPECT_FALSE(writer.WriteAssociation());
  EXPECT_FALSE(ClassesKeyExists(L".qrvt4"));
  Register(writer, L"", L"Quorvel Test File 4");
  EXPECT_FALSE(writer.WriteAssociation());
  EXPECT_FALSE(ClassesKeyExists(L"Quorvel Test File 4"));
  // A file-type key that cannot be made (its name is too long) stops the write.
  const std::wstring tooLong(300, L'x');
  Register(writer, L".qrvt4", tooLong);
  EXPECT_FALSE(writer.WriteAssociation());
  EXPECT_FALSE(ClassesKeyExists(L"DefaultIcon"));
  EXPECT_EQ(ClassesDefault(L""), rootBefore);
}

TEST_F(ShellExtTest, PropertiesKeepTheirRules) {
  FileAssociation ext;
  EXPECT_TRUE(ext.OpenWithMe());
  EXPECT_EQ(ext.OpenWith(), ProgramPath());
  ext.SetOpenWith(L"C:\\Other.exe");
  EXPECT_EQ(ext.OpenWith(), ProgramPath());
  ext.SetOpenWithMe(false);
  ext.SetOpenWith(L"C:\\Other.exe");
  EXPECT_EQ(ext.OpenWith(), L"C:\\Other.exe");

  HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
  ext.SetIcon(icon);
  ASSERT_NE(ext.Icon(), nullptr);
  EXPECT_NE(ext.Icon(), icon);  // a copy of its own
  ext.SetIcon(ext.Icon());
  EXPECT_NE(ext.Icon(), nullptr);
  ext.SetIcon(nullptr);
  EXPECT_EQ(ext.Icon(), nullptr);
}

}  // namespace
}  // namespace qrv
