// The program's icon (window and tray): the logo's chevron on a dark rounded square, drawn at
// one size and scaled down by the system where it needs less.
#pragma once

#include <QImage>

namespace karvo::painter {

QImage programIcon(int size);

}  // namespace karvo::painter
