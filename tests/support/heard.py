"""What a screen reader says for the window, written once."""
# The controls that their labels do not name, or not alone.
NAMED = ([f"{row}, octet {n} of 4" for row in ("IP Address", "IP Mask", "Gateway", "DNS") for n in range(1, 5)]
         + ["Callsign SSID", "APRS-IS password", "Weather Underground password", "Log", "Progress"]
         + [f"APRS-IS server {n} port" for n in range(1, 4)]
         + [f"{row} {field}" for row in ["Weather report"] + [f"Beacon {n}" for n in range(1, 9)]
            for field in ("destination", "destination SSID", "TX rate")]
         + ["Weather report comment"] + [f"Beacon {n} message" for n in range(1, 9)])
# A write, and one whose seventh page the appliance refuses: their last lines.
WRITES = (("", "Eeprom write success"), ("write 6 refuse\n", "Page write error: 7/192"))
FAULT = ("9", "Our latitude - syntax error (e.g. 5221.60N, format: DDMM.MM).")  # typed over Latitude
# The locator of the default position, and where it lies, its description.
PLACE = ("Locator:", "JO82lj", "Poland")
