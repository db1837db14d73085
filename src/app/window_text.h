#pragma once

#include <QString>

namespace orvik {

// A text the window shows as its tables keep it, in English (a label, a
// tooltip, a list item, a heading, a button's caption), in the user's
// language. The tables mark their texts for translation in the context
// "Window"; `disambiguation` tells apart two texts the same in English.
QString windowText(const QString& text, const char* disambiguation = nullptr);

// The program's title and the window's caption (title and version), in the
// user's language; files keep the English title.
QString windowAppTitle();
QString windowCaption();

} // namespace orvik
