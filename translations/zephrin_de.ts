<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About : Zephrin</source>
        <translation>Über Zephrin</translation>
    </message>
    <message>
        <source>Click here to close.</source>
        <translation>Klicken, um das Fenster zu schließen.</translation>
    </message>
    <message>
        <source>Close me</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Click to buy the program</source>
        <translation>Klicken, um das Programm zu kaufen</translation>
    </message>
    <message>
        <source>Buy now !</source>
        <translation>Jetzt kaufen!</translation>
    </message>
    <message>
        <source>Software : Zephrin</source>
        <translation>Software: Zephrin</translation>
    </message>
    <message>
        <source>Price : $29.95 (Includes Free webpage version)</source>
        <translation>Preis: 29,95 $ (inkl. kostenloser Webversion)</translation>
    </message>
    <message>
        <source>Platform : Windows 98/2000/ME/XP</source>
        <translation>Plattform: Windows 98/2000/ME/XP</translation>
    </message>
    <message>
        <source>Company : Tolvane</source>
        <translation>Firma: Tolvane</translation>
    </message>
    <message>
        <source>Website : %1</source>
        <translation>Website: %1</translation>
    </message>
    <message>
        <source>Email : %1</source>
        <translation>E-Mail: %1</translation>
    </message>
</context>
<context>
    <name>AdCatalogue</name>
    <message>
        <source>It is used as a regular post it.This ad shows exactly in the middle of the browser.User can close it by clicking the Hide box button</source>
        <translation>Wie ein gewöhnlicher Haftnotizzettel: Die Anzeige erscheint genau in der Mitte des Browsers, und der Besucher blendet sie mit einem Klick auf den Link in der Box wieder aus.</translation>
    </message>
    <message>
        <source>It is just like any floating window.You can minimize it , maximize it , restore it and close it.</source>
        <translation>Wie ein frei schwebendes Fenster: Sie lässt sich minimieren, maximieren, wiederherstellen und schließen.</translation>
    </message>
    <message>
        <source>Jumpy ads can never be missed.It falls in from the top of the browser window and wiggles like the name says.</source>
        <translation>Eine Hüpfanzeige ist nicht zu übersehen: Sie fällt von oben ins Browserfenster und hüpft hin und her, wie der Name sagt.</translation>
    </message>
    <message>
        <source>Simple slidein ad which can help you gain user&apos;s email address.Ad slides in from left and disappears in 5 seconds.</source>
        <translation>Eine einfache Einblendanzeige, mit der Sie E-Mail-Adressen Ihrer Besucher gewinnen: Sie gleitet von links herein und verschwindet nach 5 Sekunden.</translation>
    </message>
    <message>
        <source>This type of ad shows only for a particular interval of time.It dissapears after a few seconds.</source>
        <translation>Diese Anzeige erscheint nur für eine bestimmte Zeit und verschwindet nach ein paar Sekunden wieder.</translation>
    </message>
</context>
<context>
    <name>AdOptions</name>
    <message>
        <source>Read the body HTML from FILE (- for stdin).</source>
        <translation>Den HTML-Inhalt aus FILE lesen (- für die Standardeingabe).</translation>
    </message>
    <message>
        <source>Start from a design saved as JSON.</source>
        <translation>Von einem als JSON gespeicherten Entwurf ausgehen.</translation>
    </message>
    <message>
        <source>Save the design in use as JSON.</source>
        <translation>Den verwendeten Entwurf als JSON speichern.</translation>
    </message>
    <message>
        <source>--settings: %1</source>
        <translation>--settings: %1</translation>
    </message>
    <message>
        <source>--body and --body-file: give only one of them</source>
        <translation>--body und --body-file: nur eines von beiden angeben</translation>
    </message>
    <message>
        <source>--body-file: cannot read standard input</source>
        <translation>--body-file: Die Standardeingabe kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>--body-file: %1</source>
        <translation>--body-file: %1</translation>
    </message>
    <message>
        <source>--save-settings: %1</source>
        <translation>--save-settings: %1</translation>
    </message>
    <message>
        <source>--%1: %2</source>
        <translation>--%1: %2</translation>
    </message>
    <message>
        <source>--settings: %1: &quot;caption&quot; %2</source>
        <translation>--settings: %1: &quot;caption&quot; %2</translation>
    </message>
</context>
<context>
    <name>Add</name>
    <message>
        <source>Add the code block to pages, or replace theirs.</source>
        <translation>Den Codeblock in Seiten einfügen oder ihren vorhandenen ersetzen.</translation>
    </message>
    <message>
        <source>the page already uses the id &quot;%1&quot;, as the box does</source>
        <translation>die Seite verwendet die ID „%1“ bereits, wie die Box</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>Check the design before publishing: contrast, control sizes, storage on the reader&apos;s device, the share of a phone screen it covers, a mailto: form, and what the code adds to a page. Exit 0 when nothing is found, 1 when something is.</source>
        <translation>Den Entwurf vor dem Veröffentlichen prüfen: Kontrast, Größe der Bedienelemente, Speichern auf dem Gerät des Lesers, der bedeckte Anteil eines Handybildschirms, ein mailto:-Formular und was der Code einer Seite hinzufügt. Ende mit 0, wenn nichts gefunden wird, mit 1, wenn etwas gefunden wird.</translation>
    </message>
    <message>
        <source>text (the default) or json.</source>
        <translation>text (Vorgabe) oder json.</translation>
    </message>
    <message>
        <source>--format: &quot;%1&quot; is not text or json</source>
        <translation>--format: „%1“ ist weder text noch json</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>Try &quot;zephrin-cli %1 --help&quot;.</source>
        <translation>Siehe „zephrin-cli %1 --help“.</translation>
    </message>
</context>
<context>
    <name>DesignCheck</name>
    <message>
        <source>Black text</source>
        <translation>Schwarzer Text</translation>
    </message>
    <message>
        <source>White text</source>
        <translation>Weißer Text</translation>
    </message>
    <message>
        <source>Green text</source>
        <translation>Grüner Text</translation>
    </message>
    <message>
        <source>Links (#0000EE)</source>
        <translation>Links (#0000EE)</translation>
    </message>
    <message>
        <source>Choose a lighter colour.</source>
        <translation>Eine hellere Farbe wählen.</translation>
    </message>
    <message>
        <source>Choose a darker colour.</source>
        <translation>Eine dunklere Farbe wählen.</translation>
    </message>
    <message>
        <source>Choose FFFFFF, which gives Jumpy AD green text; on any other colour its text is white, which no colour suits together with its links.</source>
        <translation>FFFFFF wählen, das der Jumpy AD grünen Text gibt; auf jeder anderen Farbe ist ihr Text weiß, und keine Farbe passt zugleich zu ihren Links.</translation>
    </message>
    <message>
        <source>%1 on the box colour %2: contrast %3, under 4.5:1.</source>
        <translation>%1 auf der Boxfarbe %2: Kontrast %3, unter 4,5:1.</translation>
    </message>
    <message>
        <source>the &quot;%1&quot; link (%2 px high)</source>
        <translation>der Link „%1“ (%2 px hoch)</translation>
    </message>
    <message>
        <source>the &quot;%1&quot; button (%2 px high)</source>
        <translation>die Schaltfläche „%1“ (%2 px hoch)</translation>
    </message>
    <message>
        <source>the credit link (%1 px high)</source>
        <translation>der Link auf Zephrin (%1 px hoch)</translation>
    </message>
    <message>
        <source>Controls under 24 × 24 px: %1.</source>
        <translation>Bedienelemente unter 24 × 24 px: %1.</translation>
    </message>
    <message>
        <source>Give the box&apos;s controls room in the page&apos;s style sheet: [data-zephrin] a, [data-zephrin] input {display: inline-block; min-height: 24px}. Window AD&apos;s buttons are 24 px square.</source>
        <translation>Den Bedienelementen der Box im Stylesheet der Seite Platz geben: [data-zephrin] a, [data-zephrin] input {display: inline-block; min-height: 24px}. Die Schaltflächen der Window AD sind 24 px groß.</translation>
    </message>
    <message>
        <source>The box writes to the reader&apos;s %1 when it shows, which needs the reader&apos;s consent.</source>
        <translation>Die Box schreibt beim Erscheinen in den %1 des Lesers; dafür braucht es seine Einwilligung.</translation>
    </message>
    <message>
        <source>On a %1 × %2 phone screen the box covers %3 %, more than %4 %.</source>
        <translation>Auf einem Handybildschirm von %1 × %2 bedeckt die Box %3 %, mehr als %4 %.</translation>
    </message>
    <message>
        <source>Make the box lower (or narrower).</source>
        <translation>Die Box niedriger (oder schmaler) machen.</translation>
    </message>
    <message>
        <source>The sign-up form is sent by mail, which works only for readers with a mail program set up.</source>
        <translation>Das Anmeldeformular wird per E-Mail gesendet; das geht nur bei Lesern mit eingerichtetem E-Mail-Programm.</translation>
    </message>
    <message>
        <source>Give the https: address of a mailing service&apos;s sign-up form.</source>
        <translation>Die https:-Adresse des Anmeldeformulars eines Newsletter-Dienstes angeben.</translation>
    </message>
    <message>
        <source>The code adds %1 bytes to a page, %2 gzip-compressed.</source>
        <translation>Der Code fügt einer Seite %1 Bytes hinzu, gzip-komprimiert %2.</translation>
    </message>
    <message>
        <source>Store only when the reader closes the box (on-close), once the site&apos;s consent tool allows it (consent), or never (none).</source>
        <translation>Nur speichern, wenn der Leser die Box schließt (on-close), sobald das Einwilligungswerkzeug der Website es erlaubt (consent), oder nie (none).</translation>
    </message>
</context>
<context>
    <name>DesignFile</name>
    <message>
        <source>Zephrin designs (*.json)</source>
        <translation>Zephrin-Entwürfe (*.json)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open design</source>
        <translation>Entwurf öffnen</translation>
    </message>
    <message>
        <source>%1
The design was not opened.</source>
        <translation>%1
Der Entwurf wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>Save design</source>
        <translation>Entwurf speichern</translation>
    </message>
    <message>
        <source>%1[*] - Zephrin</source>
        <translation>%1[*] - Zephrin</translation>
    </message>
    <message>
        <source>The design &quot;%1&quot; has changes that are not saved. Save them?</source>
        <translation>Der Entwurf „%1“ hat ungespeicherte Änderungen. Sollen sie gespeichert werden?</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a whole number of pixels, so a design file cannot keep it. Type a number, or leave it empty for the type&apos;s default. Nothing was saved.</source>
        <translation>%1 „%2“ ist keine ganze Zahl von Pixeln und lässt sich daher nicht in einer Entwurfsdatei speichern. Geben Sie eine Zahl ein, oder lassen Sie das Feld leer für die Vorgabe der Anzeigenart. Es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>DisplayRules</name>
    <message>
        <source>&quot;until&quot; %1 is before &quot;from&quot; %2: the box would never start</source>
        <translation>„until“ %1 liegt vor „from“ %2: Die Box erschiene nie</translation>
    </message>
</context>
<context>
    <name>DisplayRulesTab</name>
    <message>
        <source>S&amp;tart</source>
        <translation>S&amp;tart</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>When the box starts on the reader&apos;s page.
&quot;When the pointer leaves the top&quot; needs a mouse:
on touch screens the box then never starts.</source>
        <translation>Wann die Box auf der Seite des Lesers erscheint.
„Wenn der Zeiger oben hinausgeht“ braucht eine Maus:
auf Touchscreens erscheint die Box dann nie.</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>Sofort</translation>
    </message>
    <message>
        <source>After a delay</source>
        <translation>Nach einer Wartezeit</translation>
    </message>
    <message>
        <source>After scrolling down</source>
        <translation>Nach dem Scrollen</translation>
    </message>
    <message>
        <source>When the pointer leaves the top</source>
        <translation>Wenn der Zeiger oben hinausgeht</translation>
    </message>
    <message>
        <source>Seconds after the page has loaded, or how far
down the page the reader has scrolled.</source>
        <translation>Sekunden, nachdem die Seite geladen ist, oder wie weit
der Leser auf der Seite nach unten gescrollt hat.</translation>
    </message>
    <message>
        <source>Start after</source>
        <translation>Start nach</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Sho&amp;w again</source>
        <translation>&amp;Wieder zeigen</translation>
    </message>
    <message>
        <source>Show again</source>
        <translation>Wieder zeigen</translation>
    </message>
    <message>
        <source>How often one reader sees the box, remembered in the
reader&apos;s browser and sent nowhere. Where the browser
keeps nothing, the box shows at most once per page view.</source>
        <translation>Wie oft ein Leser die Box sieht; sein Browser merkt es sich,
nichts wird versandt. Wo der Browser nichts speichert,
erscheint die Box höchstens einmal je Seitenaufruf.</translation>
    </message>
    <message>
        <source>Every page view</source>
        <translation>Bei jedem Seitenaufruf</translation>
    </message>
    <message>
        <source>Once per visit</source>
        <translation>Einmal je Besuch</translation>
    </message>
    <message>
        <source>Once every N days</source>
        <translation>Einmal alle N Tage</translation>
    </message>
    <message>
        <source>Days before the same reader sees the box again,
counted from when it last started.</source>
        <translation>Tage, bis derselbe Leser die Box wieder sieht,
gezählt ab ihrem letzten Erscheinen.</translation>
    </message>
    <message>
        <source>Days between showings</source>
        <translation>Tage zwischen zwei Anzeigen</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>Show the box from this day on (the reader&apos;s local date).</source>
        <translation>Die Box ab diesem Tag zeigen (Datum des Lesers).</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Show the box until this day, inclusive (the reader&apos;s local date).</source>
        <translation>Die Box bis einschließlich diesem Tag zeigen (Datum des Lesers).</translation>
    </message>
    <message>
        <source>&amp;Until</source>
        <translation>Bi&amp;s</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Sc&amp;reens</source>
        <translation>Bildschi&amp;rme</translation>
    </message>
    <message>
        <source>Screens</source>
        <translation>Bildschirme</translation>
    </message>
    <message>
        <source>Wide screens show the page at least 768 pixels wide;
checked when the box would start.</source>
        <translation>Breite Bildschirme zeigen die Seite mindestens 768 Pixel breit;
geprüft, wenn die Box erscheinen würde.</translation>
    </message>
    <message>
        <source>All screens</source>
        <translation>Alle Bildschirme</translation>
    </message>
    <message>
        <source>Wide screens only</source>
        <translation>Nur breite Bildschirme</translation>
    </message>
    <message>
        <source>Narrow screens only</source>
        <translation>Nur schmale Bildschirme</translation>
    </message>
    <message>
        <source>The rules go into the head section and run in the reader&apos;s browser. The test drive always shows the box at once; View shows it with the rules.</source>
        <translation>Die Regeln kommen in den Head-Abschnitt und wirken im Browser des Lesers. Die Probefahrt zeigt die Box immer sofort, die Vorschau mit den Regeln.</translation>
    </message>
    <message>
        <source>&amp;Language of the box</source>
        <translation>S&amp;prache der Box</translation>
    </message>
    <message>
        <source>The language of the words the box shows the site&apos;s readers:
its close link, closing notice and button, and the names
screen readers announce for it. The credit link stays English.</source>
        <translation>Die Sprache der Wörter, die die Box den Lesern der Website zeigt:
Link zum Schließen, Hinweis zum Schließen und Schaltfläche sowie
die Namen, die Screenreader ansagen. Der Link auf Zephrin bleibt englisch.</translation>
    </message>
    <message>
        <source>Language of the box</source>
        <translation>Sprache der Box</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Loo&amp;k</source>
        <translation>Ausse&amp;hen</translation>
    </message>
    <message>
        <source>Classic: the box as designed.
Modern: the page&apos;s font, rounded corners, text colours
that read on the box colour, a round close button,
and a dark box on dark screens when the colour is white.</source>
        <translation>Klassisch: die Box wie entworfen.
Modern: die Schrift der Seite, runde Ecken, Textfarben,
die auf der Boxfarbe gut lesbar sind, ein runder Schließen-Knopf
und eine dunkle Box auf dunklen Bildschirmen, wenn die Farbe Weiß ist.</translation>
    </message>
    <message>
        <source>Look of the box</source>
        <translation>Aussehen der Box</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Modern</translation>
    </message>
    <message>
        <source>Store on the reader&apos;s device</source>
        <translation>Speichern im Browser des Lesers</translation>
    </message>
    <message>
        <source>When &quot;Show again&quot; and a sign-up form may write to the
reader&apos;s browser: when the box shows; only when the reader
closes it or subscribes; never, so &quot;Once per visit&quot; and
&quot;Once every N days&quot; mean once per page view; or once the
site&apos;s consent tool (CookieConsent, Klaro, or the
zephrin:consent event) allows it, never before.</source>
        <translation>Wann „Wieder zeigen“ und ein Anmeldeformular in den Browser
des Lesers schreiben dürfen: beim Erscheinen der Box; nur wenn
der Leser sie schließt oder sich anmeldet; nie, dann heißen
„Einmal je Besuch“ und „Einmal alle N Tage“ einmal je Seitenaufruf;
oder sobald das Einwilligungswerkzeug der Website (CookieConsent,
Klaro oder das Ereignis zephrin:consent) es erlaubt, nie vorher.</translation>
    </message>
    <message>
        <source>When the box shows</source>
        <translation>Beim Erscheinen</translation>
    </message>
    <message>
        <source>When the reader closes it</source>
        <translation>Wenn der Leser sie schließt</translation>
    </message>
    <message>
        <source>Never: once per page view</source>
        <translation>Nie: einmal je Seitenaufruf</translation>
    </message>
    <message>
        <source>After the site&apos;s consent</source>
        <translation>Nach Einwilligung</translation>
    </message>
    <message>
        <source>Site a&amp;nalytics</source>
        <translation>Web-A&amp;nalyse</translation>
    </message>
    <message>
        <source>The analytics the site already loads, told when a reader
sees the box, closes it or sends its form. Zephrin itself
sends nothing anywhere.</source>
        <translation>Die Web-Analyse, die die Website schon lädt, erfährt,
wenn ein Leser die Box sieht, schließt oder ihr Formular
absendet. Zephrin selbst sendet nichts.</translation>
    </message>
    <message>
        <source>Site analytics</source>
        <translation>Web-Analyse</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Tag Manager (dataLayer)</source>
        <translation>Tag Manager (dataLayer)</translation>
    </message>
    <message>
        <source>St&amp;ore</source>
        <translation>Spei&amp;chern</translation>
    </message>
</context>
<context>
    <name>FileStore</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>Es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not an ordinary file</source>
        <translation>Es ist ein Gerät, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is a pipe, not an ordinary file</source>
        <translation>Es ist eine Pipe, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is a socket, not an ordinary file</source>
        <translation>Es ist ein Socket, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>Es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>Es wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>it is a symbolic link to a missing file</source>
        <translation>Es ist ein symbolischer Link auf eine fehlende Datei</translation>
    </message>
    <message>
        <source>another program created it meanwhile; it was left as that program wrote it</source>
        <translation>Ein anderes Programm hat sie inzwischen angelegt; sie bleibt so, wie jenes Programm sie geschrieben hat</translation>
    </message>
    <message>
        <source>the page read back differs from what was written</source>
        <translation>Die zurückgelesene Seite weicht vom Geschriebenen ab</translation>
    </message>
    <message>
        <source>no copy of the page could be kept in the folder &quot;%1&quot; (%2), so the page was left as it was</source>
        <translation>Im Ordner „%1“ ließ sich keine Kopie der Seite ablegen (%2), daher blieb die Seite unverändert</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2. The page could not be put back as it was; its original contents are kept in &quot;%3&quot;.</source>
        <translation>„%1“ kann nicht geschrieben werden: %2. Die Seite ließ sich nicht wiederherstellen; ihr ursprünglicher Inhalt liegt in „%3“.</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; is read-only.</source>
        <translation>Die Seite „%1“ ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; is on a read-only file system.</source>
        <translation>Die Seite „%1“ liegt auf einem schreibgeschützten Dateisystem.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is not writable, so &quot;%2&quot; cannot be created in it.</source>
        <translation>Der Ordner „%1“ ist schreibgeschützt, daher kann „%2“ darin nicht angelegt werden.</translation>
    </message>
    <message>
        <source>it was replaced by another program while Zephrin worked on it; nothing was changed; run again</source>
        <translation>ein anderes Programm hat sie ersetzt, während Zephrin daran arbeitete; nichts wurde geändert; bitte erneut ausführen</translation>
    </message>
</context>
<context>
    <name>Generate</name>
    <message>
        <source>Print the body section, the head section or both (body, then head).</source>
        <translation>Den Body-Abschnitt, den Head-Abschnitt oder beide ausgeben (erst Body, dann Head).</translation>
    </message>
    <message>
        <source>body, head or both (the default).</source>
        <translation>body, head oder both (Vorgabe).</translation>
    </message>
    <message>
        <source>Write to FILE instead of standard output.</source>
        <translation>In FILE statt auf die Standardausgabe schreiben.</translation>
    </message>
    <message>
        <source>--section: &quot;%1&quot; is not body, head or both</source>
        <translation>--section: „%1“ ist weder body noch head noch both</translation>
    </message>
    <message>
        <source>Print on standard error the Content-Security-Policy the code needs: script-src for both sections, and form-action and frame-src for a sign-up form.</source>
        <translation>Gibt auf der Standardfehlerausgabe die Content-Security-Policy aus, die der Code braucht: script-src für beide Abschnitte, form-action und frame-src für ein Anmeldeformular.</translation>
    </message>
</context>
<context>
    <name>Generation</name>
    <message>
        <source>the page already holds a %1 outside the code block: two boxes of the same type on one page do not work, as they share the type&apos;s id and style</source>
        <translation>die Seite enthält außerhalb des Codeblocks schon eine Box „%1“: zwei Boxen desselben Typs auf einer Seite funktionieren nicht, da sie Id und Stil des Typs teilen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Choose the type of Popup/Ad</source>
        <translation>Art des Popups bzw. der Anzeige wählen</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>Modify the Ad here that will be used while generating HTML code.</source>
        <translation>Hier die Anzeige anpassen, aus der der HTML-Code erzeugt wird.</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Generieren</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>A&amp;usgabe</translation>
    </message>
    <message>
        <source>More Info about product/company.</source>
        <translation>Mehr über Produkt und Hersteller.</translation>
    </message>
    <message>
        <source>&amp;About/&amp;Info</source>
        <translation>Ü&amp;ber/&amp;Info</translation>
    </message>
    <message>
        <source>The Output code of &lt;body&gt; and &lt;head&gt;</source>
        <translation>Der ausgegebene Code für &lt;body&gt; und &lt;head&gt;</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>5 types of Popup/Ad</source>
        <translation>5 Arten von Popups bzw. Anzeigen</translation>
    </message>
    <message>
        <source>Type of Ad</source>
        <translation>Art der Anzeige</translation>
    </message>
    <message>
        <source>StickME note</source>
        <translation>StickME-Notiz</translation>
    </message>
    <message>
        <source>Window AD</source>
        <translation>Fensteranzeige</translation>
    </message>
    <message>
        <source>Jumpy AD</source>
        <translation>Hüpfanzeige</translation>
    </message>
    <message>
        <source>Timer AD</source>
        <translation>Timer-Anzeige</translation>
    </message>
    <message>
        <source>Force Emailer</source>
        <translation>E-Mail-Sammler</translation>
    </message>
    <message>
        <source>Click to see the Ad/popup in action</source>
        <translation>Klicken, um die Anzeige bzw. das Popup in Aktion zu sehen</translation>
    </message>
    <message>
        <source>&amp;Test drive selected Ad !</source>
        <translation>Gewählte Anzeige &amp;testen!</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Vorschaubild</translation>
    </message>
    <message>
        <source>You will find here description of the popup you have selected.For more help and understanding read the help file or visit website</source>
        <translation>Hier steht die Beschreibung des gewählten Popups. Mehr Hilfe finden Sie in der Hilfedatei und auf der Website.</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Gestalten</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generieren</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Asp Files(*.asp)</source>
        <translation>ASP-Dateien (*.asp)</translation>
    </message>
    <message>
        <source>HTML Files (*.htm,*.html)</source>
        <translation>HTML-Dateien (*.htm,*.html)</translation>
    </message>
    <message>
        <source>Php Files (*.php)</source>
        <translation>PHP-Dateien (*.php)</translation>
    </message>
    <message>
        <source>Please select a file first</source>
        <translation>Bitte zuerst eine Datei wählen</translation>
    </message>
    <message>
        <source>Open design…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Open a design saved as a file: its type, settings, body and colour (Ctrl+O)</source>
        <translation>Einen als Datei gespeicherten Entwurf öffnen: Art, Einstellungen, Text und Farbe (Strg+O)</translation>
    </message>
    <message>
        <source>Save design…</source>
        <translation>Speichern…</translation>
    </message>
    <message>
        <source>Save the design to its file (Ctrl+S); the arrow saves it under a new name (Ctrl+Shift+S)</source>
        <translation>Den Entwurf in seiner Datei speichern (Strg+S); der Pfeil speichert ihn unter neuem Namen (Strg+Umschalt+S)</translation>
    </message>
    <message>
        <source>Save design as…</source>
        <translation>Entwurf speichern unter…</translation>
    </message>
    <message>
        <source>Save the design under a new name (Ctrl+Shift+S)</source>
        <translation>Den Entwurf unter neuem Namen speichern (Strg+Umschalt+S)</translation>
    </message>
    <message>
        <source>Display rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Check: OK</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>Check: %1</source>
        <translation>Prüfung: %1</translation>
    </message>
    <message>
        <source>The code was added to &quot;%1&quot;, but %2.</source>
        <translation>Der Code wurde in „%1“ eingefügt, aber %2.</translation>
    </message>
    <message>
        <source>%1 %2. Nothing was generated.</source>
        <translation>%1 %2. Es wurde nichts erzeugt.</translation>
    </message>
</context>
<context>
    <name>OutputPage</name>
    <message>
        <source>Place this code between the body start tag and close tag of your document.</source>
        <translation>Diesen Code in Ihrem Dokument zwischen die body-Tags einfügen.</translation>
    </message>
    <message>
        <source>Paste the html text in between &lt;body&gt;&lt;/body&gt; tags.</source>
        <translation>Den HTML-Text zwischen die Tags &lt;body&gt;&lt;/body&gt; einfügen.</translation>
    </message>
    <message>
        <source>Place this code between the head start and close tag of your document.</source>
        <translation>Diesen Code in Ihrem Dokument zwischen die head-Tags einfügen.</translation>
    </message>
    <message>
        <source>Paste the html text in between &lt;head&gt;&lt;/head&gt; tags.</source>
        <translation>Den HTML-Text zwischen die Tags &lt;head&gt;&lt;/head&gt; einfügen.</translation>
    </message>
    <message>
        <source>Click to generate &lt;body&gt; section of code</source>
        <translation>Klicken, um den &lt;body&gt;-Abschnitt des Codes zu erzeugen</translation>
    </message>
    <message>
        <source>Generate Body section of the code and copy to Clipboard</source>
        <translation>Body-Abschnitt erzeugen und in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Click to generate &lt;head&gt; section of code</source>
        <translation>Klicken, um den &lt;head&gt;-Abschnitt des Codes zu erzeugen</translation>
    </message>
    <message>
        <source>Generate Head section of the code and copy to Clipboard</source>
        <translation>Head-Abschnitt erzeugen und in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Preview ad in Browser.</source>
        <translation>Vorschau der Anzeige im Browser.</translation>
    </message>
    <message>
        <source>&amp;View generated results in Internet Explorer Browser</source>
        <translation>Ergebnis im Internet Explorer an&amp;zeigen</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>File :</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>      -------Select file to add Popup-------</source>
        <translation>      -----Datei für das Popup wählen-----</translation>
    </message>
    <message>
        <source>Select file to which you wish to add the popup ad code.</source>
        <translation>Datei wählen, in die der Code der Popup-Anzeige eingefügt werden soll.</translation>
    </message>
    <message>
        <source>&amp;Select file</source>
        <translation>&amp;Datei wählen</translation>
    </message>
    <message>
        <source>Click here to Add code and view the page in browser.</source>
        <translation>Hier klicken, um den Code einzufügen und die Seite im Browser anzusehen.</translation>
    </message>
    <message>
        <source>&amp;Add code to file &amp;&amp; View</source>
        <translation>Code &amp;einfügen &amp;&amp; ansehen</translation>
    </message>
    <message>
        <source>Help on Web !</source>
        <translation>Hilfe im Web!</translation>
    </message>
</context>
<context>
    <name>PageFile</name>
    <message>
        <source>The page &quot;%1&quot; was changed by another program while it was being read, so it was left as it is. Try again.</source>
        <translation>Die Seite „%1“ wurde beim Lesen von einem anderen Programm geändert und blieb deshalb unverändert. Bitte noch einmal versuchen.</translation>
    </message>
    <message>
        <source>Cannot add the code to &quot;%1&quot;: %2</source>
        <translation>Der Code kann nicht in „%1“ eingefügt werden: %2</translation>
    </message>
</context>
<context>
    <name>PageRun</name>
    <message>
        <source>Write nothing; say what would happen.</source>
        <translation>Nichts schreiben, nur sagen, was geschähe.</translation>
    </message>
    <message>
        <source>no page or folder given</source>
        <translation>keine Seite und kein Ordner angegeben</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: no such file or folder</source>
        <translation>„%1“: Datei oder Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder; give --recursive to take the pages in it</source>
        <translation>„%1“ ist ein Ordner; mit --recursive werden die Seiten darin genommen</translation>
    </message>
    <message>
        <source>%1: updated</source>
        <translation>%1: aktualisiert</translation>
    </message>
    <message>
        <source>%1: unchanged</source>
        <translation>%1: unverändert</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: abgelehnt: %2</translation>
    </message>
    <message>
        <source>%1 updated, %2 unchanged, %3 refused</source>
        <translation>%1 aktualisiert, %2 unverändert, %3 abgelehnt</translation>
    </message>
    <message numerus="yes">
        <source>Dry run, nothing written; %n pages would be: %1.</source>
        <translation>
            <numerusform>Probelauf, nichts geschrieben; %n Seite wäre: %1.</numerusform>
            <numerusform>Probelauf, nichts geschrieben; %n Seiten wären: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pages: %1.</source>
        <translation>
            <numerusform>%n Seite: %1.</numerusform>
            <numerusform>%n Seiten: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>PAGE|FOLDER...</source>
        <translation>SEITE|ORDNER...</translation>
    </message>
    <message>
        <source>Write nothing; list the pages that would change; exit 1 if any.</source>
        <translation>Nichts schreiben; die Seiten auflisten, die sich ändern würden; Ende mit 1, wenn es welche gibt.</translation>
    </message>
    <message>
        <source>With -r, take hidden files and folders (.name) too.</source>
        <translation>Mit -r auch versteckte Dateien und Ordner (.name) nehmen.</translation>
    </message>
    <message>
        <source>With -r, leave out paths matching GLOB (** for folders).</source>
        <translation>Mit -r Pfade auslassen, die auf GLOB passen (** für Ordner).</translation>
    </message>
    <message>
        <source>With -r, take only pages matching GLOB.</source>
        <translation>Mit -r nur Seiten nehmen, die auf GLOB passen.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot;: not a pattern (empty, or a &quot;[&quot; not closed)</source>
        <translation>--%1 „%2“: kein Muster (leer, oder ein „[“ nicht geschlossen)</translation>
    </message>
    <message>
        <source>--%1 chooses pages in folders; give --recursive too</source>
        <translation>--%1 wählt Seiten in Ordnern; bitte auch --recursive angeben</translation>
    </message>
    <message>
        <source>%1: skipped: %2</source>
        <translation>%1: übersprungen: %2</translation>
    </message>
    <message>
        <source>%1: not a page: a copy of %2 that an interrupted run kept, holding the page as it was before that run; if %2 is whole, delete the copy</source>
        <translation>%1: keine Seite: eine Kopie von %2, die ein abgebrochener Lauf behalten hat, mit der Seite, wie sie vor diesem Lauf war; ist %2 vollständig, die Kopie löschen</translation>
    </message>
    <message>
        <source> (note: %1)</source>
        <translation> (Hinweis: %1)</translation>
    </message>
    <message>
        <source>; %1 skipped</source>
        <translation>; %1 übersprungen</translation>
    </message>
    <message numerus="yes">
        <source>Check, nothing written; %n pages: %1 would change, %2 up to date, %3 refused.</source>
        <translation>
            <numerusform>Prüfung, nichts geschrieben; %n Seite: %1 würde sich ändern, %2 aktuell, %3 abgelehnt.</numerusform>
            <numerusform>Prüfung, nichts geschrieben; %n Seiten: %1 würden sich ändern, %2 aktuell, %3 abgelehnt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Take the %1 and %2 pages in folders.</source>
        <translation>Die Seiten %1 und %2 in Ordnern nehmen.</translation>
    </message>
    <message>
        <source>%1: a copy of %2 that an interrupted run kept in the cache folder, holding the page as it was before that run; if %2 is whole, delete the copy</source>
        <translation>%1: eine Kopie von %2, die ein abgebrochener Lauf im Cache-Ordner behalten hat, mit der Seite, wie sie vor diesem Lauf war; ist %2 vollständig, die Kopie löschen</translation>
    </message>
    <message>
        <source>%1: not a page: new contents for a page in its folder that an interrupted run wrote but never put in place, the page being left as it was; delete it</source>
        <translation>%1: keine Seite: neuer Inhalt für eine Seite in seinem Ordner, den ein abgebrochener Lauf geschrieben, aber nie eingesetzt hat; die Seite blieb, wie sie war; löschen</translation>
    </message>
</context>
<context>
    <name>PageText</name>
    <message>
        <source>The page is UTF-16 text but ends in the middle of a character; it may be damaged, so it is left as it is.</source>
        <translation>Die Seite ist UTF-16-Text, endet aber mitten in einem Zeichen; sie ist womöglich beschädigt und bleibt deshalb unverändert.</translation>
    </message>
    <message>
        <source>The file is not a text page: it contains NUL bytes, as programs, images and other binary files do.</source>
        <translation>Die Datei ist keine Textseite: Sie enthält NUL-Bytes, wie Programme, Bilder und andere Binärdateien.</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>Write a page holding only the ad, to open in a browser.</source>
        <translation>Eine Seite schreiben, die nur die Anzeige enthält, zum Öffnen im Browser.</translation>
    </message>
    <message>
        <source>The page to write (required).</source>
        <translation>Die zu schreibende Seite (erforderlich).</translation>
    </message>
    <message>
        <source>-o FILE: no page to write</source>
        <translation>-o FILE: keine Seite zum Schreiben angegeben</translation>
    </message>
</context>
<context>
    <name>PreviewLoader</name>
    <message>
        <source>it is not a preview module</source>
        <translation>es ist kein Vorschaumodul</translation>
    </message>
    <message>
        <source>The preview module %1 could not be loaded, so the test drive cannot be shown: %2</source>
        <translation>Das Vorschaumodul %1 ließ sich nicht laden, daher kann der Test nicht gezeigt werden: %2</translation>
    </message>
    <message>
        <source>The preview module %1 is missing, so the test drive cannot be shown. It was looked for in: %2</source>
        <translation>Das Vorschaumodul %1 fehlt, daher kann der Test nicht gezeigt werden. Gesucht wurde in: %2</translation>
    </message>
</context>
<context>
    <name>PreviewPage</name>
    <message>
        <source>There is no cache folder to write the preview page into.</source>
        <translation>Es gibt keinen Cache-Ordner, in den die Vorschauseite geschrieben werden könnte.</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Preview Ads generated by Zephrin</source>
        <translation>Vorschau der Anzeigen von Zephrin</translation>
    </message>
    <message>
        <source>See the Popup/Ad in action</source>
        <translation>Das Popup bzw. die Anzeige in Aktion sehen</translation>
    </message>
    <message>
        <source>Show again</source>
        <translation>Noch einmal zeigen</translation>
    </message>
    <message>
        <source>Close the preview section</source>
        <translation>Die Vorschau schließen</translation>
    </message>
    <message>
        <source>Close me</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Buy this product at Tolvane Store.</source>
        <translation>Dieses Produkt im Tolvane-Shop kaufen.</translation>
    </message>
    <message>
        <source>Tolvane Store</source>
        <translation>Tolvane-Shop</translation>
    </message>
</context>
<context>
    <name>Remove</name>
    <message>
        <source>Take the code block off pages.</source>
        <translation>Den Codeblock aus Seiten entfernen.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>a whole number of pixels</source>
        <translation>eine ganze Zahl von Pixeln</translation>
    </message>
    <message>
        <source>a whole number of pixels, 0 or more</source>
        <translation>eine ganze Zahl von Pixeln, 0 oder mehr</translation>
    </message>
    <message>
        <source>a text that is not empty</source>
        <translation>ein nicht leerer Text</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>ein Text</translation>
    </message>
    <message>
        <source>six hex digits RRGGBB</source>
        <translation>sechs Hexadezimalziffern RRGGBB</translation>
    </message>
    <message>
        <source>stickme-note, window-ad, jumpy-ad, force-emailer, timer-ad or 1-5.</source>
        <translation>stickme-note, window-ad, jumpy-ad, force-emailer, timer-ad oder 1-5.</translation>
    </message>
    <message>
        <source>stickme-note, window-ad, jumpy-ad, force-emailer, timer-ad or 1-5</source>
        <translation>stickme-note, window-ad, jumpy-ad, force-emailer, timer-ad oder 1-5. {1-5?}</translation>
    </message>
    <message>
        <source>Height in pixels.</source>
        <translation>Höhe in Pixeln.</translation>
    </message>
    <message>
        <source>Width in pixels.</source>
        <translation>Breite in Pixeln.</translation>
    </message>
    <message>
        <source>Horizontal position in pixels.</source>
        <translation>Horizontale Position in Pixeln.</translation>
    </message>
    <message>
        <source>Vertical position in pixels.</source>
        <translation>Vertikale Position in Pixeln.</translation>
    </message>
    <message>
        <source>Background colour, RRGGBB or #RRGGBB.</source>
        <translation>Hintergrundfarbe, RRGGBB oder #RRGGBB.</translation>
    </message>
    <message>
        <source>Body HTML of the box.</source>
        <translation>HTML-Inhalt der Box.</translation>
    </message>
    <message>
        <source>When the box starts: now (default), delay:N seconds (1-3600), scroll:P % of the page (1-100), or exit, when the pointer leaves through the top of the window (never on touch screens).</source>
        <translation>Wann die Box erscheint: now (Vorgabe), delay:N Sekunden (1-3600), scroll:P % der Seite (1-100) oder exit, wenn der Zeiger das Fenster oben verlässt (auf Touchscreens nie).</translation>
    </message>
    <message>
        <source>now, delay:N (1-3600 s), scroll:P (1-100 %) or exit</source>
        <translation>now, delay:N (1-3600 s), scroll:P (1-100 %) oder exit</translation>
    </message>
    <message>
        <source>always (default), visit (once per visit) or days:N (once every N days, 1-3650).</source>
        <translation>always (Vorgabe), visit (einmal je Besuch) oder days:N (einmal alle N Tage, 1-3650).</translation>
    </message>
    <message>
        <source>always, visit or days:N (1-3650)</source>
        <translation>always, visit oder days:N (1-3650)</translation>
    </message>
    <message>
        <source>First day to show the box, the reader&apos;s local date.</source>
        <translation>Erster Tag, an dem die Box erscheint, nach dem Datum des Lesers.</translation>
    </message>
    <message>
        <source>a day YYYY-MM-DD</source>
        <translation>ein Tag JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>Last day to show the box, the reader&apos;s local date.</source>
        <translation>Letzter Tag, an dem die Box erscheint, nach dem Datum des Lesers.</translation>
    </message>
    <message>
        <source>all (default), wide (viewport 768 px wide or more) or narrow.</source>
        <translation>all (Vorgabe), wide (Anzeigebereich ab 768 px breit) oder narrow.</translation>
    </message>
    <message>
        <source>all, wide or narrow</source>
        <translation>all, wide oder narrow</translation>
    </message>
    <message>
        <source>Language of the box&apos;s texts: en (default), de, fr, es, it, nl, pt or pl.</source>
        <translation>Sprache der Texte der Box: en (Standard), de, fr, es, it, nl, pt oder pl.</translation>
    </message>
    <message>
        <source>en, de, fr, es, it, nl, pt or pl</source>
        <translation>en, de, fr, es, it, nl, pt oder pl</translation>
    </message>
    <message>
        <source>Caption of the close link (StickME note, Jumpy AD).</source>
        <translation>Beschriftung des Links zum Schließen (StickME note, Jumpy AD).</translation>
    </message>
    <message>
        <source>Closing notice of the Timer AD.</source>
        <translation>Hinweis der Timer AD, dass sie sich schließt.</translation>
    </message>
    <message>
        <source>Caption of the Force Emailer&apos;s button.</source>
        <translation>Beschriftung der Schaltfläche der Force Emailer.</translation>
    </message>
    <message>
        <source>--%1: &quot;%2&quot; must be %3</source>
        <translation>--%1: „%2“ muss %3 sein</translation>
    </message>
    <message>
        <source>Caption; for force-emailer the address to mail, or the https: address of a sign-up form.</source>
        <translation>Titel; bei force-emailer die Adresse, an die gemailt wird, oder die https:-Adresse eines Anmeldeformulars.</translation>
    </message>
    <message>
        <source>classic (default: the box as designed) or modern (the page&apos;s font, rounded corners, text colours that read on the box colour).</source>
        <translation>classic (Vorgabe: die Box wie entworfen) oder modern (die Schrift der Seite, runde Ecken, Textfarben, die auf der Boxfarbe gut lesbar sind).</translation>
    </message>
    <message>
        <source>classic or modern</source>
        <translation>classic oder modern</translation>
    </message>
    <message>
        <source>When once per visit and every N days may write to the reader&apos;s device: on-show (default), on-close (when the reader closes the box or subscribes), none (never; they then mean once per page view) or consent (once the site&apos;s consent tool allows it; none until then).</source>
        <translation>Wann „einmal pro Besuch“ und „alle N Tage“ auf das Gerät des Lesers schreiben dürfen: on-show (Vorgabe), on-close (wenn der Leser die Box schließt oder sich anmeldet), none (nie; sie heißen dann einmal je Seitenaufruf) oder consent (sobald das Einwilligungswerkzeug der Website es erlaubt; bis dahin none).</translation>
    </message>
    <message>
        <source>on-show, on-close, none or consent</source>
        <translation>on-show, on-close, none oder consent</translation>
    </message>
    <message>
        <source>a field name without spaces, quotes, angle brackets or &amp;</source>
        <translation>ein Feldname ohne Leerzeichen, Anführungszeichen, spitze Klammern oder &amp;</translation>
    </message>
    <message>
        <source>The field a force-emailer sign-up form sends the address in, for a service not known by its address (default: email).</source>
        <translation>Das Feld, in dem ein Anmeldeformular von force-emailer die Adresse sendet, für einen Dienst, der nicht an seiner Adresse erkannt wird (Vorgabe: email).</translation>
    </message>
    <message>
        <source>Thank-you of the Force Emailer&apos;s sign-up form.</source>
        <translation>Dank des Anmeldeformulars von Force Emailer.</translation>
    </message>
    <message>
        <source>The site&apos;s analytics told when the box shows, closes or is sent: none (default), datalayer, plausible, matomo or umami.</source>
        <translation>Die Web-Analyse der Website, die erfährt, wann die Box erscheint, geschlossen oder abgesendet wird: none (Standard), datalayer, plausible, matomo oder umami.</translation>
    </message>
    <message>
        <source>none, datalayer, plausible, matomo or umami</source>
        <translation>none, datalayer, plausible, matomo oder umami</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1: not a settings file: %2</source>
        <translation>%1: keine Einstellungsdatei: %2</translation>
    </message>
    <message>
        <source>expected a JSON object</source>
        <translation>ein JSON-Objekt wurde erwartet</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; %3</source>
        <translation>%1: „%2“ %3</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>must be a whole number</source>
        <translation>muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>is %1, newer than this program reads (%2)</source>
        <translation>ist %1 und damit neuer, als dieses Programm lesen kann (%2)</translation>
    </message>
    <message>
        <source>is not a setting this program knows</source>
        <translation>ist keine Einstellung, die dieses Programm kennt</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>muss ein Objekt sein</translation>
    </message>
    <message>
        <source>must be %1</source>
        <translation>muss %1 sein</translation>
    </message>
</context>
<context>
    <name>SettingsForm</name>
    <message>
        <source>Caption</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Email to:</source>
        <translation>E-Mail an:</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>(Don&apos;t leave any space)</source>
        <translation>(Ohne Leerzeichen)</translation>
    </message>
    <message>
        <source>Do not leave space in html code.&lt;b&gt;Message&lt;/b&gt; is not the same as &lt;b&gt;Message here    &lt;/b&gt;.</source>
        <translation>Keine Leerzeichen im HTML-Code lassen: &lt;b&gt;Nachricht&lt;/b&gt; ist nicht dasselbe wie &lt;b&gt;Nachricht hier    &lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Click here to choose the background color for the Popup/Ad.</source>
        <translation>Hier klicken, um die Hintergrundfarbe des Popups bzw. der Anzeige zu wählen.</translation>
    </message>
    <message>
        <source>Choose Background color</source>
        <translation>Hintergrundfarbe wählen</translation>
    </message>
    <message>
        <source>The box&apos;s caption. For Force Emailer: the e-mail address that receives subscriptions, or the https: address of a mailing list&apos;s sign-up form.</source>
        <translation>Die Überschrift der Box. Für Force Emailer: die E-Mail-Adresse, die Anmeldungen erhält, oder die https:-Adresse des Anmeldeformulars einer Mailingliste.</translation>
    </message>
</context>
<context>
    <name>SignupForm</name>
    <message>
        <source>&quot;%1&quot; is neither an e-mail address nor the https: address of a sign-up form</source>
        <translation>„%1“ ist weder eine E-Mail-Adresse noch die https:-Adresse eines Anmeldeformulars</translation>
    </message>
</context>
<context>
    <name>SiteWalk</name>
    <message>
        <source>link to a file outside %1</source>
        <translation>Link auf eine Datei außerhalb von %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Makes pop-up ad boxes for web pages: pick a type, set its size, position, caption, body and colour, and have its page code written, previewed or added to a page. Designs are opened and saved as JSON files, the same as zephrin-cli --settings reads. Qt&apos;s usual options, such as -platform, apply.</source>
        <translation>Erstellt Popup-Anzeigen für Webseiten: Art wählen, Größe, Position, Titel, Text und Farbe festlegen und den Seitencode schreiben, in der Vorschau zeigen oder in eine Seite einfügen lassen. Entwürfe werden als JSON-Dateien geöffnet und gespeichert, wie zephrin-cli --settings sie liest. Die üblichen Qt-Optionen wie -platform gelten.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Zeigt die Version an.</translation>
    </message>
</context>
<context>
    <name>zephrin-cli</name>
    <message>
        <source>zephrin-cli: no command given</source>
        <translation>zephrin-cli: kein Befehl angegeben</translation>
    </message>
    <message>
        <source>zephrin-cli: &quot;%1&quot; is not a command</source>
        <translation>zephrin-cli: „%1“ ist kein Befehl</translation>
    </message>
    <message>
        <source>Commands: generate, add, remove, preview, check. Try &quot;zephrin-cli --help&quot;.</source>
        <translation>Befehle: generate, add, remove, preview, check. Siehe „zephrin-cli --help“.</translation>
    </message>
    <message>
        <source>Usage: zephrin-cli COMMAND [OPTIONS] [PAGE|FOLDER...]
Makes Zephrin&apos;s ad code and adds it to web pages, as the window does.

Commands:
  generate [--section body|head|both] [-o FILE] [--csp]   print the code
  add [--dry-run|--check] [--recursive] PAGE|FOLDER...   add or replace the block
  remove [--dry-run|--check] [--recursive] PAGE|FOLDER...   take the block off
  preview -o FILE   write a page holding only the ad
  check [--format text|json]   what to change before publishing; exit 1 if any

Page options (add, remove):
  --check           write nothing; list the pages that would change, exit 1 if any
  -r, --recursive   the %1 pages in folders, without
                    hidden names (--hidden takes them) or links out of the folder
  --exclude GLOB  --include GLOB   narrow the walk (** for any folders)

Ad options (generate, add, preview, check):
</source>
        <translation>Aufruf: zephrin-cli BEFEHL [OPTIONEN] [SEITE|ORDNER...]
Erzeugt den Anzeigencode von Zephrin und fügt ihn in Webseiten ein, wie das Fenster.

Befehle:
  generate [--section body|head|both] [-o DATEI] [--csp]   den Code ausgeben
  add [--dry-run|--check] [--recursive] SEITE|ORDNER...   den Block einfügen oder ersetzen
  remove [--dry-run|--check] [--recursive] SEITE|ORDNER...   den Block entfernen
  preview -o DATEI   eine Seite schreiben, die nur die Anzeige enthält
  check [--format text|json]   was vor dem Veröffentlichen zu ändern ist; Ende mit 1, wenn etwas

Seitenoptionen (add, remove):
  --check           nichts schreiben; Seiten auflisten, die sich ändern würden, dann Ende mit 1
  -r, --recursive   die Seiten %1 in Ordnern, ohne versteckte
                    Namen (--hidden nimmt sie) und ohne Links aus dem Ordner hinaus
  --exclude GLOB  --include GLOB   den Durchgang eingrenzen (** für beliebige Ordner)

Anzeigenoptionen (generate, add, preview, check):
</translation>
    </message>
    <message>
        <source>Unset options take the window&apos;s Generate defaults for the type.

Display rules (generate, add, preview, check; none by default):
</source>
        <translation>Nicht gesetzte Optionen nehmen die Vorgaben von „Generieren“ im Fenster für die Art.

Anzeigeregeln (generate, add, preview, check; vorgegeben keine):
</translation>
    </message>
    <message>
        <source>
Exit status: 0 done, 1 some page refused (or would change, with --check;
or check found something), 2 bad arguments (nothing written).
&quot;zephrin-cli COMMAND --help&quot; lists a command&apos;s options; see also zephrin-cli(1).
</source>
        <translation>
Rückgabewert: 0 erledigt, 1 eine Seite abgelehnt (oder mit --check: würde sich ändern;
oder check hat etwas gefunden), 2 falsche Argumente (nichts geschrieben).
„zephrin-cli BEFEHL --help“ nennt die Optionen eines Befehls; siehe auch zephrin-cli(1).
</translation>
    </message>
</context>
</TS>
