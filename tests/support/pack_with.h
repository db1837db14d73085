#pragma once

#include "frontend/reporter.h"
#include "settings/config_image.h"
#include "settings/settings.h"
#include "support/recording_reporter.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace orvik::test {

using Changes = std::vector<std::pair<QString, QString>>;

// What the user sees when "Write config" packs the defaults (at 1700000000)
// with `changes`: nothing when every rule passes.
inline QStringList packWith(const Changes& changes)
{
    Settings settings([] { return std::int64_t{1700000000}; });
    for (const auto& [name, value] : changes)
        settings.setText(name, value);
    RecordingReporter reporter;
    ConfigImage image;
    const bool packed = runOperation(reporter, [&] { return PackConfigImage(settings, image); });
    EXPECT_EQ(packed, reporter.calls.isEmpty());
    return reporter.calls;
}

} // namespace orvik::test
