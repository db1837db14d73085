#include "app/setting_bindings.h"

#include "app/limited_line_edit.h"
#include "app/window_text.h"
#include "settings/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <algorithm>

namespace orvik {

namespace {
constexpr int kFieldHeight = 21;
constexpr int kCheckHeight = 17;
} // namespace

SettingBindings::SettingBindings(Settings& settings, QObject* parent)
    : QObject(parent), settings_(settings)
{
    connect(&settings_, &Settings::valueChanged, this, [this](Setting s) {
        if (const auto& show = showValue_[position(s)])
            show();
    });
}

template <typename Control, typename Signal, typename Shown, typename Show, typename Value,
          typename Arg>
Control* SettingBindings::tie(Control* control, Setting setting, Signal userChanged, Shown shown,
                              Show show, Value (Settings::*stored)(Setting) const,
                              void (Settings::*store)(Setting, Arg))
{
    Settings& model = settings_;
    connect(control, userChanged, &model,
            [&model, setting, store](const auto& value) { (model.*store)(setting, value); });
    showValue_[position(setting)] = [control, shown, show, &model, setting, stored] {
        if (const auto value = (model.*stored)(setting); (control->*shown)() != value)
            (control->*show)(value);
    };
    return control;
}

QWidget* SettingBindings::createControl(const SettingDef& def, const SettingLayout& layout,
                                        QWidget* parent)
{
    QWidget* control = nullptr;
    switch (def.kind) {
    case Kind::Text:
        // textEdited comes from the user only; showText emits none.
        control =
            tie(new LimitedLineEdit(def.maxLength, parent), def.id, &QLineEdit::textEdited,
                &QLineEdit::text, &LimitedLineEdit::showText, &Settings::text, &Settings::setText);
        break;
    case Kind::List: {
        auto* list = new QComboBox(parent);
        // Filled before it is tied: the first item would otherwise become the
        // setting's value.
        for (const QString& item : def.items)
            list->addItem(windowText(item));
        control = tie(list, def.id, &QComboBox::currentIndexChanged, &QComboBox::currentIndex,
                      &QComboBox::setCurrentIndex, &Settings::index, &Settings::setIndex);
        break;
    }
    case Kind::Check:
        control = tie(new QCheckBox(windowText(layout.label), parent), def.id, &QCheckBox::toggled,
                      &QCheckBox::isChecked, &QCheckBox::setChecked, &Settings::checked,
                      &Settings::setChecked);
        break;
    }
    control->setObjectName(def.name);
    control->setToolTip(windowText(layout.tooltip));
    // A check box's caption is its label; it may need more room in another
    // font than the design's.
    const int width = def.kind == Kind::Check
                          ? std::max(layout.place.width, control->sizeHint().width())
                          : layout.place.width;
    control->setGeometry(layout.place.left, layout.place.top, width,
                         def.kind == Kind::Check ? kCheckHeight : kFieldHeight);
    control->setEnabled(settings_.isEnabled(def.id));
    controls_[position(def.id)] = control;
    showValue_[position(def.id)]();
    return control;
}

} // namespace orvik
