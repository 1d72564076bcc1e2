#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;

// The main window's picture: a basket of groceries, drawn rather than shipped as a file.
// The program's icons are drawn from it too.
QPixmap MainPicture(QSize size);

// Draws the picture over the rectangle (0, 0, size).
void DrawMainPicture(QPainter& p, QSizeF size);

// The program's icon: the picture, drawn at whatever size the desktop asks for when it asks,
// the same picture the installed icons were drawn from.
QIcon MainPictureIcon();
