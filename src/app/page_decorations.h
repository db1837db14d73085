#pragma once

#include "app/setting_layout.h"

#include <QRect>
#include <vector>

namespace orvik {

// What the tab pages show besides the settings: group boxes, headings, row
// labels, the clock note and the "Special strings" button.
enum class DecorationKind {
    GroupBox,
    Heading,  // natural size, text top at the place's top
    RowLabel, // beside a row of fields: field height, text centred on the row
    Note,     // word-wrapped within its rectangle
    Button,
};

struct Decoration {
    Tab tab;
    DecorationKind kind;
    QString text;
    QRect rect;         // width or height 0: the content's own
    QString group = {}; // the group box it stands in; empty: the page
    QString objectName = {};
};

// Group boxes come before what stands in them.
const std::vector<Decoration>& pageDecorations();

// A setting's label without a left edge of its own ends this far left of its
// field, but starts no further left than the page's margin.
inline constexpr int kLabelGap = 9;
inline constexpr int kLabelMinLeft = 4;

} // namespace orvik
