// The program's icon (window and tray): the logo's chevron on a dark rounded square, drawn at
// one size and scaled down by the system where it needs less.
#pragma once

#include <QImage>
#include <QString>

namespace karvo::painter {

QImage programIcon(int size);

// The same icon as an SVG document (a 64-unit square), for the desktop's scalable icon theme.
QString programIconSvg();

}  // namespace karvo::painter
