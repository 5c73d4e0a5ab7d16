// Runs a test inside a fresh empty folder (the game reads and writes files in the current
// directory), and goes back and removes it afterwards.
#pragma once

#include <filesystem>
#include <random>
#include <string>

class TempDir {
 public:
  TempDir() : old_(std::filesystem::current_path()) {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("mizuhane-test-" + std::to_string(rd()));
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::current_path(old_, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path old_;
  std::filesystem::path path_;
};
