#include "ui/print/print_pages.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "ui/view/grid_painter.h"

namespace quillby {

namespace {

// Fonts are hinted at small pixel sizes; measuring a large copy gives the widths the text has
// when it is scaled up for the paper.
constexpr int kMeasureScale = 16;

}  // namespace

double PrintTextWidthOf(const std::string& text)
{
    static const QFontMetricsF metrics = [] {
        QFont font = NumberFont();
        font.setPixelSize(font.pixelSize() * kMeasureScale);
        return QFontMetricsF(font);
    }();
    return metrics.horizontalAdvance(QString::fromStdString(text)) / kMeasureScale;
}

void PrintClueLists(QPainter& painter, const std::vector<PrintedLine>& lines)
{
    painter.setFont(NumberFont());
    painter.setPen(Qt::black);
    for (const PrintedLine& line : lines) {
        painter.drawText(QRectF(line.x, line.y, line.width, kPrintLineHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                         QString::fromStdString(line.text));
    }
}

void DrawPrintPage(QPainter& painter, const Game& game, const PrintSheet& sheet)
{
    if (sheet.grid) {
        // Shrunk about its top-left corner, so the margin stays the margin.
        painter.save();
        painter.translate(kPrintMargin, kPrintMargin);
        painter.scale(sheet.gridScale, sheet.gridScale);
        painter.translate(-kPrintMargin, -kPrintMargin);
        DrawGrid(painter, game, sheet.surface);
        painter.restore();
    }
    PrintClueLists(painter, sheet.lines);
}

bool PrintPages(const Game& game, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    // The painter's origin is the printable area's top left.
    const int deviceWidth = printer.width();
    const int deviceHeight = printer.height();
    const PrintPage page = PrintPageOf(deviceWidth, deviceHeight);
    const qreal scale = static_cast<qreal>(std::min(deviceWidth, deviceHeight)) / kPrintSquareUnits;
    const std::vector<PrintSheet> sheets = PrintSheetsOf(game, page, PrintTextWidthOf);
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        painter.scale(scale, scale);
        DrawPrintPage(painter, game, sheets[i]);
        painter.restore();
    }
    return painter.end();
}

}  // namespace quillby
