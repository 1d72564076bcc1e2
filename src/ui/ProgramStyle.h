#pragma once

#include <QProxyStyle>

// The desktop's style, except that the menu bar's overflow arrow is drawn rather than read
// from an image file: reading one at start makes Qt load every image-format plugin just to
// learn the file's format, though the program shows no such image before a window asks.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
