#include "ui/app/app_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace quillby {

namespace {

// 3 x 3 squares; true marks a block.
constexpr bool kBlocks[3][3] = {{false, false, true}, {false, true, false}, {true, false, false}};

void DrawGrid(QPainter& painter)
{
    const qreal side = 22;
    const QPointF origin(12, 16);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRectF box(origin.x() + col * side, origin.y() + row * side, side, side);
            painter.fillRect(box, kBlocks[row][col] ? QColor(30, 30, 30) : Qt::white);
        }
    }
    painter.setPen(QPen(QColor(30, 30, 30), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(origin, QSizeF(3 * side, 3 * side)));
    for (int i = 1; i < 3; ++i) {
        painter.drawLine(QPointF(origin.x() + i * side, origin.y()),
                         QPointF(origin.x() + i * side, origin.y() + 3 * side));
        painter.drawLine(QPointF(origin.x(), origin.y() + i * side),
                         QPointF(origin.x() + 3 * side, origin.y() + i * side));
    }
}

void DrawQuill(QPainter& painter)
{
    QPainterPath vane;
    vane.moveTo(90, 6);
    vane.cubicTo(70, 14, 52, 40, 46, 74);
    vane.cubicTo(62, 56, 84, 38, 90, 6);
    painter.setPen(QPen(QColor(90, 60, 20), 1.5));
    painter.setBrush(QColor(236, 196, 92));
    painter.drawPath(vane);
    painter.setPen(QPen(QColor(90, 60, 20), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(84, 16), QPointF(42, 88));
}

}  // namespace

QImage AppIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 96.0, size / 96.0);  // drawn on a 96 x 96 canvas
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(58, 96, 160));
    painter.drawRoundedRect(QRectF(2, 2, 92, 92), 16, 16);
    DrawGrid(painter);
    DrawQuill(painter);
    return image;
}

QIcon AppIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(QPixmap::fromImage(AppIconImage(size)));
    }
    return icon;
}

}  // namespace quillby
