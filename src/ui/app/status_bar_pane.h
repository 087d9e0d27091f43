#pragma once

#include <QFrame>
#include <QString>
#include <QStringList>

namespace quillby {

// One pane of the status bar: a sunken frame showing its text on up to a fixed number of
// lines, wrapped at spaces. Text that does not fit ends in an ellipsis, and pointing at the
// pane shows all of it.
class StatusBarPane : public QFrame {
public:
    // lines: how many lines of text the pane is tall. hintWidth: the width it asks for.
    StatusBarPane(int lines, int hintWidth, const QString& text, QWidget* parent);

    void SetText(const QString& text);
    const QString& Text() const { return text; }
    // The lines as they show at the pane's present width; the last ends in "…" when the
    // text runs on past the last line.
    QStringList ShownLines() const;
    // Whether the whole text shows.
    bool ShowsWholeText() const;
    // The width that shows the whole of text on one line, frame and margins included.
    int WidthFor(const QString& text) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int TextWidth() const;
    QStringList LayOut(bool& elided) const;
    void UpdateToolTip();

    QString text;
    int lines;
    int hintWidth;
};

}  // namespace quillby
