<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Tag</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Alternate Fonts</source>
        <translation>Fuentes alternativas</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Archivo de imagen</translation>
    </message>
    <message>
        <source>Pick from Screen: arrows move, Shift+arrows move ten, plus and minus zoom, A averages, Enter picks, Escape cancels</source>
        <translation>Tomar de la pantalla: las flechas mueven, Mayús+flechas mueven diez, más y menos amplían, A promedia, Intro toma, Esc cancela</translation>
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
        <translation>no se puede iniciar %1: %2</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta el valor después de «%1».</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado después de «%1».</translation>
    </message>
    <message>
        <source>Only one --read can be given.</source>
        <translation>Solo se puede indicar un --read.</translation>
    </message>
    <message>
        <source>--read takes no style file.</source>
        <translation>--read no admite archivo de estilo.</translation>
    </message>
    <message>
        <source>--read needs --print WHAT.</source>
        <translation>--read necesita --print QUÉ.</translation>
    </message>
    <message>
        <source>Only one style file can be opened at a time.</source>
        <translation>Solo se puede abrir un archivo de estilo a la vez.</translation>
    </message>
    <message>
        <source>Only one --print can be given.</source>
        <translation>Solo se puede indicar un --print.</translation>
    </message>
    <message>
        <source>--print takes font, font-text, body, css or html5, not &quot;%1&quot;.</source>
        <translation>--print admite font, font-text, body, css o html5, no «%1».</translation>
    </message>
    <message>
        <source>--read needs a file, or - for standard input.</source>
        <translation>--read necesita un archivo, o - para la entrada estándar.</translation>
    </message>
    <message>
        <source>--print needs a style file.</source>
        <translation>--print necesita un archivo de estilo.</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>Font color</source>
        <translation>Color de fuente</translation>
    </message>
    <message>
        <source>Normal text</source>
        <translation>Texto normal</translation>
    </message>
    <message>
        <source>New links</source>
        <translation>Enlaces nuevos</translation>
    </message>
    <message>
        <source>Visited links</source>
        <translation>Enlaces visitados</translation>
    </message>
    <message>
        <source>Active links</source>
        <translation>Enlaces activos</translation>
    </message>
    <message>
        <source>New links against text</source>
        <translation>Enlaces nuevos frente al texto</translation>
    </message>
    <message>
        <source>Visited links against text</source>
        <translation>Enlaces visitados frente al texto</translation>
    </message>
    <message>
        <source>Active links against text</source>
        <translation>Enlaces activos frente al texto</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>Unable to read %1</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>Unable to make a folder for the page in %1: %2</source>
        <translation>No se puede crear una carpeta para la página en %1: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un valor entero válido</translation>
    </message>
    <message>
        <source>Invalid column stream</source>
        <translation>Datos de columnas no válidos</translation>
    </message>
    <message>
        <source>Unable to load the picture %1</source>
        <translation>No se puede cargar la imagen %1</translation>
    </message>
    <message>
        <source>Unable to read the data file %1</source>
        <translation>No se puede leer el archivo de datos %1</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Error inesperado</translation>
    </message>
    <message>
        <source>Missing program resource %1</source>
        <translation>Falta el recurso del programa %1</translation>
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
        <translation>El CSS se cargó de %1, salvo:</translation>
    </message>
    <message>
        <source>The tag was loaded except for:</source>
        <translation>La etiqueta se cargó, salvo:</translation>
    </message>
    <message>
        <source>The clipboard holds no FONT or BODY tag and no CSS.</source>
        <translation>El portapapeles no contiene ninguna etiqueta FONT o BODY ni CSS.</translation>
    </message>
    <message>
        <source>%1 is loaded without its transparency: a style&apos;s colors are opaque.</source>
        <translation>%1 se carga sin su transparencia: los colores de un estilo son opacos.</translation>
    </message>
    <message>
        <source>%1 is not a color.</source>
        <translation>%1 no es un color.</translation>
    </message>
    <message>
        <source>The rules for %1: only one rule sets the font.</source>
        <translation>Las reglas de %1: solo una regla define la fuente.</translation>
    </message>
    <message>
        <source>%1: a style has no such link color.</source>
        <translation>%1: un estilo no tiene ese color de enlace.</translation>
    </message>
    <message>
        <source>%1: not part of a style.</source>
        <translation>%1: no forma parte de un estilo.</translation>
    </message>
    <message>
        <source>%1 in %2: not part of a style.</source>
        <translation>%1 en %2: no forma parte de un estilo.</translation>
    </message>
    <message>
        <source>%1 is not a size.</source>
        <translation>%1 no es un tamaño.</translation>
    </message>
    <message>
        <source>%1 names no face.</source>
        <translation>%1 no nombra ningún tipo de letra.</translation>
    </message>
    <message>
        <source>%1 is not a weight.</source>
        <translation>%1 no es un grosor de fuente.</translation>
    </message>
    <message>
        <source>%1 is not a font style.</source>
        <translation>%1 no es un estilo de fuente.</translation>
    </message>
    <message>
        <source>%1 is not an alignment.</source>
        <translation>%1 no es una alineación.</translation>
    </message>
    <message>
        <source>%1 is not read: a system font is each visitor&apos;s own.</source>
        <translation>%1 no se lee: una fuente del sistema es propia de cada visitante.</translation>
    </message>
    <message>
        <source>%1 is not a font.</source>
        <translation>%1 no es una fuente.</translation>
    </message>
    <message>
        <source>%1 is not a picture.</source>
        <translation>%1 no es una imagen.</translation>
    </message>
    <message>
        <source>%1 is not a background.</source>
        <translation>%1 no es un fondo.</translation>
    </message>
    <message>
        <source>%1 is not loaded: a tag does not say which folder holds the picture.</source>
        <translation>%1 no se carga: una etiqueta no dice qué carpeta contiene la imagen.</translation>
    </message>
    <message>
        <source>The text after its first %1 characters, as a style holds no more.</source>
        <translation>El texto tras sus primeros %1 caracteres, ya que un estilo no admite más.</translation>
    </message>
    <message>
        <source>The text after its first %1 KB, as a paste is read no further.</source>
        <translation>El texto tras sus primeros %1 KB, ya que lo pegado no se lee más allá.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not loaded: CSS does not say which folder holds it.</source>
        <translation>La imagen «%1» no se carga: el CSS no dice qué carpeta la contiene.</translation>
    </message>
    <message>
        <source>The face &quot;%1&quot; is not installed.</source>
        <translation>El tipo de letra «%1» no está instalado.</translation>
    </message>
    <message>
        <source>The face &quot;%1&quot; is not installed; &quot;%2&quot; is used instead.</source>
        <translation>El tipo de letra «%1» no está instalado; se usa «%2» en su lugar.</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Save changes to Style &quot;%1&quot;?</source>
        <translation>¿Guardar los cambios del estilo «%1»?</translation>
    </message>
    <message>
        <source>The style was only partly read from &quot;%1&quot;: the values after the damaged one are those it had before.
Save this mixture to Style &quot;%2&quot;?</source>
        <translation>El estilo solo se leyó en parte de «%1»: los valores tras el dañado son los que tenía antes.
¿Guardar esta mezcla en el estilo «%2»?</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>%1 holds no style.</source>
        <translation>%1 no contiene ningún estilo.</translation>
    </message>
    <message>
        <source>The standard input is too large to read.</source>
        <translation>La entrada estándar es demasiado grande para leerla.</translation>
    </message>
    <message>
        <source>The standard input holds no FONT or BODY tag and no CSS.</source>
        <translation>La entrada estándar no contiene ninguna etiqueta FONT o BODY ni CSS.</translation>
    </message>
    <message>
        <source>%1 holds no FONT or BODY tag and no CSS.</source>
        <translation>%1 no contiene ninguna etiqueta FONT o BODY ni CSS.</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>Font Color</source>
        <translation>Color de fuente</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Link Color</source>
        <translation>Color de enlace</translation>
    </message>
    <message>
        <source>Visited Link Color</source>
        <translation>Color de enlace visitado</translation>
    </message>
    <message>
        <source>Active Link Color</source>
        <translation>Color de enlace activo</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>Add Alternate Face</source>
        <translation>Añadir fuente alternativa</translation>
    </message>
    <message>
        <source>Remove Alternate Face</source>
        <translation>Quitar fuente alternativa</translation>
    </message>
    <message>
        <source>Alternate Faces</source>
        <translation>Fuentes alternativas</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Centering</source>
        <translation>Centrado</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Background Mode</source>
        <translation>Tipo de fondo</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
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
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrar</translation>
    </message>
    <message>
        <source>&amp;Text...</source>
        <translation>&amp;Texto...</translation>
    </message>
    <message>
        <source>Copy Font Tag </source>
        <translation>Copiar la etiqueta font </translation>
    </message>
    <message>
        <source>Copy Font Tag Including Text</source>
        <translation>Copiar la etiqueta font con el texto</translation>
    </message>
    <message>
        <source>Font Size = %1</source>
        <translation>Tamaño = %1</translation>
    </message>
    <message>
        <source>Alternate Fonts</source>
        <translation>Fuentes alternativas</translation>
    </message>
    <message>
        <source>Add an alternate font</source>
        <translation>Añadir una fuente alternativa</translation>
    </message>
    <message>
        <source>Remove the selected alternate font</source>
        <translation>Quitar la fuente alternativa elegida</translation>
    </message>
</context>
<context>
    <name>TPickerOverlay</name>
    <message>
        <source>Pick from Screen</source>
        <translation>Tomar de la pantalla</translation>
    </message>
    <message>
        <source>1 pixel (A)</source>
        <translation>1 píxel (A)</translation>
    </message>
    <message>
        <source>%1×%1 average (A)</source>
        <translation>Promedio de %1×%1 (A)</translation>
    </message>
</context>
<context>
    <name>TPreview</name>
    <message>
        <source>Normal text will appear in this color</source>
        <translation>El texto normal tendrá este color</translation>
    </message>
    <message>
        <source>Visited Links will appear in this color</source>
        <translation>Los enlaces visitados tendrán este color</translation>
    </message>
    <message>
        <source>New links will appear in this color</source>
        <translation>Los enlaces nuevos tendrán este color</translation>
    </message>
    <message>
        <source>Links will briefly appear in this color when clicked</source>
        <translation>Los enlaces toman este color un instante al hacer clic</translation>
    </message>
</context>
<context>
    <name>TRecentColors</name>
    <message>
        <source>Recent Co&amp;lors</source>
        <translation>Co&amp;lores recientes</translation>
    </message>
</context>
<context>
    <name>TRecentMenu</name>
    <message>
        <source>Recent S&amp;tyles</source>
        <translation>Es&amp;tilos recientes</translation>
    </message>
    <message>
        <source>The style &quot;%1&quot; is no longer there; it has been taken off the list.</source>
        <translation>El estilo «%1» ya no existe; se ha quitado de la lista.</translation>
    </message>
    <message>
        <source>The style &quot;%1&quot; is no longer there.</source>
        <translation>El estilo «%1» ya no existe.</translation>
    </message>
</context>
<context>
    <name>TScreenPicker</name>
    <message>
        <source>Unable to read the screen</source>
        <translation>No se puede leer la pantalla</translation>
    </message>
</context>
<context>
    <name>TStyleHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <comment>the step taken back</comment>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <comment>the step done again</comment>
        <translation>&amp;Rehacer: %1</translation>
    </message>
</context>
<context>
    <name>TSwatchRow</name>
    <message>
        <source>Black</source>
        <translation>Negro (black)</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco (white)</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino (navy)</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul (blue)</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate (maroon)</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo (red)</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde (green)</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima (lime)</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata (silver)</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris (gray)</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Púrpura (purple)</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia (fuchsia)</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva (olive)</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo (yellow)</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado (teal)</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cian (aqua)</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Dar&amp;k Variant in CSS</source>
        <translation>Variante oscu&amp;ra en el CSS</translation>
    </message>
    <message>
        <source>Preview Dark V&amp;ariant</source>
        <translation>Vista &amp;previa de la variante oscura</translation>
    </message>
    <message>
        <source>Select Style</source>
        <translation>Elegir un estilo</translation>
    </message>
    <message>
        <source>Save Current Style As</source>
        <translation>Guardar el estilo actual como</translation>
    </message>
    <message>
        <source>.style files (*.vls)</source>
        <translation>Archivos de estilo (*.vls)</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Unable to read %1</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>Close anyway? The changes that could not be written are lost.</source>
        <translation>¿Cerrar de todos modos? Se perderán los cambios que no se pudieron escribir.</translation>
    </message>
    <message>
        <source>Close &amp;Anyway</source>
        <translation>Cerrar de &amp;todos modos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Export Page...</source>
        <translation>&amp;Exportar página...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy Font Tag</source>
        <translation>&amp;Copiar etiqueta font</translation>
    </message>
    <message>
        <source>C&amp;opy Font Tag with Text</source>
        <translation>Copiar etiqueta font con &amp;texto</translation>
    </message>
    <message>
        <source>Copy &amp;Body Tag</source>
        <translation>Copiar etiqueta &amp;body</translation>
    </message>
    <message>
        <source>Copy as C&amp;SS</source>
        <translation>Copiar como C&amp;SS</translation>
    </message>
    <message>
        <source>Copy as &amp;HTML5</source>
        <translation>Copiar como &amp;HTML5</translation>
    </message>
    <message>
        <source>&amp;Paste Tag</source>
        <translation>&amp;Pegar etiqueta</translation>
    </message>
    <message>
        <source>Pic&amp;k from Screen</source>
        <translation>Tomar de la pa&amp;ntalla</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ctualizar</translation>
    </message>
    <message>
        <source>Contrast &amp;Check...</source>
        <translation>Comprobar el con&amp;traste...</translation>
    </message>
    <message>
        <source>View in &amp;Browser</source>
        <translation>Ver en el &amp;navegador</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Contents...</source>
        <translation>Contenido...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Export Page</source>
        <translation>Exportar página</translation>
    </message>
    <message>
        <source>HTML pages (*.html *.htm)</source>
        <translation>Páginas HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>«%1» ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Copy the picture &quot;%1&quot; beside the page, replacing the file of that name there?</source>
        <translation>¿Copiar la imagen «%1» junto a la página, reemplazando el archivo de ese nombre?</translation>
    </message>
    <message>
        <source>Copy the picture &quot;%1&quot; beside the page?</source>
        <translation>¿Copiar la imagen «%1» junto a la página?</translation>
    </message>
    <message>
        <source>Paste Tag</source>
        <translation>Pegar etiqueta</translation>
    </message>
    <message>
        <source>Simulate Color &amp;Vision</source>
        <translation>Simular la &amp;visión del color</translation>
    </message>
    <message>
        <source>Severity %1</source>
        <translation>Severidad %1</translation>
    </message>
    <message>
        <source> Font</source>
        <translation> Fuente</translation>
    </message>
    <message>
        <source> Body</source>
        <translation> Body</translation>
    </message>
    <message>
        <source>Current Color Selection</source>
        <translation>Color actual</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Normal Text</source>
        <translation>Texto normal</translation>
    </message>
    <message>
        <source>Visited Links</source>
        <translation>Enlaces visitados</translation>
    </message>
    <message>
        <source>New Links</source>
        <translation>Enlaces nuevos</translation>
    </message>
    <message>
        <source>Highlighted Links</source>
        <translation>Enlaces activos</translation>
    </message>
    <message>
        <source>Copy Body Tag </source>
        <translation>Copiar la etiqueta body </translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>&amp;More...</source>
        <translation>&amp;Más...</translation>
    </message>
    <message>
        <source>&amp;Special...</source>
        <translation>&amp;Símbolos...</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>Usage: %1 [STYLE.vls]
       %1 --print WHAT STYLE.vls
       %1 --read FILE --print WHAT</source>
        <translation>Uso: %1 [ESTILO.vls]
     %1 --print QUÉ ESTILO.vls
     %1 --read ARCHIVO --print QUÉ</translation>
    </message>
    <message>
        <source>Compose HTML font and body tags with the mouse and copy them.</source>
        <translation>Componer con el ratón etiquetas HTML font y body, y copiarlas.</translation>
    </message>
    <message>
        <source>  STYLE.vls           open this style instead of the start-up style; when a copy
                      is running already, it opens the style there</source>
        <translation>  ESTILO.vls          abrir este estilo en lugar del estilo de inicio; si ya
                      hay una copia en marcha, abre el estilo en ella</translation>
    </message>
    <message>
        <source>  --print WHAT        print a text of the style and exit, without a window; WHAT is
                      font       the font tag
                      font-text  the font tag with its text
                      body       the body tag
                      css        the style sheet
                      html5      the HTML5 markup</source>
        <translation>  --print QUÉ         mostrar un texto del estilo y salir, sin ventana; QUÉ es
                      font       la etiqueta font
                      font-text  la etiqueta font con su texto
                      body       la etiqueta body
                      css        la hoja de estilo
                      html5      el marcado HTML5</translation>
    </message>
    <message>
        <source>  --read FILE         read FILE (- for standard input) as Paste Tag reads the
                      clipboard, markup or CSS, and print WHAT of the result;
                      what is not read goes to standard error, and the exit code
                      is 1 when nothing was read</source>
        <translation>  --read ARCHIVO      leer ARCHIVO (- para la entrada estándar) como «Pegar
                      etiqueta» lee el portapapeles, marcado o CSS, y mostrar
                      QUÉ del resultado; lo que no se lee va a la salida de
                      errores, y el código de salida es 1 si no se leyó nada</translation>
    </message>
    <message>
        <source>  -h, --help          show this help and exit</source>
        <translation>  -h, --help          mostrar esta ayuda y salir</translation>
    </message>
    <message>
        <source>  -v, --version       show the version and exit</source>
        <translation>  -v, --version       mostrar la versión y salir</translation>
    </message>
</context>
<context>
    <name>Vision</name>
    <message>
        <source>Protanopia</source>
        <translation>Protanopía</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deuteranopía</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Tritanopía</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Acromatopsia</translation>
    </message>
    <message>
        <source>Protanomaly</source>
        <translation>Protanomalía</translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation>Deuteranomalía</translation>
    </message>
    <message>
        <source>Tritanomaly</source>
        <translation>Tritanomalía</translation>
    </message>
    <message>
        <source>Blurred Vision</source>
        <translation>Visión borrosa</translation>
    </message>
    <message>
        <source>Reduced Contrast</source>
        <translation>Contraste reducido</translation>
    </message>
    <message>
        <source>Normal Vision</source>
        <translation>Visión normal</translation>
    </message>
    <message>
        <source> (simulating %1, severity %2)</source>
        <translation> (simulando %1, severidad %2)</translation>
    </message>
    <message>
        <source> (simulating %1)</source>
        <translation> (simulando %1)</translation>
    </message>
</context>
<context>
    <name>controls::TGradientForm</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Mover</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>platform::ShellOpen</name>
    <message>
        <source>No program to open it was found: xdg-open (from xdg-utils) is not installed.</source>
        <translation>No se encontró ningún programa para abrirlo: xdg-open (de xdg-utils) no está instalado.</translation>
    </message>
    <message>
        <source>The desktop has no program to open it.</source>
        <translation>El escritorio no tiene ningún programa para abrirlo.</translation>
    </message>
    <message>
        <source>Unable to open %1
%2</source>
        <translation>No se puede abrir %1
%2</translation>
    </message>
</context>
<context>
    <name>platform::TColorPortal</name>
    <message>
        <source>The desktop portal did not answer, so no color can be picked from the screen.</source>
        <translation>El portal del escritorio no respondió, así que no se puede tomar ningún color de la pantalla.</translation>
    </message>
    <message>
        <source>The desktop portal could not pick a color.</source>
        <translation>El portal del escritorio no pudo tomar ningún color.</translation>
    </message>
    <message>
        <source>The desktop portal could not pick a color. %1</source>
        <translation>El portal del escritorio no pudo tomar ningún color. %1</translation>
    </message>
</context>
<context>
    <name>platform::THelpViewer</name>
    <message>
        <source>&lt;h2&gt;Help is not available&lt;/h2&gt;&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; is missing or cannot be read.&lt;/p&gt;&lt;p&gt;It belongs in the program&apos;s folder, beside the program itself.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;La ayuda no está disponible&lt;/h2&gt;&lt;p&gt;El archivo de ayuda &lt;b&gt;%1&lt;/b&gt; falta o no se puede leer.&lt;/p&gt;&lt;p&gt;Debe estar en la carpeta del programa, junto al propio programa.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Velloran Help</source>
        <translation>Ayuda de Velloran</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>windows::TPaletteSwatches</name>
    <message>
        <source>Web palette</source>
        <translation>Paleta web</translation>
    </message>
</context>
<context>
    <name>windows::TfrmAbout</name>
    <message>
        <source>About Velloran</source>
        <translation>Acerca de Velloran</translation>
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
        <translation>Los desarrolladores de Velloran</translation>
    </message>
    <message>
        <source>Send Questions or Comments to:</source>
        <translation>Preguntas o comentarios a:</translation>
    </message>
    <message>
        <source>Help &gt; Contents</source>
        <translation>Ayuda &gt; Contenido</translation>
    </message>
    <message>
        <source>Velloran WebSite</source>
        <translation>Sitio web de Velloran</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>windows::TfrmColors</name>
    <message>
        <source>Custom Palette</source>
        <translation>Paleta personalizada</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Web palette</source>
        <translation>Paleta web</translation>
    </message>
</context>
<context>
    <name>windows::TfrmContrast</name>
    <message>
        <source>Pass</source>
        <translation>Aprobado</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Suspenso</translation>
    </message>
    <message>
        <source>Contrast Check</source>
        <translation>Comprobación del contraste</translation>
    </message>
    <message>
        <source>Against the background</source>
        <translation>Frente al fondo</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Relación</translation>
    </message>
    <message>
        <source>AA</source>
        <translation>AA</translation>
    </message>
    <message>
        <source>At least 4.5:1, or 3.0:1 for large text; links 3.0:1 to the text</source>
        <translation>Al menos 4,5:1, o 3,0:1 para texto grande; enlaces 3,0:1 frente al texto</translation>
    </message>
    <message>
        <source>AAA</source>
        <translation>AAA</translation>
    </message>
    <message>
        <source>At least 7.0:1, or 4.5:1 for large text</source>
        <translation>Al menos 7,0:1, o 4,5:1 para texto grande</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Corregido</translation>
    </message>
    <message>
        <source>Fix AA</source>
        <translation>Corregir AA</translation>
    </message>
    <message>
        <source>Change only the lightness, to the nearest that passes</source>
        <translation>Cambiar solo la luminosidad, a la más cercana que aprueba</translation>
    </message>
    <message>
        <source>Move the link&apos;s lightness away from the text&apos;s, keeping its contrast with the background</source>
        <translation>Alejar la luminosidad del enlace de la del texto, manteniendo su contraste con el fondo</translation>
    </message>
    <message>
        <source>Links against the body text</source>
        <translation>Enlaces frente al texto</translation>
    </message>
    <message>
        <source>Links are &amp;underlined</source>
        <translation>Los enlaces están &amp;subrayados</translation>
    </message>
    <message>
        <source>Without the line, a link needs 3.0:1 against the text around it</source>
        <translation>Sin subrayado, un enlace necesita 3,0:1 frente al texto que lo rodea</translation>
    </message>
    <message>
        <source>The background is a picture. The text is checked against the background color, which shows while the picture loads.</source>
        <translation>El fondo es una imagen. El texto se comprueba frente al color de fondo, que se ve mientras la imagen se carga.</translation>
    </message>
    <message>
        <source>Fix AAA</source>
        <translation>Corregir AAA</translation>
    </message>
    <message>
        <source>Fix 3:1</source>
        <translation>Corregir 3:1</translation>
    </message>
    <message>
        <source>%1 (large text)</source>
        <translation>%1 (texto grande)</translation>
    </message>
    <message>
        <source>text &lt;span style=&quot;color:#%1&quot;&gt;link&lt;/span&gt;</source>
        <translation>texto &lt;span style=&quot;color:#%1&quot;&gt;enlace&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Not needed</source>
        <translation>No hace falta</translation>
    </message>
    <message>
        <source>%1: no color of this hue reaches the mark.</source>
        <translation>%1: ningún color de este tono alcanza el umbral.</translation>
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
        <translation> Elegir una imagen</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>File ( *.gif)</source>
        <translation>Archivo ( *.gif)</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Background Preview</source>
        <translation>Vista previa del fondo</translation>
    </message>
    <message>
        <source>Show Picture</source>
        <translation>Ver imagen</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Mosaico</translation>
    </message>
</context>
<context>
    <name>windows::TfrmFontText</name>
    <message>
        <source> Enter Text</source>
        <translation> Escribir el texto</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
</context>
<context>
    <name>windows::TfrmOptions</name>
    <message>
        <source>Save Style on Exit</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Prompt Before Saving</source>
        <translation>Preguntar antes</translation>
    </message>
    <message>
        <source>Do Not Save</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Save Options</source>
        <translation>Al salir</translation>
    </message>
</context>
<context>
    <name>windows::TfrmSelectFont</name>
    <message>
        <source> Select Font</source>
        <translation> Elegir una fuente</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
</context>
<context>
    <name>windows::TfrmSpecial</name>
    <message>
        <source>Special Characters</source>
        <translation>Caracteres especiales</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Código:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Carácter</translation>
    </message>
    <message>
        <source>Copy Code</source>
        <translation>Copiar el código</translation>
    </message>
    <message>
        <source>Copy Name</source>
        <translation>Copiar el nombre</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Special characters</source>
        <translation>Caracteres especiales</translation>
    </message>
    <message>
        <source>Char</source>
        <translation>Car.</translation>
    </message>
</context>
</TS>
