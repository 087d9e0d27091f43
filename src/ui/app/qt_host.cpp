#include "ui/app/qt_host.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

#include "core/common/file_io.h"
#include "core/storage/sound_file.h"
#include "ui/app/main_frame.h"
#include "ui/view/quillby_view.h"

#include "ui/app/puzzle_info_dialog.h"
#include "ui/creator/clue_entry_dialog.h"
#include "ui/creator/creator_instructions_dialog.h"
#include "ui/generator/puzzle_size_dialog.h"

namespace quillby {

namespace {

// One filter a format, in the order the dialogs list them.
struct FormatFilter {
    PuzzleFormat format;
    const char* filter;
    const char* suffix;
};
constexpr FormatFilter kFormatFilters[] = {
    {PuzzleFormat::Crs, "Crossword files (*.crs)", "crs"},
    {PuzzleFormat::Puz, "Across Lite files (*.puz)", "puz"},
    {PuzzleFormat::Ipuz, "ipuz files (*.ipuz)", "ipuz"},
};
const QString kAllCrosswords = QStringLiteral("All crosswords (*.crs *.puz *.ipuz)");

QStringList FiltersOf(std::span<const FormatFilter> formats)
{
    QStringList filters;
    for (const FormatFilter& format : formats) {
        filters << QString::fromUtf8(format.filter);
    }
    return filters;
}

// A save dialog offering formats, the first one selected: the format of a name typed without
// an extension is the selected filter's.
std::optional<std::string> ChooseSaveName(QWidget* parent, const QString& title,
                                          std::span<const FormatFilter> formats,
                                          PuzzleFormat selected)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(FiltersOf(formats));
    for (const FormatFilter& format : formats) {
        if (format.format == selected) {
            dialog.selectNameFilter(QString::fromUtf8(format.filter));
            dialog.setDefaultSuffix(QString::fromUtf8(format.suffix));
        }
    }
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        for (const FormatFilter& format : formats) {
            if (filter == QString::fromUtf8(format.filter)) {
                dialog.setDefaultSuffix(QString::fromUtf8(format.suffix));
            }
        }
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

// Widgets may only be touched on the thread that made them; a call from elsewhere (the
// generator's worker asking for a repaint or a resize) is queued to that thread instead.
template <typename Work>
void OnUiThread(QObject* owner, Work work)
{
    if (QThread::currentThread() == owner->thread()) {
        work();
    } else {
        QMetaObject::invokeMethod(owner, std::move(work), Qt::QueuedConnection);
    }
}

}  // namespace

Reply QtHost::ShowMessage(const std::string& text, const std::string& caption, Buttons buttons)
{
    // Over an open modal dialog (the clue dialog's checks) the box belongs to that dialog.
    QWidget* modal = QApplication::activeModalWidget();
    QMessageBox box(modal != nullptr ? modal : window.data());
    box.setText(QString::fromStdString(text));
    box.setWindowTitle(QString::fromStdString(caption));
    switch (buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Reply::Yes;
        case QMessageBox::No:
            return Reply::No;
        case QMessageBox::Cancel:
            return Reply::Cancel;
        default:
            // The close box of a Yes/No/Cancel box counts as Cancel.
            return buttons == Buttons::Ok ? Reply::Ok : Reply::Cancel;
    }
}

std::optional<std::string> QtHost::ChooseOpenPath()
{
    const QString filters = (QStringList{kAllCrosswords} + FiltersOf(kFormatFilters)).join(";;");
    const QString path =
        QFileDialog::getOpenFileName(window, QStringLiteral("Open a puzzle"), QString(), filters);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path.toStdString();
}

std::optional<std::string> QtHost::ChooseSavePath()
{
    const PuzzleFormat selected =
        frame != nullptr ? frame->GameState().SuggestedSaveFormat() : PuzzleFormat::Crs;
    return ChooseSaveName(window, QStringLiteral("Save your puzzle"), kFormatFilters, selected);
}

std::optional<std::string> QtHost::ChooseExportPath()
{
    return ChooseSaveName(window, QStringLiteral("Export puzzle"),
                          std::span(kFormatFilters).subspan(1), PuzzleFormat::Puz);
}

void QtHost::ShowPuzzleInfo(const PuzzleInfo& info)
{
    PuzzleInfoDialog(info, window).exec();
}

ClueEntry QtHost::AskRunClue(int, const std::string& label, const ClueEntryCheck& check)
{
    ClueEntryDialog dialog(QString::fromStdString(label), check, window);
    dialog.exec();
    return dialog.Entry();
}

bool QtHost::AskCreatorInstructions(bool instructionsOff)
{
    CreatorInstructionsDialog dialog(instructionsOff, window);
    dialog.exec();
    return dialog.InstructionsOff();
}

QtHost::QtHost(QWidget* window) : window(window)
{
}

QtHost::~QtHost()
{
    // Qt 6.4 waits for its sample loader when an effect is let go; one still loading at the
    // end is left to the process's end rather than risk a hang on the way out.
    if (sound && sound->status() == QSoundEffect::Loading) {
        (void)sound.release();
    }
}

namespace {

// Only a whole PCM wave file of a sensible size goes to Qt's player, which waits for ever
// for the rest of a file that ends early and takes the next sound down with it.
bool PlayableWave(const std::string& path)
{
    const auto bytes = ReadWholeFile(path, kMaxSoundFileBytes);
    return bytes && ReadWaveFormat(bytes.Value()).Ok();
}

}  // namespace

void QtHost::PlaySound(const std::string& path)
{
    const QUrl source = QUrl::fromLocalFile(QString::fromStdString(path));
    if (!sound || sound->source() != source) {
        if (!PlayableWave(path)) {
            return;  // nothing to play: the hint itself goes on, silently
        }
        if (!sound) {
            sound = std::make_unique<QSoundEffect>();
        }
        sound->setSource(source);
    }
    // QSoundEffect decodes and plays off this thread; a play asked for while it is still
    // loading starts once the file is in, and without an audio device it stays silent.
    sound->play();
}

void QtHost::SetFrame(CMainFrame* newFrame)
{
    frame = newFrame;
    window = newFrame;
}

void QtHost::Repaint(bool)
{
    // The view is redrawn whole from its buffer, so erasing first would change nothing.
    if (frame) {
        OnUiThread(frame, [target = frame] {
            target->View().update();
            target->RefreshClueMarks();
        });
    } else if (window) {
        window->update();
    }
}

void QtHost::SetTitle(const std::string& title)
{
    if (window) {
        OnUiThread(window, [target = window, text = QString::fromStdString(title)] {
            if (target) {
                target->setWindowTitle(text);
            }
        });
    }
}

void QtHost::SetStatusText(StatusPane pane, const std::string& text)
{
    if (frame) {
        OnUiThread(frame, [target = frame, pane, text = QString::fromStdString(text)] {
            target->SetPaneText(pane, text);
        });
    }
}

void QtHost::FitFrameToGrid(int width, int height)
{
    if (frame) {
        OnUiThread(frame,
                   [target = frame, width, height] { target->FitFrameToGrid(width, height); });
    }
}

void QtHost::Minimise()
{
    if (frame) {
        frame->MinimiseAll();
    } else if (window) {
        window->showMinimized();
    }
}

std::optional<int> QtHost::RunPuzzleSizeDialog(Game& game, int choice)
{
    QWidget* parent = frame != nullptr ? static_cast<QWidget*>(frame) : window.data();
    return quillby::RunPuzzleSizeDialog(game, choice, parent);
}

void QtHost::PlaceClueWindow(bool shown)
{
    if (frame) {
        OnUiThread(frame, [target = frame, shown] { target->PlaceClueWindow(shown); });
    }
}

void QtHost::ClueLinesChanged()
{
    if (frame) {
        OnUiThread(frame, [target = frame] { target->ClueLinesChanged(); });
    }
}

void QtHost::ClueLineSelected(int index)
{
    if (frame) {
        OnUiThread(frame, [target = frame, index] { target->ClueLineSelected(index); });
    }
}

}  // namespace quillby
