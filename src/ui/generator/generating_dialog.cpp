#include "ui/generator/generating_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include "core/game/game.h"

namespace quillby {

GeneratingDialog::GeneratingDialog(Game& game, int size, QWidget* parent)
    : QDialog(parent), game(game)
{
    setObjectName(QStringLiteral("GeneratingDialog"));
    setWindowTitle(QString());
    setModal(true);
    status = new QLabel(QStringLiteral("Generating Puzzle..."), this);
    status->setObjectName(QStringLiteral("status"));
    // Room for the longest text, so the box does not grow as the dots come.
    status->setMinimumWidth(
        status->fontMetrics().horizontalAdvance(QStringLiteral("Generating please wait ") +
                                                QStringLiteral(". ").repeated(8)) +
        8);
    cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, [this] { this->game.CancelGeneration(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(12);
    layout->addWidget(status);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    game.BeginGeneration(size);
    timer.setInterval(kTickMillis);
    connect(&timer, &QTimer::timeout, this, &GeneratingDialog::Tick);
    timer.start();
}

GeneratingDialog::~GeneratingDialog()
{
    // Torn down before the worker finished (the application quitting): the old puzzle comes
    // back rather than being left half replaced.
    if (game.Generating()) {
        game.CancelGeneration();
        while (!game.GenerationFinished()) {
            QThread::msleep(1);
        }
        (void)game.EndGeneration();
    }
}

QString GeneratingDialog::StatusText() const
{
    return status->text();
}

void GeneratingDialog::Tick()
{
    status->setText(QString::fromStdString(Game::NextGeneratingText(dotCount)));
    if (!game.GenerationFinished()) {
        return;
    }
    timer.stop();
    done(game.EndGeneration() ? kCreated : kNotCreated);
}

void GeneratingDialog::reject()
{
    game.CancelGeneration();
}

void GeneratingDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape reaches reject(); Enter must not close the box under a running worker.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void GeneratingDialog::closeEvent(QCloseEvent* event)
{
    game.CancelGeneration();
    event->ignore();
}

}  // namespace quillby
