"""Polish (language 14).

Texts cannot hold a comma, so sentences that Polish would split with one ("aby", "który")
are built with "i" or a noun phrase instead.
"""

LAYOUT = {
    "main": {
        6: "Przyciski", 7: "Wydajność", 8: "Makra", 9: "Podświetlenie",
        10: "Profil 1", 11: "Profil 2", 12: "Profil 3", 13: "Profil 4",
        14: "Importuj", 15: "Eksportuj", 16: "Resetuj", 3: "Zastosuj",
        60: "Kółko przewijania", 31: "Standardowy", 32: "Alternatywny", 62: "Podświetlenie",
        46: "Efekt świetlny", 61: "Poziomy DPI w cyklu",
        63: "Kliknij przycisk myszy i zmień jego funkcję",
    },
    "advance": {
        100: "Poziomy czułości",
        60: "Poziom 1", 61: "Poziom 2", 62: "Poziom 3", 63: "Poziom 4", 64: "Poziom 5",
        65: "Poziom 6", 102: "Szybkość wskaźnika", 103: "Szybkość przewijania",
        104: "Interwał szybkiego ognia", 105: "Częstotliwość odpytywania",
        106: "Kolor niestandardowy",
    },
    "mac": {
        0: "Biblioteka makr", 1: "Kroki", 2: "Nagrywanie", 3: "Odtwarzanie",
        4: "Rozpocznij / zatrzymaj nagrywanie", 5: "Wstaw krok",
        6: "Powtarzaj podczas przytrzymania", 7: "Powtarzaj do ponownego naciśnięcia",
        8: "Powtórz określoną liczbę razy", 9: "Liczba powtórzeń", 10: "Klawisze",
        13: "Presety broni", 15: "Odtwarzaj na tym PC",
    },
    "color": {
        80: "Tryb", 17: "Efekty", 19: "Wyłączone", 81: "Efekt", 35: "Wybierz efekt",
        82: "Kolory", 83: "Jasność", 84: "Szybkość", 85: "Kierunek",
        47: "W lewo", 48: "W prawo", 49: "Na zewnątrz", 50: "Do środka",
        45: "Lustrzane odbicie efektu", 86: "Podświetlenie reaktywne",
        51: "Przycisk 1", 52: "Przycisk 2", 53: "Przycisk 3", 54: "Przycisk 4",
        55: "Przycisk 5", 56: "Przycisk 6", 57: "Przycisk 7", 58: "Przycisk 8",
    },
    "mac_color": {7: "OK", 8: "Anuluj", 9: "Kolory klawiszy", 10: "Kliknij kolor i zmień go"},
    "keyset": {0: "Naciśnij nowy klawisz", 1: "OK", 2: "Anuluj"},
    "shortcut": {10: "Kombinacja klawiszy", 11: "Klawisze modyfikujące", 12: "Klawisz",
                 13: "Naciśnij klawisz na klawiaturze", 4: "Wyczyść", 3: "Anuluj",
                 2: "Potwierdź"},
    "sound": {0: "Podświetlenie reagujące na dźwięk", 1: "Efekt", 2: "Puls",
              3: "Przepływ kolorów", 4: "Rytm", 5: "Efekt włączony", 10: "Zapisz"},
    "gun": {12: "Presety broni", 9: "Strzały na naciśnięcie", 10: "Interwał (ms)",
            11: "Kompensacja odrzutu (1-99)", 2: "Liczba powtórzeń", 3: "Przytrzymanie",
            8: "Wybierz broń", 5: "Anuluj", 4: "OK"},
}

FUNCTIONS = {
    0: "Wyłącz", 1: "Lewy przycisk", 2: "Prawy przycisk", 3: "Środkowy przycisk",
    4: "Wstecz", 5: "Dalej", 6: "Cykl DPI", 7: "Więcej funkcji", 8: "Multimedia",
    9: "Makro", 10: "Kombinacja klawiszy", 11: "Profile", 12: "Szybki ogień", 13: "Dwukrotne kliknięcie",
    14: "Trzykrotne kliknięcie", 15: "Tymczasowa zmiana DPI", 16: "DPI w górę",
    17: "DPI w dół", 18: "Obsługiwane przez komputer", 19: "Przełączanie profili",
    20: "Następny profil", 21: "Poprzedni profil", 22: "Pierwszy profil",
    23: "Odtwórz / pauza", 24: "Stop", 25: "Poprzedni utwór", 26: "Następny utwór",
    27: "Głośniej", 28: "Ciszej", 29: "Wycisz", 30: "Odtwarzacz multimediów", 31: "Poczta",
    32: "Kalkulator", 33: "Kombinacja klawiszy",
}
SPECIAL_FUNCTIONS = {30000: "Cykl świateł", 30001: "Światło wł/wył", 30002: "Częstotliwość"}

TIPS = {
    1: "Podłącz mysz i uruchom program ponownie. Nie znaleziono myszy:",
    2: "Trwa przywracanie ustawień fabrycznych myszy. Proszę czekać.",
    3: "Przywrócono ustawienia fabryczne.",
    4: "Brak pliku ustawień lub skórki. Zainstaluj program ponownie.",
    5: "Nie można skopiować ani wczytać pliku.",
    6: "To niemożliwe: limit zostałby przekroczony lub żaden przycisk nie miałby lewego kliknięcia.",
    7: "Najpierw utwórz grupę makr.",
    8: "Ten plik ustawień należy do innego produktu.",
    9: "Najpierw zatrzymaj nagrywanie.",
    12: "Najpierw wybierz grupę makr.",
    16: "Podświetlenie jest wyłączone. Najpierw włącz je na stronie Podświetlenie.",
    21: "Osiągnięto limit: nie można dodać więcej kroków ani makr.",
    23: "Grupa makr o tej nazwie już istnieje.",
    29: "Makra nie mieszczą się w pamięci myszy. Skróć lub usuń niektóre makra.",
    30: "Można utworzyć najwyżej dwanaście grup makr.",
}

DEVMAC = {
    0: "Nowa grupa", 1: "Nowe makro", 2: "Usuń grupę", 3: "Resetuj wszystkie grupy",
    4: "Zmień nazwę grupy", 5: "Importuj grupę", 6: "Eksportuj grupę", 7: "Właściwości grupy",
    8: "Importuj makro", 9: "Zmień nazwę makra", 10: "Usuń makro", 11: "Eksportuj makro",
    12: "Importuj makro", 13: "Zmień", 14: "Usuń",
    20: "Lewy przycisk", 21: "Środkowy przycisk", 22: "Prawy przycisk",
    23: "Wstaw przed", 24: "Wstaw po", 25: "Wstaw ruch kursora", 26: "Wstaw zmianę DPI",
    27: "Wstaw podświetlenie", 28: "Wstaw opóźnienie", 29: "Usuń krok", 34: "Pokaż",
    35: "Zakończ", 36: "Grupa", 37: "Makro",
    38: "Naciśnij lewy przycisk", 39: "Zwolnij lewy przycisk", 40: "Naciśnij prawy przycisk",
    41: "Zwolnij prawy przycisk", 42: "Naciśnij środkowy przycisk",
    43: "Zwolnij środkowy przycisk",
    44: "W lewo i w górę", 45: "W lewo i w dół", 46: "W prawo i w górę",
    47: "W prawo i w dół", 48: "Ustaw DPI", 49: "Resetuj DPI",
}

LED = {
    0: "Spektrum", 1: "Cykl kolorów", 2: "Statyczny", 3: "Fala", 4: "Falowanie",
    5: "Przepływ", 6: "Oddychanie", 7: "Biegnące światło", 8: "Miganie", 9: "Losowy",
    10: "Skanowanie", 11: "Neon", 12: "Reaktywny", 13: "Zachowaj bieżący", 14: "Wyłączone",
    15: "Miganie", 16: "Zanikanie", 17: "Poświata", 18: "Statyczny", 19: "Oddychanie",
    20: "Miganie", 21: "Spektrum", 22: "Fala", 23: "Zanikanie", 24: "Puls",
    25: "Stroboskop", 26: "Poświata", 27: "Skanowanie", 28: "Losowy",
    29: "Jasność 1", 30: "Jasność 2", 31: "Jasność 3", 32: "Jasność 4",
    33: "Jasność 5", 34: "Jasność 6", 35: "Jasność 7", 36: "Jasność 8",
    37: "Najwolniej", 38: "Wolno", 39: "Średnio", 40: "Dość szybko", 41: "Szybko",
    42: "Najszybciej",
}

OTHER = {1: "Wyłączony", 11: "[Reset DPI]", 12: " ms", 13: "[Podświetlenie] ",
         17: "[Opóźnienie]", 20: "Makro"}

SHORTCUT = {4: "Brak klawiszy modyfikujących", 5: "Naciśnij klawisz"}

# The more menu's rows and the names screen readers give the window's symbol entries.
OTHER.update({30: "Uruchamiaj z sesją", 31: "O programie", 32: "Zapisz wszystko w myszy", 33: "wł.", 34: "wył.", 35: "Minimalizuj", 36: "Zamknij", 37: "Minimalizuj do zasobnika", 38: "Język", 39: "Więcej", 40: "Strona internetowa", 41: "Kolor", 42: "W cyklu kolorów"})
