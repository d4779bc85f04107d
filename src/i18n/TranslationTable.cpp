// The translation table. The source file is UTF-8; every text is a UTF-16 literal so that it
// reaches the screen unchanged, whatever the system's ANSI code page.
//
// Each column lists its 20 cells in the order of the keys below. Languages that translate only
// part of the window leave the other cells empty (nullptr).
#include "i18n/TranslationTable.h"

namespace tavrix {

namespace {

constexpr std::array<std::u16string_view, kTranslationKeyCount> kKeys = {
    u"File",                   // menu
    u"Edit",                   // menu
    u"Help",                   // menu
    u"Help online",            // help command (caption gets "..." appended) and its hint
    u"Load...",                // load command
    u"Save...",                // save command
    u"Always on top",          // stay-on-top command
    u"Exit",                   // exit command
    u"Delete",                 // kept for completeness; no text of the window uses it
    u"Clear clipboard",        // clear command and its hint
    u"About %1...",            // the two About items; "%1" is the product name
    u"Size",                   // status bar
    u"Sound",                  // sound summary
    u"Preview",                // first node of the format tree
    u"Clipboard is Empty.",    // empty-clipboard summary
    u"Zoom out",               // zoom commands
    u"Zoom in",                //
    u"Zoom to 100%",           //
    u"Load file to clipboard", // load hint
    u"Save clipboard to file", // save hint
};

constexpr const char16_t* kNone = nullptr;

// clang-format off
constexpr TranslationColumn kColumns[] = {
    {1, {  // Arabic
        u"ملف", u"تحرير", u"تعليمات", u"تعليمات عبر الإنترنت", u"تحميل...", u"Save...",
        u"في المقدمة دائماً", u"إنهاء", u"حذف", u"مسح الحافظة", u"حول %1...",
        u"الحجم", u"الصوت", u"معاينة", u"الحافظة فارغة.", u"تصغير", u"تكبير",
        u"تكبير/تصغير إلى 100%", u"تحميل ملف إلى الحافظة", u"حفظ الحافظة في ملف"}},
    {2, {  // Bulgarian
        u"Файл", u"Редактиране", u"Помощ", u"Помощ онлайн", u"Зареждане...", u"Save...",
        u"Винаги отгоре", u"Изход", u"Изтриване", u"Изчистване на клипборда", u"За %1...",
        u"Размер", u"Звук", u"Визуализация", u"Клипбордът е празен.", u"Намаляване",
        u"Увеличаване", u"Мащаб 100%", u"Зареждане на файл в клипборда",
        u"Записване на клипборда във файл"}},
    {4, {  // Chinese, traditional script
        u"檔案", u"編輯", u"說明", u"線上說明", u"載入...", u"儲存...",
        u"永遠在最上層", u"結束", u"刪除", u"清除剪貼簿", u"關於%1...",
        u"大小", u"音效", u"預覽", u"剪貼簿是空的。", u"縮小", u"放大",
        u"縮放至 100%", u"將檔案載入剪貼簿", u"將剪貼簿儲存至檔案"}},
    {5, {  // Czech: only the second group
        kNone, kNone, kNone, u"Nápověda online", kNone, kNone,
        kNone, kNone, kNone, kNone, kNone,
        u"Velikost", u"Zvuk", u"Náhled", u"Schránka je prázdná.", u"Oddálit", u"Přiblížit",
        u"Lupa 100 %", u"Načíst soubor do schránky", u"Uložit schránku do souboru"}},
    {6, {  // Danish
        u"Filer", u"Rediger", u"Hjælp", u"Onlinehjælp", u"Indlæs...", u"Gem...",
        u"Altid øverst", u"Afslut", u"Slet", u"Ryd Udklipsholder", u"Om %1...",
        u"Størrelse", u"Lyd", u"Eksempel", u"Udklipsholderen er tom.", u"Zoom ud", u"Zoom ind",
        u"Zoom til 100 %", u"Indlæs fil i Udklipsholder", u"Gem Udklipsholder i fil"}},
    {7, {  // German
        u"Datei", u"Bearbeiten", u"Hilfe", u"Onlinehilfe", u"Laden...", u"Speichern...",
        u"Immer im Vordergrund", u"Beenden", u"Löschen", u"Zwischenablage leeren",
        u"Info über %1...",
        u"Größe", u"Sound", u"Vorschau", u"Die Zwischenablage ist leer.", u"Verkleinern",
        u"Vergrößern", u"Zoommodus 100 %", u"Datei in die Zwischenablage laden",
        u"Zwischenablage in Datei speichern"}},
    {8, {  // Greek
        u"Αρχείο", u"Επεξεργασία", u"Βοήθεια", u"Ηλεκτρονική βοήθεια", u"Φόρτωση...",
        u"Αποθήκευση...", u"Πάντα στην κορυφή", u"Έξοδος", u"Διαγραφή", u"Απαλοιφή Προχείρου",
        u"Πληροφορίες για το στοιχείο %1...",
        u"Μέγεθος", u"Ήχος", u"Προεπισκόπηση", u"Το Πρόχειρο είναι κενό.", u"Σμίκρυνση",
        u"Μεγέθυνση", u"Ζουμ στο 100%", u"Φόρτωση αρχείου στο Πρόχειρο",
        u"Αποθήκευση Προχείρου σε αρχείο"}},
    {10, {  // Spanish
        u"Archivo", u"Edición", u"Ayuda", u"Ayuda en línea", u"Cargar...", u"Guardar...",
        u"Siempre visible", u"Salir", u"Eliminar", u"Borrar Portapapeles", u"Acerca de %1...",
        u"Tamaño", u"Sonido", u"Vista previa", u"El Portapapeles está vacío.", u"Alejar",
        u"Acercar", u"Zoom al 100%", u"Cargar archivo en el Portapapeles",
        u"Guardar Portapapeles en archivo"}},
    {12, {  // French
        u"Fichier", u"Édition", u"Aide", u"Aide en ligne", u"Charger...", u"Enregistrer...",
        u"Toujours visible", u"Quitter", u"Supprimer", u"Vider le Presse-papiers",
        u"À propos de %1...",
        u"Taille", u"Son", u"Aperçu", u"Le Presse-papiers est vide.", u"Zoom arrière",
        u"Zoom avant", u"Zoom à 100 %", u"Charger un fichier dans le Presse-papiers",
        u"Enregistrer le Presse-papiers dans un fichier"}},
    {14, {  // Hungarian
        u"Fájl", u"Szerkesztés", u"Súgó", u"Online súgó", u"Betöltés...", u"Mentés...",
        u"Mindig látható", u"Kilépés", u"Törlés", u"Vágólap törlése", u"%1 névjegye...",
        u"Méret", u"Hang", u"Előnézet", u"A vágólap üres.", u"Kicsinyítés", u"Nagyítás",
        u"Nagyítás 100%-ra", u"Fájl betöltése a vágólapra", u"Vágólap mentése fájlba"}},
    {16, {  // Italian
        u"File", u"Modifica", u"Guida", u"Guida in linea", u"Carica...", u"Salva...",
        u"Sempre in primo piano", u"Esci", u"Elimina", u"Svuota Appunti",
        u"Informazioni su %1...",
        u"Dimensioni", u"Suono", u"Anteprima", u"Gli Appunti sono vuoti.", u"Riduci",
        u"Ingrandisci", u"Zoom al 100%", u"Carica file negli Appunti",
        u"Salva Appunti in un file"}},
    {17, {  // Japanese
        u"ファイル", u"編集", u"ヘルプ", u"オンライン ヘルプ", u"読み込み...", u"保存...",
        u"常に手前に表示", u"終了", u"削除", u"クリップボードのクリア", u"%1に関する情報",
        u"サイズ", u"サウンド", u"プレビュー", u"クリップボードは空です。", u"縮小", u"拡大",
        u"100% 表示", u"ファイルをクリップボードに読み込む", u"クリップボードをファイルに保存"}},
    {18, {  // Korean
        u"파일", u"편집", u"도움말", u"온라인 도움말", u"불러오기...", u"저장...",
        u"항상 위", u"끝내기", u"삭제", u"클립보드 지우기", u"%1 정보...",
        u"크기", u"소리", u"미리 보기", u"클립보드가 비어 있습니다.", u"축소", u"확대",
        u"100%로 확대/축소", u"파일을 클립보드로 불러오기", u"클립보드를 파일로 저장"}},
    {19, {  // Dutch
        u"Bestand", u"Bewerken", u"Help", u"Online Help", u"Laden...", u"Opslaan...",
        u"Altijd op voorgrond", u"A&fsluiten", u"Verwijderen", u"Klembord wissen",
        u"Over %1...",
        u"Grootte", u"Geluid", u"Voorbeeld", u"Het Klembord is leeg.", u"Uitzoomen",
        u"Inzoomen", u"Zoomen naar 100%", u"Bestand naar Klembord laden",
        u"Klembord opslaan in bestand"}},
    {21, {  // Polish
        u"Plik", u"Edycja", u"Pomoc", u"Pomoc online", u"Wczytaj...", u"Zapisz...",
        u"Zawsze na wierzchu", u"Zakończ", u"Usuń", u"Wyczyść schowek", u"%1 - informacje...",
        u"Rozmiar", u"Dźwięk", u"Podgląd", u"Schowek jest pusty.", u"Pomniejsz", u"Powiększ",
        u"Powiększenie 100%", u"Wczytaj plik do schowka", u"Zapisz schowek do pliku"}},
    {22, {  // Portuguese, Brazilian wording
        u"Arquivo", u"Editar", u"Ajuda", u"Ajuda online", u"Carregar...", u"Salvar...",
        u"Sempre visível", u"Sair", u"Excluir", u"Limpar área de transferência",
        u"Sobre o %1...",
        u"Tamanho", u"Som", u"Visualizar", u"A área de transferência está vazia.", u"Reduzir",
        u"Ampliar", u"Zoom 100%", u"Carregar arquivo na área de transferência",
        u"Salvar área de transferência em arquivo"}},
    {25, {  // Russian
        u"Файл", u"Правка", u"Справка", u"Справка в Интернете", u"Загрузить...",
        u"Сохранить...", u"Поверх всех окон", u"Выход", u"Удалить", u"Очистить буфер обмена",
        u"О программе %1...",
        u"Размер", u"Звук", u"Просмотр", u"Буфер обмена пуст.", u"Уменьшить", u"Увеличить",
        u"Масштаб 100%", u"Загрузить файл в буфер обмена", u"Сохранить буфер обмена в файл"}},
    {26, {  // Serbian, Cyrillic script
        u"Датотека", u"Уређивање", u"Помоћ", u"Помоћ на мрежи", u"Учитај...", u"Save...",
        u"Увек на врху", u"Излаз", u"Избриши", u"Обриши оставу", u"About %1...",
        u"Величина", u"Звук", u"Преглед", u"Остава је празна.", u"Умањи", u"Увећај",
        u"Зумирај на 100%", u"Учитај датотеку у оставу", u"Сачувај оставу у датотеку"}},
    {27, {  // Slovak: only the second group
        kNone, kNone, kNone, u"Pomocník online", kNone, kNone,
        kNone, kNone, kNone, kNone, kNone,
        u"Veľkosť", u"Zvuk", u"Ukážka", u"Schránka je prázdna.", u"Oddialiť", u"Priblížiť",
        u"Lupa 100 %", u"Načítať súbor do schránky", u"Uložiť schránku do súboru"}},
    {29, {  // Swedish
        u"Arkiv", u"Redigera", u"Hjälp", u"Onlinehjälp", u"Läs in...", u"Spara...",
        u"Alltid överst", u"Avsluta", u"Ta bort", u"Töm Urklipp", u"Om %1...",
        u"Storlek", u"Ljud", u"Förhandsgranska", u"Urklipp är tomt.", u"Zooma ut",
        u"Zooma in", u"Zooma till 100 %", u"Läs in fil till Urklipp", u"Spara Urklipp i fil"}},
    {31, {  // Turkish
        u"Dosya", u"Düzen", u"Yardım", u"Çevrimiçi yardım", u"Yükle...", u"Kaydet...",
        u"Her zaman üstte", u"Çıkış", u"Sil", u"Panoyu temizle", u"%1 Hakkında...",
        u"Boyut", u"Ses", u"Önizleme", u"Pano boş.", u"Uzaklaştır", u"Yakınlaştır",
        u"%100 yakınlaştır", u"Dosyayı panoya yükle", u"Panoyu dosyaya kaydet"}},
    {34, {  // Ukrainian
        u"Файл", u"Редагування", u"Довідка", u"Довідка в Інтернеті", u"Завантажити...",
        u"Save...", u"Поверх усіх вікон", u"Вихід", u"Видалити", u"Очистити буфер обміну",
        u"Про програму %1...",
        u"Розмір", u"Звук", u"Попередній перегляд", u"Буфер обміну порожній.", u"Зменшити",
        u"Збільшити", u"Масштаб 100%", u"Завантажити файл у буфер обміну",
        u"Зберегти буфер обміну у файл"}},
    {35, {  // Belarusian: only the second group
        kNone, kNone, kNone, u"Даведка ў Інтэрнэце", kNone, kNone,
        kNone, kNone, kNone, kNone, kNone,
        u"Памер", u"Гук", u"Папярэдні прагляд", u"Буфер абмену пусты.", u"Паменшыць",
        u"Павялічыць", u"Маштаб 100%", u"Загрузіць файл у буфер абмену",
        u"Захаваць буфер абмену ў файл"}},
    {38, {  // Latvian: only the second group
        kNone, kNone, kNone, u"Tiešsaistes palīdzība", kNone, kNone,
        kNone, kNone, kNone, kNone, kNone,
        u"Lielums", u"Skaņa", u"Priekšskatījums", u"Starpliktuve ir tukša.", u"Tālināt",
        u"Tuvināt", u"Tālummaiņa 100%", u"Ielādēt failu starpliktuvē",
        u"Saglabāt starpliktuvi failā"}},
    {1050, {  // Croatian (Croatia): only the second group
        kNone, kNone, kNone, u"Pomoć na mreži", kNone, kNone,
        kNone, kNone, kNone, kNone, kNone,
        u"Veličina", u"Zvuk", u"Pretpregled", u"Međuspremnik je prazan.", u"Smanji",
        u"Povećaj", u"Zumiraj na 100%", u"Učitaj datoteku u međuspremnik",
        u"Spremi međuspremnik u datoteku"}},
    {2052, {  // Chinese, simplified script (China)
        u"文件", u"编辑", u"帮助", u"联机帮助", u"加载...", u"保存...",
        u"总在最前", u"退出", u"删除", u"清空剪贴板", u"关于%1...",
        u"大小", u"声音", u"预览", u"剪贴板为空。", u"缩小", u"放大",
        u"缩放到 100%", u"将文件加载到剪贴板", u"将剪贴板保存到文件"}},
    {2070, {  // Portuguese (Portugal): the first group only, with the Brazilian wording
        u"Arquivo", u"Editar", u"Ajuda", kNone, u"Carregar...", u"Salvar...",
        u"Sempre visível", u"Sair", u"Excluir", u"Limpar área de transferência",
        u"Sobre o %1...",
        kNone, kNone, kNone, kNone, kNone, kNone,
        kNone, kNone, kNone}},
};
// clang-format on

} // namespace

const std::array<std::u16string_view, kTranslationKeyCount>& TranslationKeys() {
    return kKeys;
}

std::span<const TranslationColumn> TranslationColumns() {
    return kColumns;
}

} // namespace tavrix
