#include "app/field_marks.h"

#include "app/setting_bindings.h"
#include "app/setting_layout.h"
#include "app/window_text.h"
#include "language/language.h"
#include "settings/catalogue.h"
#include "settings/findings.h"
#include "settings/settings.h"
#include "settings/station_position.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTextDocument>
#include <QWidget>
#include <qdrawutil.h>

namespace orvik {

namespace {

// The dynamic property holding a field's frame colour; none when it passes.
constexpr char kFrameProperty[] = "orvikFrame";
constexpr int kFrameWidth = 2;

// The window's style, with the frame of a marked field drawn over the panel
// of the field, so that it shows with any theme and font.
class MarkStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (element != PE_PanelLineEdit || !widget)
            return;
        if (const QVariant frame = widget->property(kFrameProperty); frame.isValid())
            qDrawPlainRect(painter, option->rect, frame.value<QColor>(), kFrameWidth);
    }
};

QStyle* markStyle()
{
    // Owned by the application, which outlives every window.
    static QStyle* const style = [] {
        auto* s = new MarkStyle;
        s->setParent(qApp);
        return s;
    }();
    return style;
}

} // namespace

FieldMarks::FieldMarks(const Settings& settings, const SettingBindings& bindings, QObject* parent)
    : QObject(parent), settings_(settings), bindings_(bindings)
{
    for (const SettingDef& def : catalogue()) {
        if (def.kind != Kind::Text)
            continue;
        bindings_.control(def.id)->setStyle(markStyle());
        show(def.id);
    }
    connect(&settings_, &Settings::valueChanged, this, [this](Setting changed) {
        for (const Setting s : findingsChangedBy(changed))
            show(s);
    });
}

void FieldMarks::show(Setting s)
{
    QWidget* field = bindings_.control(s);
    if (!field || settingDef(s).kind != Kind::Text)
        return;
    const QString& name = settingName(s);
    const auto finding = findingFor(settings_, name, translationLanguage());
    QStringList lines;
    if (finding)
        lines << finding->message;
    if (const QString& tooltip = settingLayout(s).tooltip; !tooltip.isEmpty())
        lines << windowText(tooltip);
    if (const QString position = decimalPosition(name, settings_.text(s)); !position.isEmpty())
        lines << position;
    const QString tip = lines.join(QLatin1Char('\n'));
    // A typed text quoted in a message must not be taken for markup, nor
    // wrapped as a rich text tooltip would be.
    field->setToolTip(
        Qt::mightBeRichText(tip)
            ? QStringLiteral("<p style='white-space:pre'>%1</p>").arg(tip.toHtmlEscaped())
            : tip);
    if (const QString description = finding ? finding->message : QString();
        description != field->accessibleDescription()) {
        field->setAccessibleDescription(description);
        emit descriptionChanged(field);
    }
    const QVariant frame =
        !finding ? QVariant()
                 : QVariant(finding->severity == Severity::Fault ? kFaultFrame : kWarningFrame);
    if (field->property(kFrameProperty) != frame) {
        field->setProperty(kFrameProperty, frame);
        field->update();
    }
}

} // namespace orvik
