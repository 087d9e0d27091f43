#pragma once

#include <string>
#include <vector>

#include "core/platform/host.h"

namespace quillby {

// What the clue window shows of a line besides its text: the clue crossing the current one at
// the cursor, and a clue whose squares are all filled (greyed).
struct ClueLineLook {
    bool crossing = false;
    bool complete = false;
    bool operator==(const ClueLineLook&) const = default;
};

// The lines of the clue window, as the game builds them: section headers and clue lines in
// the clue window's markup. The window shows them; Host hears when they change and which one
// to highlight.
class ClueList {
public:
    explicit ClueList(Host& host) : host(host) {}

    // Removes every line and tells Host.
    void Clear();
    // Appends a line and returns its index, 0 for the first after Clear. Host is told once a
    // whole section is in (Game's section builders do that).
    int AddLine(std::string text);
    // Has the window highlight the line (and scroll to it).
    void SelectLine(int index);
    // Empty when there is no such line.
    std::string GetLineText(int index) const;

    const std::vector<std::string>& Lines() const { return lines; }
    // The index of the last line added; -1 when there is none.
    int LastLine() const { return static_cast<int>(lines.size()) - 1; }

private:
    Host& host;
    std::vector<std::string> lines;
};

}  // namespace quillby
