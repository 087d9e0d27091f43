#include "ui/app/instructions_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillby {

namespace {

constexpr const char* kFirstText =
    "Select a run by clicking on a square with your left mouse button, click again if you wish "
    "to select a vertical run.\n\nTyping will fill your run with letters, pressing delete will "
    "empty your run.";
constexpr const char* kSecondText =
    "If you get stuck you can always use hint or the solve board feature. You can save and load "
    "your puzzle at anytime. \n\nTo create your own crossword, simply press the \"crossword "
    "creator\" menu item found under options.";

// The heading picture, 185 x 39, drawn rather than shipped.
QPixmap HeadingPicture(qreal ratio)
{
    QPixmap picture(QSize(185, 39) * ratio);
    picture.setDevicePixelRatio(ratio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(0, 0, 185, 0);
    shade.setColorAt(0, QColor(40, 60, 110));
    shade.setColorAt(1, QColor(120, 150, 200));
    painter.fillRect(QRect(0, 0, 185, 39), shade);
    for (int i = 0; i < 4; ++i) {  // a strip of crossword squares on the left
        const QRect box(8 + i * 12, 13, 12, 12);
        painter.fillRect(box, i == 2 ? Qt::black : Qt::white);
        painter.setPen(Qt::black);
        painter.drawRect(box);
    }
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(18);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(62, 0, 120, 39), Qt::AlignVCenter | Qt::AlignLeft,
                     QStringLiteral("How to play"));
    return picture;
}

QLabel* CentredText(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

InstructionsDialog::InstructionsDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Instructions"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* heading = new QLabel(this);
    heading->setPixmap(HeadingPicture(devicePixelRatioF()));
    heading->setAlignment(Qt::AlignCenter);

    auto* group = new QGroupBox(QStringLiteral("Instructions"), this);
    auto* texts = new QVBoxLayout(group);
    texts->addWidget(CentredText(kFirstText, group));
    texts->addSpacing(8);
    texts->addWidget(CentredText(kSecondText, group));

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { done(kOkResult); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(group);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setFixedWidth(260);
}

}  // namespace quillby
