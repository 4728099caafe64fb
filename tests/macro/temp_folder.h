// A fresh folder per test, removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace karvo::testing {

class TempFolder {
  public:
    TempFolder() {
        std::random_device rd;
        const auto base = std::filesystem::temp_directory_path();
        do {
            path_ = base / ("karvo-macro-" + std::to_string(rd()) + std::to_string(rd()));
        } while (!std::filesystem::create_directory(path_));
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

}  // namespace karvo::testing
