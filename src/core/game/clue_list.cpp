#include "core/game/clue_list.h"

namespace quillby {

void ClueList::Clear()
{
    lines.clear();
    host.ClueLinesChanged();
}

int ClueList::AddLine(std::string text)
{
    lines.push_back(std::move(text));
    return LastLine();
}

void ClueList::SelectLine(int index)
{
    host.ClueLineSelected(index);
}

std::string ClueList::GetLineText(int index) const
{
    if (index < 0 || index > LastLine()) {
        return {};
    }
    return lines[static_cast<std::size_t>(index)];
}

}  // namespace quillby
