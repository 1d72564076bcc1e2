#pragma once

#include <QPointer>
#include <QProxyStyle>

class QFocusFrame;

// The desktop's style with two changes:
// - the menu bar's overflow arrow is drawn rather than read from an image file: reading one
//   at start makes Qt load every image-format plugin just to learn the file's format,
//   though the program shows no such image before a window asks;
// - the control that has the focus wears a ring around it in a colour that stands out from
//   the window's background. The desktop's own mark of focus on a button is the tinted
//   outline it also gives a dialog's default button, and every window here is a dialog
//   with a default button, so a person could not tell where Tab had taken the focus.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

    void polish(QApplication* application) override;
    void unpolish(QApplication* application) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

private:
    void followFocus(QWidget* old, QWidget* now);

    QPointer<QFocusFrame> m_focusRing;
};
