// Arbitrary received images through the check and the unpacking. Whatever an
// image unpacks to and packs again must unpack and pack to the same bytes.
#include "settings/config_image.h"
#include "settings/settings.h"
#include "support/recording_reporter.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvik;
    ConfigImage image{};
    std::copy_n(data, std::min<std::size_t>(size, kImageSize), image.begin());
    (void)CheckEepromImage(image);

    const Clock clock = [] { return std::int64_t{1700000000}; };
    test::RecordingReporter reporter;
    Settings first(clock);
    if (!tell(reporter, UnpackConfigImage(image, first)))
        return 0;
    ConfigImage repacked;
    if (!runOperation(reporter, [&] { return PackConfigImage(first, repacked); }))
        return 0;

    Settings second(clock);
    ConfigImage again;
    if (!CheckEepromImage(repacked) || !tell(reporter, UnpackConfigImage(repacked, second)) ||
        !tell(reporter, PackConfigImage(second, again)) || again != repacked)
        std::abort();
    return 0;
}
