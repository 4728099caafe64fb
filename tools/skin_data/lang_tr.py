"""Turkish (language 8)."""

LAYOUT = {
    "main": {
        6: "Tuşlar", 7: "Performans", 8: "Makrolar", 9: "Aydınlatma",
        10: "Profil 1", 11: "Profil 2", 12: "Profil 3", 13: "Profil 4",
        14: "İçe aktar", 15: "Dışa aktar", 16: "Sıfırla", 3: "Uygula",
        60: "Kaydırma tekerleği", 31: "Standart", 32: "Alternatif", 62: "Aydınlatma",
        46: "Işık efekti", 61: "Döngüdeki DPI seviyeleri",
        63: "İşlevini değiştirmek için faredeki bir tuşa tıklayın",
    },
    "advance": {
        100: "Hassasiyet seviyeleri",
        60: "Seviye 1", 61: "Seviye 2", 62: "Seviye 3", 63: "Seviye 4", 64: "Seviye 5",
        65: "Seviye 6", 102: "İşaretçi hızı", 103: "Kaydırma hızı", 104: "Seri atış aralığı",
        105: "Yoklama hızı", 106: "Özel renk",
    },
    "mac": {
        0: "Makro kitaplığı", 1: "Adımlar", 2: "Kayıt", 3: "Oynatma",
        4: "Kaydı başlat / durdur", 5: "Adım ekle",
        6: "Basılı tutulduğu sürece tekrarla", 7: "Tekrar basılana kadar tekrarla",
        8: "Belirli sayıda tekrarla", 9: "Tekrar sayısı", 10: "Tuşlar",
        13: "Silah ön ayarları", 15: "Bu PC'de oynat",
    },
    "color": {
        80: "Mod", 17: "Efektler", 19: "Işıklar kapalı", 81: "Efekt", 35: "Bir efekt seçin",
        82: "Renkler", 83: "Parlaklık", 84: "Hız", 85: "Yön",
        47: "Sol", 48: "Sağ", 49: "Dışa doğru", 50: "İçe doğru", 45: "Efekti yansıt",
        86: "Tepkili aydınlatma",
        51: "Tuş 1", 52: "Tuş 2", 53: "Tuş 3", 54: "Tuş 4",
        55: "Tuş 5", 56: "Tuş 6", 57: "Tuş 7", 58: "Tuş 8",
    },
    "mac_color": {7: "OK", 8: "İptal", 9: "Tuş renkleri",
                  10: "Değiştirmek için bir renge tıklayın"},
    "keyset": {0: "Yeni tuşa basın", 1: "OK", 2: "İptal"},
    "shortcut": {10: "Tuş kombinasyonu", 11: "Değiştirici tuşlar", 12: "Tuş",
                 13: "Klavyede bir tuşa basın", 4: "Temizle", 3: "İptal", 2: "Onayla"},
    "sound": {0: "Sese duyarlı aydınlatma", 1: "Efekt", 2: "Nabız", 3: "Renk akışı",
              4: "Ritim", 5: "Efekt açık", 10: "Kaydet"},
    "gun": {12: "Silah ön ayarları", 9: "Basış başına atış", 10: "Aralık (ms)",
            11: "Geri tepme telafisi (1-99)", 2: "Tekrar sayısı", 3: "Basılı tutunca",
            8: "Silah seç", 5: "İptal", 4: "OK"},
}

FUNCTIONS = {
    0: "Kapalı", 1: "Sol tık", 2: "Sağ tık", 3: "Orta tık", 4: "Geri", 5: "İleri",
    6: "DPI döngüsü", 7: "Diğer işlevler", 8: "Multimedya", 9: "Makro",
    10: "Tuş kombinasyonu", 11: "Profiller", 12: "Seri atış", 13: "Çift tık",
    14: "Üçlü tık", 15: "Geçici DPI değişimi", 16: "DPI artır", 17: "DPI azalt",
    18: "Bu PC tarafından işlenir", 19: "Profiller arasında geçiş", 20: "Sonraki profil",
    21: "Önceki profil", 22: "İlk profil", 23: "Oynat / duraklat", 24: "Durdur",
    25: "Önceki parça", 26: "Sonraki parça", 27: "Sesi aç", 28: "Sesi kıs", 29: "Sessiz",
    30: "Medya oynatıcı", 31: "E-posta", 32: "Hesap makinesi", 33: "Tuş kombinasyonu",
}
SPECIAL_FUNCTIONS = {30000: "Işık döngüsü", 30001: "Işık aç/kapat", 30002: "Yoklama hızı"}

TIPS = {
    1: "Fareyi bağlayıp programı yeniden başlatın. Fare bulunamadı:",
    2: "Fare fabrika ayarlarına sıfırlanıyor. Lütfen bekleyin.",
    3: "Fabrika ayarları geri yüklendi.",
    4: "Bir ayar veya tema dosyası eksik. Lütfen programı yeniden yükleyin.",
    5: "Bir dosya kopyalanamadı veya yüklenemedi.",
    6: "Bu yapılamaz: bir sınır aşılır veya sol tık atanmış hiçbir tuş kalmaz.",
    7: "Önce bir makro grubu oluşturun.",
    8: "Bu ayar dosyası başka bir ürüne ait.",
    9: "Önce kaydı durdurun.",
    12: "Önce bir makro grubu seçin.",
    16: "Işıklar kapalı. Önce aydınlatma sayfasından ışıkları açın.",
    21: "Sınıra ulaşıldı: daha fazla adım veya makro eklenemez.",
    23: "Bu adda bir makro grubu zaten var.",
    29: "Makrolar farenin belleğine sığmıyor. Bazı makroları kısaltın veya kaldırın.",
    30: "En fazla on iki makro grubu oluşturulabilir.",
}

DEVMAC = {
    0: "Yeni grup", 1: "Yeni makro", 2: "Grubu sil", 3: "Tüm grupları sıfırla",
    4: "Grubu yeniden adlandır", 5: "Grup içe aktar", 6: "Grubu dışa aktar",
    7: "Grup özellikleri", 8: "Makro içe aktar", 9: "Makroyu yeniden adlandır",
    10: "Makroyu sil", 11: "Makroyu dışa aktar", 12: "Makro içe aktar", 13: "Değiştir",
    14: "Sil", 20: "Sol tuş", 21: "Orta tuş", 22: "Sağ tuş",
    23: "Öncesine ekle", 24: "Sonrasına ekle", 25: "İmleç hareketi ekle",
    26: "DPI değişikliği ekle", 27: "Aydınlatma ekle", 28: "Gecikme ekle", 29: "Adımı sil",
    34: "Göster", 35: "Çıkış", 36: "Grup", 37: "Makro",
    38: "Sol tuşa bas", 39: "Sol tuşu bırak", 40: "Sağ tuşa bas", 41: "Sağ tuşu bırak",
    42: "Orta tuşa bas", 43: "Orta tuşu bırak",
    44: "Sola ve yukarı", 45: "Sola ve aşağı", 46: "Sağa ve yukarı", 47: "Sağa ve aşağı",
    48: "DPI ayarla", 49: "DPI sıfırla",
}

LED = {
    0: "Spektrum", 1: "Renk döngüsü", 2: "Sabit", 3: "Dalga", 4: "Dalgacık", 5: "Akış",
    6: "Nefes", 7: "Kayan ışık", 8: "Yanıp sönme", 9: "Rastgele", 10: "Tarama", 11: "Neon",
    12: "Tepkili", 13: "Mevcudu koru", 14: "Kapalı", 15: "Yanıp sönme", 16: "Solma",
    17: "Parıltı", 18: "Sabit", 19: "Nefes", 20: "Yanıp sönme", 21: "Spektrum", 22: "Dalga",
    23: "Solma", 24: "Nabız", 25: "Stroboskop", 26: "Parıltı", 27: "Tarama", 28: "Rastgele",
    29: "Parlaklık 1", 30: "Parlaklık 2", 31: "Parlaklık 3", 32: "Parlaklık 4",
    33: "Parlaklık 5", 34: "Parlaklık 6", 35: "Parlaklık 7", 36: "Parlaklık 8",
    37: "En yavaş", 38: "Yavaş", 39: "Orta", 40: "Biraz hızlı", 41: "Hızlı", 42: "En hızlı",
}

OTHER = {1: "Devre dışı", 11: "[DPI sıfırla]", 12: " ms", 13: "[Aydınlatma] ",
         17: "[Gecikme]", 20: "Makro"}

SHORTCUT = {4: "Değiştirici tuş yok", 5: "Bir tuşa basın"}

# The more menu's rows and the names screen readers give the window's symbol entries.
OTHER.update({30: "Oturumla başlat", 31: "Hakkında", 32: "Her şeyi fareye yaz", 33: "açık", 34: "kapalı", 35: "Simge durumuna küçült", 36: "Kapat", 37: "Bildirim alanına küçült", 38: "Dil", 39: "Daha fazla", 40: "Web sayfası", 41: "Renk", 42: "Renk döngüsünde"})
