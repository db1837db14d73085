#pragma once

#include <QList>
#include <QWidget>

class QStackedWidget;

namespace orvik {

class TabButton;

// A tab control whose captions wrap into as many rows as its width needs,
// with no scroll arrows (QTabBar only scrolls). The row holding the selected
// tab moves next to the page, so the selected tab always joins its page.
// Keyboard: Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown and Ctrl+PageUp anywhere
// in its window; arrow keys, Home and End while the tabs have the focus, when
// the selected tab takes the accessibility focus, as QTabBar's does.
class TabControl : public QWidget {
    Q_OBJECT
public:
    explicit TabControl(QWidget* parent = nullptr);

    int addTab(QWidget* page, const QString& text);
    int count() const { return static_cast<int>(tabs_.size()); }
    int currentIndex() const { return current_; }
    void setCurrentIndex(int index);
    QString tabText(int index) const;
    QWidget* widget(int index) const;
    // The tab of page `index`. The tabs take no focus of their own: the
    // control is one stop in the focus chain, before its page.
    QWidget* tabButton(int index) const;
    // The index of `tab`, or -1 when it is none of this control's tabs.
    int indexOfTab(const QWidget* tab) const;
    int rowCount() const { return static_cast<int>(rows_.size()); }
    // The row (0 = top) in which tab `index` stands now.
    int rowOf(int index) const;
    // The widget that holds the pages and shows the selected one.
    QWidget* pages() const;

signals:
    void currentChanged(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void layoutTabs();
    void step(int delta, bool wrap);
    QRect frameRect() const;

    QList<TabButton*> tabs_;
    QList<QList<int>> rows_; // tab indexes, top row first
    QStackedWidget* stack_;
    int current_ = -1;
    int rowHeight_ = 0;
};

} // namespace orvik
