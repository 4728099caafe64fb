// Saving pictures; see skin_writer.h.
#include "tools/skin_painter/skin_writer.h"

#include <QDir>
#include <QFileInfo>

namespace karvo::painter {

bool SkinWriter::save(const QString& name, const QImage& image) {
    const QString path = folder_ + QLatin1Char('/') + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    const bool jpeg = name.endsWith(QLatin1String(".jpg"));
    const QImage out = jpeg ? image.convertToFormat(QImage::Format_RGB32) : image;
    const bool ok = out.save(path, jpeg ? "JPG" : "PNG", jpeg ? 94 : -1);
    written_.push_back({name, out});
    return ok;
}

}  // namespace karvo::painter
