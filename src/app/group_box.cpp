#include "app/group_box.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionGroupBox>
#include <qdrawutil.h>

namespace orvik {

namespace {

constexpr int kCaptionLeft = 8;
// Air between the caption and the ends of the frame line beside it.
constexpr int kCaptionGap = 2;

class GroupBoxStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override
    {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !box || box->text.isEmpty())
            return QProxyStyle::subControlRect(control, option, part, widget);
        const QSize text = box->fontMetrics.size(Qt::TextShowMnemonic, box->text);
        const QRect caption(kCaptionLeft, 0, text.width() + kCaptionGap, text.height());
        switch (part) {
        case SC_GroupBoxLabel:
            return visualRect(box->direction, box->rect, caption);
        case SC_GroupBoxFrame:
            return box->rect.adjusted(0, caption.center().y(), 0, 0);
        default:
            return QProxyStyle::subControlRect(control, option, part, widget);
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override
    {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !box) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        if (box->subControls & SC_GroupBoxFrame) {
            const QRect caption = subControlRect(control, option, SC_GroupBoxLabel, widget);
            painter->save();
            if (!box->text.isEmpty()) {
                painter->setClipRegion(QRegion(box->rect).subtracted(
                                           caption.adjusted(-kCaptionGap, 0, kCaptionGap, 0)),
                                       Qt::IntersectClip);
            }
            qDrawShadeRect(painter, subControlRect(control, option, SC_GroupBoxFrame, widget),
                           box->palette, true, 1, 0);
            painter->restore();
        }
        QStyleOptionGroupBox rest(*box);
        rest.subControls &= ~SC_GroupBoxFrame;
        QProxyStyle::drawComplexControl(control, &rest, painter, widget);
    }
};

QStyle* groupBoxStyle()
{
    // Owned by the application, which outlives every window.
    static QStyle* const style = [] {
        auto* s = new GroupBoxStyle;
        s->setParent(qApp);
        return s;
    }();
    return style;
}

} // namespace

QGroupBox* makeGroupBox(const QString& title, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    box->setStyle(groupBoxStyle());
    return box;
}

} // namespace orvik
