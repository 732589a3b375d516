<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Tag</source>
        <translation>Balise</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Alternate Fonts</source>
        <translation>Polices de secours</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Fichier d&apos;image</translation>
    </message>
    <message>
        <source>Pick from Screen: arrows move, Shift+arrows move ten, plus and minus zoom, A averages, Enter picks, Escape cancels</source>
        <translation>Prélever à l&apos;écran : les flèches déplacent, Maj+flèches déplacent de dix, plus et moins zooment, A fait la moyenne, Entrée prélève, Échap annule</translation>
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
        <translation>impossible de démarrer %1 : %2</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après « %1 ».</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option « %1 » inconnue.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après « %1 ».</translation>
    </message>
    <message>
        <source>Only one --read can be given.</source>
        <translation>Une seule option --read est admise.</translation>
    </message>
    <message>
        <source>--read takes no style file.</source>
        <translation>--read ne prend pas de fichier de style.</translation>
    </message>
    <message>
        <source>--read needs --print WHAT.</source>
        <translation>--read demande --print QUOI.</translation>
    </message>
    <message>
        <source>Only one style file can be opened at a time.</source>
        <translation>Un seul fichier de style peut être ouvert à la fois.</translation>
    </message>
    <message>
        <source>Only one --print can be given.</source>
        <translation>Une seule option --print est admise.</translation>
    </message>
    <message>
        <source>--print takes font, font-text, body, css or html5, not &quot;%1&quot;.</source>
        <translation>--print prend font, font-text, body, css ou html5, pas « %1 ».</translation>
    </message>
    <message>
        <source>--read needs a file, or - for standard input.</source>
        <translation>--read demande un fichier, ou - pour l&apos;entrée standard.</translation>
    </message>
    <message>
        <source>--print needs a style file.</source>
        <translation>--print demande un fichier de style.</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>Font color</source>
        <translation>Couleur de police</translation>
    </message>
    <message>
        <source>Normal text</source>
        <translation>Texte normal</translation>
    </message>
    <message>
        <source>New links</source>
        <translation>Nouveaux liens</translation>
    </message>
    <message>
        <source>Visited links</source>
        <translation>Liens visités</translation>
    </message>
    <message>
        <source>Active links</source>
        <translation>Liens actifs</translation>
    </message>
    <message>
        <source>New links against text</source>
        <translation>Nouveaux liens face au texte</translation>
    </message>
    <message>
        <source>Visited links against text</source>
        <translation>Liens visités face au texte</translation>
    </message>
    <message>
        <source>Active links against text</source>
        <translation>Liens actifs face au texte</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>Unable to read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>Unable to make a folder for the page in %1: %2</source>
        <translation>Impossible de créer un dossier pour la page dans %1 : %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n&apos;est pas une valeur entière valide</translation>
    </message>
    <message>
        <source>Invalid column stream</source>
        <translation>Données de colonnes non valides</translation>
    </message>
    <message>
        <source>Unable to load the picture %1</source>
        <translation>Impossible de charger l&apos;image %1</translation>
    </message>
    <message>
        <source>Unable to read the data file %1</source>
        <translation>Impossible de lire le fichier de données %1</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
    <message>
        <source>Missing program resource %1</source>
        <translation>Ressource du programme manquante : %1</translation>
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
        <translation>Le CSS a été chargé depuis %1, sauf :</translation>
    </message>
    <message>
        <source>The tag was loaded except for:</source>
        <translation>La balise a été chargée, sauf :</translation>
    </message>
    <message>
        <source>The clipboard holds no FONT or BODY tag and no CSS.</source>
        <translation>Le presse-papiers ne contient ni balise FONT ou BODY ni CSS.</translation>
    </message>
    <message>
        <source>%1 is loaded without its transparency: a style&apos;s colors are opaque.</source>
        <translation>%1 est chargé sans sa transparence : les couleurs d&apos;un style sont opaques.</translation>
    </message>
    <message>
        <source>%1 is not a color.</source>
        <translation>%1 n&apos;est pas une couleur.</translation>
    </message>
    <message>
        <source>The rules for %1: only one rule sets the font.</source>
        <translation>Les règles pour %1 : une seule règle définit la police.</translation>
    </message>
    <message>
        <source>%1: a style has no such link color.</source>
        <translation>%1 : un style n&apos;a pas cette couleur de lien.</translation>
    </message>
    <message>
        <source>%1: not part of a style.</source>
        <translation>%1 : ne fait pas partie d&apos;un style.</translation>
    </message>
    <message>
        <source>%1 in %2: not part of a style.</source>
        <translation>%1 dans %2 : ne fait pas partie d&apos;un style.</translation>
    </message>
    <message>
        <source>%1 is not a size.</source>
        <translation>%1 n&apos;est pas une taille.</translation>
    </message>
    <message>
        <source>%1 names no face.</source>
        <translation>%1 ne nomme aucune police.</translation>
    </message>
    <message>
        <source>%1 is not a weight.</source>
        <translation>%1 n&apos;est pas une graisse.</translation>
    </message>
    <message>
        <source>%1 is not a font style.</source>
        <translation>%1 n&apos;est pas un style de police.</translation>
    </message>
    <message>
        <source>%1 is not an alignment.</source>
        <translation>%1 n&apos;est pas un alignement.</translation>
    </message>
    <message>
        <source>%1 is not read: a system font is each visitor&apos;s own.</source>
        <translation>%1 n&apos;est pas lu : une police système est propre à chaque visiteur.</translation>
    </message>
    <message>
        <source>%1 is not a font.</source>
        <translation>%1 n&apos;est pas une police.</translation>
    </message>
    <message>
        <source>%1 is not a picture.</source>
        <translation>%1 n&apos;est pas une image.</translation>
    </message>
    <message>
        <source>%1 is not a background.</source>
        <translation>%1 n&apos;est pas un arrière-plan.</translation>
    </message>
    <message>
        <source>%1 is not loaded: a tag does not say which folder holds the picture.</source>
        <translation>%1 n&apos;est pas chargé : une balise ne dit pas quel dossier contient l&apos;image.</translation>
    </message>
    <message>
        <source>The text after its first %1 characters, as a style holds no more.</source>
        <translation>Le texte après ses %1 premiers caractères, car un style n&apos;en contient pas plus.</translation>
    </message>
    <message>
        <source>The text after its first %1 KB, as a paste is read no further.</source>
        <translation>Le texte après ses %1 premiers Ko, car un collage n&apos;est pas lu au-delà.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not loaded: CSS does not say which folder holds it.</source>
        <translation>L&apos;image « %1 » n&apos;est pas chargée : le CSS ne dit pas quel dossier la contient.</translation>
    </message>
    <message>
        <source>The face &quot;%1&quot; is not installed.</source>
        <translation>La police « %1 » n&apos;est pas installée.</translation>
    </message>
    <message>
        <source>The face &quot;%1&quot; is not installed; &quot;%2&quot; is used instead.</source>
        <translation>La police « %1 » n&apos;est pas installée ; « %2 » est utilisée à la place.</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Save changes to Style &quot;%1&quot;?</source>
        <translation>Enregistrer les modifications du style « %1 » ?</translation>
    </message>
    <message>
        <source>The style was only partly read from &quot;%1&quot;: the values after the damaged one are those it had before.
Save this mixture to Style &quot;%2&quot;?</source>
        <translation>Le style n&apos;a été lu qu&apos;en partie depuis « %1 » : les valeurs après celle qui est endommagée sont celles d&apos;avant.
Enregistrer ce mélange dans le style « %2 » ?</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>%1 holds no style.</source>
        <translation>%1 ne contient aucun style.</translation>
    </message>
    <message>
        <source>The standard input is too large to read.</source>
        <translation>L&apos;entrée standard est trop grande pour être lue.</translation>
    </message>
    <message>
        <source>The standard input holds no FONT or BODY tag and no CSS.</source>
        <translation>L&apos;entrée standard ne contient ni balise FONT ou BODY ni CSS.</translation>
    </message>
    <message>
        <source>%1 holds no FONT or BODY tag and no CSS.</source>
        <translation>%1 ne contient ni balise FONT ou BODY ni CSS.</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>Font Color</source>
        <translation>Couleur de police</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Couleur des liens</translation>
    </message>
    <message>
        <source>Visited Link Color</source>
        <translation>Couleur des liens visités</translation>
    </message>
    <message>
        <source>Active Link Color</source>
        <translation>Couleur des liens actifs</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Add Alternate Face</source>
        <translation>Ajout de police de secours</translation>
    </message>
    <message>
        <source>Remove Alternate Face</source>
        <translation>Retrait de police de secours</translation>
    </message>
    <message>
        <source>Alternate Faces</source>
        <translation>Polices de secours</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Centering</source>
        <translation>Centrage</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Background Mode</source>
        <translation>Type d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
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
        <translation>V</translation>
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
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrer</translation>
    </message>
    <message>
        <source>&amp;Text...</source>
        <translation>&amp;Texte...</translation>
    </message>
    <message>
        <source>Copy Font Tag </source>
        <translation>Copier la balise font </translation>
    </message>
    <message>
        <source>Copy Font Tag Including Text</source>
        <translation>Copier la balise font avec le texte</translation>
    </message>
    <message>
        <source>Font Size = %1</source>
        <translation>Taille = %1</translation>
    </message>
    <message>
        <source>Alternate Fonts</source>
        <translation>Polices de secours</translation>
    </message>
    <message>
        <source>Add an alternate font</source>
        <translation>Ajouter une police de secours</translation>
    </message>
    <message>
        <source>Remove the selected alternate font</source>
        <translation>Retirer la police de secours choisie</translation>
    </message>
</context>
<context>
    <name>TPickerOverlay</name>
    <message>
        <source>Pick from Screen</source>
        <translation>Prélever à l&apos;écran</translation>
    </message>
    <message>
        <source>1 pixel (A)</source>
        <translation>1 pixel (A)</translation>
    </message>
    <message>
        <source>%1×%1 average (A)</source>
        <translation>Moyenne %1×%1 (A)</translation>
    </message>
</context>
<context>
    <name>TPreview</name>
    <message>
        <source>Normal text will appear in this color</source>
        <translation>Le texte normal aura cette couleur</translation>
    </message>
    <message>
        <source>Visited Links will appear in this color</source>
        <translation>Les liens visités auront cette couleur</translation>
    </message>
    <message>
        <source>New links will appear in this color</source>
        <translation>Les nouveaux liens auront cette couleur</translation>
    </message>
    <message>
        <source>Links will briefly appear in this color when clicked</source>
        <translation>Les liens prennent un instant cette couleur au clic</translation>
    </message>
</context>
<context>
    <name>TRecentColors</name>
    <message>
        <source>Recent Co&amp;lors</source>
        <translation>C&amp;ouleurs récentes</translation>
    </message>
</context>
<context>
    <name>TRecentMenu</name>
    <message>
        <source>Recent S&amp;tyles</source>
        <translation>S&amp;tyles récents</translation>
    </message>
    <message>
        <source>The style &quot;%1&quot; is no longer there; it has been taken off the list.</source>
        <translation>Le style « %1 » n&apos;existe plus ; il a été retiré de la liste.</translation>
    </message>
    <message>
        <source>The style &quot;%1&quot; is no longer there.</source>
        <translation>Le style « %1 » n&apos;existe plus.</translation>
    </message>
</context>
<context>
    <name>TScreenPicker</name>
    <message>
        <source>Unable to read the screen</source>
        <translation>Impossible de lire l&apos;écran</translation>
    </message>
</context>
<context>
    <name>TStyleHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <comment>the step taken back</comment>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <comment>the step done again</comment>
        <translation>&amp;Rétablir : %1</translation>
    </message>
</context>
<context>
    <name>TSwatchRow</name>
    <message>
        <source>Black</source>
        <translation>Noir (black)</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc (white)</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine (navy)</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu (blue)</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux (maroon)</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge (red)</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert (green)</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert citron (lime)</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent (silver)</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris (gray)</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet (purple)</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia (fuchsia)</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive (olive)</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune (yellow)</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Sarcelle (teal)</translation>
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
        <translation>Variante sombre dans le C&amp;SS</translation>
    </message>
    <message>
        <source>Preview Dark V&amp;ariant</source>
        <translation>Aperçu de la variante so&amp;mbre</translation>
    </message>
    <message>
        <source>Select Style</source>
        <translation>Choisir un style</translation>
    </message>
    <message>
        <source>Save Current Style As</source>
        <translation>Enregistrer le style actuel sous</translation>
    </message>
    <message>
        <source>.style files (*.vls)</source>
        <translation>Fichiers de style (*.vls)</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Unable to read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>Close anyway? The changes that could not be written are lost.</source>
        <translation>Fermer quand même ? Les modifications qui n&apos;ont pas pu être écrites seront perdues.</translation>
    </message>
    <message>
        <source>Close &amp;Anyway</source>
        <translation>&amp;Fermer quand même</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Export Page...</source>
        <translation>E&amp;xporter la page...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Copy Font Tag</source>
        <translation>&amp;Copier la balise font</translation>
    </message>
    <message>
        <source>C&amp;opy Font Tag with Text</source>
        <translation>Copier la balise font avec le &amp;texte</translation>
    </message>
    <message>
        <source>Copy &amp;Body Tag</source>
        <translation>Copier la balise &amp;body</translation>
    </message>
    <message>
        <source>Copy as C&amp;SS</source>
        <translation>Copier en C&amp;SS</translation>
    </message>
    <message>
        <source>Copy as &amp;HTML5</source>
        <translation>Copier en &amp;HTML5</translation>
    </message>
    <message>
        <source>&amp;Paste Tag</source>
        <translation>Co&amp;ller la balise</translation>
    </message>
    <message>
        <source>Pic&amp;k from Screen</source>
        <translation>&amp;Prélever à l&apos;écran</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>Contrast &amp;Check...</source>
        <translation>Vérifier le &amp;contraste...</translation>
    </message>
    <message>
        <source>View in &amp;Browser</source>
        <translation>Voir dans le &amp;navigateur</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Contents...</source>
        <translation>Sommaire...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Export Page</source>
        <translation>Exporter la page</translation>
    </message>
    <message>
        <source>HTML pages (*.html *.htm)</source>
        <translation>Pages HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>« %1 » existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Copy the picture &quot;%1&quot; beside the page, replacing the file of that name there?</source>
        <translation>Copier l&apos;image « %1 » à côté de la page, en remplaçant le fichier de ce nom ?</translation>
    </message>
    <message>
        <source>Copy the picture &quot;%1&quot; beside the page?</source>
        <translation>Copier l&apos;image « %1 » à côté de la page ?</translation>
    </message>
    <message>
        <source>Paste Tag</source>
        <translation>Coller la balise</translation>
    </message>
    <message>
        <source>Simulate Color &amp;Vision</source>
        <translation>Simuler la &amp;vision des couleurs</translation>
    </message>
    <message>
        <source>Severity %1</source>
        <translation>Sévérité %1</translation>
    </message>
    <message>
        <source> Font</source>
        <translation> Police</translation>
    </message>
    <message>
        <source> Body</source>
        <translation> Body</translation>
    </message>
    <message>
        <source>Current Color Selection</source>
        <translation>Couleur en cours</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Normal Text</source>
        <translation>Texte normal</translation>
    </message>
    <message>
        <source>Visited Links</source>
        <translation>Liens visités</translation>
    </message>
    <message>
        <source>New Links</source>
        <translation>Nouveaux liens</translation>
    </message>
    <message>
        <source>Highlighted Links</source>
        <translation>Liens actifs</translation>
    </message>
    <message>
        <source>Copy Body Tag </source>
        <translation>Copier la balise body </translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>&amp;More...</source>
        <translation>&amp;Plus...</translation>
    </message>
    <message>
        <source>&amp;Special...</source>
        <translation>&amp;Spéciaux...</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>Usage: %1 [STYLE.vls]
       %1 --print WHAT STYLE.vls
       %1 --read FILE --print WHAT</source>
        <translation>Usage : %1 [STYLE.vls]
        %1 --print QUOI STYLE.vls
        %1 --read FICHIER --print QUOI</translation>
    </message>
    <message>
        <source>Compose HTML font and body tags with the mouse and copy them.</source>
        <translation>Composer à la souris des balises HTML font et body, et les copier.</translation>
    </message>
    <message>
        <source>  STYLE.vls           open this style instead of the start-up style; when a copy
                      is running already, it opens the style there</source>
        <translation>  STYLE.vls           ouvrir ce style au lieu du style de démarrage ; si le
                      programme tourne déjà, le style s&apos;ouvre dans sa fenêtre</translation>
    </message>
    <message>
        <source>  --print WHAT        print a text of the style and exit, without a window; WHAT is
                      font       the font tag
                      font-text  the font tag with its text
                      body       the body tag
                      css        the style sheet
                      html5      the HTML5 markup</source>
        <translation>  --print QUOI        afficher un texte du style et quitter, sans fenêtre ;
                      QUOI est
                      font       la balise font
                      font-text  la balise font avec son texte
                      body       la balise body
                      css        la feuille de style
                      html5      le balisage HTML5</translation>
    </message>
    <message>
        <source>  --read FILE         read FILE (- for standard input) as Paste Tag reads the
                      clipboard, markup or CSS, and print WHAT of the result;
                      what is not read goes to standard error, and the exit code
                      is 1 when nothing was read</source>
        <translation>  --read FICHIER      lire FICHIER (- pour l&apos;entrée standard) comme « Coller
                      la balise » lit le presse-papiers, balisage ou CSS, et
                      afficher QUOI du résultat ; ce qui n&apos;est pas lu va sur
                      la sortie d&apos;erreur, et le code de sortie est 1 si rien
                      n&apos;a été lu</translation>
    </message>
    <message>
        <source>  -h, --help          show this help and exit</source>
        <translation>  -h, --help          afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>  -v, --version       show the version and exit</source>
        <translation>  -v, --version       afficher la version et quitter</translation>
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
        <translation>Deutéranopie</translation>
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
        <translation>Deutéranomalie</translation>
    </message>
    <message>
        <source>Tritanomaly</source>
        <translation>Tritanomalie</translation>
    </message>
    <message>
        <source>Blurred Vision</source>
        <translation>Vision floue</translation>
    </message>
    <message>
        <source>Reduced Contrast</source>
        <translation>Contraste réduit</translation>
    </message>
    <message>
        <source>Normal Vision</source>
        <translation>Vision normale</translation>
    </message>
    <message>
        <source> (simulating %1, severity %2)</source>
        <translation> (simulation : %1, sévérité %2)</translation>
    </message>
    <message>
        <source> (simulating %1)</source>
        <translation> (simulation : %1)</translation>
    </message>
</context>
<context>
    <name>controls::TGradientForm</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Déplacer</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>platform::ShellOpen</name>
    <message>
        <source>No program to open it was found: xdg-open (from xdg-utils) is not installed.</source>
        <translation>Aucun programme pour l&apos;ouvrir n&apos;a été trouvé : xdg-open (de xdg-utils) n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>The desktop has no program to open it.</source>
        <translation>Le bureau n&apos;a aucun programme pour l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>Unable to open %1
%2</source>
        <translation>Impossible d&apos;ouvrir %1
%2</translation>
    </message>
</context>
<context>
    <name>platform::TColorPortal</name>
    <message>
        <source>The desktop portal did not answer, so no color can be picked from the screen.</source>
        <translation>Le portail du bureau n&apos;a pas répondu : aucune couleur ne peut être prélevée à l&apos;écran.</translation>
    </message>
    <message>
        <source>The desktop portal could not pick a color.</source>
        <translation>Le portail du bureau n&apos;a pas pu prélever de couleur.</translation>
    </message>
    <message>
        <source>The desktop portal could not pick a color. %1</source>
        <translation>Le portail du bureau n&apos;a pas pu prélever de couleur. %1</translation>
    </message>
</context>
<context>
    <name>platform::THelpViewer</name>
    <message>
        <source>&lt;h2&gt;Help is not available&lt;/h2&gt;&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; is missing or cannot be read.&lt;/p&gt;&lt;p&gt;It belongs in the program&apos;s folder, beside the program itself.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;L&apos;aide n&apos;est pas disponible&lt;/h2&gt;&lt;p&gt;Le fichier d&apos;aide &lt;b&gt;%1&lt;/b&gt; est absent ou illisible.&lt;/p&gt;&lt;p&gt;Il doit se trouver dans le dossier du programme, à côté du programme lui-même.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Velloran Help</source>
        <translation>Aide de Velloran</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>S&amp;uivant</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte d&apos;aide</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>windows::TPaletteSwatches</name>
    <message>
        <source>Web palette</source>
        <translation>Palette web</translation>
    </message>
</context>
<context>
    <name>windows::TfrmAbout</name>
    <message>
        <source>About Velloran</source>
        <translation>À propos de Velloran</translation>
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
        <translation>Les développeurs de Velloran</translation>
    </message>
    <message>
        <source>Send Questions or Comments to:</source>
        <translation>Questions ou remarques à :</translation>
    </message>
    <message>
        <source>Help &gt; Contents</source>
        <translation>Aide &gt; Sommaire</translation>
    </message>
    <message>
        <source>Velloran WebSite</source>
        <translation>Site web de Velloran</translation>
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
        <translation>Palette personnalisée</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Web palette</source>
        <translation>Palette web</translation>
    </message>
</context>
<context>
    <name>windows::TfrmContrast</name>
    <message>
        <source>Pass</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Contrast Check</source>
        <translation>Vérification du contraste</translation>
    </message>
    <message>
        <source>Against the background</source>
        <translation>Face à l&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>AA</source>
        <translation>AA</translation>
    </message>
    <message>
        <source>At least 4.5:1, or 3.0:1 for large text; links 3.0:1 to the text</source>
        <translation>Au moins 4,5:1, ou 3,0:1 pour le grand texte ; liens 3,0:1 face au texte</translation>
    </message>
    <message>
        <source>AAA</source>
        <translation>AAA</translation>
    </message>
    <message>
        <source>At least 7.0:1, or 4.5:1 for large text</source>
        <translation>Au moins 7,0:1, ou 4,5:1 pour le grand texte</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Corrigée</translation>
    </message>
    <message>
        <source>Fix AA</source>
        <translation>Corriger AA</translation>
    </message>
    <message>
        <source>Change only the lightness, to the nearest that passes</source>
        <translation>Ne changer que la luminosité, vers la plus proche qui réussit</translation>
    </message>
    <message>
        <source>Move the link&apos;s lightness away from the text&apos;s, keeping its contrast with the background</source>
        <translation>Éloigner la luminosité du lien de celle du texte, en gardant son contraste avec l&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Links against the body text</source>
        <translation>Liens face au texte courant</translation>
    </message>
    <message>
        <source>Links are &amp;underlined</source>
        <translation>Les liens sont &amp;soulignés</translation>
    </message>
    <message>
        <source>Without the line, a link needs 3.0:1 against the text around it</source>
        <translation>Sans soulignement, un lien doit atteindre 3,0:1 face au texte qui l&apos;entoure</translation>
    </message>
    <message>
        <source>The background is a picture. The text is checked against the background color, which shows while the picture loads.</source>
        <translation>L&apos;arrière-plan est une image. Le texte est vérifié face à la couleur d&apos;arrière-plan, visible pendant le chargement de l&apos;image.</translation>
    </message>
    <message>
        <source>Fix AAA</source>
        <translation>Corriger AAA</translation>
    </message>
    <message>
        <source>Fix 3:1</source>
        <translation>Corriger 3:1</translation>
    </message>
    <message>
        <source>%1 (large text)</source>
        <translation>%1 (grand texte)</translation>
    </message>
    <message>
        <source>text &lt;span style=&quot;color:#%1&quot;&gt;link&lt;/span&gt;</source>
        <translation>texte &lt;span style=&quot;color:#%1&quot;&gt;lien&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>Inutile</translation>
    </message>
    <message>
        <source>%1: no color of this hue reaches the mark.</source>
        <translation>%1 : aucune couleur de cette teinte n&apos;atteint le seuil.</translation>
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
        <translation> Choisir une image</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>File ( *.gif)</source>
        <translation>Fichier ( *.gif)</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Background Preview</source>
        <translation>Aperçu de l&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Show Picture</source>
        <translation>Voir l&apos;image</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Mosaïque</translation>
    </message>
</context>
<context>
    <name>windows::TfrmFontText</name>
    <message>
        <source> Enter Text</source>
        <translation> Saisir le texte</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
</context>
<context>
    <name>windows::TfrmOptions</name>
    <message>
        <source>Save Style on Exit</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Prompt Before Saving</source>
        <translation>Demander d&apos;abord</translation>
    </message>
    <message>
        <source>Do Not Save</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Save Options</source>
        <translation>En quittant</translation>
    </message>
</context>
<context>
    <name>windows::TfrmSelectFont</name>
    <message>
        <source> Select Font</source>
        <translation> Choisir une police</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
</context>
<context>
    <name>windows::TfrmSpecial</name>
    <message>
        <source>Special Characters</source>
        <translation>Caractères spéciaux</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Code :</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Caractère</translation>
    </message>
    <message>
        <source>Copy Code</source>
        <translation>Copier le code</translation>
    </message>
    <message>
        <source>Copy Name</source>
        <translation>Copier le nom</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Special characters</source>
        <translation>Caractères spéciaux</translation>
    </message>
    <message>
        <source>Char</source>
        <translation>Car.</translation>
    </message>
</context>
</TS>
