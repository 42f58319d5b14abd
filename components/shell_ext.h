// The shell's association of one file extension with a program: the extension
// key names a file type, whose key holds its display text, its icon location
// and its open command. The bar associates web-service files (".qrv") with
// itself through it.
//
//   Extension            (default) = ExtDescription
//   ExtDescription       (default) = FileDescription
//     DefaultIcon        (default) = OpenWith,IconIndex
//     Shell\Open\Command (default) = "OpenWith" "ParamString"
//
// It is written for the user (HKEY_CURRENT_USER\Software\Classes), which needs
// no administrator rights, and read through HKEY_CLASSES_ROOT, where Windows
// lays the user's classes over the machine's. A system that does not show the
// user's classes there (Wine) gets the keys in the classes root as well.
#pragma once

#include <windows.h>

#include <string>

namespace qrv {

class FileAssociation {
 public:
  // OpenWithMe is on, so OpenWith is the running program's full path.
  FileAssociation();
  ~FileAssociation();
  FileAssociation(const FileAssociation&) = delete;
  FileAssociation& operator=(const FileAssociation&) = delete;

  // Writes the whole association: true when the classes root shows every
  // value. Nothing is written without an extension and a file-type name. The
  // shell is told that associations changed in every case.
  bool WriteAssociation();
  // Why the last write failed: the system's error code (ERROR_SUCCESS after a
  // write that succeeded).
  LONG WriteError() const { return writeError_; }
  // Reads the association of Extension into the properties: true when the
  // extension, its file type, a valid icon location and the open command were
  // all found. Reading never creates a key. OpenWith becomes the command up to
  // its argument (so a quoted path), and OpenWithMe goes off.
  bool ReadAssociation();

  // The file type's icon as read (never written; null when none). The
  // component owns it; setting copies the given icon, null clears it.
  HICON Icon() const { return icon_; }
  void SetIcon(HICON icon);

  int IconIndex() const { return iconIndex_; }
  void SetIconIndex(int index) { iconIndex_ = index; }
  const std::wstring& ExtDescription() const { return extDescription_; }
  void SetExtDescription(const std::wstring& name) { extDescription_ = name; }
  const std::wstring& FileDescription() const { return fileDescription_; }
  void SetFileDescription(const std::wstring& text) { fileDescription_ = text; }
  // With its dot, such as ".qrv"; no dot is added.
  const std::wstring& Extension() const { return extension_; }
  void SetExtension(const std::wstring& extension) { extension_ = extension; }
  // Ignored while OpenWithMe is on.
  const std::wstring& OpenWith() const { return openWith_; }
  void SetOpenWith(const std::wstring& path);
  bool OpenWithMe() const { return openWithMe_; }
  void SetOpenWithMe(bool on);
  const std::wstring& ParamString() const { return paramString_; }
  void SetParamString(const std::wstring& text) { paramString_ = text; }

 private:
  bool ReadIcon(HKEY fileType);

  HICON icon_ = nullptr;
  int iconIndex_ = 0;
  std::wstring extDescription_;
  std::wstring fileDescription_;
  std::wstring extension_;
  std::wstring openWith_ = L"[Self]";
  bool openWithMe_ = false;
  std::wstring paramString_;
  LONG writeError_ = ERROR_SUCCESS;
};

}  // namespace qrv
