#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;
class QPushButton;

namespace quillby {

class Game;

// The modal box shown while a puzzle is generated. It starts the generation when it is
// created, animates its text every 80 ms and, once the worker has finished, has the game adopt
// the new puzzle or bring the old one back, then ends with kCreated or kNotCreated. Cancel,
// Escape and the close box only ask the worker to stop; the box never closes before it has.
class GeneratingDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kCreated = 1000;
    static constexpr int kNotCreated = -1;
    static constexpr int kTickMillis = 80;

    GeneratingDialog(Game& game, int size, QWidget* parent = nullptr);
    ~GeneratingDialog() override;

    QString StatusText() const;

    void reject() override;
    void accept() override {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Tick();

    Game& game;
    QLabel* status;
    QPushButton* cancel;
    QTimer timer;
    int dotCount = 0;
};

}  // namespace quillby
