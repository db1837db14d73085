#include "app/settings_pages.h"

#include "app/group_box.h"
#include "app/page_decorations.h"
#include "app/setting_bindings.h"
#include "app/window_text.h"
#include "settings/catalogue.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <functional>
#include <optional>

namespace orvik {

namespace {

int tabIndex(Tab tab)
{
    return static_cast<int>(tab);
}

// A label whose size follows its text; it places itself anew when the window
// settles on a narrower font.
class PlacedLabel : public QLabel {
public:
    using Placer = std::function<QRect(const QLabel&)>;
    PlacedLabel(const QString& text, QWidget* parent, Placer placer)
        : QLabel(text, parent), placer_(std::move(placer))
    {}
    void place() { setGeometry(placer_(*this)); }

protected:
    void changeEvent(QEvent* event) override
    {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            place();
    }

private:
    Placer placer_;
};

// The place of `d`'s widget; width or height 0 take the content's own.
QRect decorationPlace(const Decoration& d, const QWidget& w)
{
    const int width = d.rect.width() ? d.rect.width() : w.sizeHint().width();
    const int naturalHeight =
        w.hasHeightForWidth() ? w.heightForWidth(width) : w.sizeHint().height();
    return {d.rect.left(), d.rect.top(), width, d.rect.height() ? d.rect.height() : naturalHeight};
}

QWidget* createDecoration(const Decoration& d, QWidget* parent)
{
    QWidget* w = nullptr;
    switch (d.kind) {
    case DecorationKind::GroupBox:
        w = makeGroupBox(windowText(d.text), parent);
        break;
    case DecorationKind::Heading:
    case DecorationKind::RowLabel:
    case DecorationKind::Note: {
        auto* label = new PlacedLabel(windowText(d.text), parent,
                                      [d](const QLabel& l) { return decorationPlace(d, l); });
        if (d.kind == DecorationKind::Note) {
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
        w = label;
        break;
    }
    case DecorationKind::Button:
        w = new QPushButton(windowText(d.text), parent);
        break;
    }
    w->setObjectName(d.objectName);
    w->setGeometry(decorationPlace(d, *w));
    return w;
}

// A setting's label stands left of its field, on the field's row.
void addLabel(const SettingLayout& layout, QWidget* control)
{
    const std::optional<int> fixedLeft = layout.place.labelLeft;
    auto* label = new PlacedLabel(windowText(layout.label, layout.labelDisambiguation),
                                  control->parentWidget(), [control, fixedLeft](const QLabel& l) {
                                      const int width = l.sizeHint().width();
                                      const int left = fixedLeft.value_or(std::max(
                                          kLabelMinLeft, control->x() - kLabelGap - width));
                                      return QRect(left, control->y(), width, control->height());
                                  });
    label->setBuddy(control);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->place();
}

} // namespace

SettingsPages buildSettingsPages(SettingBindings& bindings, QWidget* owner)
{
    SettingsPages result;
    for (QWidget*& page : result.pages) {
        page = new QWidget(owner);
        page->hide();
    }

    QHash<QString, QWidget*> groups;                   // by caption; captions differ across tabs
    std::vector<std::pair<int, QPushButton*>> buttons; // with their page
    for (const Decoration& d : pageDecorations()) {
        QWidget* parent = d.group.isEmpty() ? result.pages[tabIndex(d.tab)] : groups.value(d.group);
        QWidget* w = createDecoration(d, parent);
        if (d.kind == DecorationKind::GroupBox)
            groups.insert(d.text, w);
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            buttons.emplace_back(tabIndex(d.tab), button);
            result.buttons.insert(d.objectName, button);
        }
    }

    for (const SettingDef& def : catalogue()) {
        const SettingLayout& layout = settingLayout(def.id);
        QWidget* parent = layout.place.group.isEmpty() ? result.pages[tabIndex(layout.tab)]
                                                       : groups.value(layout.place.group);
        QWidget* control = bindings.createControl(def, layout, parent);
        if (def.kind != Kind::Check && !layout.label.isEmpty())
            addLabel(layout, control);
        result.focusOrder[tabIndex(layout.tab)].push_back(control);
    }

    // A page's buttons come after its settings in the focus order.
    for (const auto& [page, button] : buttons)
        result.focusOrder[page].push_back(button);
    return result;
}

} // namespace orvik
