"""Hungarian (language 26).

Texts cannot hold a comma, and Hungarian puts one between clauses (before "hogy", "ha" and
usually "vagy"), so sentences are built as single clauses.
"""

LAYOUT = {
    "main": {
        6: "Gombok", 7: "Teljesítmény", 8: "Makrók", 9: "Világítás",
        10: "1. profil", 11: "2. profil", 12: "3. profil", 13: "4. profil",
        14: "Importálás", 15: "Exportálás", 16: "Visszaállítás", 3: "Alkalmaz",
        60: "Görgő", 31: "Normál", 32: "Alternatív", 62: "Világítás",
        46: "Fényeffektus", 61: "DPI-szintek a ciklusban",
        63: "A funkció módosításához kattintson az egér egyik gombjára",
    },
    "advance": {
        100: "Érzékenységi szintek",
        60: "1. szint", 61: "2. szint", 62: "3. szint", 63: "4. szint", 64: "5. szint",
        65: "6. szint", 102: "Mutató sebessége", 103: "Görgetés sebessége",
        104: "Gyorstüzelés időköze", 105: "Lekérdezési gyakoriság", 106: "Egyéni szín",
    },
    "mac": {
        0: "Makrótár", 1: "Lépések", 2: "Felvétel", 3: "Lejátszás",
        4: "Felvétel indítása / leállítása", 5: "Lépés beszúrása",
        6: "Ismétlés nyomva tartás alatt", 7: "Ismétlés az újabb lenyomásig",
        8: "Ismétlés megadott számszor", 9: "Ismétlések száma", 10: "Billentyűk",
        13: "Fegyverbeállítások", 15: "Lejátszás ezen a PC-n",
    },
    "color": {
        80: "Mód", 17: "Effektusok", 19: "Kikapcsolva", 81: "Effektus",
        35: "Válasszon effektust", 82: "Színek", 83: "Fényerő", 84: "Sebesség", 85: "Irány",
        47: "Balra", 48: "Jobbra", 49: "Kifelé", 50: "Befelé", 45: "Tükrözött effektus",
        86: "Reaktív világítás",
        51: "1. gomb", 52: "2. gomb", 53: "3. gomb", 54: "4. gomb",
        55: "5. gomb", 56: "6. gomb", 57: "7. gomb", 58: "8. gomb",
    },
    "mac_color": {7: "OK", 8: "Mégse", 9: "Billentyűszínek",
                  10: "Kattintson egy színre a módosításához"},
    "keyset": {0: "Nyomja le az új billentyűt", 1: "OK", 2: "Mégse"},
    "shortcut": {10: "Billentyűkombináció", 11: "Módosítóbillentyűk", 12: "Billentyű",
                 13: "Nyomjon le egy billentyűt a billentyűzeten", 4: "Törlés", 3: "Mégse",
                 2: "Megerősítés"},
    "sound": {0: "Hangra reagáló világítás", 1: "Effektus", 2: "Pulzálás", 3: "Színáramlás",
              4: "Ütem", 5: "Effektus be", 10: "Mentés"},
    "gun": {12: "Fegyverbeállítások", 9: "Lövések lenyomásonként", 10: "Időköz (ms)",
            11: "Visszarúgás-kompenzáció (1-99)", 2: "Ismétlések száma", 3: "Nyomva tartva",
            8: "Fegyver választása", 5: "Mégse", 4: "OK"},
}

FUNCTIONS = {
    0: "Letiltás", 1: "Bal kattintás", 2: "Jobb kattintás", 3: "Középső kattintás",
    4: "Vissza", 5: "Előre", 6: "DPI-ciklus", 7: "További funkciók", 8: "Multimédia",
    9: "Makró", 10: "Billentyűkombináció", 11: "Profilok", 12: "Gyorstüzelés", 13: "Dupla kattintás",
    14: "Tripla kattintás", 15: "Ideiglenes DPI", 16: "DPI fel", 17: "DPI le",
    18: "A számítógép kezeli", 19: "Profilok váltása", 20: "Következő profil",
    21: "Előző profil", 22: "Első profil", 23: "Lejátszás / szünet", 24: "Leállítás",
    25: "Előző szám", 26: "Következő szám", 27: "Hangerő fel", 28: "Hangerő le",
    29: "Némítás", 30: "Médialejátszó", 31: "E-mail", 32: "Számológép",
    33: "Billentyűkombináció",
}
SPECIAL_FUNCTIONS = {30000: "Fényciklus", 30001: "Fény be/ki", 30002: "Gyakoriság"}

TIPS = {
    1: "Az egér csatlakoztatása után indítsa újra a programot. Az egér nem található:",
    2: "Az egér gyári beállításainak visszaállítása folyamatban. Kis türelmet.",
    3: "A gyári beállítások visszaállítva.",
    4: "Hiányzik egy beállítás- vagy felületfájl. Telepítse újra a programot.",
    5: "Egy fájlt nem sikerült másolni vagy betölteni.",
    6: "A művelet nem hajtható végre: egy korlát túllépését vagy a bal kattintás elvesztését okozná.",
    7: "Előbb hozzon létre egy makrócsoportot.",
    8: "Ez a beállításfájl egy másik termékhez tartozik.",
    9: "Előbb állítsa le a felvételt.",
    12: "Előbb válasszon ki egy makrócsoportot.",
    16: "A világítás ki van kapcsolva. Előbb kapcsolja be a Világítás oldalon.",
    21: "Elérte a korlátot: több lépés vagy makró nem adható hozzá.",
    23: "Már létezik ilyen nevű makrócsoport.",
    29: "A makrók nem férnek el az egér memóriájában. Rövidítsen le vagy töröljön néhány makrót.",
    30: "Legfeljebb tizenkét makrócsoport hozható létre.",
}

DEVMAC = {
    0: "Új csoport", 1: "Új makró", 2: "Csoport törlése", 3: "Összes csoport visszaállítása",
    4: "Csoport átnevezése", 5: "Csoport importálása", 6: "Csoport exportálása",
    7: "Csoport tulajdonságai", 8: "Makró importálása", 9: "Makró átnevezése",
    10: "Makró törlése", 11: "Makró exportálása", 12: "Makró importálása", 13: "Módosítás",
    14: "Törlés", 20: "Bal gomb", 21: "Középső gomb", 22: "Jobb gomb",
    23: "Beszúrás elé", 24: "Beszúrás mögé", 25: "Kurzormozgás beszúrása",
    26: "DPI-váltás beszúrása", 27: "Világítás beszúrása", 28: "Késleltetés beszúrása",
    29: "Lépés törlése", 34: "Megjelenítés", 35: "Kilépés", 36: "Csoport", 37: "Makró",
    38: "Bal gomb lenyomása", 39: "Bal gomb felengedése", 40: "Jobb gomb lenyomása",
    41: "Jobb gomb felengedése", 42: "Középső gomb lenyomása",
    43: "Középső gomb felengedése",
    44: "Balra fel", 45: "Balra le", 46: "Jobbra fel", 47: "Jobbra le",
    48: "DPI beállítása", 49: "DPI visszaállítása",
}

LED = {
    0: "Spektrum", 1: "Színciklus", 2: "Statikus", 3: "Hullám", 4: "Fodrozódás",
    5: "Áramlás", 6: "Lélegzés", 7: "Futófény", 8: "Villogás", 9: "Véletlenszerű",
    10: "Pásztázás", 11: "Neon", 12: "Reaktív", 13: "Jelenlegi megtartása", 14: "Ki",
    15: "Villogás", 16: "Elhalványulás", 17: "Izzás", 18: "Statikus", 19: "Lélegzés",
    20: "Villogás", 21: "Spektrum", 22: "Hullám", 23: "Elhalványulás", 24: "Pulzálás",
    25: "Stroboszkóp", 26: "Izzás", 27: "Pásztázás", 28: "Véletlenszerű",
    29: "Fényerő 1", 30: "Fényerő 2", 31: "Fényerő 3", 32: "Fényerő 4",
    33: "Fényerő 5", 34: "Fényerő 6", 35: "Fényerő 7", 36: "Fényerő 8",
    37: "Leglassabb", 38: "Lassú", 39: "Közepes", 40: "Fürge", 41: "Gyors",
    42: "Leggyorsabb",
}

OTHER = {1: "Letiltva", 11: "[DPI visszaállítása]", 12: " ms", 13: "[Világítás] ",
         17: "[Késleltetés]", 20: "Makró"}

SHORTCUT = {4: "Nincs módosítóbillentyű", 5: "Nyomjon le egy billentyűt"}

# The more menu's rows and the names screen readers give the window's symbol entries.
OTHER.update({30: "Indítás a munkamenettel", 31: "Névjegy", 32: "Minden írása az egérbe", 33: "be", 34: "ki", 35: "Kis méret", 36: "Bezárás", 37: "Kis méret a tálcára", 38: "Nyelv", 39: "Továbbiak", 40: "Weboldal", 41: "Szín", 42: "A színciklusban"})
