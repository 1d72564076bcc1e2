#pragma once

#include <QPixmap>

// The main window's picture: a basket of groceries, drawn rather than shipped as a file.
QPixmap MainPicture(QSize size);
