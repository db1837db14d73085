#pragma once

#include "settings/config_image.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace orvik::cli {

struct Context;

// The first bytes of `path`, one more than an image holds so that a longer
// file shows as such; nullopt, with the reason printed, when it cannot be read.
[[nodiscard]] std::optional<QByteArray> readImageBytes(Context& ctx, const QString& path);
// `bytes` as an image when they are exactly one image long.
[[nodiscard]] std::optional<ConfigImage> asImage(const QByteArray& bytes);
// The image kept in `path`, when it is one and passes its check; nullopt, with
// the reason printed, otherwise.
[[nodiscard]] std::optional<ConfigImage> loadImageFile(Context& ctx, const QString& path);
// Replaces `path` with `image` as a whole (a failed write leaves the old file);
// false, with the reason printed, when that fails.
[[nodiscard]] bool writeImageFile(Context& ctx, const QString& path, const ConfigImage& image);

} // namespace orvik::cli
