<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Alternate Fonts</source>
        <translation>Ersatzschriften</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Bilddatei</translation>
    </message>
    <message>
        <source>Pick from Screen: arrows move, Shift+arrows move ten, plus and minus zoom, A averages, Enter picks, Escape cancels</source>
        <translation>Vom Bildschirm aufnehmen: Pfeiltasten bewegen, Umschalt+Pfeiltasten bewegen um zehn, Plus und Minus zoomen, A mittelt, Eingabe übernimmt, Esc bricht ab</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source> Velloran - %1</source>
        <translation> Velloran - %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot start %1: %2</source>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nach „%1“ fehlt der Wert.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach „%1“.</translation>
    </message>
    <message>
        <source>Only one --read can be given.</source>
        <translation>Es kann nur ein --read angegeben werden.</translation>
    </message>
    <message>
        <source>--read takes no style file.</source>
        <translation>--read nimmt keine Stildatei an.</translation>
    </message>
    <message>
        <source>--read needs --print WHAT.</source>
        <translation>--read braucht --print WAS.</translation>
    </message>
    <message>
        <source>Only one style file can be opened at a time.</source>
        <translation>Es kann nur eine Stildatei auf einmal geöffnet werden.</translation>
    </message>
    <message>
        <source>Only one --print can be given.</source>
        <translation>Es kann nur ein --print angegeben werden.</translation>
    </message>
    <message>
        <source>--print takes font, font-text, body, css or html5, not &quot;%1&quot;.</source>
        <translation>--print nimmt font, font-text, body, css oder html5, nicht „%1“.</translation>
    </message>
    <message>
        <source>--read needs a file, or - for standard input.</source>
        <translation>--read braucht eine Datei, oder - für die Standardeingabe.</translation>
    </message>
    <message>
        <source>--print needs a style file.</source>
        <translation>--print braucht eine Stildatei.</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>Font color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Normal text</source>
        <translation>Normaler Text</translation>
    </message>
    <message>
        <source>New links</source>
        <translation>Neue Links</translation>
    </message>
    <message>
        <source>Visited links</source>
        <translation>Besuchte Links</translation>
    </message>
    <message>
        <source>Active links</source>
        <translation>Aktive Links</translation>
    </message>
    <message>
        <source>New links against text</source>
        <translation>Neue Links zum Text</translation>
    </message>
    <message>
        <source>Visited links against text</source>
        <translation>Besuchte Links zum Text</translation>
    </message>
    <message>
        <source>Active links against text</source>
        <translation>Aktive Links zum Text</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Unable to read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Unable to make a folder for the page in %1: %2</source>
        <translation>In %1 kann kein Ordner für die Seite angelegt werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist kein gültiger Ganzzahlwert</translation>
    </message>
    <message>
        <source>Invalid column stream</source>
        <translation>Ungültige Spaltendaten</translation>
    </message>
    <message>
        <source>Unable to load the picture %1</source>
        <translation>Das Bild %1 kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Unable to read the data file %1</source>
        <translation>Die Datendatei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
    <message>
        <source>Missing program resource %1</source>
        <translation>Fehlende Programmressource %1</translation>
    </message>
</context>
<context>
    <name>Paste</name>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The CSS was loaded from %1 except for:</source>
        <translation>Das CSS wurde aus %1 übernommen, außer:</translation>
    </message>
    <message>
        <source>The tag was loaded except for:</source>
        <translation>Das Tag wurde übernommen, außer:</translation>
    </message>
    <message>
        <source>The clipboard holds no FONT or BODY tag and no CSS.</source>
        <translation>Die Zwischenablage enthält kein FONT- oder BODY-Tag und kein CSS.</translation>
    </message>
    <message>
        <source>%1 is loaded without its transparency: a style&apos;s colors are opaque.</source>
        <translation>%1 wird ohne Transparenz übernommen: Die Farben eines Stils sind deckend.</translation>
    </message>
    <message>
        <source>%1 is not a color.</source>
        <translation>%1 ist keine Farbe.</translation>
    </message>
    <message>
        <source>The rules for %1: only one rule sets the font.</source>
        <translation>Die Regeln für %1: Nur eine Regel legt die Schrift fest.</translation>
    </message>
    <message>
        <source>%1: a style has no such link color.</source>
        <translation>%1: Ein Stil hat keine solche Linkfarbe.</translation>
    </message>
    <message>
        <source>%1: not part of a style.</source>
        <translation>%1: nicht Teil eines Stils.</translation>
    </message>
    <message>
        <source>%1 in %2: not part of a style.</source>
        <translation>%1 in %2: nicht Teil eines Stils.</translation>
    </message>
    <message>
        <source>%1 is not a size.</source>
        <translation>%1 ist keine Größe.</translation>
    </message>
    <message>
        <source>%1 names no face.</source>
        <translation>%1 nennt keine Schriftart.</translation>
    </message>
    <message>
        <source>%1 is not a weight.</source>
        <translation>%1 ist keine Schriftstärke.</translation>
    </message>
    <message>
        <source>%1 is not a font style.</source>
        <translation>%1 ist kein Schriftstil.</translation>
    </message>
    <message>
        <source>%1 is not an alignment.</source>
        <translation>%1 ist keine Ausrichtung.</translation>
    </message>
    <message>
        <source>%1 is not read: a system font is each visitor&apos;s own.</source>
        <translation>%1 wird nicht gelesen: Eine Systemschrift ist bei jedem Besucher eine andere.</translation>
    </message>
    <message>
        <source>%1 is not a font.</source>
        <translation>%1 ist keine Schrift.</translation>
    </message>
    <message>
        <source>%1 is not a picture.</source>
        <translation>%1 ist kein Bild.</translation>
    </message>
    <message>
        <source>%1 is not a background.</source>
        <translation>%1 ist kein Hintergrund.</translation>
    </message>
    <message>
        <source>%1 is not loaded: a tag does not say which folder holds the picture.</source>
        <translation>%1 wird nicht übernommen: Ein Tag sagt nicht, in welchem Ordner das Bild liegt.</translation>
    </message>
    <message>
        <source>The text after its first %1 characters, as a style holds no more.</source>
        <translation>Der Text nach seinen ersten %1 Zeichen, da ein Stil nicht mehr fasst.</translation>
    </message>
    <message>
        <source>The text after its first %1 KB, as a paste is read no further.</source>
        <translation>Der Text nach seinen ersten %1 KB, da beim Einfügen nicht weiter gelesen wird.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not loaded: CSS does not say which folder holds it.</source>
        <translation>Das Bild „%1“ wird nicht übernommen: CSS sagt nicht, in welchem Ordner es liegt.</translation>
    </message>
    <message>
        <source>The face &quot;%1&quot; is not installed.</source>
        <translation>Die Schriftart „%1“ ist nicht installiert.</translation>
    </message>
    <message>
        <source>The face &quot;%1&quot; is not installed; &quot;%2&quot; is used instead.</source>
        <translation>Die Schriftart „%1“ ist nicht installiert; stattdessen wird „%2“ verwendet.</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Save changes to Style &quot;%1&quot;?</source>
        <translation>Änderungen am Stil „%1“ speichern?</translation>
    </message>
    <message>
        <source>The style was only partly read from &quot;%1&quot;: the values after the damaged one are those it had before.
Save this mixture to Style &quot;%2&quot;?</source>
        <translation>Der Stil wurde aus „%1“ nur teilweise gelesen: Die Werte nach dem beschädigten sind die bisherigen.
Diese Mischung im Stil „%2“ speichern?</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>%1 holds no style.</source>
        <translation>%1 enthält keinen Stil.</translation>
    </message>
    <message>
        <source>The standard input is too large to read.</source>
        <translation>Die Standardeingabe ist zu groß zum Lesen.</translation>
    </message>
    <message>
        <source>The standard input holds no FONT or BODY tag and no CSS.</source>
        <translation>Die Standardeingabe enthält kein FONT- oder BODY-Tag und kein CSS.</translation>
    </message>
    <message>
        <source>%1 holds no FONT or BODY tag and no CSS.</source>
        <translation>%1 enthält kein FONT- oder BODY-Tag und kein CSS.</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Linkfarbe</translation>
    </message>
    <message>
        <source>Visited Link Color</source>
        <translation>Farbe besuchter Links</translation>
    </message>
    <message>
        <source>Active Link Color</source>
        <translation>Farbe aktiver Links</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Add Alternate Face</source>
        <translation>Ersatzschrift hinzufügen</translation>
    </message>
    <message>
        <source>Remove Alternate Face</source>
        <translation>Ersatzschrift entfernen</translation>
    </message>
    <message>
        <source>Alternate Faces</source>
        <translation>Ersatzschriften</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Centering</source>
        <translation>Zentrierung</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Background Mode</source>
        <translation>Hintergrundart</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
</context>
<context>
    <name>TColorPanel</name>
    <message>
        <source>R</source>
        <comment>red channel</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <comment>green channel</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>B</source>
        <comment>blue channel</comment>
        <translation>B</translation>
    </message>
</context>
<context>
    <name>TFontPanel</name>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentrieren</translation>
    </message>
    <message>
        <source>&amp;Text...</source>
        <translation>&amp;Text...</translation>
    </message>
    <message>
        <source>Copy Font Tag </source>
        <translation>Font-Tag kopieren </translation>
    </message>
    <message>
        <source>Copy Font Tag Including Text</source>
        <translation>Font-Tag mit Text kopieren</translation>
    </message>
    <message>
        <source>Font Size = %1</source>
        <translation>Schriftgröße = %1</translation>
    </message>
    <message>
        <source>Alternate Fonts</source>
        <translation>Ersatzschriften</translation>
    </message>
    <message>
        <source>Add an alternate font</source>
        <translation>Ersatzschrift hinzufügen</translation>
    </message>
    <message>
        <source>Remove the selected alternate font</source>
        <translation>Gewählte Ersatzschrift entfernen</translation>
    </message>
</context>
<context>
    <name>TPickerOverlay</name>
    <message>
        <source>Pick from Screen</source>
        <translation>Vom Bildschirm aufnehmen</translation>
    </message>
    <message>
        <source>1 pixel (A)</source>
        <translation>1 Pixel (A)</translation>
    </message>
    <message>
        <source>%1×%1 average (A)</source>
        <translation>Mittel aus %1×%1 (A)</translation>
    </message>
</context>
<context>
    <name>TPreview</name>
    <message>
        <source>Normal text will appear in this color</source>
        <translation>Normaler Text erscheint in dieser Farbe</translation>
    </message>
    <message>
        <source>Visited Links will appear in this color</source>
        <translation>Besuchte Links erscheinen in dieser Farbe</translation>
    </message>
    <message>
        <source>New links will appear in this color</source>
        <translation>Neue Links erscheinen in dieser Farbe</translation>
    </message>
    <message>
        <source>Links will briefly appear in this color when clicked</source>
        <translation>Links erscheinen beim Klicken kurz in dieser Farbe</translation>
    </message>
</context>
<context>
    <name>TRecentColors</name>
    <message>
        <source>Recent Co&amp;lors</source>
        <translation>&amp;Letzte Farben</translation>
    </message>
</context>
<context>
    <name>TRecentMenu</name>
    <message>
        <source>Recent S&amp;tyles</source>
        <translation>&amp;Zuletzt verwendete Stile</translation>
    </message>
    <message>
        <source>The style &quot;%1&quot; is no longer there; it has been taken off the list.</source>
        <translation>Der Stil „%1“ ist nicht mehr vorhanden; er wurde aus der Liste entfernt.</translation>
    </message>
    <message>
        <source>The style &quot;%1&quot; is no longer there.</source>
        <translation>Der Stil „%1“ ist nicht mehr vorhanden.</translation>
    </message>
</context>
<context>
    <name>TScreenPicker</name>
    <message>
        <source>Unable to read the screen</source>
        <translation>Der Bildschirm kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>TStyleHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <comment>the step taken back</comment>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <comment>the step done again</comment>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
</context>
<context>
    <name>TSwatchRow</name>
    <message>
        <source>Black</source>
        <translation>Schwarz (black)</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß (white)</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau (navy)</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau (blue)</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun (maroon)</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot (red)</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün (green)</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün (lime)</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber (silver)</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau (gray)</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila (purple)</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia (fuchsia)</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv (olive)</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb (yellow)</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün (teal)</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan (aqua)</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Dar&amp;k Variant in CSS</source>
        <translation>&amp;Dunkle Variante im CSS</translation>
    </message>
    <message>
        <source>Preview Dark V&amp;ariant</source>
        <translation>Dunkle Variante in der &amp;Vorschau</translation>
    </message>
    <message>
        <source>Select Style</source>
        <translation>Stil auswählen</translation>
    </message>
    <message>
        <source>Save Current Style As</source>
        <translation>Aktuellen Stil speichern unter</translation>
    </message>
    <message>
        <source>.style files (*.vls)</source>
        <translation>Stildateien (*.vls)</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Unable to read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Close anyway? The changes that could not be written are lost.</source>
        <translation>Trotzdem schließen? Die Änderungen, die nicht geschrieben werden konnten, gehen verloren.</translation>
    </message>
    <message>
        <source>Close &amp;Anyway</source>
        <translation>&amp;Trotzdem schließen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Export Page...</source>
        <translation>Seite e&amp;xportieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy Font Tag</source>
        <translation>&amp;Font-Tag kopieren</translation>
    </message>
    <message>
        <source>C&amp;opy Font Tag with Text</source>
        <translation>Font-Tag mit &amp;Text kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Body Tag</source>
        <translation>&amp;Body-Tag kopieren</translation>
    </message>
    <message>
        <source>Copy as C&amp;SS</source>
        <translation>Als C&amp;SS kopieren</translation>
    </message>
    <message>
        <source>Copy as &amp;HTML5</source>
        <translation>Als &amp;HTML5 kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Tag</source>
        <translation>Tag &amp;einfügen</translation>
    </message>
    <message>
        <source>Pic&amp;k from Screen</source>
        <translation>Vom Bildschirm &amp;aufnehmen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Contrast &amp;Check...</source>
        <translation>&amp;Kontrastprüfung...</translation>
    </message>
    <message>
        <source>View in &amp;Browser</source>
        <translation>Im &amp;Browser ansehen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Contents...</source>
        <translation>Inhalt...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>Export Page</source>
        <translation>Seite exportieren</translation>
    </message>
    <message>
        <source>HTML pages (*.html *.htm)</source>
        <translation>HTML-Seiten (*.html *.htm)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>„%1“ ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Copy the picture &quot;%1&quot; beside the page, replacing the file of that name there?</source>
        <translation>Das Bild „%1“ neben die Seite kopieren und die gleichnamige Datei dort ersetzen?</translation>
    </message>
    <message>
        <source>Copy the picture &quot;%1&quot; beside the page?</source>
        <translation>Das Bild „%1“ neben die Seite kopieren?</translation>
    </message>
    <message>
        <source>Paste Tag</source>
        <translation>Tag einfügen</translation>
    </message>
    <message>
        <source>Simulate Color &amp;Vision</source>
        <translation>Farb&amp;sehen simulieren</translation>
    </message>
    <message>
        <source>Severity %1</source>
        <translation>Ausprägung %1</translation>
    </message>
    <message>
        <source> Font</source>
        <translation> Schrift</translation>
    </message>
    <message>
        <source> Body</source>
        <translation> Body</translation>
    </message>
    <message>
        <source>Current Color Selection</source>
        <translation>Aktuelle Farbauswahl</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Normal Text</source>
        <translation>Normaler Text</translation>
    </message>
    <message>
        <source>Visited Links</source>
        <translation>Besuchte Links</translation>
    </message>
    <message>
        <source>New Links</source>
        <translation>Neue Links</translation>
    </message>
    <message>
        <source>Highlighted Links</source>
        <translation>Aktive Links</translation>
    </message>
    <message>
        <source>Copy Body Tag </source>
        <translation>Body-Tag kopieren </translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>&amp;More...</source>
        <translation>&amp;Mehr...</translation>
    </message>
    <message>
        <source>&amp;Special...</source>
        <translation>&amp;Zeichen...</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>Usage: %1 [STYLE.vls]
       %1 --print WHAT STYLE.vls
       %1 --read FILE --print WHAT</source>
        <translation>Aufruf: %1 [STIL.vls]
        %1 --print WAS STIL.vls
        %1 --read DATEI --print WAS</translation>
    </message>
    <message>
        <source>Compose HTML font and body tags with the mouse and copy them.</source>
        <translation>Font- und Body-Tags für HTML mit der Maus zusammenstellen und kopieren.</translation>
    </message>
    <message>
        <source>  STYLE.vls           open this style instead of the start-up style; when a copy
                      is running already, it opens the style there</source>
        <translation>  STIL.vls            diesen Stil statt des Startstils öffnen; läuft das
                      Programm schon, öffnet es den Stil dort</translation>
    </message>
    <message>
        <source>  --print WHAT        print a text of the style and exit, without a window; WHAT is
                      font       the font tag
                      font-text  the font tag with its text
                      body       the body tag
                      css        the style sheet
                      html5      the HTML5 markup</source>
        <translation>  --print WAS         einen Text des Stils ohne Fenster ausgeben und beenden;
                      WAS ist
                      font       das Font-Tag
                      font-text  das Font-Tag mit seinem Text
                      body       das Body-Tag
                      css        das Stylesheet
                      html5      das HTML5-Markup</translation>
    </message>
    <message>
        <source>  --read FILE         read FILE (- for standard input) as Paste Tag reads the
                      clipboard, markup or CSS, and print WHAT of the result;
                      what is not read goes to standard error, and the exit code
                      is 1 when nothing was read</source>
        <translation>  --read DATEI        DATEI (- für die Standardeingabe) lesen, wie „Tag
                      einfügen“ die Zwischenablage liest, Markup oder CSS,
                      und WAS vom Ergebnis ausgeben; was nicht gelesen wird,
                      geht auf die Standardfehlerausgabe, und der Exit-Status
                      ist 1, wenn nichts gelesen wurde</translation>
    </message>
    <message>
        <source>  -h, --help          show this help and exit</source>
        <translation>  -h, --help          diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>  -v, --version       show the version and exit</source>
        <translation>  -v, --version       die Version zeigen und beenden</translation>
    </message>
</context>
<context>
    <name>Vision</name>
    <message>
        <source>Protanopia</source>
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deuteranopie</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Tritanopie</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Achromatopsie</translation>
    </message>
    <message>
        <source>Protanomaly</source>
        <translation>Protanomalie</translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation>Deuteranomalie</translation>
    </message>
    <message>
        <source>Tritanomaly</source>
        <translation>Tritanomalie</translation>
    </message>
    <message>
        <source>Blurred Vision</source>
        <translation>Verschwommenes Sehen</translation>
    </message>
    <message>
        <source>Reduced Contrast</source>
        <translation>Verminderter Kontrast</translation>
    </message>
    <message>
        <source>Normal Vision</source>
        <translation>Normales Sehen</translation>
    </message>
    <message>
        <source> (simulating %1, severity %2)</source>
        <translation> (simuliert: %1, Ausprägung %2)</translation>
    </message>
    <message>
        <source> (simulating %1)</source>
        <translation> (simuliert: %1)</translation>
    </message>
</context>
<context>
    <name>controls::TGradientForm</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Verschieben</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
</context>
<context>
    <name>platform::ShellOpen</name>
    <message>
        <source>No program to open it was found: xdg-open (from xdg-utils) is not installed.</source>
        <translation>Es wurde kein Programm zum Öffnen gefunden: xdg-open (aus xdg-utils) ist nicht installiert.</translation>
    </message>
    <message>
        <source>The desktop has no program to open it.</source>
        <translation>Die Arbeitsumgebung hat kein Programm, um es zu öffnen.</translation>
    </message>
    <message>
        <source>Unable to open %1
%2</source>
        <translation>%1 kann nicht geöffnet werden
%2</translation>
    </message>
</context>
<context>
    <name>platform::TColorPortal</name>
    <message>
        <source>The desktop portal did not answer, so no color can be picked from the screen.</source>
        <translation>Das Desktop-Portal hat nicht geantwortet, daher kann keine Farbe vom Bildschirm aufgenommen werden.</translation>
    </message>
    <message>
        <source>The desktop portal could not pick a color.</source>
        <translation>Das Desktop-Portal konnte keine Farbe aufnehmen.</translation>
    </message>
    <message>
        <source>The desktop portal could not pick a color. %1</source>
        <translation>Das Desktop-Portal konnte keine Farbe aufnehmen. %1</translation>
    </message>
</context>
<context>
    <name>platform::THelpViewer</name>
    <message>
        <source>&lt;h2&gt;Help is not available&lt;/h2&gt;&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; is missing or cannot be read.&lt;/p&gt;&lt;p&gt;It belongs in the program&apos;s folder, beside the program itself.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Die Hilfe ist nicht verfügbar&lt;/h2&gt;&lt;p&gt;Die Hilfedatei &lt;b&gt;%1&lt;/b&gt; fehlt oder kann nicht gelesen werden.&lt;/p&gt;&lt;p&gt;Sie gehört in den Ordner des Programms, neben das Programm selbst.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Velloran Help</source>
        <translation>Velloran-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
</context>
<context>
    <name>windows::AccessibleNames</name>
    <message>
        <source>%1 %2</source>
        <comment>button, row</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>windows::DialogParts</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>windows::TPaletteSwatches</name>
    <message>
        <source>Web palette</source>
        <translation>Web-Palette</translation>
    </message>
</context>
<context>
    <name>windows::TfrmAbout</name>
    <message>
        <source>About Velloran</source>
        <translation>Über Velloran</translation>
    </message>
    <message>
        <source>Velloran v%1</source>
        <translation>Velloran v%1</translation>
    </message>
    <message>
        <source>Velloran © %1</source>
        <translation>Velloran © %1</translation>
    </message>
    <message>
        <source>The Velloran developers</source>
        <translation>Die Velloran-Entwickler</translation>
    </message>
    <message>
        <source>Send Questions or Comments to:</source>
        <translation>Fragen oder Anmerkungen an:</translation>
    </message>
    <message>
        <source>Help &gt; Contents</source>
        <translation>Hilfe &gt; Inhalt</translation>
    </message>
    <message>
        <source>Velloran WebSite</source>
        <translation>Velloran-Website</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>windows::TfrmColors</name>
    <message>
        <source>Custom Palette</source>
        <translation>Eigene Palette</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Web palette</source>
        <translation>Web-Palette</translation>
    </message>
</context>
<context>
    <name>windows::TfrmContrast</name>
    <message>
        <source>Pass</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Nicht bestanden</translation>
    </message>
    <message>
        <source>Contrast Check</source>
        <translation>Kontrastprüfung</translation>
    </message>
    <message>
        <source>Against the background</source>
        <translation>Zum Hintergrund</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Verhältnis</translation>
    </message>
    <message>
        <source>AA</source>
        <translation>AA</translation>
    </message>
    <message>
        <source>At least 4.5:1, or 3.0:1 for large text; links 3.0:1 to the text</source>
        <translation>Mindestens 4,5:1, für großen Text 3,0:1; Links 3,0:1 zum Text</translation>
    </message>
    <message>
        <source>AAA</source>
        <translation>AAA</translation>
    </message>
    <message>
        <source>At least 7.0:1, or 4.5:1 for large text</source>
        <translation>Mindestens 7,0:1, für großen Text 4,5:1</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Korrigiert</translation>
    </message>
    <message>
        <source>Fix AA</source>
        <translation>AA herstellen</translation>
    </message>
    <message>
        <source>Change only the lightness, to the nearest that passes</source>
        <translation>Nur die Helligkeit ändern, auf den nächsten Wert, der besteht</translation>
    </message>
    <message>
        <source>Move the link&apos;s lightness away from the text&apos;s, keeping its contrast with the background</source>
        <translation>Die Helligkeit des Links von der des Texts entfernen und den Kontrast zum Hintergrund erhalten</translation>
    </message>
    <message>
        <source>Links against the body text</source>
        <translation>Links zum Fließtext</translation>
    </message>
    <message>
        <source>Links are &amp;underlined</source>
        <translation>Links sind &amp;unterstrichen</translation>
    </message>
    <message>
        <source>Without the line, a link needs 3.0:1 against the text around it</source>
        <translation>Ohne Unterstreichung braucht ein Link 3,0:1 zum umgebenden Text</translation>
    </message>
    <message>
        <source>The background is a picture. The text is checked against the background color, which shows while the picture loads.</source>
        <translation>Der Hintergrund ist ein Bild. Der Text wird gegen die Hintergrundfarbe geprüft, die erscheint, solange das Bild lädt.</translation>
    </message>
    <message>
        <source>Fix AAA</source>
        <translation>AAA herstellen</translation>
    </message>
    <message>
        <source>Fix 3:1</source>
        <translation>3:1 herstellen</translation>
    </message>
    <message>
        <source>%1 (large text)</source>
        <translation>%1 (großer Text)</translation>
    </message>
    <message>
        <source>text &lt;span style=&quot;color:#%1&quot;&gt;link&lt;/span&gt;</source>
        <translation>Text &lt;span style=&quot;color:#%1&quot;&gt;Link&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Nicht nötig</translation>
    </message>
    <message>
        <source>%1: no color of this hue reaches the mark.</source>
        <translation>%1: Keine Farbe dieses Farbtons erreicht den Wert.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>windows::TfrmFileOpen</name>
    <message>
        <source> Select Image</source>
        <translation> Bild auswählen</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File ( *.gif)</source>
        <translation>Datei ( *.gif)</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Background Preview</source>
        <translation>Hintergrundvorschau</translation>
    </message>
    <message>
        <source>Show Picture</source>
        <translation>Bild zeigen</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Kacheln</translation>
    </message>
</context>
<context>
    <name>windows::TfrmFontText</name>
    <message>
        <source> Enter Text</source>
        <translation> Text eingeben</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>windows::TfrmOptions</name>
    <message>
        <source>Save Style on Exit</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Prompt Before Saving</source>
        <translation>Vorher fragen</translation>
    </message>
    <message>
        <source>Do Not Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Save Options</source>
        <translation>Beim Beenden</translation>
    </message>
</context>
<context>
    <name>windows::TfrmSelectFont</name>
    <message>
        <source> Select Font</source>
        <translation> Schrift auswählen</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
</context>
<context>
    <name>windows::TfrmSpecial</name>
    <message>
        <source>Special Characters</source>
        <translation>Sonderzeichen</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Copy Code</source>
        <translation>Code kopieren</translation>
    </message>
    <message>
        <source>Copy Name</source>
        <translation>Namen kopieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Special characters</source>
        <translation>Sonderzeichen</translation>
    </message>
    <message>
        <source>Char</source>
        <translation>Zeichen</translation>
    </message>
</context>
</TS>
