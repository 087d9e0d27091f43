#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QRadioButton;
class QPushButton;

namespace quillby {

class Game;

// "Create a puzzle": the choice between "Quick 9 x 9", "Original 11 x 11" and the fully checked
// "American 13 x 13" and "American 15 x 15" (greyed where Game::OffersSize says no: in Create
// mode, or without their data); the picture shows the chosen kind. In play mode
// "Create..." runs the generating dialog and the box ends with kCreated only once a puzzle was
// made; otherwise it stays open to choose again. In Create mode "Create..." ends it at once.
// Cancel, Escape, Enter and the close box end it without a puzzle.
class PuzzleSizeDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kCreated = 1000;
    static constexpr int kCancelled = -1;

    PuzzleSizeDialog(Game& game, int choice, QWidget* parent = nullptr);

    // The radio group: 0 "Quick 9 x 9", 1 "Original 11 x 11", 2 "American 13 x 13",
    // 3 "American 15 x 15", -1 none.
    int Choice() const;

    void reject() override { done(kCancelled); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Create();
    void ShowPicture();

    Game& game;
    QRadioButton* quick;
    QRadioButton* original;
    QRadioButton* american13;
    QRadioButton* american15;
    QLabel* picture;
};

// Runs the dialog modally; the confirmed choice, or nullopt when it ended without one.
std::optional<int> RunPuzzleSizeDialog(Game& game, int choice, QWidget* parent);

}  // namespace quillby
