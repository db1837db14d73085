#include "app/tab_control.h"
#include "form1_rig.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A window holding a tab control of `count` tabs, each page with one field.
struct TabWindow : orvik::test::ApplicationReady {
    explicit TabWindow(int count, int width = 521)
    {
        window.resize(width + 20, 300);
        tabs = new orvik::TabControl(&window);
        tabs->setGeometry(10, 10, width, 265);
        for (int i = 0; i < count; ++i) {
            auto* page = new QWidget;
            auto* field = new QLineEdit(page);
            field->setObjectName(QStringLiteral("field%1").arg(i));
            tabs->addTab(page, QStringLiteral("Tab caption %1").arg(i));
        }
        window.show();
        window.activateWindow();
        active = QTest::qWaitForWindowActive(&window);
    }
    QLineEdit* field(int i) const { return tabs->widget(i)->findChild<QLineEdit*>(); }

    QWidget window;
    orvik::TabControl* tabs;
    bool active = false;
};

TEST(TabControl, KeysMoveBetweenTabs)
{
    struct Step {
        const char* what;
        int start;
        bool focusOnTabs; // else on the start page's field
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int expected;
    };
    const Step steps[] = {
        {"Ctrl+Tab from a page", 2, false, Qt::Key_Tab, Qt::ControlModifier, 3},
        {"Ctrl+Tab wraps", 8, false, Qt::Key_Tab, Qt::ControlModifier, 0},
        {"Ctrl+Shift+Tab from a page", 2, false, Qt::Key_Backtab,
         Qt::ControlModifier | Qt::ShiftModifier, 1},
        {"Ctrl+Shift+Tab wraps", 0, true, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier,
         8},
        {"Right on the tabs", 4, true, Qt::Key_Right, Qt::NoModifier, 5},
        {"Left on the tabs", 4, true, Qt::Key_Left, Qt::NoModifier, 3},
        {"Left stops at the first", 0, true, Qt::Key_Left, Qt::NoModifier, 0},
        {"End", 1, true, Qt::Key_End, Qt::NoModifier, 8},
        {"Home", 6, true, Qt::Key_Home, Qt::NoModifier, 0},
        {"Left inside a field stays", 4, false, Qt::Key_Left, Qt::NoModifier, 4},
    };
    TabWindow w(9);
    ASSERT_TRUE(w.active);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        w.tabs->setCurrentIndex(step.start);
        QWidget* target = step.focusOnTabs ? static_cast<QWidget*>(w.tabs) : w.field(step.start);
        target->setFocus();
        QTest::keyClick(target, step.key, step.modifiers);
        EXPECT_EQ(w.tabs->currentIndex(), step.expected);
        EXPECT_TRUE(w.tabs->widget(step.expected)->isVisible());
    }
}

TEST(TabControl, PressingATabSelectsItAndTakesTheFocus)
{
    TabWindow w(9);
    ASSERT_TRUE(w.active);
    w.field(0)->setFocus();
    QTest::mousePress(w.tabs->tabButton(6), Qt::LeftButton);
    EXPECT_EQ(w.tabs->currentIndex(), 6);
    EXPECT_EQ(QApplication::focusWidget(), w.tabs);
    QTest::mouseRelease(w.tabs->tabButton(6), Qt::LeftButton);
}

TEST(TabControl, RowsAsTheWidthNeeds)
{
    const std::pair<int, int> cases[] = {{2000, 1}, {521, 2}, {250, 5}};
    for (const auto& [width, minRows] : cases) {
        TabWindow w(9, width);
        EXPECT_GE(w.tabs->rowCount(), minRows) << width;
        if (width == 2000) {
            EXPECT_EQ(w.tabs->rowCount(), 1);
        }
        for (int i = 0; i < 9; ++i) {
            const QRect tab = w.tabs->tabButton(i)->geometry();
            EXPECT_TRUE(w.tabs->rect().contains(tab)) << width << " tab " << i;
            // Pages start below the last row.
            EXPECT_LE(tab.bottom(), w.tabs->widget(0)->parentWidget()->y()) << width;
        }
    }
}

TEST(TabControl, ScreenReadersSeeAListOfPageTabs)
{
    TabWindow w(3);
    w.tabs->setCurrentIndex(1);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(w.tabs);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::PageTabList);
    ASSERT_EQ(list->childCount(), 4); // the tabs, then the page they show
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface* tab = list->child(i);
        ASSERT_NE(tab, nullptr) << i;
        EXPECT_EQ(tab->role(), QAccessible::PageTab) << i;
        EXPECT_EQ(tab->text(QAccessible::Name), QStringLiteral("Tab caption %1").arg(i));
        EXPECT_EQ(tab->state().selected, i == 1) << i;
        EXPECT_EQ(tab->parent(), list) << i;
        EXPECT_EQ(list->indexOfChild(tab), i);
    }
    EXPECT_EQ(list->child(3)->object(), w.tabs->widget(1)->parentWidget());
    list->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(w.tabs->currentIndex(), 2);
    EXPECT_TRUE(list->child(2)->state().selected);
}

} // namespace
