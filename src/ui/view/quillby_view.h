#pragma once

#include <QImage>
#include <QWidget>

#include "core/game/game.h"

namespace quillby {

// The widget that shows the grid and turns the mouse and keys into game calls. It holds no
// rules: every decision is the Game's, and painting only reads the game state.
class CQuillbyView : public QWidget {
    Q_OBJECT

public:
    CQuillbyView(Game& game, QWidget* parent = nullptr);

    // The size that shows the current grid with its margins (an 11 x 11 grid before any).
    QSize sizeHint() const override;
    // Loads the pointer shown over the grid; the normal arrow when the file will not do.
    void LoadPointer(const std::string& path);
    bool HasOwnPointer() const { return hasOwnPointer; }
    // Paints so far; start-up measures the time to the first.
    int PaintCount() const { return paintCount; }

    // The whole view as it would be painted now, at the given device pixel ratio.
    QImage Render(qreal devicePixelRatio) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void RenderInto(QImage& target) const;

    Game& game;
    // The off-screen buffer: redrawn whole at every paint, remade only when the view's size
    // or device pixel ratio changes, so it always covers the view.
    QImage buffer;
    bool hasOwnPointer = false;
    int paintCount = 0;
};

}  // namespace quillby
