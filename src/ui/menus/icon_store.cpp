#include "ui/menus/icon_store.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <algorithm>
#include <cmath>

#include "ui/app/toolbar_icons.h"
#include "ui/menus/menu_colours.h"

namespace quillby {

namespace {

using PixelMap = QRgb (*)(QRgb pixel, QRgb colour);

QRgb Faded(QRgb pixel, QRgb)
{
    return Lighten(QColor(pixel), 0.3).rgb();
}

QRgb Shadowed(QRgb, QRgb shadowCopy)
{
    return shadowCopy;
}

QRgb Disabled(QRgb pixel, QRgb shadow)
{
    const double brightness = (qRed(pixel) + qGreen(pixel) + qBlue(pixel)) / 3.0 / 255.0;
    return Lighten(QColor(shadow), brightness).rgb();
}

// Every pixel that is not background gets its new colour and keeps its opacity.
QImage Recoloured(const QImage& icon, PixelMap map, QRgb colour)
{
    QImage copy = icon.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < copy.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
        for (int x = 0; x < copy.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            if (alpha == 0) {
                continue;
            }
            const QRgb mapped = map(line[x], colour);
            line[x] = qRgba(qRed(mapped), qGreen(mapped), qBlue(mapped), alpha);
        }
    }
    return copy;
}

QImage AtScale(QImage image, int scale)
{
    image.setDevicePixelRatio(scale);
    return image;
}

}  // namespace

IconStore::IconStore(const QPalette& palette, bool xpTheme)
{
    shadow = palette.color(QPalette::Active, QPalette::Dark);
    shadowCopy = xpTheme ? shadow : Lighten(shadow, 0.49);
}

void IconStore::Add(CommandId id, const QIcon& image)
{
    std::array<Entry, kIconCopies> copies;
    for (Entry& entry : copies) {
        entry.id = id;
    }
    for (int s = 0; s < kScales; ++s) {
        const int scale = s + 1;
        const QSize full(kIconWidth * scale, kToolbarIconSize * scale);
        QImage icon = image.pixmap(full / scale, scale).toImage();
        if (icon.size() != full) {
            icon = icon.scaled(full, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        // The toolbar images are a row taller than a menu icon: the bottom row is left out.
        icon = icon.copy(0, 0, kIconWidth * scale, kIconHeight * scale)
                   .convertToFormat(QImage::Format_ARGB32);
        copies[0].scales[s] = AtScale(icon, scale);
        copies[1].scales[s] = AtScale(Recoloured(icon, Faded, 0), scale);
        copies[2].scales[s] = AtScale(Recoloured(icon, Shadowed, shadowCopy.rgb()), scale);
        copies[3].scales[s] = AtScale(Recoloured(icon, Disabled, shadow.rgb()), scale);
    }
    entries.insert(entries.end(), copies.begin(), copies.end());
}

void IconStore::AddToolbarImages()
{
    int image = 0;
    for (const CommandId id : ToolbarLayout()) {
        if (id != CommandId::None) {
            Add(id, ToolbarIcon(image++));
        }
    }
}

CommandId IconStore::CommandAt(int index) const
{
    if (index < 0 || index >= ImageCount()) {
        return CommandId::None;
    }
    return entries[static_cast<std::size_t>(index)].id;
}

int IconStore::IndexOf(CommandId id) const
{
    if (id == CommandId::None) {
        return -1;
    }
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [id](const Entry& entry) { return entry.id == id; });
    return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

QImage IconStore::Image(int index, qreal devicePixelRatio) const
{
    if (index < 0 || index >= ImageCount()) {
        return {};
    }
    // The smallest scale that is at least as dense as the screen; 3x beyond that.
    const double wanted = std::ceil(std::max(1.0, static_cast<double>(devicePixelRatio)) - 1e-6);
    const int scale = std::clamp(static_cast<int>(wanted), 1, kScales);
    return entries[static_cast<std::size_t>(index)].scales[static_cast<std::size_t>(scale - 1)];
}

QImage IconStore::Copy(CommandId id, IconCopy copy, qreal devicePixelRatio) const
{
    const int first = IndexOf(id);
    if (first < 0) {
        return {};
    }
    return Image(first + static_cast<int>(copy), devicePixelRatio);
}

const IconStore& SharedIconStore()
{
    static const IconStore store = [] {
        IconStore made(QApplication::palette(), XpThemeInEffect());
        made.AddToolbarImages();
        made.Add(CommandId::Pencil, PencilModeIcon());  // the modern toolbar's own button
        return made;
    }();
    return store;
}

}  // namespace quillby
