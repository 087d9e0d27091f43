#include "ui/cluewindow/html_list_ctrl.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace quillby {
namespace {

struct Note {
    int code;
    int item;
    std::string text;
    int selectedDuringSend;
    bool operator==(const Note&) const = default;
};

// A shown list of the clue window's size that records every notification.
class HTMLListCtrlTest : public ::testing::Test {
protected:
    HTMLListCtrl list{nullptr, 123};
    std::vector<Note> notes;

    void SetUp() override
    {
        list.resize(208, 330);
        list.show();
        list.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
        QObject::connect(&list, &HTMLListCtrl::Notify,
                         [this](int code, int item, const QString& text) {
                             notes.push_back({code, item, text.toStdString(), list.Selected()});
                         });
    }
    void AddLines(int count)
    {
        for (int i = 0; i < count; ++i) {
            list.AddItem(std::to_string(i + 1) + ") Clue number " + std::to_string(i) + " [5]");
        }
    }
    int LineHeight() const { return QFontMetrics(list.ListFont()).height(); }
    int Limit() const { return list.verticalScrollBar()->maximum(); }
    QPoint Inside(int index) const { return list.GetItemRect(index).center(); }
};

TEST_F(HTMLListCtrlTest, ItemsAreTheirTextHeightPlusTenAndRemeasuredOnResize)
{
    const int lh = LineHeight();
    EXPECT_EQ(list.AddItem("1) Organ that pumps blood [5]"), 0);
    EXPECT_EQ(list.AddItem("<font color=#ff0000><b>-- Across Clues -- <b>"), 1);
    const int wrapped = list.AddItem(
        "2) A clue long enough that it cannot possibly fit on one line of the list [9]");
    EXPECT_EQ(list.ItemHeight(0), lh + 10);
    EXPECT_EQ(list.ItemHeight(1), lh + 10);
    const int wrappedHeight = list.ItemHeight(wrapped);
    EXPECT_GE(wrappedHeight, 2 * lh + 10);
    EXPECT_EQ((wrappedHeight - 10) % lh, 0);
    EXPECT_EQ(list.TotalHeight(), 2 * (lh + 10) + wrappedHeight);

    list.resize(120, 330);
    QCoreApplication::processEvents();
    EXPECT_GT(list.ItemHeight(wrapped), wrappedHeight);
    EXPECT_EQ(list.TotalHeight(),
              list.ItemHeight(0) + list.ItemHeight(1) + list.ItemHeight(wrapped));
    EXPECT_EQ(list.GetItemText(1), "<font color=#ff0000><b>-- Across Clues -- <b>");
    EXPECT_EQ(list.GetItemText(3), "");
}

TEST_F(HTMLListCtrlTest, SelectItemScrollsToTwentyPerItemLessFifteen)
{
    AddLines(40);
    ASSERT_GT(Limit(), 400);
    list.SelectItem(10);
    EXPECT_EQ(list.Selected(), 10);
    EXPECT_EQ(list.ScrollPosition(), 185);
    list.SelectItem(0);
    EXPECT_EQ(list.ScrollPosition(), 0);  // clamped from -15
    list.SelectItem(39);
    EXPECT_EQ(list.ScrollPosition(), std::min(Limit(), 765));
    list.SelectItem(1000);
    EXPECT_EQ(list.ScrollPosition(), Limit());
    EXPECT_EQ(Limit(), list.TotalHeight() - list.viewport()->height() + 1);

    // Emptying keeps the selection and the range until items come again.
    const int limit = Limit();
    list.DeleteAllItems();
    EXPECT_EQ(list.ItemCount(), 0);
    EXPECT_EQ(list.TotalHeight(), 0);
    EXPECT_EQ(list.Selected(), 1000);
    EXPECT_EQ(Limit(), limit);
}

TEST_F(HTMLListCtrlTest, UpAndDownMoveTheSelectionAndReportIt)
{
    AddLines(30);
    QTest::keyClick(&list, Qt::Key_Up);  // nothing selected: the first
    EXPECT_EQ(list.Selected(), 0);
    QTest::keyClick(&list, Qt::Key_Up);  // at the first: stays, but reports again
    EXPECT_EQ(list.Selected(), 0);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.Selected(), 1);
    EXPECT_EQ(notes, (std::vector<Note>{{HLN_SELECT, 0, "1) Clue number 0 [5]", 0},
                                        {HLN_SELECT, 0, "1) Clue number 0 [5]", 0},
                                        {HLN_SELECT, 1, "2) Clue number 1 [5]", 1}}));

    list.SelectItem(-1);
    QTest::keyClick(&list, Qt::Key_Down);  // nothing selected: the last, scrolled into view
    EXPECT_EQ(list.Selected(), 29);
    EXPECT_EQ(list.ScrollPosition(), list.TotalHeight() - list.viewport()->height());
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.Selected(), 29);
    EXPECT_EQ(notes.back().item, 29);

    // Up to an item above the view scrolls it to the top.
    list.SelectItem(5);
    list.verticalScrollBar()->setValue(Limit());
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(list.ScrollPosition(), 4 * list.ItemHeight(0));
}

TEST_F(HTMLListCtrlTest, ClicksSelectAndReportBeforeTheSelectionChanges)
{
    AddLines(3);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, Inside(1));
    EXPECT_EQ(list.Selected(), 1);
    EXPECT_TRUE(list.hasFocus());
    EXPECT_EQ(notes, (std::vector<Note>{{HLN_LBUTTONDOWN, -1, "", -1},
                                        {HLN_SELECT, 1, "2) Clue number 1 [5]", -1}}));

    // Below the last item: the selection goes, and the parent hears -1.
    notes.clear();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(50, list.TotalHeight() + 20));
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_EQ(notes, (std::vector<Note>{{HLN_LBUTTONDOWN, -1, "", 1}, {HLN_SELECT, -1, "", -1}}));

    notes.clear();
    QTest::mouseClick(list.viewport(), Qt::RightButton, {}, Inside(0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, Inside(2));   // a double click's
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, Inside(2));  // first press
    EXPECT_EQ(list.Selected(), 2);
    ASSERT_FALSE(notes.empty());
    EXPECT_EQ(notes.front().code, HLN_RBUTTONDOWN);
    EXPECT_EQ(notes.back(), (Note{HLN_DBLCLK, -1, "", 2}));
}

TEST_F(HTMLListCtrlTest, ArrowsAndPagesScrollFiftyAndTheWheelForty)
{
    AddLines(40);
    QScrollBar* bar = list.verticalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(list.ScrollPosition(), 50);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(list.ScrollPosition(), 100);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(list.ScrollPosition(), 0);

    const auto wheel = [&](int delta) {
        QWheelEvent event(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(list.viewport(), &event);
    };
    wheel(-120);
    EXPECT_EQ(list.ScrollPosition(), 40);
    wheel(-60);  // half a notch waits for the other half
    EXPECT_EQ(list.ScrollPosition(), 40);
    wheel(-60);
    EXPECT_EQ(list.ScrollPosition(), 80);
    wheel(240);
    EXPECT_EQ(list.ScrollPosition(), 0);

    bar->setValue(Limit() - 10);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(list.ScrollPosition(), Limit());
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(list.ScrollPosition(), Limit());
}

TEST_F(HTMLListCtrlTest, TheSelectedItemIsFilledWithTheSelectionColour)
{
    AddLines(5);
    list.SelectItem(2);
    const QImage image = list.viewport()->grab().toImage();
    const QRect selected = list.GetItemRect(2);
    EXPECT_EQ(image.pixelColor(selected.right() - 3, selected.top() + 2),
              HTMLListCtrl::kSelectionColour);
    const QRect other = list.GetItemRect(3);
    EXPECT_EQ(image.pixelColor(other.right() - 3, other.top() + 2), QColor(Qt::white));
}

}  // namespace
}  // namespace quillby
