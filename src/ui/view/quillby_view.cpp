#include "ui/view/quillby_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/common/file_io.h"
#include "core/storage/cursor_file.h"
#include "ui/view/grid_painter.h"

namespace quillby {

namespace {

// The game's key codes: letters whatever the Shift and Caps Lock states. A letter with Ctrl,
// Alt or Meta is a shortcut attempt, not typing.
int GameKey(const QKeyEvent& event)
{
    const int key = event.key();
    const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const bool plain = (event.modifiers() & chords) == 0;
    if (key >= Qt::Key_A && key <= Qt::Key_Z && plain) {
        return 'A' + (key - Qt::Key_A);
    }
    switch (plain ? key : 0) {
        case Qt::Key_Left:
            return kKeyLeft;
        case Qt::Key_Right:
            return kKeyRight;
        case Qt::Key_Up:
            return kKeyUp;
        case Qt::Key_Down:
            return kKeyDown;
        case Qt::Key_Home:
            return kKeyHome;
        case Qt::Key_End:
            return kKeyEnd;
        case Qt::Key_Tab:
            return (event.modifiers() & Qt::ShiftModifier) != 0 ? kKeyBackTab : kKeyTab;
        case Qt::Key_Backtab:
            return kKeyBackTab;
        default:
            break;
    }
    switch (key) {
        case Qt::Key_Backspace:
            return kKeyBackspace;
        case Qt::Key_Delete:
            return kKeyDelete;
        case Qt::Key_Escape:
            return kKeyEscape;
        case Qt::Key_Space:
            return kKeySpace;
        default:
            return kKeyOther;
    }
}

}  // namespace

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
    return GridViewSize(width, height, game.Geometry());
}

void CQuillbyView::LoadPointer(const std::string& path)
{
    const auto bytes = ReadWholeFile(path, kMaxCursorFileBytes);
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
    ++paintCount;
}

void CQuillbyView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        game.LeftClick(at.x(), at.y());
    } else if (event->button() == Qt::RightButton) {
        game.RightClick(at.x(), at.y());
    }
    update();
    QWidget::mousePressEvent(event);
}

void CQuillbyView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Qt sends this event instead of the second press of a double click: it counts as a
    // click, so a double click on a crossing switches the direction like two single clicks.
    mousePressEvent(event);
}

bool CQuillbyView::focusNextPrevChild(bool next)
{
    // The Modern keyboard's Tab goes to the next clue, not to the next widget.
    if (game.Prefs().keyboard == KeyboardStyle::Modern && !game.CreateMode()) {
        return false;
    }
    return QWidget::focusNextPrevChild(next);
}

void CQuillbyView::keyPressEvent(QKeyEvent* event)
{
    game.KeyDown(GameKey(*event));
    update();
    event->accept();
}

}  // namespace quillby
