// The bar's check of the ".qrv" association at start-up and from the
// preferences: registered silently when missing or ours at another path,
// asked about once when another program holds it, and SETEXT left at "NO".
#include <gtest/gtest.h>

#include "bar/bar_files.h"
#include "classes_key.h"
#include "components/settings.h"
#include "ui/dialogs.h"
#include "ui/program_file.h"

namespace {

using qrv::CheckAssociation;
using qrv::kSettingsKey;
using qrv::ReadSetting;
using qrv::WriteSetting;
using qrv::testing::ClassesDefault;
using qrv::testing::ClassesKeyExists;
using qrv::testing::SetClassesDefault;

struct Question {
  std::wstring text;
  qrv::MessageKind kind{};
  qrv::MessageButtons buttons{};
  int count = 0;
};
Question gQuestion;
qrv::DialogResult gAnswer = qrv::DialogResult::kNo;

qrv::DialogResult Answer(const std::wstring& text, qrv::MessageKind kind, qrv::MessageButtons buttons) {
  gQuestion = {text, kind, buttons, gQuestion.count + 1};
  return gAnswer;
}

class AssociationCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    Remove();
    gQuestion = {};
    qrv::SetPromptHandler(Answer);
  }
  void TearDown() override {
    qrv::SetPromptHandler(nullptr);
    Remove();
  }
  static void Remove() {
    for (const wchar_t* key : {L".qrv", L"Quorvel File", L"Other Viewer Type"}) qrv::testing::RemoveClassKey(key);
  }
  // Another program holds web-service files under a file type of its own.
  static void OtherProgramHoldsQrv() {
    SetClassesDefault(L".qrv", L"Other Viewer Type");
    SetClassesDefault(L"Other Viewer Type", L"Other Viewer Document");
    SetClassesDefault(L"Other Viewer Type\\DefaultIcon", L"C:\\windows\\system32\\shell32.dll,0");
    SetClassesDefault(L"Other Viewer Type\\Shell\\Open\\Command", L"\"C:\\Other\\Viewer.exe\" \"%1\"");
  }
  static bool OursIsRegistered() {
    const std::wstring program = qrv::ExeName();
    return ClassesDefault(L".qrv") == L"Quorvel File" && ClassesDefault(L"Quorvel File") == L"Quorvel File" &&
           ClassesDefault(L"Quorvel File\\DefaultIcon") == program + L",1" &&
           ClassesDefault(L"Quorvel File\\Shell\\Open\\Command") == L"\"" + program + L"\" \"%1\"";
  }
};

TEST_F(AssociationCheck, MissingAssociationIsRegisteredWithoutAQuestion) {
  ASSERT_TRUE(WriteSetting("SETEXT", "YES"));
  CheckAssociation("YES");
  EXPECT_EQ(gQuestion.count, 0);
  EXPECT_TRUE(OursIsRegistered());
  // Written for the user, who needs no administrator rights for it.
  EXPECT_EQ(qrv::testing::UserClassesDefault(L".qrv"), L"Quorvel File");
  EXPECT_EQ(ReadSetting("SETEXT"), "NO");
  // Reading the missing association made no keys of its own at the root.
  EXPECT_FALSE(ClassesKeyExists(L"DefaultIcon"));
  EXPECT_FALSE(ClassesKeyExists(L"Test"));
}

TEST_F(AssociationCheck, OwnAssociationIsLeftAlone) {
  CheckAssociation("");
  ASSERT_TRUE(OursIsRegistered());
  // A change the check would undo if it wrote again.
  SetClassesDefault(L"Quorvel File", L"Web services");
  CheckAssociation("YES");
  EXPECT_EQ(ClassesDefault(L"Quorvel File"), L"Web services");
  EXPECT_EQ(gQuestion.count, 0);
}

TEST_F(AssociationCheck, OurFileTypeAtAnotherPathIsTakenOverSilently) {
  SetClassesDefault(L".qrv", L"Quorvel File");
  SetClassesDefault(L"Quorvel File", L"Quorvel File");
  SetClassesDefault(L"Quorvel File\\DefaultIcon", L"C:\\Old Place\\Quorvel.exe,1");
  SetClassesDefault(L"Quorvel File\\Shell\\Open\\Command", L"\"C:\\Old Place\\Quorvel.exe\" \"%1\"");
  CheckAssociation("YES");
  EXPECT_EQ(gQuestion.count, 0);
  EXPECT_TRUE(OursIsRegistered());
}

TEST_F(AssociationCheck, AnotherProgramIsAskedAboutOnceAndTakenOverAtTheNextStart) {
  OtherProgramHoldsQrv();
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"SETEXT");
  gAnswer = qrv::DialogResult::kNo;
  CheckAssociation(ReadSetting("SETEXT"));
  ASSERT_EQ(gQuestion.count, 1);
  EXPECT_EQ(gQuestion.text,
            L"Do you want to associate .qrv files with Quorvel?\r\n\r\n.qrv files are currently associated with:\r\n"
            L"Other Viewer Document\r\n\r\nThis will allow you to double-click .QRV files to add\r\n"
            L"QRV Web Services to your web choices.");
  EXPECT_EQ(gQuestion.kind, qrv::MessageKind::kInformation);
  EXPECT_EQ(gQuestion.buttons, qrv::MessageButtons::kYesNo);
  // No leaves the other program's association as it was.
  EXPECT_EQ(ClassesDefault(L".qrv"), L"Other Viewer Type");
  EXPECT_EQ(ClassesDefault(L"Other Viewer Type\\Shell\\Open\\Command"), L"\"C:\\Other\\Viewer.exe\" \"%1\"");
  EXPECT_FALSE(ClassesKeyExists(L"Quorvel File"));
  EXPECT_EQ(ReadSetting("SETEXT"), "NO");

  CheckAssociation(ReadSetting("SETEXT"));  // the next start
  EXPECT_EQ(gQuestion.count, 1);
  EXPECT_TRUE(OursIsRegistered());
}

TEST_F(AssociationCheck, ThePreferencesButtonAsksAndYesRegisters) {
  OtherProgramHoldsQrv();
  gAnswer = qrv::DialogResult::kYes;
  CheckAssociation("YES");
  EXPECT_EQ(gQuestion.count, 1);
  EXPECT_TRUE(OursIsRegistered());
  // The other program's own file type is not ours to remove.
  EXPECT_EQ(ClassesDefault(L"Other Viewer Type"), L"Other Viewer Document");
}

// A key that may hold no lasting subkeys: the file type's own keys cannot be made below it.
void MakeVolatileKey(HKEY root, const std::wstring& path) {
  HKEY key{};
  ASSERT_EQ(
      RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
      ERROR_SUCCESS);
  RegCloseKey(key);
}

TEST_F(AssociationCheck, ARefusedWriteIsToldToTheUserWithTheSystemsReason) {
  MakeVolatileKey(HKEY_CURRENT_USER, L"Software\\Classes\\Quorvel File");
  MakeVolatileKey(HKEY_CLASSES_ROOT, L"Quorvel File");
  CheckAssociation("YES");
  ASSERT_EQ(gQuestion.count, 1);
  const std::wstring opening = L"Web-service files (.qrv) could not be associated with Quorvel.\r\n\r\n";
  ASSERT_GT(gQuestion.text.size(), opening.size());
  EXPECT_EQ(gQuestion.text.substr(0, opening.size()), opening);
  EXPECT_EQ(gQuestion.kind, qrv::MessageKind::kWarning);
  EXPECT_FALSE(OursIsRegistered());
  EXPECT_EQ(ReadSetting("SETEXT"), "NO");
}

}  // namespace
