"""What a screen reader says for the window, written once."""

# The names of the controls that their labels do not name, or not alone.
NAMED = (
    [f"{row}, octet {n} of 4" for row in ("IP Address", "IP Mask", "Gateway", "DNS") for n in range(1, 5)]
    + ["Callsign SSID", "APRS-IS password", "Weather Underground password", "Log", "Progress"]
    + [f"APRS-IS server {n} port" for n in range(1, 4)]
    + [f"Weather report {field}" for field in ("destination", "destination SSID", "TX rate", "comment")]
    + [f"Beacon {n} {field}" for n in range(1, 9)
       for field in ("destination", "destination SSID", "TX rate", "message")]
)
WRITTEN = "Eeprom write success"
REFUSED_PAGE_FAULT = "write 6 refuse\n"
REFUSED_PAGE = "Page write error: 7/192"
