#pragma once

#include <QColor>
#include <QImage>
#include <array>
#include <vector>

#include "core/game/commands.h"

class QIcon;
class QPalette;

namespace quillby {

// The four copies kept of every menu icon, in this order.
enum class IconCopy { Icon = 0, Faded = 1, Shadow = 2, Disabled = 3 };
inline constexpr int kIconCopies = 4;

// The menus' icons: the toolbar's images with a faded, a shadow and a disabled copy of each.
// Every copy is held at 1x, 2x and 3x so icons stay sharp on high-density screens. Images, not
// pixmaps: the shared store may outlive the application object. Entry k of
// the table is one copy; the four copies of an image are consecutive and carry its command.
class IconStore {
public:
    static constexpr int kIconWidth = 16;
    static constexpr int kIconHeight = 15;

    // The copies are made with the palette's 3-D shadow colour. Transparent pixels are the
    // background and stay transparent in every copy; the others keep their opacity, so smooth
    // edges stay smooth on any fill.
    explicit IconStore(const QPalette& palette, bool xpTheme = false);

    // One image for a command: its top 16 x 15 pixels at each scale become the four copies.
    void Add(CommandId id, const QIcon& image);
    // Every toolbar button with a command, in toolbar order.
    void AddToolbarImages();

    int ImageCount() const { return static_cast<int>(entries.size()); }
    CommandId CommandAt(int index) const;
    // The first entry of the command, or -1 when it has no toolbar image (then its menu item
    // has no icon).
    int IndexOf(CommandId id) const;
    bool HasIcon(CommandId id) const { return IndexOf(id) >= 0; }
    // The image of entry `index` for a device pixel ratio: 16 x 15 device-independent pixels,
    // from the sharpest scale held. Null for an index outside the table.
    QImage Image(int index, qreal devicePixelRatio) const;
    // The copy of a command's icon, or a null image when the command has none.
    QImage Copy(CommandId id, IconCopy copy, qreal devicePixelRatio) const;

private:
    static constexpr int kScales = 3;
    struct Entry {
        CommandId id;
        std::array<QImage, kScales> scales;  // 1x, 2x, 3x
    };

    QColor shadow;      // the 3-D shadow colour, which the disabled copy lightens
    QColor shadowCopy;  // the colour of the shadow copy
    std::vector<Entry> entries;
};

// The store shared by every owner-drawn menu: the toolbar's images with copies made from the
// application palette when first asked for.
const IconStore& SharedIconStore();

}  // namespace quillby
