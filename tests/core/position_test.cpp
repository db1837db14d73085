#include "geo/world_map.h"
#include "language/language.h"
#include "settings/aprs_position.h"
#include "settings/findings.h"
#include "settings/settings.h"
#include "support/row_name.h"
#include "support/validation_cases.h"

#include <gtest/gtest.h>

namespace orvik {
namespace {

GeoPoint at(const char* latitude, const char* longitude)
{
    return *readPosition(latitude, longitude);
}

QString locatorAt(const char* latitude, const char* longitude)
{
    return maidenheadLocator(*readExactPosition(latitude, longitude));
}

// Worked out by hand: fields of 20° by 10° from 180° W and 90° S, squares of
// 2° by 1°, subsquares of 5' by 2.5'.
TEST(Position, MaidenheadLocatorsOfKnownPoints)
{
    const char* const rows[][3] = {
        {"5223.08N", "01658.14E", "JO82lj"}, {"4042.77N", "07400.36W", "FN20xr"},
        {"3352.00S", "15112.00E", "QF56od"}, {"0000.00N", "00000.00E", "JJ00aa"},
        {"6530.00N", "17959.99E", "RP95xm"}, {"6530.00N", "17959.99W", "AP05am"},
        {"8959.99N", "00000.00E", "JR09ax"}, {"8959.99S", "17959.99W", "AA00aa"},
    };
    for (const auto& [latitude, longitude, locator] : rows)
        EXPECT_EQ(locatorAt(latitude, longitude), locator) << latitude << longitude;
    EXPECT_EQ(readPosition("5221.6N", "01658.14E"), std::nullopt);
}

// A position on the edge of fields, squares or subsquares lies in the one
// east or north of it.
struct LocatorEdge {
    const char* name;
    const char* latitude;
    const char* longitude;
    const char* locator;
};
class PositionLocatorEdge : public testing::TestWithParam<LocatorEdge> {};

TEST_P(PositionLocatorEdge, BelongsToTheSquareEastOrNorth)
{
    EXPECT_EQ(locatorAt(GetParam().latitude, GetParam().longitude), GetParam().locator);
}

INSTANTIATE_TEST_SUITE_P(
    Position, PositionLocatorEdge,
    testing::Values(LocatorEdge{"NorthEastSubsquare", "5200.00N", "00025.00E", "JO02fa"},
                    LocatorEdge{"NorthEastField", "5000.00N", "02000.00E", "KO00aa"},
                    LocatorEdge{"NorthEastHalfSubsquare", "5207.50N", "01705.00E", "JO82nd"},
                    LocatorEdge{"NorthWestSquare", "4000.00N", "07400.00W", "FN30aa"},
                    LocatorEdge{"NorthWestSubsquare", "4002.50N", "07355.00W", "FN30bb"},
                    LocatorEdge{"SouthWestField", "3000.00S", "06000.00W", "GG00aa"},
                    LocatorEdge{"SouthWestSubsquare", "1002.50S", "00005.00W", "IH99xx"},
                    LocatorEdge{"SouthEastSubsquare", "3330.00S", "15110.00E", "QF56om"},
                    LocatorEdge{"SouthEastHalfSubsquare", "3302.50S", "15105.00E", "QF56nx"},
                    LocatorEdge{"Origin", "0000.00S", "00000.00W", "JJ00aa"},
                    LocatorEdge{"JustSouthWestOfOrigin", "0000.01S", "00000.01W", "II99xx"}),
    test::rowName<LocatorEdge>);

TEST(Position, CountriesOfKnownPoints)
{
    const char* const rows[][3] = {
        {"4356.00N", "01226.50E", "San Marino"},
        {"4709.00N", "00931.00E", "Liechtenstein"},
        {"4936.00N", "00608.00E", "Luxembourg"},
        {"4230.00N", "00131.00E", "Andorra"},
        {"2919.00S", "02729.00E", "Lesotho"}, // within South Africa
        {"0117.00N", "10351.00E", "Singapore"},
        {"5421.00N", "01839.00E", "Poland"},
        {"3355.00S", "01825.00E", "South Africa"},
        {"6408.00N", "02156.00W", "Iceland"},
        {"6700.00N", "17500.00W", "Russia"},
        {"6800.00N", "17900.00E", "Russia"},
        {"7112.00N", "17930.00E", "Russia"}, // Wrangel Island, across 180°
        {"7112.00N", "17930.00W", "Russia"},
        {"1650.00S", "17958.00W", "Fiji"},
        {"1747.00S", "17727.00E", "Fiji"},
        {"3000.00N", "17959.99E", ""},
        {"3000.00N", "17959.99W", ""},
        {"3554.00N", "01431.00E", "Malta"},
        // Ports on coasts drawn kilometres off, and islands.
        {"4042.77N", "07400.36W", "United States"}, // New York
        {"2545.70N", "08011.51W", "United States"}, // Miami
        {"3843.34N", "00908.36W", "Portugal"},      // Lisbon
        {"4344.30N", "00725.48E", "Monaco"},
        {"4526.45N", "01218.93E", "Italy"},   // Venice
        {"4100.49N", "02858.70E", "Turkey"},  // Istanbul
        {"5540.57N", "01234.10E", "Denmark"}, // Copenhagen
        {"5919.76N", "01804.12E", "Sweden"},  // Stockholm
        {"2219.16N", "11410.16E", "Hong Kong"},
        {"2118.41N", "15751.49W", "United States"}, // Honolulu
        {"3744.48N", "02540.26W", "Portugal"},      // Ponta Delgada, Azores
        {"6200.70N", "00646.11W", "Faroe Islands"}, // Tórshavn
        {"2009.67S", "05730.12E", "Mauritius"},     // Port Louis
        // Some 15 km out: the coast's country; 30 km out: at sea.
        {"4026.70N", "07331.00W", "United States"}, // off New York
        {"3847.00N", "00940.00W", "Portugal"},      // off Lisbon
        {"4017.00N", "07330.00W", ""},              // off New York
        {"2546.00N", "07950.00W", ""},              // off Miami
        {"3847.00N", "00951.00W", ""},              // off Lisbon
        {"4325.00N", "00725.00E", ""},              // off Monaco
        // Towns on a border.
        {"3145.71N", "10629.10W", "United States"}, // El Paso
        {"5108.81N", "01458.60E", "Germany"},       // Görlitz station
        // Antarctica holds all south of its coast.
        {"8500.00S", "00000.00E", "Antarctica"},
        {"7751.00S", "16640.00E", "Antarctica"}, // McMurdo Station
        {"8959.99S", "17959.99W", "Antarctica"},
        {"8959.99N", "00000.00E", ""},
        {"5500.00N", "00300.00E", ""},
        {"0000.00N", "00000.00E", ""},
        {"3000.00S", "09000.00W", ""},
    };
    for (const auto& [latitude, longitude, country] : rows) {
        const auto found = WorldMap::carried().countryAt(at(latitude, longitude));
        EXPECT_EQ(found ? englishName(*found) : QString(), country) << latitude << longitude;
    }
    const int poland = *WorldMap::carried().countryAt(at("5223.08N", "01658.14E"));
    const Translation german("de");
    EXPECT_EQ(countryName(poland, translationLanguage()), "Polen");
}

// CLDR's names, short where they are not abbreviated; an area without a code
// has a name of our own.
struct CountryNames {
    const char* name;
    const char* latitude;
    const char* longitude;
    std::array<const char*, 3> names; // English, Polish, German
};
class PositionCountryName : public testing::TestWithParam<CountryNames> {};

TEST_P(PositionCountryName, AsPeopleSayIt)
{
    const int country =
        *WorldMap::carried().countryAt(at(GetParam().latitude, GetParam().longitude));
    EXPECT_EQ(countryName(country, translationLanguage()), GetParam().names[0]);
    for (const std::size_t language : {1, 2}) {
        const Translation translation(language == 1 ? "pl" : "de");
        EXPECT_EQ(countryName(country, translationLanguage()), GetParam().names[language]);
        EXPECT_EQ(englishName(country), GetParam().names[0]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Position, PositionCountryName,
    testing::Values(
        CountryNames{"Iran", "3541.68N", "05123.34E", {"Iran", "Iran", "Iran"}},
        CountryNames{"Taiwan", "2502.00N", "12133.90E", {"Taiwan", "Tajwan", "Taiwan"}},
        CountryNames{"Tanzania", "0609.70S", "03544.90E", {"Tanzania", "Tanzania", "Tansania"}},
        CountryNames{"Kosovo", "4240.00N", "02110.00E", {"Kosovo", "Kosowo", "Kosovo"}},
        CountryNames{"NorthernCyprus",
                     "3520.00N",
                     "03319.00E",
                     {"Northern Cyprus", "Cypr Północny", "Nordzypern"}},
        CountryNames{"SiachenGlacier",
                     "3525.00N",
                     "07705.00E",
                     {"Siachen Glacier", "Lodowiec Siachen", "Siachen-Gletscher"}},
        CountryNames{"HongKong", "2219.16N", "11410.16E", {"Hong Kong", "Hongkong", "Hongkong"}},
        CountryNames{"UnitedKingdom",
                     "5130.44N",
                     "00007.57W",
                     {"United Kingdom", "Wielka Brytania", "Vereinigtes Königreich"}},
        CountryNames{"UnitedStates",
                     "4042.77N",
                     "07400.36W",
                     {"United States", "Stany Zjednoczone", "Vereinigte Staaten"}}),
    test::rowName<CountryNames>);

// The warning and the field it marks: the one whose letter slipped.
TEST(Position, AtSeaWhereTheOtherHemisphereIsOnLand)
{
    const char* const rows[][4] = {
        {"5223.08N", test::kSlippedLongitude, "Longitude", test::kSlippedLongitudeWarning},
        {"5223.08S", "01658.14E", "Latitude",
         "Latitude/Longitude place the station at sea; with 5223.08N it would be in Poland."},
        {"5223.08S", "01658.14W", "Latitude",
         "Latitude/Longitude place the station at sea; with 5223.08N 01658.14E it would be in "
         "Poland."},
        {"0000.00N", "00000.00E", "", ""},
        {"5223.08N", "01658.14E", "", ""},
    };
    for (const auto& [latitude, longitude, marked, warning] : rows) {
        Settings settings;
        settings.setText(Setting::Latitude, latitude);
        settings.setText(Setting::Longitude, longitude);
        for (const char* name : {"Latitude", "Longitude"}) {
            const auto finding = findingFor(settings, name, "en");
            const bool expected = QLatin1String(marked) == QLatin1String(name);
            EXPECT_EQ(finding ? finding->message : QString(), expected ? warning : "")
                << latitude << longitude << name;
            EXPECT_TRUE(!finding || finding->severity == Severity::Warning);
        }
    }
}

// From the default position, 5223.08N 01658.14E.
TEST(Position, BeaconReportFarFromTheStation)
{
    const char* const rows[][2] = {
        {"!5223.08N/01658.14E#PHG2360 Orvik", ""},
        {"=5223.10N/01658.20E-", ""},
        {"!5323.08N/01658.14E#", "111"},
        {"/092345z5223.08N/01758.14E>", "68"},
        {"@092345z5323.08N/01658.14E_", "111"},
        {"!5223.08S/01658.14E#", "11650"},
        {"!52  .  N/01658.14E#", ""},   // 52° to 53° N, 16° to 17° E
        {"!53  .  N/01658.14E#", "68"}, // from 53° N
        {"!5223.1 N/01658.1 E#", ""},
        {"!5223. 8N/01658.14E#", ""}, // a space amid digits: no position
        {"!5223.08X/01658.14E#", ""},
        {"!52-3.08N/01658.14E#", ""}, // signs and minutes past the pole are no position
        {"!9059.99N/01658.14E#", ""},
        {"!9000.00N/01658.14E#", ""}, // refused as the station's own are
        {"!5223.08N/18000.00E#", ""},
        {"!8959.99N/01658.14E#", "4183"},
        {"@<date>z<lat>/<long>-Orvik2.0", ""},
        {"Hello 5323.08N/01658.14E", ""},
    };
    for (const auto& [message, km] : rows) {
        Settings settings;
        settings.setText(Setting::Beacon3_msg, message);
        const auto finding = findingFor(settings, "Beacon3_msg", "en");
        EXPECT_EQ(finding ? finding->message : QString(),
                  *km ? QStringLiteral("Beacon 3 message gives a position %1 km from the "
                                       "station's.")
                            .arg(km)
                      : QString())
            << message;
    }
}

} // namespace
} // namespace orvik
