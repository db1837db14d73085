#include "app/page_decorations.h"

namespace orvik {

namespace {

constexpr int kRowHeight = 21;

std::vector<Decoration> build()
{
    const QString staticIp = QT_TRANSLATE_NOOP("Window", "Static IP settings:");
    std::vector<Decoration> d = {
        {Tab::Network, DecorationKind::GroupBox, staticIp, {152, 56, 201, 121}},
        {Tab::Network,
         DecorationKind::RowLabel,
         QT_TRANSLATE_NOOP("Window", "IP Address:"),
         {8, 16, 0, kRowHeight},
         staticIp},
        {Tab::Network,
         DecorationKind::RowLabel,
         QT_TRANSLATE_NOOP("Window", "IP Mask:"),
         {8, 40, 0, kRowHeight},
         staticIp},
        {Tab::Network,
         DecorationKind::RowLabel,
         QT_TRANSLATE_NOOP("Window", "Gateway:"),
         {8, 64, 0, kRowHeight},
         staticIp},
        {Tab::Network,
         DecorationKind::RowLabel,
         QT_TRANSLATE_NOOP("Window", "DNS:"),
         {8, 88, 0, kRowHeight},
         staticIp},
        {Tab::Telnet,
         DecorationKind::GroupBox,
         QT_TRANSLATE_NOOP("Window", "Telnet debug messages (default state after connect):"),
         {72, 104, 361, 105}},
        {Tab::Rtc,
         DecorationKind::Note,
         QT_TRANSLATE_NOOP("Window",
                           "Internal Real Time Clock is updated when the device exits config mode "
                           "and enters normal mode. To get exact time please change to normal "
                           "mode quickly after config write."),
         {8, 184, 488, 0}}, // two lines in the window's font
        {Tab::AprsServers,
         DecorationKind::Heading,
         QT_TRANSLATE_NOOP("Window", "APRS-IS servers:"),
         {40, 56, 0, 0}},
        {Tab::AprsServers,
         DecorationKind::Heading,
         QT_TRANSLATE_NOOP("Window", "Port:"),
         {264, 56, 0, 0}},
        {Tab::AprsServers,
         DecorationKind::Heading,
         QT_TRANSLATE_NOOP("Window", "APRS-IS login:"),
         {320, 56, 0, 0}},
        {Tab::AprsWeather,
         DecorationKind::RowLabel,
         QT_TRANSLATE_NOOP("Window", "Weather report:"),
         {8, 24, 0, kRowHeight}},
        {Tab::AprsWeather,
         DecorationKind::Heading,
         QT_TRANSLATE_NOOP("Window", "Dest:"),
         {88, 10, 0, 0}},
        {Tab::AprsWeather,
         DecorationKind::Heading,
         QT_TRANSLATE_NOOP("Window", "IS[min]:"),
         {184, 10, 0, 0}},
        {Tab::AprsWeather,
         DecorationKind::Heading,
         QT_TRANSLATE_NOOP("Window", "Comment:"),
         {232, 10, 0, 0}},
        {Tab::AprsWeather,
         DecorationKind::RowLabel,
         QT_TRANSLATE_NOOP("Window", "-"),
         {146, 24, 0, kRowHeight}},
        {Tab::Beacons,
         DecorationKind::Heading,
         QT_TRANSLATE_NOOP("Window", "Destination:"),
         {8, 8, 0, 0}},
        {Tab::Beacons,
         DecorationKind::Heading,
         QT_TRANSLATE_NOOP("Window", "TX Rate:"),
         {104, 10, 0, 0}},
        {Tab::Beacons,
         DecorationKind::Heading,
         QT_TRANSLATE_NOOP("Window", "Message (empty fields are ignored):"),
         {160, 10, 0, 0}},
    };
    for (int row = 0; row < 8; ++row) {
        d.push_back({Tab::Beacons,
                     DecorationKind::RowLabel,
                     QT_TRANSLATE_NOOP("Window", "-"),
                     {66, 24 + 24 * row, 0, kRowHeight}});
    }
    d.push_back({Tab::Beacons,
                 DecorationKind::Button,
                 QT_TRANSLATE_NOOP("Window", "Special strings"),
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
