#include "ui/app/app_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace quillby {

namespace {

// The picture on a 96 x 96 canvas, described once for the painter and the SVG writer.
constexpr QRectF kBackground(2, 2, 92, 92);
constexpr qreal kCorner = 16;
const QColor kBackgroundColour(58, 96, 160);

// 3 x 3 squares; true marks a block.
constexpr bool kBlocks[3][3] = {{false, false, true}, {false, true, false}, {true, false, false}};
constexpr qreal kSide = 22;
constexpr QPointF kGridOrigin(12, 16);
const QColor kInk(30, 30, 30);
constexpr qreal kGridLine = 2;

// The vane: from the tip, two cubic curves out to the shaft's end and back.
constexpr QPointF kVane[7] = {{90, 6}, {70, 14}, {52, 40}, {46, 74}, {62, 56}, {84, 38}, {90, 6}};
const QColor kVaneColour(236, 196, 92);
const QColor kQuillEdge(90, 60, 20);
constexpr qreal kVaneEdge = 1.5;
constexpr QPointF kShaftFrom(84, 16);
constexpr QPointF kShaftTo(42, 88);
constexpr qreal kShaftWidth = 3;

QRectF SquareBox(int col, int row)
{
    return QRectF(kGridOrigin.x() + col * kSide, kGridOrigin.y() + row * kSide, kSide, kSide);
}

void DrawGrid(QPainter& painter)
{
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            painter.fillRect(SquareBox(col, row), kBlocks[row][col] ? kInk : Qt::white);
        }
    }
    painter.setPen(QPen(kInk, kGridLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(kGridOrigin, QSizeF(3 * kSide, 3 * kSide)));
    for (int i = 1; i < 3; ++i) {
        painter.drawLine(QPointF(kGridOrigin.x() + i * kSide, kGridOrigin.y()),
                         QPointF(kGridOrigin.x() + i * kSide, kGridOrigin.y() + 3 * kSide));
        painter.drawLine(QPointF(kGridOrigin.x(), kGridOrigin.y() + i * kSide),
                         QPointF(kGridOrigin.x() + 3 * kSide, kGridOrigin.y() + i * kSide));
    }
}

void DrawQuill(QPainter& painter)
{
    QPainterPath vane;
    vane.moveTo(kVane[0]);
    vane.cubicTo(kVane[1], kVane[2], kVane[3]);
    vane.cubicTo(kVane[4], kVane[5], kVane[6]);
    painter.setPen(QPen(kQuillEdge, kVaneEdge));
    painter.setBrush(kVaneColour);
    painter.drawPath(vane);
    painter.setPen(QPen(kQuillEdge, kShaftWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(kShaftFrom, kShaftTo);
}

QString Number(qreal value)
{
    return QString::number(value, 'g', 6);
}

QString Point(QPointF point)
{
    return Number(point.x()) + QLatin1Char(' ') + Number(point.y());
}

QString Line(QPointF from, QPointF to)
{
    return QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"/>")
        .arg(Number(from.x()), Number(from.y()), Number(to.x()), Number(to.y()));
}

QString SvgGrid()
{
    QString svg;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRectF box = SquareBox(col, row);
            svg += QStringLiteral(
                       "  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" "
                       "fill=\"%4\"/>\n")
                       .arg(Number(box.x()), Number(box.y()), Number(kSide),
                            kBlocks[row][col] ? kInk.name() : QStringLiteral("#ffffff"));
        }
    }
    const QPointF far = kGridOrigin + QPointF(3 * kSide, 3 * kSide);
    svg += QStringLiteral("  <g fill=\"none\" stroke=\"%1\" stroke-width=\"%2\">\n")
               .arg(kInk.name(), Number(kGridLine));
    svg += QStringLiteral("    <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\"/>\n")
               .arg(Number(kGridOrigin.x()), Number(kGridOrigin.y()), Number(3 * kSide));
    for (int i = 1; i < 3; ++i) {
        const qreal x = kGridOrigin.x() + i * kSide;
        const qreal y = kGridOrigin.y() + i * kSide;
        svg +=
            QStringLiteral("    ") + Line({x, kGridOrigin.y()}, {x, far.y()}) + QLatin1Char('\n');
        svg +=
            QStringLiteral("    ") + Line({kGridOrigin.x(), y}, {far.x(), y}) + QLatin1Char('\n');
    }
    return svg + QStringLiteral("  </g>\n");
}

QString SvgQuill()
{
    const QString vane =
        QStringLiteral("M %1 C %2 %3 %4 C %5 %6 %7 Z")
            .arg(Point(kVane[0]), Point(kVane[1]), Point(kVane[2]), Point(kVane[3]),
                 Point(kVane[4]), Point(kVane[5]), Point(kVane[6]));
    return QStringLiteral("  <path d=\"%1\" fill=\"%2\" stroke=\"%3\" stroke-width=\"%4\"/>\n")
               .arg(vane, kVaneColour.name(), kQuillEdge.name(), Number(kVaneEdge)) +
           QStringLiteral("  <g stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"round\">")
               .arg(kQuillEdge.name(), Number(kShaftWidth)) +
           Line(kShaftFrom, kShaftTo) + QStringLiteral("</g>\n");
}

}  // namespace

QImage AppIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 96.0, size / 96.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBackgroundColour);
    painter.drawRoundedRect(kBackground, kCorner, kCorner);
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

QByteArray AppIconSvg()
{
    QString svg = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"96\" height=\"96\" "
        "viewBox=\"0 0 96 96\">\n");
    svg += QStringLiteral(
               "  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
               "fill=\"%6\" stroke=\"none\"/>\n")
               .arg(Number(kBackground.x()), Number(kBackground.y()), Number(kBackground.width()),
                    Number(kBackground.height()), Number(kCorner), kBackgroundColour.name());
    svg += SvgGrid() + SvgQuill() + QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

}  // namespace quillby
