#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace corvalen {

// A scratch folder tree for file-reading tests, removed afterwards.
class TempTree {
 public:
  TempTree() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "corvalen-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
  }
  ~TempTree() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  const std::filesystem::path& root() const { return root_; }

  void Write(const std::string& relative, const std::string& content) const {
    const std::filesystem::path file = root_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
  }

  void Link(const std::string& relative, const std::string& target) const {
    const std::filesystem::path link = root_ / relative;
    std::filesystem::create_directories(link.parent_path());
    std::filesystem::create_directory_symlink(target, link);
  }

  void MakeDirectory(const std::string& relative) const {
    std::filesystem::create_directories(root_ / relative);
  }

 private:
  std::filesystem::path root_;
};

}  // namespace corvalen
