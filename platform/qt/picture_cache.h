// Decoded skin pictures, kept between paints. A file that changes on disk (another time or
// size) is decoded again at its next use, so a replaced picture shows at the next repaint, as
// it would if every paint read the files.
#pragma once

#include <filesystem>
#include <string>
#include <unordered_map>

#include <QImage>

namespace karvo::qt {

class PictureCache {
  public:
    enum class Mode {
        KeepUntilChanged,  // the program's mode
        DecodeEveryPaint,  // decode on every use, for comparison in the benchmark
    };
    explicit PictureCache(Mode mode = Mode::KeepUntilChanged) : mode_(mode) {}

    // The picture at `path`, or null when it cannot be read. The pointer stays valid until the
    // next call for the same path.
    const QImage* get(const std::string& path);

  private:
    struct Entry {
        std::filesystem::file_time_type time{};
        std::uintmax_t size = 0;
        QImage image;
    };
    Mode mode_;
    std::unordered_map<std::string, Entry> entries_;
};

}  // namespace karvo::qt
