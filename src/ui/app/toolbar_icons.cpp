#include "ui/app/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quillby {

namespace {

const QColor kInk(40, 40, 40);
const QColor kPaper(250, 250, 250);
const QColor kBlue(52, 101, 164);
const QColor kGreen(60, 140, 60);
const QColor kYellow(237, 190, 60);

void Page(QPainter& p)
{
    QPainterPath sheet;
    sheet.moveTo(3.5, 1.5);
    sheet.lineTo(9.5, 1.5);
    sheet.lineTo(12.5, 4.5);
    sheet.lineTo(12.5, 14.5);
    sheet.lineTo(3.5, 14.5);
    sheet.closeSubpath();
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawPath(sheet);
    p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 4.5));
    p.drawLine(QPointF(9.5, 4.5), QPointF(12.5, 4.5));
}

void Reset(QPainter& p)
{
    p.setPen(QPen(kBlue, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3, 3, 10, 10), 60 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({QPointF(9, 0.5), QPointF(13.5, 3.5), QPointF(9, 6.5)}));
}

void Folder(QPainter& p)
{
    p.setPen(kInk);
    p.setBrush(kYellow);
    p.drawPolygon(QPolygonF({QPointF(1.5, 3.5), QPointF(6, 3.5), QPointF(7.5, 5), QPointF(14.5, 5),
                             QPointF(14.5, 13.5), QPointF(1.5, 13.5)}));
    p.setBrush(kYellow.lighter(120));
    p.drawPolygon(QPolygonF(
        {QPointF(3.5, 7.5), QPointF(15.5, 7.5), QPointF(14.5, 13.5), QPointF(1.5, 13.5)}));
}

void Disk(QPainter& p)
{
    p.setPen(kInk);
    p.setBrush(kBlue);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(3.5, 9.5, 9, 5));
}

void Printer(QPainter& p)
{
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(1.5, 6.5, 13, 6));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.fillRect(QRectF(12, 8, 1.5, 1.5), kGreen);
}

void Grid3(QPainter& p, bool letters)
{
    p.setPen(kInk);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRectF box(1.5 + col * 4.5, 1.5 + row * 4.5, 4.5, 4.5);
            const bool block = (row + col) % 4 == 1;
            p.setBrush(block ? kInk : (letters ? QColor(217, 227, 240) : kPaper));
            p.drawRect(box);
        }
    }
}

void Solve(QPainter& p)
{
    Grid3(p, true);
    p.setPen(QPen(kYellow.darker(130), 1.5));
    p.drawLine(QPointF(9, 15), QPointF(15, 9));
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow);
    p.drawEllipse(QPointF(14.5, 9.5), 1.6, 1.6);
}

void Hint(QPainter& p)
{
    p.setPen(kInk);
    p.setBrush(kYellow);
    p.drawEllipse(QRectF(3.5, 1.5, 9, 9));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(5.5, 10.5, 5, 4));
    p.drawLine(QPointF(5.5, 12.5), QPointF(10.5, 12.5));
}

void Check(QPainter& p)
{
    Grid3(p, false);
    p.setPen(QPen(kGreen, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(5, 9), QPointF(8, 13), QPointF(15, 3)}));
}

void Pause(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRect(QRectF(3.5, 2.5, 3.5, 11));
    p.drawRect(QRectF(9, 2.5, 3.5, 11));
}

void Resume(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({QPointF(4, 2), QPointF(13.5, 8), QPointF(4, 14)}));
}

void ClueList(QPainter& p)
{
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.fillRect(QRectF(3, 3.5, 6, 1.5), QColor(200, 40, 40));
    for (int i = 0; i < 4; ++i) {
        p.fillRect(QRectF(3, 6.5 + 2 * i, i % 2 == 0 ? 10 : 8, 1), kInk);
    }
}

void Pencil(QPainter& p)
{
    p.setPen(kInk);
    p.setBrush(kYellow);
    p.drawPolygon(QPolygonF({QPointF(11, 1.5), QPointF(14.5, 5), QPointF(5, 14.5),
                             QPointF(1.5, 14.5), QPointF(1.5, 11)}));
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF({QPointF(1.5, 11), QPointF(5, 14.5), QPointF(1.5, 14.5)}));
}

// A square with a grey, tentative letter and a grey pencil leaning on it.
void PencilMode(QPainter& p)
{
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 3.5, 10, 10));
    const QColor grey(130, 130, 130);
    p.setPen(QPen(grey, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(3.5, 11.5), QPointF(6.5, 5.5), QPointF(9.5, 11.5)}));
    p.drawLine(QPointF(4.8, 9.2), QPointF(8.2, 9.2));
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(QColor(190, 190, 190));
    p.drawPolygon(QPolygonF(
        {QPointF(13, 0.5), QPointF(15.5, 3), QPointF(10, 8.5), QPointF(7.5, 9), QPointF(8, 6.5)}));
}

using Drawing = void (*)(QPainter&);
constexpr Drawing kDrawings[kToolbarIconCount] = {Page, Reset, Folder, Disk,   Printer,  Solve,
                                                  Hint, Check, Pause,  Resume, ClueList, Pencil};

QPixmap DrawIcon(Drawing drawing, int scale)
{
    QPixmap pixmap(kToolbarIconSize * scale, kToolbarIconSize * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawing(painter);
    return pixmap;
}

QIcon IconOf(Drawing drawing)
{
    QIcon icon;
    for (int scale : {1, 2, 3}) {
        icon.addPixmap(DrawIcon(drawing, scale));
    }
    return icon;
}

}  // namespace

QIcon ToolbarIcon(int index)
{
    if (index < 0 || index >= kToolbarIconCount) {
        return {};
    }
    return IconOf(kDrawings[index]);
}

QIcon PencilModeIcon()
{
    return IconOf(PencilMode);
}

}  // namespace quillby
