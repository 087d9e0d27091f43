#include "ui/view/quillby_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/common/file_io.h"
#include "core/storage/cursor_file.h"
#include "ui/view/grid_painter.h"

namespace quillby {

CQuillbyView::CQuillbyView(Game& game, QWidget* parent) : QWidget(parent), game(game)
{
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is painted from the buffer: Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize CQuillbyView::sizeHint() const
{
    const int width = game.crossword.width > 0 ? game.crossword.width : 11;
    const int height = game.crossword.height > 0 ? game.crossword.height : 11;
    return GridViewSize(width, height);
}

void CQuillbyView::LoadPointer(const std::string& path)
{
    const auto bytes = ReadWholeFile(path);
    const auto hotspot =
        bytes ? ReadCursorHotspot(bytes.Value()) : Result<CursorHotspot>::Failure(bytes.Error());
    QImage image;
    if (hotspot) {
        const auto& data = bytes.Value();
        image.loadFromData(reinterpret_cast<const uchar*>(data.data()),
                           static_cast<int>(data.size()), "CUR");
    }
    hasOwnPointer = hotspot && !image.isNull();
    if (hasOwnPointer) {
        setCursor(QCursor(QPixmap::fromImage(image), hotspot->x, hotspot->y));
    } else {
        unsetCursor();  // without a usable file the normal arrow beats an invisible pointer
    }
}

void CQuillbyView::RenderInto(QImage& target) const
{
    QPainter painter(&target);
    DrawBackground(painter, size());
    DrawGrid(painter, game, Surface::Screen);
}

QImage CQuillbyView::Render(qreal devicePixelRatio) const
{
    QImage image(size() * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    RenderInto(image);
    return image;
}

void CQuillbyView::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (buffer.size() != pixels || buffer.devicePixelRatio() != ratio) {
        buffer = QImage(pixels, QImage::Format_RGB32);
        buffer.setDevicePixelRatio(ratio);
    }
    RenderInto(buffer);
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), buffer);
}

void CQuillbyView::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
}

void CQuillbyView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QWidget::mouseDoubleClickEvent(event);
}

void CQuillbyView::keyPressEvent(QKeyEvent* event)
{
    QWidget::keyPressEvent(event);
}

}  // namespace quillby
