#include "support/scripted_host.h"

#include <gtest/gtest.h>

#include "core/game/game.h"
#include "support/deadline.h"

namespace quillby::testing {

Reply ScriptedHost::ShowMessage(const std::string& text, const std::string& caption,
                                Buttons buttons)
{
    messages.push_back({text, caption, buttons});
    if (whileShown) {
        whileShown(messages.back());
    }
    if (replies.empty()) {
        return buttons == Buttons::Ok ? Reply::Ok : Reply::Yes;
    }
    const Reply reply = replies.front();
    replies.pop_front();
    return reply;
}

std::optional<std::string> ScriptedHost::ChooseOpenPath()
{
    if (openPaths.empty()) {
        ADD_FAILURE() << "unexpected Open dialog";
        return std::nullopt;
    }
    auto path = openPaths.front();
    openPaths.pop_front();
    return path;
}

std::optional<std::string> ScriptedHost::ChooseSavePath()
{
    if (savePaths.empty()) {
        ADD_FAILURE() << "unexpected Save dialog";
        return std::nullopt;
    }
    auto path = savePaths.front();
    savePaths.pop_front();
    return path;
}

std::optional<std::string> ScriptedHost::ChooseExportPath()
{
    if (exportPaths.empty()) {
        ADD_FAILURE() << "unexpected Export dialog";
        return std::nullopt;
    }
    auto path = exportPaths.front();
    exportPaths.pop_front();
    return path;
}

void ScriptedHost::SetStatusText(StatusPane pane, const std::string& text)
{
    (pane == StatusPane::Prompt ? promptText : timeText) = text;
}

ClueEntry ScriptedHost::AskRunClue(int, const std::string& label, const ClueEntryCheck& check)
{
    clueDialogLabels.push_back(label);
    while (!clueTypings.empty()) {
        const std::optional<ClueTyping> typing = clueTypings.front();
        clueTypings.pop_front();
        if (!typing) {
            break;
        }
        const ClueEntryResult result = check(typing->question, typing->answer);
        if (result != ClueEntryResult::Stay) {
            return {result, typing->question, typing->answer};
        }
    }
    return {};
}

bool ScriptedHost::AskCreatorInstructions(bool instructionsOff)
{
    ++instructionsShown;
    if (instructionsChoices.empty()) {
        return instructionsOff;
    }
    const bool choice = instructionsChoices.front();
    instructionsChoices.pop_front();
    return choice;
}

std::vector<std::string> ScriptedHost::MessageTexts() const
{
    std::vector<std::string> texts;
    for (const Message& message : messages) {
        texts.push_back(message.text);
    }
    return texts;
}

std::optional<int> ScriptedHost::RunPuzzleSizeDialog(Game& game, int choice)
{
    sizeDialogsOpenedWith.push_back(choice);
    while (!sizePresses.empty()) {
        const std::optional<int> press = sizePresses.front();
        sizePresses.pop_front();
        if (!press || game.CreateMode()) {
            return press;
        }
        ++generations;
        game.BeginGeneration(Game::SizeOfChoice(*press));
        if (cancelGenerations) {
            game.CancelGeneration();
        }
        if (!WaitUntil([&] { return game.GenerationFinished(); })) {
            game.CancelGeneration();  // the game's destructor then stops and joins the worker
            return std::nullopt;
        }
        if (game.EndGeneration()) {
            return press;
        }
    }
    return std::nullopt;
}

}  // namespace quillby::testing
