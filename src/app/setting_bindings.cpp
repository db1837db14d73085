#include "app/setting_bindings.h"

#include "app/limited_line_edit.h"
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
    connect(&settings_, &Settings::valueChanged, this, [this](const QString& name) {
        if (const auto show = showValue_.constFind(name); show != showValue_.constEnd())
            (*show)();
    });
}

QWidget* SettingBindings::createControl(const SettingDef& def, QWidget* parent)
{
    const QString name = def.name;
    Settings& model = settings_;
    QWidget* control = nullptr;
    switch (def.kind) {
    case Kind::Text: {
        auto* edit = new LimitedLineEdit(def.maxLength, parent);
        // textEdited comes from the user only; showText emits none.
        connect(edit, &QLineEdit::textEdited, &model,
                [&model, name](const QString& text) { model.setText(name, text); });
        showValue_[name] = [edit, &model, name] {
            if (edit->text() != model.text(name))
                edit->showText(model.text(name));
        };
        control = edit;
        break;
    }
    case Kind::List: {
        auto* list = new QComboBox(parent);
        // Filled before it is connected: the first item would otherwise become
        // the setting's value.
        list->addItems(def.items);
        connect(list, &QComboBox::currentIndexChanged, &model,
                [&model, name](int index) { model.setIndex(name, index); });
        showValue_[name] = [list, &model, name] {
            if (list->currentIndex() != model.index(name))
                list->setCurrentIndex(model.index(name));
        };
        control = list;
        break;
    }
    case Kind::Check: {
        auto* box = new QCheckBox(def.label, parent);
        connect(box, &QCheckBox::toggled, &model,
                [&model, name](bool checked) { model.setChecked(name, checked); });
        showValue_[name] = [box, &model, name] {
            if (box->isChecked() != model.checked(name))
                box->setChecked(model.checked(name));
        };
        control = box;
        break;
    }
    }
    control->setObjectName(name);
    control->setToolTip(def.tooltip);
    // A check box's caption is its label; it may need more room in another
    // font than the design's.
    const int width = def.kind == Kind::Check
                          ? std::max(def.place.width, control->sizeHint().width())
                          : def.place.width;
    control->setGeometry(def.place.left, def.place.top, width,
                         def.kind == Kind::Check ? kCheckHeight : kFieldHeight);
    control->setEnabled(model.isEnabled(name));
    controls_.insert(name, control);
    showValue_[name]();
    return control;
}

} // namespace orvik
