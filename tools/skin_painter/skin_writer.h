// Writes the generated pictures into the skin folder and remembers each one for the contact
// sheet. JPEG for the pictures the program reads as JPEG, PNG where it needs alpha.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace karvo::painter {

class SkinWriter {
  public:
    explicit SkinWriter(QString skinFolder) : folder_(std::move(skinFolder)) {}

    // `name` is relative to the skin folder ("MacMenu/MacG_over.jpg", "1_INI_EN/zhi.png").
    // False when the file cannot be written.
    bool save(const QString& name, const QImage& image);

    struct Written {
        QString name;
        QImage image;
    };
    const std::vector<Written>& written() const { return written_; }

  private:
    QString folder_;
    std::vector<Written> written_;
};

}  // namespace karvo::painter
