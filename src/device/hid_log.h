#pragma once

#include <QLoggingCategory>

namespace orvik {

// Each failed exchange with the HID layer's own reason. Off unless asked for:
// QT_LOGGING_RULES="orvik.hid.debug=true" (orvikctl --verbose sets the same).
Q_DECLARE_LOGGING_CATEGORY(lcHid)

} // namespace orvik
