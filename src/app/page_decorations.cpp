#include "app/page_decorations.h"

namespace orvik {

namespace {

constexpr int kRowHeight = 21;

std::vector<Decoration> build()
{
    const QString staticIp = QStringLiteral("Static IP settings:");
    std::vector<Decoration> d = {
        {Tab::Network, DecorationKind::GroupBox, staticIp, {152, 56, 201, 121}},
        {Tab::Network, DecorationKind::RowLabel, "IP Address:", {8, 16, 0, kRowHeight}, staticIp},
        {Tab::Network, DecorationKind::RowLabel, "IP Mask:", {8, 40, 0, kRowHeight}, staticIp},
        {Tab::Network, DecorationKind::RowLabel, "Gateway:", {8, 64, 0, kRowHeight}, staticIp},
        {Tab::Network, DecorationKind::RowLabel, "DNS:", {8, 88, 0, kRowHeight}, staticIp},
        {Tab::Telnet,
         DecorationKind::GroupBox,
         "Telnet debug messages (default state after connect):",
         {72, 104, 361, 105}},
        {Tab::Rtc,
         DecorationKind::Note,
         "Internal Real Time Clock is updated when the device exits config mode and enters "
         "normal mode. To get exact time please change to normal mode quickly after config "
         "write.",
         {8, 184, 488, 0}}, // two lines in the window's font
        {Tab::AprsServers, DecorationKind::Heading, "APRS-IS servers:", {40, 56, 0, 0}},
        {Tab::AprsServers, DecorationKind::Heading, "Port:", {264, 56, 0, 0}},
        {Tab::AprsServers, DecorationKind::Heading, "APRS-IS login:", {320, 56, 0, 0}},
        {Tab::AprsWeather, DecorationKind::RowLabel, "Weather report:", {8, 24, 0, kRowHeight}},
        {Tab::AprsWeather, DecorationKind::Heading, "Dest:", {88, 10, 0, 0}},
        {Tab::AprsWeather, DecorationKind::Heading, "IS[min]:", {184, 10, 0, 0}},
        {Tab::AprsWeather, DecorationKind::Heading, "Comment:", {232, 10, 0, 0}},
        {Tab::AprsWeather, DecorationKind::RowLabel, "-", {146, 24, 0, kRowHeight}},
        {Tab::Beacons, DecorationKind::Heading, "Destination:", {8, 8, 0, 0}},
        {Tab::Beacons, DecorationKind::Heading, "TX Rate:", {104, 10, 0, 0}},
        {Tab::Beacons,
         DecorationKind::Heading,
         "Message (empty fields are ignored):",
         {160, 10, 0, 0}},
    };
    for (int row = 0; row < 8; ++row) {
        d.push_back(
            {Tab::Beacons, DecorationKind::RowLabel, "-", {66, 24 + 24 * row, 0, kRowHeight}});
    }
    d.push_back({Tab::Beacons,
                 DecorationKind::Button,
                 "Special strings",
                 {422, 2, 83, 20},
                 {},
                 "Button11"});
    return d;
}

} // namespace

const std::vector<Decoration>& pageDecorations()
{
    static const std::vector<Decoration> d = build();
    return d;
}

} // namespace orvik
