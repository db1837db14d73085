#include "app/settings_pages.h"

#include "app/page_decorations.h"
#include "app/setting_bindings.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace orvik {

namespace {

int tabIndex(Tab tab)
{
    return static_cast<int>(tab);
}

QWidget* createDecoration(const Decoration& d, QWidget* parent)
{
    QWidget* w = nullptr;
    switch (d.kind) {
    case DecorationKind::GroupBox:
        w = new QGroupBox(d.text, parent);
        break;
    case DecorationKind::Heading:
    case DecorationKind::RowLabel:
        w = new QLabel(d.text, parent);
        break;
    case DecorationKind::Note: {
        auto* note = new QLabel(d.text, parent);
        note->setWordWrap(true);
        note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        w = note;
        break;
    }
    case DecorationKind::Button:
        w = new QPushButton(d.text, parent);
        break;
    }
    w->setObjectName(d.objectName);
    const int width = d.rect.width() ? d.rect.width() : w->sizeHint().width();
    const int naturalHeight =
        w->hasHeightForWidth() ? w->heightForWidth(width) : w->sizeHint().height();
    w->setGeometry(d.rect.left(), d.rect.top(), width,
                   d.rect.height() ? d.rect.height() : naturalHeight);
    return w;
}

// A setting's label stands left of its field, on the field's row.
void addLabel(const SettingDef& def, QWidget* control)
{
    auto* label = new QLabel(def.label, control->parentWidget());
    label->setBuddy(control);
    const int width = label->sizeHint().width();
    const int left =
        labelLeft(def.name).value_or(std::max(kLabelMinLeft, control->x() - kLabelGap - width));
    label->setGeometry(left, control->y(), width, control->height());
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
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
        QWidget* parent = def.place.group.isEmpty() ? result.pages[tabIndex(def.tab)]
                                                    : groups.value(def.place.group);
        QWidget* control = bindings.createControl(def, parent);
        if (def.kind != Kind::Check && !def.label.isEmpty())
            addLabel(def, control);
        result.focusOrder[tabIndex(def.tab)].push_back(control);
    }

    // A page's buttons come after its settings in the focus order.
    for (const auto& [page, button] : buttons)
        result.focusOrder[page].push_back(button);
    return result;
}

} // namespace orvik
