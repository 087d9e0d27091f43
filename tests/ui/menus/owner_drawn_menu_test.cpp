#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <map>

#include "desktop_palettes.h"
#include "ui/menus/icon_store.h"
#include "ui/menus/menu_colours.h"
#include "ui/menus/menu_item_painter.h"
#include "ui/menus/owner_drawn_menu.h"

namespace quillby {
namespace {

// The dark desktop with its button and window texts in the same light grey as the rest.
QPalette DarkDesktop()
{
    QPalette palette = testing::DarkPalette();
    palette.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    palette.setColor(QPalette::WindowText, QColor(230, 230, 230));
    return palette;
}

// Where the looks a test draws are kept to be looked at.
void SaveRender(const QImage& image, const QString& name)
{
    QDir().mkpath(QStringLiteral("renders"));
    image.save(QStringLiteral("renders/") + name);
}

// A menu bar made from the command table as the main frame makes it, with the look installed.
class OwnerDrawnMenus : public ::testing::Test {
protected:
    QWidget window;
    QMenuBar* bar = nullptr;
    std::map<CommandId, QAction*> actions;
    std::vector<QMenu*> menus;

    void SetUp() override
    {
        bar = new QMenuBar(&window);
        for (const CommandInfo& info : AllCommands()) {
            auto* action = new QAction(QString::fromUtf8(info.text), &window);
            action->setData(static_cast<int>(info.id));
            action->setShortcut(QKeySequence(QString::fromUtf8(info.shortcut)));
            actions[info.id] = action;
        }
        for (const MenuInfo& info : Menus()) {
            QMenu* menu = bar->addMenu(QString::fromUtf8(info.title));
            for (const CommandId id : info.items) {
                if (id == CommandId::None) {
                    menu->addSeparator();
                } else {
                    menu->addAction(actions[id]);
                }
            }
            menus.push_back(menu);
        }
        InstallOwnerDrawnMenus(bar);
    }
    void TearDown() override
    {
        for (QMenu* menu : menus) {
            menu->hide();
        }
    }

    QMenu* File() { return menus[0]; }
    QMenu* Options() { return menus[1]; }
    QMenu* Scheme() { return menus[3]; }
    QMenu* Help() { return menus[4]; }
    QAction* Act(CommandId id) { return actions[id]; }

    QImage Show(QMenu* menu)
    {
        menu->popup(QPoint(40, 40));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(menu));
        return menu->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    MenuColours Colours(QMenu* menu) { return MenuColoursFrom(menu->palette(), false); }
    static QRect IconRect(const QRect& item)
    {
        return {item.left() + 4, item.top() + (item.height() - 15 + 1) / 2, 16, 15};
    }
    // Pixels in the rectangle that are not the colour.
    static int Differing(const QImage& image, const QRect& rect, const QColor& colour)
    {
        int count = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                count += image.pixelColor(x, y) != colour ? 1 : 0;
            }
        }
        return count;
    }
};

TEST_F(OwnerDrawnMenus, InstallingCoversTheBarsPopupsAndOnesAddedLater)
{
    for (QMenu* menu : menus) {
        EXPECT_TRUE(IsOwnerDrawnMenu(menu));
    }
    EXPECT_FALSE(bar->isNativeMenuBar());
    QMenu* later = bar->addMenu(QStringLiteral("&Later"));
    EXPECT_TRUE(IsOwnerDrawnMenu(later));
    QMenu loose;
    EXPECT_FALSE(IsOwnerDrawnMenu(&loose));
}

TEST_F(OwnerDrawnMenus, OpenTitleOnTheBarGetsTheHighlightFillAndFrame)
{
    window.resize(420, 40);
    bar->setGeometry(0, 0, 420, bar->sizeHint().height());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    bar->setActiveAction(Options()->menuAction());
    const QImage image = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    SaveRender(image, QStringLiteral("menu_bar.png"));
    const MenuColours colours = MenuColoursFrom(bar->palette(), false);
    const QRect open = bar->actionGeometry(Options()->menuAction());
    EXPECT_EQ(image.pixelColor(open.topLeft()), colours.highlightFrame);
    EXPECT_EQ(image.pixelColor(open.left() + 1, open.top() + 1), colours.highlightFill);
    const QRect closed = bar->actionGeometry(File()->menuAction());
    EXPECT_EQ(image.pixelColor(closed.topLeft()), colours.barBackground);
}

TEST_F(OwnerDrawnMenus, ItemsAreAsHighAsTheMenuBarAndWideEnoughForLabelAndShortcut)
{
    const int height = std::max(bar->sizeHint().height(), 22);
    const QFontMetrics metrics = Help()->fontMetrics();
    // Help has no shortcuts: 16 + text + 7 + 8, the text ending 16 pixels short of the edge.
    const QRect howToPlay = Help()->actionGeometry(Act(CommandId::HowToPlay));
    EXPECT_EQ(howToPlay.height(), height);
    EXPECT_EQ(howToPlay.width(),
              16 + metrics.horizontalAdvance(QStringLiteral("How to play")) + 16 + 7 + 8);
    EXPECT_EQ(howToPlay.left(), 1);  // just inside the one-pixel frame

    // File: the widest label with its gap before the shortcuts, plus the widest shortcut.
    int widest = 0;
    int widestShortcut = 0;
    for (const CommandId id : Menus()[0].items) {
        if (id != CommandId::None) {
            const CommandInfo* info = FindCommand(id);
            const bool shortcut = info->shortcut[0] != '\0';
            const QString label = WithoutMnemonic(QString::fromUtf8(info->text));
            widest =
                std::max(widest, 31 + metrics.horizontalAdvance(label) + 16 + (shortcut ? 16 : 0));
            widestShortcut = std::max(widestShortcut,
                                      metrics.horizontalAdvance(QString::fromUtf8(info->shortcut)));
        }
    }
    const QList<QAction*> items = File()->actions();
    EXPECT_EQ(File()->actionGeometry(items[0]).width(), widest + widestShortcut);
    EXPECT_EQ(File()->actionGeometry(items[2]).height(), 3);  // the separator
    EXPECT_EQ(File()->actionGeometry(items[2]).width(), widest + widestShortcut);
    // Its items, its separators, a frame of 1 and a margin of 2 above and below.
    const auto separators = static_cast<int>(
        std::count(Menus()[0].items.begin(), Menus()[0].items.end(), CommandId::None));
    const int itemCount = static_cast<int>(Menus()[0].items.size()) - separators;
    EXPECT_EQ(File()->sizeHint().height(), itemCount * height + separators * 3 + 2 * (1 + 2));
}

TEST_F(OwnerDrawnMenus, FileMenuShowsTheToolbarIconsOnTheToolbarCommandsOnly)
{
    const QImage image = Show(File());
    SaveRender(image, QStringLiteral("file_menu.png"));
    const QColor column = Colours(File()).iconColumn;
    const std::map<CommandId, bool> expected = {
        {CommandId::NewPuzzle, true},     {CommandId::ResetPuzzle, true},
        {CommandId::OpenPuzzle, true},    {CommandId::SavePuzzle, true},
        {CommandId::SavePuzzleAs, false}, {CommandId::Print, true},
        {CommandId::PrintSetup, false},   {CommandId::Exit, false}};
    for (const auto& [id, hasIcon] : expected) {
        const QRect item = File()->actionGeometry(Act(id));
        EXPECT_EQ(Differing(image, IconRect(item), column) > 20, hasIcon) << FindCommand(id)->text;
        // Not highlighted: the icon column and the item background around the label.
        EXPECT_EQ(image.pixelColor(item.left() + 1, item.top() + 1), column);
        EXPECT_EQ(image.pixelColor(item.right() - 2, item.top() + 1),
                  Colours(File()).itemBackground);
    }
}

TEST_F(OwnerDrawnMenus, HighlightedItemIsFilledAndFramedWithItsIconRaised)
{
    Show(File());
    File()->setActiveAction(Act(CommandId::OpenPuzzle));
    const QImage image = File()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    SaveRender(image, QStringLiteral("file_menu_highlighted.png"));
    const MenuColours colours = Colours(File());
    const QRect item = File()->actionGeometry(Act(CommandId::OpenPuzzle));
    EXPECT_EQ(image.pixelColor(item.topLeft()), colours.highlightFrame);
    EXPECT_EQ(image.pixelColor(item.bottomRight()), colours.highlightFrame);
    EXPECT_EQ(image.pixelColor(item.left() + 1, item.top() + 1), colours.highlightFill);
    EXPECT_EQ(image.pixelColor(item.right() - 1, item.bottom() - 1), colours.highlightFill);

    // The raised icon: the image one pixel up-left, its shadow one pixel down-right, so the
    // bottom-right corner of the icon cell shows shadow where the faded icon had nothing.
    const QRect at = IconRect(item);
    const QImage icon = SharedIconStore().Copy(CommandId::OpenPuzzle, IconCopy::Icon, 1.0);
    int matches = 0;
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 16; ++x) {
            const QRgb source = icon.pixel(x, y);
            if (qAlpha(source) == 255 && (x > 1 || y > 1)) {
                matches +=
                    image.pixel(at.left() - 1 + x, at.top() - 1 + y) == (source | 0xff000000u);
            }
        }
    }
    EXPECT_GT(matches, 40);
    EXPECT_GT(Differing(image, at.translated(1, 1), colours.highlightFill), 40);
}

TEST_F(OwnerDrawnMenus, DisabledItemIsNeverHighlighted)
{
    Act(CommandId::ResetPuzzle)->setEnabled(false);
    Show(File());
    File()->setActiveAction(Act(CommandId::ResetPuzzle));
    EXPECT_EQ(File()->activeAction(), nullptr);
    const MenuColours colours = Colours(File());
    const QRect reset = File()->actionGeometry(Act(CommandId::ResetPuzzle));
    const QImage shown = File()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixelColor(reset.left() + 1, reset.top() + 1), colours.iconColumn);

    // Painted as highlighted all the same, it keeps the plain look with greyed text and the
    // disabled copy of its icon.
    QImage image(200, 22, QImage::Format_RGB32);
    QPainter painter(&image);
    MenuItemLook look;
    look.rect = image.rect();
    look.text = QStringLiteral("R&eset Puzzle");
    look.command = CommandId::ResetPuzzle;
    look.highlighted = true;
    look.enabled = false;
    PaintMenuItem(painter, look, colours, SharedIconStore());
    painter.end();
    EXPECT_EQ(image.pixelColor(0, 0), colours.iconColumn);
    EXPECT_EQ(image.pixelColor(199, 0), colours.itemBackground);
    const QRect label(31, 0, 100, 22);
    EXPECT_GT(Differing(image, label, colours.itemBackground), 0);
    EXPECT_EQ(Differing(image, label, colours.text), label.width() * label.height());
    const QImage icon = SharedIconStore().Copy(CommandId::ResetPuzzle, IconCopy::Disabled, 1.0);
    const QRect at = IconRect(look.rect);
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (qAlpha(icon.pixel(x, y)) == 255) {
                EXPECT_EQ(image.pixel(at.left() + x, at.top() + y), icon.pixel(x, y));
            }
        }
    }
}

TEST_F(OwnerDrawnMenus, CheckedItemsShowAFramedIconCellOrACheckMark)
{
    QAction* creator = Act(CommandId::CrosswordCreator);
    creator->setCheckable(true);
    creator->setChecked(true);
    const QImage image = Show(Options());
    SaveRender(image, QStringLiteral("options_menu.png"));
    const MenuColours colours = Colours(Options());
    const QRect item = Options()->actionGeometry(creator);
    EXPECT_EQ(image.pixelColor(item.left(), item.top()), colours.iconColumn);
    EXPECT_EQ(image.pixelColor(item.left() + 1, item.top() + 1), colours.highlightFrame);
    EXPECT_EQ(image.pixelColor(item.left() + 21, item.bottom() - 1), colours.highlightFrame);
    EXPECT_EQ(image.pixelColor(item.left() + 2, item.top() + 2), colours.checkedCell);

    Options()->setActiveAction(creator);
    const QImage lit = Options()->grab().toImage();
    SaveRender(lit, QStringLiteral("options_menu_checked_highlighted.png"));
    EXPECT_EQ(lit.pixelColor(item.left() + 2, item.top() + 2), colours.checkedCellHighlighted);
    Options()->hide();

    // Without an icon the column holds a check mark in the text colour.
    QAction* rose = Act(CommandId::SchemeRose);
    rose->setCheckable(true);
    rose->setChecked(true);
    const QImage scheme = Show(Scheme());
    SaveRender(scheme, QStringLiteral("scheme_menu_checked.png"));
    const QRect roseItem = Scheme()->actionGeometry(rose);
    const QRect column(roseItem.left(), roseItem.top(), 23, roseItem.height());
    EXPECT_GT(Differing(scheme, column, colours.iconColumn), 10);
    const QRect oliveItem = Scheme()->actionGeometry(Act(CommandId::SchemeOliveGreen));
    EXPECT_EQ(Differing(scheme, QRect(oliveItem.left(), oliveItem.top(), 23, oliveItem.height()),
                        colours.iconColumn),
              0);
}

TEST_F(OwnerDrawnMenus, MnemonicIndexFindsTheFirstAmpersandLetterIgnoringCase)
{
    const QStringList options = {QStringLiteral("&Solve Puzzle"), QStringLiteral("Check &Puzzle"),
                                 QString(), QStringLiteral("&Hint"),
                                 QStringLiteral("Show &Clue window")};
    EXPECT_EQ(MnemonicIndex(options, QLatin1Char('p')), 1);
    EXPECT_EQ(MnemonicIndex(options, QLatin1Char('P')), 1);
    EXPECT_EQ(MnemonicIndex(options, QLatin1Char('s')), 0);
    EXPECT_EQ(MnemonicIndex(options, QLatin1Char('z')), -1);
    EXPECT_EQ(MnemonicIndex({QStringLiteral("&Sa"), QStringLiteral("&Sb")}, QLatin1Char('s')), 0);
    // "&&" shows an ampersand: it is no mnemonic.
    EXPECT_EQ(MnemonicIndex({QStringLiteral("Salt && &Pepper")}, QLatin1Char('p')), 0);
    EXPECT_EQ(MnemonicIndex({QStringLiteral("Salt &&Pepper")}, QLatin1Char('p')), -1);
    EXPECT_EQ(MnemonicIndex({QStringLiteral("Trailing &")}, QLatin1Char('&')), -1);
}

TEST_F(OwnerDrawnMenus, TypingPInTheOptionsMenuRunsCheckPuzzle)
{
    QSignalSpy check(Act(CommandId::CheckPuzzle), &QAction::triggered);
    QSignalSpy solve(Act(CommandId::SolvePuzzle), &QAction::triggered);
    Show(Options());
    QTest::keyClick(Options(), Qt::Key_P);
    EXPECT_EQ(check.count(), 1);
    EXPECT_EQ(solve.count(), 0);
    EXPECT_FALSE(Options()->isVisible());

    Show(Options());
    QTest::keyClick(Options(), Qt::Key_P, Qt::ShiftModifier);
    EXPECT_EQ(check.count(), 2);
}

TEST_F(OwnerDrawnMenus, AnUnmatchedOrDisabledLetterLeavesTheMenuOpen)
{
    QSignalSpy anyTriggered(Options(), &QMenu::triggered);
    Show(Options());
    QTest::keyClick(Options(), Qt::Key_Z);
    QTest::keyClick(Options(), Qt::Key_7);
    EXPECT_TRUE(Options()->isVisible());
    Act(CommandId::Hint)->setEnabled(false);
    QTest::keyClick(Options(), Qt::Key_H);
    EXPECT_TRUE(Options()->isVisible());
    EXPECT_EQ(anyTriggered.count(), 0);
    // Keys other than letters still work as in any menu.
    QTest::keyClick(Options(), Qt::Key_Escape);
    EXPECT_FALSE(Options()->isVisible());
}

TEST_F(OwnerDrawnMenus, DarkDesktopDrawsDarkFillsWithReadableText)
{
    for (QMenu* menu : menus) {
        menu->setPalette(DarkDesktop());
    }
    Act(CommandId::ResetPuzzle)->setEnabled(false);
    Show(File());
    File()->setActiveAction(Act(CommandId::OpenPuzzle));
    const QImage image = File()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    SaveRender(image, QStringLiteral("file_menu_dark.png"));
    const MenuColours colours = Colours(File());
    const QRect open = File()->actionGeometry(Act(CommandId::OpenPuzzle));
    EXPECT_EQ(image.pixelColor(open.left() + 1, open.top() + 1), colours.highlightFill);
    EXPECT_LT(colours.highlightFill.lightness(), 100);
    EXPECT_GE(ContrastRatio(colours.highlightedText, colours.highlightFill), 4.5);
    const QRect exit = File()->actionGeometry(Act(CommandId::Exit));
    EXPECT_EQ(image.pixelColor(exit.right() - 2, exit.top() + 1), colours.itemBackground);
    EXPECT_LT(colours.itemBackground.lightness(), 60);
    // The label is drawn in the readable text colour.
    EXPECT_LT(Differing(image, exit.adjusted(31, 0, 0, 0), colours.text),
              exit.adjusted(31, 0, 0, 0).width() * exit.height());
    File()->hide();
    const QImage options = Show(Options());
    SaveRender(options, QStringLiteral("options_menu_dark.png"));
}

TEST_F(OwnerDrawnMenus, AtDevicePixelRatioTwoIconsAndLinesStaySharp)
{
    Show(File());
    File()->setActiveAction(Act(CommandId::SavePuzzle));
    QImage image(File()->size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2.0);
    File()->render(&image);
    SaveRender(image, QStringLiteral("file_menu_dpr2.png"));

    const MenuColours colours = Colours(File());
    // The highlight frame is exactly two device pixels of the frame colour, then the fill.
    const QRect save = File()->actionGeometry(Act(CommandId::SavePuzzle));
    const int x = 2 * (save.left() + 40);
    const int top = 2 * save.top();
    EXPECT_EQ(image.pixelColor(x, top), colours.highlightFrame);
    EXPECT_EQ(image.pixelColor(x, top + 1), colours.highlightFrame);
    EXPECT_EQ(image.pixelColor(x, top + 2), colours.highlightFill);
    const int bottom = 2 * (save.bottom() + 1) - 1;
    EXPECT_EQ(image.pixelColor(x, bottom), colours.highlightFrame);
    EXPECT_EQ(image.pixelColor(x, bottom - 1), colours.highlightFrame);
    EXPECT_EQ(image.pixelColor(x, bottom - 2), colours.highlightFill);

    // The faded New Puzzle icon is the 2x copy pixel for pixel where it is opaque.
    const QRect at = IconRect(File()->actionGeometry(Act(CommandId::NewPuzzle)));
    const QImage faded = SharedIconStore().Copy(CommandId::NewPuzzle, IconCopy::Faded, 2.0);
    ASSERT_EQ(faded.size(), QSize(32, 30));
    int opaque = 0;
    int same = 0;
    for (int y = 0; y < 30; ++y) {
        for (int dx = 0; dx < 32; ++dx) {
            if (qAlpha(faded.pixel(dx, y)) == 255) {
                ++opaque;
                same += image.pixel(2 * at.left() + dx, 2 * at.top() + y) ==
                        (faded.pixel(dx, y) | 0xff000000u);
            }
        }
    }
    EXPECT_GT(opaque, 100);
    EXPECT_EQ(same, opaque);
}

}  // namespace
}  // namespace quillby
