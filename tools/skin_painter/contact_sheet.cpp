// Building the contact sheet; see contact_sheet.h.
#include "tools/skin_painter/contact_sheet.h"

#include <QPainter>

#include "tools/skin_painter/painter_kit.h"

namespace karvo::painter {

QImage ContactSheet::withTexts(QImage picture, const SkinLayout& layout, int first, int last) {
    QPainter p(&picture);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f = PainterKit::font(13);
    f.setFamilies({QStringLiteral("Roboto"), QStringLiteral("Noto Sans CJK SC")});
    p.setFont(f);
    p.setPen(Qt::white);
    for (int i = first; i <= last; ++i) {
        const SkinEntry& e = layout.entry(i);
        if (e.text.empty())
            continue;
        p.drawText(QRect(e.rect.x, e.rect.y, e.rect.width, e.rect.height), Qt::AlignCenter,
                   QString::fromStdString(e.text));
    }
    return picture;
}

QImage ContactSheet::build(const std::vector<QImage>& previews,
                           const std::vector<SkinWriter::Written>& pictures) {
    constexpr int kWidth = 2240;
    constexpr int kCell = 270;
    constexpr int kColumns = kWidth / kCell;
    const int previewRows = static_cast<int>((previews.size() + 1) / 2);
    const int cellRows = static_cast<int>((pictures.size() + kColumns - 1) / kColumns);
    QImage sheet(kWidth, 40 + previewRows * 720 + cellRows * (kCell + 10) + 20,
                 QImage::Format_RGB32);
    sheet.fill(QColor(0x25, 0x28, 0x2E));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setPen(Qt::white);
    p.setFont(PainterKit::font(18, QFont::Bold));
    p.drawText(QRect(20, 0, kWidth, 40), Qt::AlignVCenter,
               QStringLiteral("Karvo G7 Pro skin: %1 pictures").arg(pictures.size()));
    for (std::size_t i = 0; i < previews.size(); ++i) {
        const int x = 10 + static_cast<int>(i % 2) * 1115;
        const int y = 40 + static_cast<int>(i / 2) * 720;
        p.drawImage(QPoint(x, y), previews[i]);
    }
    p.setFont(PainterKit::font(11));
    const int top = 40 + previewRows * 720;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const int x = static_cast<int>(i % kColumns) * kCell + 8;
        const int y = top + static_cast<int>(i / kColumns) * (kCell + 10);
        const QImage& img = pictures[i].image;
        const QImage thumb =
            img.width() > kCell - 16 || img.height() > kCell - 36
                ? img.scaled(kCell - 16, kCell - 36, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                : img;
        p.fillRect(QRect(x, y, kCell - 16, kCell - 36), QColor(0x1A, 0x1C, 0x20));
        p.drawImage(
            QPoint(x + (kCell - 16 - thumb.width()) / 2, y + (kCell - 36 - thumb.height()) / 2),
            thumb);
        p.setPen(QColor(0xC8, 0xCC, 0xD4));
        p.drawText(
            QRect(x, y + kCell - 34, kCell - 16, 30), Qt::AlignHCenter | Qt::AlignTop,
            QStringLiteral("%1\n%2x%3").arg(pictures[i].name).arg(img.width()).arg(img.height()));
    }
    return sheet;
}

}  // namespace karvo::painter
