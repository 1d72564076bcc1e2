#include "MainPicture.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

void fruit(QPainter& p, QPointF centre, double radius, const QColor& colour) {
    QRadialGradient shade(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    shade.setColorAt(0, colour.lighter(150));
    shade.setColorAt(1, colour.darker(130));
    p.setBrush(shade);
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(QColor(90, 60, 30), radius / 6));
    p.drawLine(centre - QPointF(0, radius * 0.9), centre - QPointF(-radius / 5, radius * 1.3));
}

class PictureIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->save();
        painter->translate(rect.topLeft());
        DrawMainPicture(*painter, rect.size());
        painter->restore();
    }
    QIconEngine* clone() const override { return new PictureIconEngine; }
};

} // namespace

QIcon MainPictureIcon() {
    return QIcon(new PictureIconEngine);
}

QPixmap MainPicture(QSize size) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    DrawMainPicture(p, size);
    return pixmap;
}

void DrawMainPicture(QPainter& p, QSizeF size) {
    const double w = size.width();
    const double h = size.height();
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(250, 244, 228));
    sky.setColorAt(1, QColor(226, 210, 178));
    p.fillRect(QRectF(QPointF(0, 0), size), sky);
    p.fillRect(QRectF(0, h * 0.78, w, h * 0.22), QColor(164, 120, 78));

    // A loaf and a bottle of milk stand behind the basket.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 150, 80));
    p.drawRoundedRect(QRectF(w * 0.08, h * 0.42, w * 0.38, h * 0.2), w * 0.08, w * 0.08);
    p.setBrush(QColor(245, 245, 240));
    p.drawRoundedRect(QRectF(w * 0.62, h * 0.28, w * 0.18, h * 0.36), w * 0.03, w * 0.03);
    p.setBrush(QColor(60, 120, 200));
    p.drawRect(QRectF(w * 0.62, h * 0.4, w * 0.18, h * 0.08));

    // Fruit heaped above the basket's rim.
    const double r = w * 0.09;
    fruit(p, {w * 0.3, h * 0.6}, r, QColor(200, 30, 30));
    fruit(p, {w * 0.48, h * 0.57}, r, QColor(240, 150, 20));
    fruit(p, {w * 0.66, h * 0.6}, r, QColor(110, 170, 40));
    fruit(p, {w * 0.4, h * 0.53}, r * 0.9, QColor(230, 200, 40));

    // The basket, with a woven band.
    QPainterPath basket;
    basket.moveTo(w * 0.12, h * 0.64);
    basket.lineTo(w * 0.88, h * 0.64);
    basket.lineTo(w * 0.78, h * 0.9);
    basket.lineTo(w * 0.22, h * 0.9);
    basket.closeSubpath();
    p.setBrush(QColor(176, 118, 52));
    p.setPen(QPen(QColor(110, 70, 30), 2));
    p.drawPath(basket);
    p.setPen(QPen(QColor(130, 84, 36), 2));
    for (double y = h * 0.69; y < h * 0.9; y += h * 0.05)
        p.drawLine(QPointF(w * 0.16, y), QPointF(w * 0.84, y));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(140, 90, 40), w * 0.025));
    p.drawArc(QRectF(w * 0.25, h * 0.3, w * 0.5, h * 0.7), 0, 180 * 16);
}
