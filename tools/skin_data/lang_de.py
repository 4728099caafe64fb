"""German (language 4)."""

LAYOUT = {
    "main": {
        6: "Tasten", 7: "Leistung", 8: "Makros", 9: "Beleuchtung",
        10: "Profil 1", 11: "Profil 2", 12: "Profil 3", 13: "Profil 4",
        14: "Importieren", 15: "Exportieren", 16: "Zurücksetzen", 3: "Anwenden",
        60: "Mausrad", 31: "Standard", 32: "Alternativ", 62: "Beleuchtung",
        46: "Lichteffekt", 61: "DPI-Stufen im Wechsel",
        63: "Klicken Sie auf eine Taste der Maus um ihre Funktion zu ändern",
    },
    "advance": {
        100: "Empfindlichkeitsstufen",
        60: "Stufe 1", 61: "Stufe 2", 62: "Stufe 3", 63: "Stufe 4", 64: "Stufe 5", 65: "Stufe 6",
        102: "Zeigergeschwindigkeit", 103: "Scrollgeschwindigkeit", 104: "Dauerfeuer-Intervall",
        105: "Abfragerate", 106: "Eigene Farbe",
    },
    "mac": {
        0: "Makrobibliothek", 1: "Schritte", 2: "Aufnahme", 3: "Wiedergabe",
        4: "Aufnahme starten / stoppen", 5: "Schritt einfügen",
        6: "Wiederholen solange gedrückt", 7: "Wiederholen bis erneut gedrückt",
        8: "Feste Anzahl wiederholen", 9: "Wiederholungen", 10: "Tasten",
        13: "Waffenprofile", 15: "Am PC abspielen",
    },
    "color": {
        80: "Modus", 17: "Effekte", 19: "Licht aus", 81: "Effekt", 35: "Effekt wählen",
        82: "Farben", 83: "Helligkeit", 84: "Tempo", 85: "Richtung",
        47: "Links", 48: "Rechts", 49: "Nach außen", 50: "Nach innen", 45: "Effekt spiegeln",
        86: "Tastenbeleuchtung",
        51: "Taste 1", 52: "Taste 2", 53: "Taste 3", 54: "Taste 4",
        55: "Taste 5", 56: "Taste 6", 57: "Taste 7", 58: "Taste 8",
    },
    "mac_color": {7: "OK", 8: "Abbrechen", 9: "Tastenfarben", 10: "Farbe anklicken um sie zu ändern"},
    "keyset": {0: "Neue Taste drücken", 1: "OK", 2: "Abbrechen"},
    "shortcut": {10: "Tastenkombination", 11: "Zusatztasten", 12: "Taste",
                 13: "Drücken Sie eine Taste auf der Tastatur", 4: "Leeren", 3: "Abbrechen",
                 2: "Bestätigen"},
    "sound": {0: "Lichteffekt zur Musik", 1: "Effekt", 2: "Puls", 3: "Farbfluss", 4: "Takt",
              5: "Effekt an", 10: "Speichern"},
    "gun": {12: "Waffenprofile", 9: "Schüsse pro Druck", 10: "Intervall (ms)",
            11: "Rückstoßausgleich (1-99)", 2: "Anzahl", 3: "Solange gedrückt",
            8: "Waffe wählen", 5: "Abbrechen", 4: "OK"},
}

FUNCTIONS = {
    0: "Inaktiv", 1: "Linksklick", 2: "Rechtsklick", 3: "Mittelklick", 4: "Zurück",
    5: "Vorwärts", 6: "DPI-Wechsel", 7: "Weitere Funktionen", 8: "Multimedia", 9: "Makro",
    10: "Tastenkombination", 11: "Profile", 12: "Dauerfeuer", 13: "Doppelklick", 14: "Dreifachklick",
    15: "DPI-Shift", 16: "DPI hoch", 17: "DPI runter", 18: "Vom PC ausgeführt",
    19: "Profile durchschalten", 20: "Nächstes Profil", 21: "Vorheriges Profil",
    22: "Erstes Profil", 23: "Wiedergabe / Pause", 24: "Stopp", 25: "Vorheriger Titel",
    26: "Nächster Titel", 27: "Lauter", 28: "Leiser", 29: "Stumm", 30: "Mediaplayer",
    31: "E-Mail", 32: "Rechner", 33: "Tastenkombination",
}
SPECIAL_FUNCTIONS = {30000: "Lichtwechsel", 30001: "Licht an/aus", 30002: "Abfragerate"}

TIPS = {
    1: "Bitte schließen Sie die Maus an und starten Sie das Programm neu. Nicht gefunden:",
    2: "Die Maus wird auf die Werkseinstellungen zurückgesetzt. Bitte warten.",
    3: "Die Werkseinstellungen wurden wiederhergestellt.",
    4: "Eine Einstellungs- oder Skin-Datei fehlt. Bitte installieren Sie das Programm neu.",
    5: "Eine Datei konnte nicht kopiert oder geladen werden.",
    6: "Das ist nicht möglich: ein Limit würde überschritten oder keine Taste behielte den Linksklick.",
    7: "Legen Sie zuerst eine Makrogruppe an.",
    8: "Diese Einstellungsdatei gehört zu einem anderen Produkt.",
    9: "Beenden Sie zuerst die Aufnahme.",
    12: "Wählen Sie zuerst eine Makrogruppe.",
    16: "Die Beleuchtung ist aus. Schalten Sie sie zuerst auf der Seite Beleuchtung ein.",
    21: "Das Limit ist erreicht: es können keine weiteren Schritte oder Makros hinzugefügt werden.",
    23: "Eine Makrogruppe mit diesem Namen gibt es bereits.",
    29: "Die Makros passen nicht in den Speicher der Maus. Kürzen oder entfernen Sie einige Makros.",
    30: "Es können höchstens zwölf Makrogruppen angelegt werden.",
}

DEVMAC = {
    0: "Neue Gruppe", 1: "Neues Makro", 2: "Gruppe löschen", 3: "Alle Gruppen zurücksetzen",
    4: "Gruppe umbenennen", 5: "Gruppe importieren", 6: "Gruppe exportieren",
    7: "Gruppeneigenschaften", 8: "Makro importieren", 9: "Makro umbenennen",
    10: "Makro löschen", 11: "Makro exportieren", 12: "Makro importieren",
    13: "Ändern", 14: "Löschen", 20: "Linke Taste", 21: "Mittlere Taste", 22: "Rechte Taste",
    23: "Davor einfügen", 24: "Danach einfügen", 25: "Mausbewegung einfügen",
    26: "DPI-Wechsel einfügen", 27: "Beleuchtung einfügen", 28: "Pause einfügen",
    29: "Schritt löschen", 34: "Anzeigen", 35: "Beenden", 36: "Gruppe", 37: "Makro",
    38: "Linke Taste drücken", 39: "Linke Taste loslassen", 40: "Rechte Taste drücken",
    41: "Rechte Taste loslassen", 42: "Mittlere Taste drücken", 43: "Mittlere Taste loslassen",
    44: "Nach links oben", 45: "Nach links unten", 46: "Nach rechts oben",
    47: "Nach rechts unten", 48: "DPI setzen", 49: "DPI zurücksetzen",
}

LED = {
    0: "Spektrum", 1: "Farbwechsel", 2: "Statisch", 3: "Welle", 4: "Wellenring", 5: "Fließen",
    6: "Atmen", 7: "Lauflicht", 8: "Blinken", 9: "Zufall", 10: "Scan", 11: "Neon",
    12: "Reaktiv", 13: "Aktuellen behalten", 14: "Aus", 15: "Blinken", 16: "Ausblenden",
    17: "Glühen", 18: "Statisch", 19: "Atmen", 20: "Blinken", 21: "Spektrum", 22: "Welle",
    23: "Ausblenden", 24: "Puls", 25: "Stroboskop", 26: "Glühen", 27: "Scan", 28: "Zufall",
    29: "Helligkeit 1", 30: "Helligkeit 2", 31: "Helligkeit 3", 32: "Helligkeit 4",
    33: "Helligkeit 5", 34: "Helligkeit 6", 35: "Helligkeit 7", 36: "Helligkeit 8",
    37: "Sehr langsam", 38: "Langsam", 39: "Mittel", 40: "Zügig", 41: "Schnell",
    42: "Sehr schnell",
}

OTHER = {1: "Deaktiviert", 11: "[DPI zurücksetzen]", 12: " ms", 13: "[Licht] ", 14: "?", 17: "[Pause]",
         20: "Makro"}

SHORTCUT = {0: "Strg", 4: "Keine Zusatztaste", 5: "Taste drücken"}

# The more menu's rows and the names screen readers give the window's symbol entries.
OTHER.update({30: "Mit der Sitzung starten", 31: "Über", 32: "Alles in die Maus schreiben", 33: "an", 34: "aus", 35: "Minimieren", 36: "Schließen", 37: "In den Infobereich minimieren", 38: "Sprache", 39: "Mehr", 40: "Webseite", 41: "Farbe", 42: "Im Farbwechsel"})
