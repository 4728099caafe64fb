// The picture cache of the Qt back-end.
#include "platform/qt/picture_cache.h"

namespace karvo::qt {

const QImage* PictureCache::get(const std::string& path) {
    std::error_code ec;
    const auto time = std::filesystem::last_write_time(path, ec);
    if (ec) {
        entries_.erase(path);
        return nullptr;
    }
    const auto size = std::filesystem::file_size(path, ec);
    auto it = entries_.find(path);
    if (mode_ == Mode::KeepUntilChanged && it != entries_.end() && it->second.time == time &&
        it->second.size == size)
        return &it->second.image;

    QImage image(QString::fromStdString(path));
    if (image.isNull()) {
        entries_.erase(path);
        return nullptr;
    }
    Entry& e = entries_[path];
    e.time = time;
    e.size = size;
    e.image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                            : QImage::Format_RGB32);
    return &e.image;
}

}  // namespace karvo::qt
