// A folder for a copy of the bar, so that what a test's bar saves stays apart.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace e2e {

// A program folder of a test's own in the temporary folder, with blanks in its
// name, so that what the bar saves stays there; removed with all it holds.
class ProgramFolder {
 public:
  ProgramFolder();
  ~ProgramFolder();
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;
  const std::filesystem::path& Path() const { return folder_; }
  // Copies the bar and the factory keyword file in, and writes the keyword
  // file when given; the copy's path.
  std::wstring CopyProgram(const std::string* keywordFile);
  void Write(const std::filesystem::path& name, const std::string& bytes) const;
  // The records of a keyword file of the folder in plain text, as the bar reads them.
  std::vector<std::string> Records(const char* fileName) const;

 private:
  std::filesystem::path folder_;
};

}  // namespace e2e
