<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BarcodeDocument</name>
    <message>
        <source>%1 was changed by another program since it was opened.</source>
        <translation>%1 wurde seit dem Öffnen von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>Its sequence is now at %1.</source>
        <translation>Seine Nummernfolge steht jetzt bei %1.</translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>The cross marks the centre of the paper. This page is printed without any offset.</source>
        <translation>Das Kreuz markiert die Mitte des Papiers. Diese Seite wird ohne Versatz gedruckt.</translation>
    </message>
    <message>
        <source>Fold the sheet left edge on right edge: the crease crosses the horizontal scale at the</source>
        <translation>Falten Sie das Blatt linke Kante auf rechte Kante: Der Falz kreuzt die waagrechte Skala beim</translation>
    </message>
    <message>
        <source>horizontal offset. Fold it top edge on bottom edge: the crease crosses the vertical scale at</source>
        <translation>waagrechten Versatz. Falten Sie es obere Kante auf untere Kante: Der Falz kreuzt die</translation>
    </message>
    <message>
        <source>the vertical offset. Enter both in File &gt; Printer Calibration for this printer.</source>
        <translation>senkrechte Skala beim senkrechten Versatz. Tragen Sie beide für diesen Drucker unter Datei &gt; Druckerkalibrierung ein.</translation>
    </message>
    <message>
        <source>Scales in %1 from the printed centre.</source>
        <translation>Skalen in %1 ab der gedruckten Mitte.</translation>
    </message>
    <message>
        <source>Printer Calibration Page</source>
        <translation>Druckerkalibrierseite</translation>
    </message>
</context>
<context>
    <name>CharClassHint</name>
    <message>
        <source>Alpha Numeric</source>
        <translation>Alphanumerisch</translation>
    </message>
    <message>
        <source>Alpha Numeric (Upper)</source>
        <translation>Alphanumerisch (Großbuchstaben)</translation>
    </message>
    <message>
        <source>Numeric Only</source>
        <translation>Nur Ziffern</translation>
    </message>
    <message>
        <source>Any Text</source>
        <translation>Beliebiger Text</translation>
    </message>
    <message>
        <source>GS1 Data (AI)</source>
        <translation>GS1-Daten (AI)</translation>
    </message>
</context>
<context>
    <name>CsvRecords</name>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
</context>
<context>
    <name>DataLines</name>
    <message>
        <source>the line is longer than 1 MiB</source>
        <translation>die Zeile ist länger als 1 MiB</translation>
    </message>
    <message>
        <source>the record is longer than 64 KiB</source>
        <translation>der Datensatz ist länger als 64 KiB</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
</context>
<context>
    <name>DialogCommands</name>
    <message>
        <source>Preparing to Print</source>
        <translation>Druck wird vorbereitet</translation>
    </message>
    <message>
        <source>Printed to %1</source>
        <translation>Gedruckt in %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportiert nach %1</translation>
    </message>
</context>
<context>
    <name>DocumentQuestions</name>
    <message>
        <source>Tallyrune Files (*.tlr)|*.tlr</source>
        <translation>Tallyrune-Dateien (*.tlr)|*.tlr</translation>
    </message>
    <message>
        <source>Confirm Save As</source>
        <translation>Speichern unter bestätigen</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Load Barcode</source>
        <translation>Barcode laden</translation>
    </message>
    <message>
        <source>Save Barcode</source>
        <translation>Barcode speichern</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Nicht speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>&amp;Use the File&apos;s Sequence</source>
        <translation>Nummernfolge der &amp;Datei übernehmen</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Überschreiben</translation>
    </message>
</context>
<context>
    <name>DrawableDocument</name>
    <message>
        <source>%1 is not a barcode type</source>
        <translation>%1 ist kein Barcode-Typ</translation>
    </message>
    <message>
        <source>%1 is not a bar height of at least 0.001 in (0.00254 cm)</source>
        <translation>%1 ist keine Balkenhöhe von mindestens 0,001 Zoll (0,00254 cm)</translation>
    </message>
    <message>
        <source>%1 is not a Tallyrune document</source>
        <translation>%1 ist kein Tallyrune-Dokument</translation>
    </message>
</context>
<context>
    <name>EngineText</name>
    <message>
        <source>GS1 data starts with an AI in brackets, such as (01)</source>
        <translation>GS1-Daten beginnen mit einem AI in Klammern, etwa (01)</translation>
    </message>
    <message>
        <source>GS1 data needs each AI in brackets: %1</source>
        <translation>GS1-Daten brauchen jeden AI in Klammern: %1</translation>
    </message>
    <message>
        <source>%1 is unknown</source>
        <translation>%1 ist unbekannt</translation>
    </message>
    <message>
        <source>%1 has no data</source>
        <translation>%1 hat keine Daten</translation>
    </message>
    <message>
        <source>%1 takes digits only</source>
        <translation>%1 nimmt nur Ziffern</translation>
    </message>
    <message>
        <source>%1 holds a character GS1 does not allow</source>
        <translation>%1 enthält ein Zeichen, das GS1 nicht zulässt</translation>
    </message>
    <message>
        <source>%1 takes %2 digits, not %3</source>
        <translation>%1 nimmt %2 Ziffern, nicht %3</translation>
    </message>
    <message>
        <source>%1 takes %2 to %3 characters, not %4</source>
        <translation>%1 nimmt %2 bis %3 Zeichen, nicht %4</translation>
    </message>
    <message>
        <source>%1 has the check digit %2 where %3 belongs</source>
        <translation>%1 hat die Prüfziffer %2, wo %3 hingehört</translation>
    </message>
    <message>
        <source>%1 holds %2, which is no date (YYMMDD)</source>
        <translation>%1 enthält %2, das ist kein Datum (JJMMTT)</translation>
    </message>
    <message>
        <source>The text is too long for %1 (%2)</source>
        <translation>Der Text ist zu lang für %1 (%2)</translation>
    </message>
    <message>
        <source>The text is too long for %1: it holds at most %2</source>
        <translation>Der Text ist zu lang für %1: es fasst höchstens %2</translation>
    </message>
    <message>
        <source>%1 cannot encode this text: %2</source>
        <translation>%1 kann diesen Text nicht codieren: %2</translation>
    </message>
    <message>
        <source>Not enough memory to encode %1</source>
        <translation>Nicht genug Speicher, um %1 zu codieren</translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 fasst %2</translation>
    </message>
    <message>
        <source>%1 digits, %2 letters or %3 bytes</source>
        <translation>%1 Ziffern, %2 Buchstaben oder %3 Bytes</translation>
    </message>
    <message>
        <source>%1 digits or %2 bytes</source>
        <translation>%1 Ziffern oder %2 Bytes</translation>
    </message>
    <message>
        <source>%1 digits or %2 letters of GS1 data</source>
        <translation>%1 Ziffern oder %2 Buchstaben GS1-Daten</translation>
    </message>
    <message>
        <source>%1 characters of GS1 data</source>
        <translation>%1 Zeichen GS1-Daten</translation>
    </message>
    <message>
        <source>one GTIN, (01) and %1 digits</source>
        <translation>eine GTIN, (01) und %1 Ziffern</translation>
    </message>
    <message>
        <source>1 column</source>
        <translation>1 Spalte</translation>
    </message>
    <message>
        <source>%1 columns</source>
        <translation>%1 Spalten</translation>
    </message>
    <message>
        <source>%1 compact</source>
        <translation>%1 kompakt</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Unable to read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>Unabled to Save to &quot;%1&quot;</source>
        <translation>Speichern in „%1“ nicht möglich</translation>
    </message>
</context>
<context>
    <name>ExportFormat</name>
    <message>
        <source>Bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>JPEG</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>JPEG Format Files (*.jpg)</source>
        <translation>JPEG-Dateien (*.jpg)</translation>
    </message>
    <message>
        <source>TIFF - Tagged Information File Format</source>
        <translation>TIFF - Tagged Image File Format</translation>
    </message>
    <message>
        <source>Tagged Information File Format (*.tif)</source>
        <translation>TIFF-Dateien (*.tif)</translation>
    </message>
    <message>
        <source>WMF - Window&apos;s Meta File</source>
        <translation>WMF - Windows-Metadatei</translation>
    </message>
    <message>
        <source>Windows Meta Files (*.wmf)</source>
        <translation>Windows-Metadateien (*.wmf)</translation>
    </message>
    <message>
        <source>EMF - Window&apos;s Enhanced Meta File</source>
        <translation>EMF - Erweiterte Windows-Metadatei</translation>
    </message>
    <message>
        <source>Enhanced Windows Meta Files (*.emf)</source>
        <translation>Erweiterte Windows-Metadateien (*.emf)</translation>
    </message>
    <message>
        <source>PNG - Portable Network Graphics</source>
        <translation>PNG - Portable Network Graphics</translation>
    </message>
    <message>
        <source>Portable Network Graphics (*.png)</source>
        <translation>PNG-Grafiken (*.png)</translation>
    </message>
    <message>
        <source>SVG - Scalable Vector Graphics</source>
        <translation>SVG - Skalierbare Vektorgrafik</translation>
    </message>
    <message>
        <source>Scalable Vector Graphics (*.svg)</source>
        <translation>Skalierbare Vektorgrafiken (*.svg)</translation>
    </message>
    <message>
        <source>PDF - Portable Document Format</source>
        <translation>PDF - Portable Document Format</translation>
    </message>
    <message>
        <source>Portable Document Format (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>ZPL - Zebra Programming Language</source>
        <translation>ZPL - Zebra Programming Language</translation>
    </message>
    <message>
        <source>ZPL II labels (*.zpl)</source>
        <translation>ZPL-II-Etiketten (*.zpl)</translation>
    </message>
</context>
<context>
    <name>ExportModel</name>
    <message>
        <source>Printer DPI (%1)</source>
        <translation>Drucker-DPI (%1)</translation>
    </message>
</context>
<context>
    <name>ExportSettings</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>FileLock</name>
    <message>
        <source>%1 is in use by another job</source>
        <translation>%1 wird von einem anderen Auftrag verwendet</translation>
    </message>
</context>
<context>
    <name>GlabelsTemplates</name>
    <message>
        <source>no readable %1</source>
        <translation>kein lesbares %1</translation>
    </message>
    <message>
        <source>round labels</source>
        <translation>runde Etiketten</translation>
    </message>
    <message>
        <source>elliptical labels</source>
        <translation>ovale Etiketten</translation>
    </message>
    <message>
        <source>CD labels</source>
        <translation>CD-Etiketten</translation>
    </message>
    <message>
        <source>labels of a drawn shape</source>
        <translation>Etiketten mit gezeichneter Form</translation>
    </message>
    <message>
        <source>labels in more than one grid</source>
        <translation>Etiketten in mehr als einem Raster</translation>
    </message>
    <message>
        <source>no layout</source>
        <translation>keine Anordnung</translation>
    </message>
    <message>
        <source>labels of another shape</source>
        <translation>Etiketten anderer Form</translation>
    </message>
    <message>
        <source>no label</source>
        <translation>kein Etikett</translation>
    </message>
    <message>
        <source>no earlier %1</source>
        <translation>kein früheres %1</translation>
    </message>
    <message>
        <source>This is not a gLabels template file</source>
        <translation>Dies ist keine gLabels-Vorlagendatei</translation>
    </message>
    <message>
        <source>This gLabels template file is damaged on line %1: %2</source>
        <translation>Diese gLabels-Vorlagendatei ist in Zeile %1 beschädigt: %2</translation>
    </message>
    <message>
        <source>No label sheet in this file can be used</source>
        <translation>Kein Etikettenbogen dieser Datei ist verwendbar</translation>
    </message>
    <message>
        <source>One label sheet was left out</source>
        <translation>Ein Etikettenbogen wurde ausgelassen</translation>
    </message>
    <message>
        <source>%1 label sheets were left out</source>
        <translation>%1 Etikettenbögen wurden ausgelassen</translation>
    </message>
    <message>
        <source>: only rectangular labels in a single grid can be imported.
</source>
        <translation>: nur rechteckige Etiketten in einem einzigen Raster lassen sich importieren.
</translation>
    </message>
    <message>
        <source>
and %1 more</source>
        <translation>
und %1 weitere</translation>
    </message>
</context>
<context>
    <name>JpegWriter</name>
    <message>
        <source>JPEG error: %1</source>
        <translation>JPEG-Fehler: %1</translation>
    </message>
</context>
<context>
    <name>LabelFit</name>
    <message>
        <source>The barcode is %1 wide with its quiet zones; the label is %2: it will be cut</source>
        <translation>Der Barcode ist mit seinen Ruhezonen %1 breit, das Etikett %2: Er wird abgeschnitten</translation>
    </message>
    <message>
        <source>The barcode is %1 high; the label is %2: it will be cut</source>
        <translation>Der Barcode ist %1 hoch, das Etikett %2: Er wird abgeschnitten</translation>
    </message>
</context>
<context>
    <name>LabelFormatFile</name>
    <message>
        <source>%1 is not a label format</source>
        <translation>%1 ist kein Etikettenformat</translation>
    </message>
</context>
<context>
    <name>LabelSheetEditor</name>
    <message>
        <source> centimeter</source>
        <translation> Zentimeter</translation>
    </message>
    <message>
        <source>Minimum label height is %1 tall!</source>
        <translation>Die Etikettenhöhe muss mindestens %1 betragen!</translation>
    </message>
    <message>
        <source>Minimum label width is %1 wide!</source>
        <translation>Die Etikettenbreite muss mindestens %1 betragen!</translation>
    </message>
    <message>
        <source>Rows: %1</source>
        <translation>Zeilen: %1</translation>
    </message>
    <message>
        <source>Columns: %1</source>
        <translation>Spalten: %1</translation>
    </message>
    <message>
        <source>Top: %1</source>
        <translation>Oben: %1</translation>
    </message>
    <message>
        <source>Left: %1</source>
        <translation>Links: %1</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Rechts: %1</translation>
    </message>
    <message>
        <source>Bottom: %1</source>
        <translation>Unten: %1</translation>
    </message>
</context>
<context>
    <name>LabelTemplate</name>
    <message>
        <source>The sheet has %1 labels; %2 fit the printer&apos;s paper as laid out.</source>
        <translation>Der Bogen hat %1 Etiketten; in dieser Anordnung passen %2 auf das Papier des Druckers.</translation>
    </message>
</context>
<context>
    <name>LabelTemplateCatalogue</name>
    <message>
        <source>The label sheet catalogue has no valid %1 on line %2</source>
        <translation>Der Katalog der Etikettenbögen hat in Zeile %2 kein gültiges %1</translation>
    </message>
    <message>
        <source>The label sheet catalogue is unreadable: %1</source>
        <translation>Der Katalog der Etikettenbögen ist nicht lesbar: %1</translation>
    </message>
    <message>
        <source>The label sheet catalogue is missing</source>
        <translation>Der Katalog der Etikettenbögen fehlt</translation>
    </message>
</context>
<context>
    <name>MatrixControls</name>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
</context>
<context>
    <name>MergeData</name>
    <message>
        <source>%1: columns are numbered from 1</source>
        <translation>%1: Spalten werden ab 1 gezählt</translation>
    </message>
    <message>
        <source>%1: there is no column %2, its first record has %3</source>
        <translation>%1: Es gibt keine Spalte %2, der erste Datensatz hat %3</translation>
    </message>
    <message>
        <source>%1: no column is named &quot;%2&quot;</source>
        <translation>%1: Keine Spalte heißt „%2“</translation>
    </message>
    <message>
        <source>%1: more than one column is named &quot;%2&quot;</source>
        <translation>%1: Mehr als eine Spalte heißt „%2“</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>%1 has no records</source>
        <translation>%1 enthält keine Datensätze</translation>
    </message>
    <message>
        <source>%1 holds one text per line: there is no column &quot;%2&quot;</source>
        <translation>%1 enthält einen Text je Zeile: Es gibt keine Spalte „%2“</translation>
    </message>
    <message>
        <source>there is no column %1</source>
        <translation>es gibt keine Spalte %1</translation>
    </message>
    <message>
        <source>%1 cannot carry the text &quot;%2&quot; whole</source>
        <translation>%1 kann den Text „%2“ nicht vollständig darstellen</translation>
    </message>
</context>
<context>
    <name>MergeInput</name>
    <message>
        <source>cannot keep a copy of it in %1: %2</source>
        <translation>keine Kopie davon in %1 möglich: %2</translation>
    </message>
</context>
<context>
    <name>MergePasses</name>
    <message>
        <source>%1 changed while it was read</source>
        <translation>%1 wurde während des Lesens geändert</translation>
    </message>
</context>
<context>
    <name>Metafile</name>
    <message>
        <source>The picture is too large for a Windows metafile</source>
        <translation>Das Bild ist zu groß für eine Windows-Metadatei</translation>
    </message>
</context>
<context>
    <name>ModuleWidthWarning</name>
    <message>
        <source>%1 mils is %2 dots at %3 dpi: prints %4 dots, %5 mils</source>
        <translation>%1 mils sind %2 Punkte bei %3 dpi: gedruckt werden %4 Punkte, %5 mils</translation>
    </message>
</context>
<context>
    <name>OpenedDocument</name>
    <message>
        <source>%1: %2 is used</source>
        <translation>%1: %2 wird verwendet</translation>
    </message>
    <message>
        <source>%1 is below %2</source>
        <translation>%1 liegt unter %2</translation>
    </message>
    <message>
        <source>%1 is beyond %2</source>
        <translation>%1 liegt über %2</translation>
    </message>
    <message>
        <source>%1 is not a rotation of 0 to 3</source>
        <translation>%1 ist keine Drehung von 0 bis 3</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>%1 x %2 dots</source>
        <translation>%1 x %2 Punkte</translation>
    </message>
    <message>
        <source>The barcode picture would be empty (%1); choose a higher resolution, a wider bar or a taller barcode</source>
        <translation>Das Barcode-Bild wäre leer (%1); wählen Sie eine höhere Auflösung, einen breiteren Balken oder einen höheren Barcode</translation>
    </message>
    <message>
        <source>The barcode picture is too large for %1 (%2; at most %3 dots a side)</source>
        <translation>Das Barcode-Bild ist zu groß für %1 (%2; höchstens %3 Punkte je Seite)</translation>
    </message>
    <message>
        <source>The barcode is too large to draw (%1)</source>
        <translation>Der Barcode ist zu groß zum Zeichnen (%1)</translation>
    </message>
    <message>
        <source>Not enough memory for a picture of %1</source>
        <translation>Nicht genug Speicher für ein Bild von %1</translation>
    </message>
</context>
<context>
    <name>PrintFailure</name>
    <message>
        <source>Unable to print on %1</source>
        <translation>Drucken auf %1 nicht möglich</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>%1 cannot carry the sequence text &quot;%2&quot; whole: check the sequence settings</source>
        <translation>%1 kann den Text „%2“ der Nummernfolge nicht vollständig darstellen: Prüfen Sie die Einstellungen der Nummernfolge</translation>
    </message>
    <message>
        <source>The labels follow each other across at less than one printer dot (label %1, gap %2): check the label sheet setup</source>
        <translation>Die Etiketten folgen waagrecht in weniger als einem Druckerpunkt aufeinander (Etikett %1, Abstand %2): Prüfen Sie die Einrichtung des Etikettenbogens</translation>
    </message>
    <message>
        <source>The labels follow each other down at less than one printer dot (label %1, gap %2): check the label sheet setup</source>
        <translation>Die Etiketten folgen senkrecht in weniger als einem Druckerpunkt aufeinander (Etikett %1, Abstand %2): Prüfen Sie die Einrichtung des Etikettenbogens</translation>
    </message>
    <message>
        <source>The label sheet puts %1 x %2 labels on a page, more than %3 (labels %4 x %5, margins %6, %7): check the label sheet setup</source>
        <translation>Der Etikettenbogen setzt %1 x %2 Etiketten auf eine Seite, mehr als %3 (Etiketten %4 x %5, Ränder %6, %7): Prüfen Sie die Einrichtung des Etikettenbogens</translation>
    </message>
    <message>
        <source>The first label, as it prints at %1 dpi: %2</source>
        <translation>Das erste Etikett, wie es bei %1 dpi gedruckt wird: %2</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>No label fits on the paper: check the label sheet setup and the printer&apos;s paper</source>
        <translation>Kein Etikett passt auf das Papier: Prüfen Sie die Einrichtung des Etikettenbogens und das Papier des Druckers</translation>
    </message>
    <message>
        <source>Choose the data file to print from</source>
        <translation>Wählen Sie die Datendatei, aus der gedruckt wird</translation>
    </message>
</context>
<context>
    <name>PrintOptions</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>%1 record</source>
        <translation>%1 Datensatz</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 Datensätze</translation>
    </message>
    <message>
        <source>%1 page</source>
        <translation>%1 Seite</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 Seiten</translation>
    </message>
    <message>
        <source>0 not allowed in this field</source>
        <translation>0 ist in diesem Feld nicht erlaubt</translation>
    </message>
</context>
<context>
    <name>PrinterAccess</name>
    <message>
        <source>Unknown printer &quot;%1&quot;: no printers are available</source>
        <translation>Unbekannter Drucker „%1“: Es sind keine Drucker verfügbar</translation>
    </message>
    <message>
        <source>Unknown printer &quot;%1&quot;; the printers are: %2</source>
        <translation>Unbekannter Drucker „%1“; die Drucker sind: %2</translation>
    </message>
    <message>
        <source>The resolution must be from %1 to %2 dots per inch, not %3</source>
        <translation>Die Auflösung muss zwischen %1 und %2 Punkten pro Zoll liegen, nicht %3</translation>
    </message>
    <message>
        <source>No PDF file was named</source>
        <translation>Es wurde keine PDF-Datei angegeben</translation>
    </message>
</context>
<context>
    <name>PrinterSetup</name>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Print to PDF</source>
        <translation>In PDF drucken</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>PrinterTarget</name>
    <message>
        <source>Unable to start a new page on %1</source>
        <translation>Auf %1 kann keine neue Seite begonnen werden</translation>
    </message>
</context>
<context>
    <name>QtDialogNames</name>
    <message>
        <source>Sample text</source>
        <translation>Beispieltext</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>%1 is gone: removed from Recent Files</source>
        <translation>%1 ist nicht mehr vorhanden: aus den zuletzt geöffneten Dateien entfernt</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Daten für „%1“ konnten nicht gesetzt werden</translation>
    </message>
</context>
<context>
    <name>ScanCheck</name>
    <message>
        <source>Scans as: %1</source>
        <translation>Wird gelesen als: %1</translation>
    </message>
    <message>
        <source>Scans as: %1 instead of %2</source>
        <translation>Wird gelesen als: %1 statt %2</translation>
    </message>
    <message>
        <source>Does not scan as %1</source>
        <translation>Wird nicht als %1 gelesen</translation>
    </message>
</context>
<context>
    <name>Sequence</name>
    <message>
        <source>This barcode type</source>
        <translation>Dieser Barcode-Typ</translation>
    </message>
    <message>
        <source>the sequence&apos;s minimum %1 lies above its maximum %2</source>
        <translation>das Minimum %1 der Nummernfolge liegt über ihrem Maximum %2</translation>
    </message>
    <message>
        <source>the sequence&apos;s current number %1 lies outside its range %2 to %3</source>
        <translation>die aktuelle Nummer %1 der Nummernfolge liegt außerhalb ihres Bereichs %2 bis %3</translation>
    </message>
    <message>
        <source>the sequence passes %1 and starts again at %2: numbers %2 to %3 print again</source>
        <translation>die Nummernfolge überschreitet %1 und beginnt wieder bei %2: Die Nummern %2 bis %3 werden erneut gedruckt</translation>
    </message>
</context>
<context>
    <name>SequenceEditor</name>
    <message>
        <source>You must enter a value greater or equal to
<byte value="xd"/>the minimum sequence value %1.</source>
        <translation>Sie müssen einen Wert größer oder gleich
<byte value="xd"/>dem kleinsten Wert der Nummernfolge %1 eingeben.</translation>
    </message>
    <message>
        <source>You must enter a value less than or equal
<byte value="xd"/>to the maximum sequence value %1.</source>
        <translation>Sie müssen einen Wert kleiner oder gleich
<byte value="xd"/>dem größten Wert der Nummernfolge %1 eingeben.</translation>
    </message>
    <message>
        <source>You must enter a value less than the
<byte value="xd"/>the maximum sequence value %1.</source>
        <translation>Sie müssen einen Wert kleiner als
<byte value="xd"/>der größte Wert der Nummernfolge %1 eingeben.</translation>
    </message>
    <message>
        <source>You must enter a value greater than the
<byte value="xd"/>the minimum sequeunce value %1.</source>
        <translation>Sie müssen einen Wert größer als
<byte value="xd"/>der kleinste Wert der Nummernfolge %1 eingeben.</translation>
    </message>
</context>
<context>
    <name>SheetPreview</name>
    <message>
        <source>Skip 1 Label</source>
        <translation>1 Etikett überspringen</translation>
    </message>
    <message>
        <source>Skip %1 Labels</source>
        <translation>%1 Etiketten überspringen</translation>
    </message>
</context>
<context>
    <name>SymbolDescription</name>
    <message>
        <source>%1: no text</source>
        <translation>%1: kein Text</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>TFLabelSettings</name>
    <message>
        <source>Custom Label Settings</source>
        <translation>Benutzerdefinierte Etiketteneinstellungen</translation>
    </message>
    <message>
        <source>Label Templates</source>
        <translation>Etikettenvorlagen</translation>
    </message>
    <message>
        <source>Choose a maker&apos;s label sheet to fill in its dimensions</source>
        <translation>Wählen Sie den Etikettenbogen eines Herstellers, um seine Maße einzutragen</translation>
    </message>
    <message>
        <source>Search label templates</source>
        <translation>Etikettenvorlagen durchsuchen</translation>
    </message>
    <message>
        <source>Product number or size, e.g. 5160, L7163, 99.1 x 38.1</source>
        <translation>Produktnummer oder Größe, z. B. 5160, L7163, 99.1 x 38.1</translation>
    </message>
    <message>
        <source>&amp;Import gLabels Templates...</source>
        <translation>gLabels-Vorlagen &amp;importieren...</translation>
    </message>
    <message>
        <source>Label templates</source>
        <translation>Etikettenvorlagen</translation>
    </message>
    <message>
        <source>Measurement Units</source>
        <translation>Maßeinheiten</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <source>Label Dimensions</source>
        <translation>Etikettenmaße</translation>
    </message>
    <message>
        <source>Enter label dimensions</source>
        <translation>Geben Sie die Etikettenmaße ein</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>&amp;Roll: one label a page</source>
        <translation>&amp;Rolle: ein Etikett je Seite</translation>
    </message>
    <message>
        <source>A thermal printer&apos;s roll: the page is the label, with no margins or gaps</source>
        <translation>Die Rolle eines Thermodruckers: Die Seite ist das Etikett, ohne Ränder und Abstände</translation>
    </message>
    <message>
        <source>Page Margins</source>
        <translation>Seitenränder</translation>
    </message>
    <message>
        <source>Enter the pages Top and Left margins</source>
        <translation>Geben Sie den oberen und linken Rand der Seite ein</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Label Gutters</source>
        <translation>Etikettenabstände</translation>
    </message>
    <message>
        <source>Enter the horizontal and verital gap between labels</source>
        <translation>Geben Sie den waagrechten und senkrechten Abstand zwischen den Etiketten ein</translation>
    </message>
    <message>
        <source>Label Layout</source>
        <translation>Etikettenanordnung</translation>
    </message>
    <message>
        <source>Columns: </source>
        <translation>Spalten: </translation>
    </message>
    <message>
        <source>Rows: </source>
        <translation>Zeilen: </translation>
    </message>
    <message>
        <source>Printer Page Limitations</source>
        <translation>Grenzen der Druckerseite</translation>
    </message>
    <message>
        <source>Nonprintable Margins:</source>
        <translation>Nicht bedruckbare Ränder:</translation>
    </message>
    <message>
        <source>Top: </source>
        <translation>Oben: </translation>
    </message>
    <message>
        <source>Bottom: </source>
        <translation>Unten: </translation>
    </message>
    <message>
        <source>Left: </source>
        <translation>Links: </translation>
    </message>
    <message>
        <source>Right: </source>
        <translation>Rechts: </translation>
    </message>
    <message>
        <source>Import Settings from File</source>
        <translation>Einstellungen aus Datei importieren</translation>
    </message>
    <message>
        <source>Export Settings to File</source>
        <translation>Einstellungen in Datei exportieren</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TFMain</name>
    <message>
        <source>Barcode Format</source>
        <translation>Barcode-Format</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Screen Scale</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Rotate Barcode</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>Print text below barcode</source>
        <translation>Klartext unter dem Barcode drucken</translation>
    </message>
    <message>
        <source>Show Readible</source>
        <translation>Klartext zeigen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Change Font</source>
        <translation>Schrift ändern</translation>
    </message>
    <message>
        <source>Error Correction</source>
        <translation>Fehlerkorrektur</translation>
    </message>
    <message>
        <source>Error correction level of a two-dimensional symbol</source>
        <translation>Fehlerkorrekturstufe eines zweidimensionalen Symbols</translation>
    </message>
    <message>
        <source>Symbol Size</source>
        <translation>Symbolgröße</translation>
    </message>
    <message>
        <source>Size or version of a two-dimensional symbol</source>
        <translation>Größe oder Version eines zweidimensionalen Symbols</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter your barcode text here</source>
        <translation>Geben Sie hier den Text des Barcodes ein</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Maßeinheiten</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;New Barcode</source>
        <translation>&amp;Neuer Barcode</translation>
    </message>
    <message>
        <source>New Barcode</source>
        <translation>Neuer Barcode</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open Existing Barcode</source>
        <translation>Vorhandenen Barcode öffnen</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save Barcode</source>
        <translation>Barcode speichern</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save As New Name</source>
        <translation>Unter neuem Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Export Barcode Graphic</source>
        <translation>Barcode-Grafik e&amp;xportieren</translation>
    </message>
    <message>
        <source>Export Barcode to Graphic File</source>
        <translation>Barcode in eine Grafikdatei exportieren</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print Barcode</source>
        <translation>Barcode drucken</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy Barcode to Clipboard</source>
        <translation>Barcode in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>C&amp;lose All</source>
        <translation>&amp;Alle schließen</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>Drucker&amp;einrichtung</translation>
    </message>
    <message>
        <source>Print &amp;Test Page</source>
        <translation>&amp;Testseite drucken</translation>
    </message>
    <message>
        <source>Printer Calibrat&amp;ion...</source>
        <translation>Drucker&amp;kalibrierung...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Label Settings</source>
        <translation>&amp;Etiketteneinstellungen</translation>
    </message>
    <message>
        <source>&amp;Sequence Settings</source>
        <translation>&amp;Nummernfolge</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>Imperial (Inches)</source>
        <translation>Angloamerikanisch (Zoll)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Online Support</source>
        <translation>Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>TFPrintIt</name>
    <message>
        <source>Print Barcode</source>
        <translation>Barcode drucken</translation>
    </message>
    <message>
        <source>Print &amp;Range</source>
        <translation>Druck&amp;bereich</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Einzeln</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Number of pages</source>
        <translation>Anzahl der Seiten</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <source>Number of labels</source>
        <translation>Anzahl der Etiketten</translation>
    </message>
    <message>
        <source>Label sheet</source>
        <translation>Etikettenbogen</translation>
    </message>
    <message>
        <source>Select Start Label</source>
        <translation>Erstes Etikett wählen</translation>
    </message>
    <message>
        <source>Skip 0 Labels</source>
        <translation>0 Etiketten überspringen</translation>
    </message>
    <message>
        <source>Skip one label less</source>
        <translation>Ein Etikett weniger überspringen</translation>
    </message>
    <message>
        <source>Skip one label more</source>
        <translation>Ein Etikett mehr überspringen</translation>
    </message>
    <message>
        <source>Label Sheet Setup</source>
        <translation>Etikettenbogen einrichten</translation>
    </message>
    <message>
        <source>Barcode Width</source>
        <translation>Barcode-Breite</translation>
    </message>
    <message>
        <source>Auto Size (10.0 mils)</source>
        <translation>Automatisch (10,0 mils)</translation>
    </message>
    <message>
        <source>Screen Ratio</source>
        <translation>Wie am Bildschirm</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>Custom width in printer dots</source>
        <translation>Eigene Breite in Druckerpunkten</translation>
    </message>
    <message>
        <source>Fit to Label</source>
        <translation>An Etikett anpassen</translation>
    </message>
    <message>
        <source>Barcode Text</source>
        <translation>Barcode-Text</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Barcode text</source>
        <translation>Barcode-Text</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Nummernfolge</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Sequence Settings</source>
        <translation>Nummernfolge</translation>
    </message>
    <message>
        <source>From file</source>
        <translation>Aus Datei</translation>
    </message>
    <message>
        <source>Data file</source>
        <translation>Datendatei</translation>
    </message>
    <message>
        <source>A text file (one text per line) or a CSV file</source>
        <translation>Eine Textdatei (ein Text je Zeile) oder eine CSV-Datei</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>A column number from 1, or a name from the header row</source>
        <translation>Eine Spaltennummer ab 1 oder ein Name aus der Kopfzeile</translation>
    </message>
    <message>
        <source>Header row</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>First records</source>
        <translation>Erste Datensätze</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Kopien</translation>
    </message>
    <message>
        <source>Align Barcode</source>
        <translation>Barcode ausrichten</translation>
    </message>
    <message>
        <source>Horizontally</source>
        <translation>Waagrecht</translation>
    </message>
    <message>
        <source>Vertically</source>
        <translation>Senkrecht</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TFPrintProgress</name>
    <message>
        <source>Printing</source>
        <translation>Druckt</translation>
    </message>
    <message>
        <source>on</source>
        <translation>auf</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TFSaveBarcode</name>
    <message>
        <source>Export Barcode Graphic</source>
        <translation>Barcode-Grafik exportieren</translation>
    </message>
    <message>
        <source>&amp;Barcode Scale DPI (Dots Per Inch)</source>
        <translation>Barcode-Auflösung in &amp;DPI (Punkte pro Zoll)</translation>
    </message>
    <message>
        <source>&amp;Screen DPI</source>
        <translation>&amp;Bildschirm-DPI</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation>&amp;Andere</translation>
    </message>
    <message>
        <source>Other DPI</source>
        <translation>Andere DPI</translation>
    </message>
    <message>
        <source>Narrow Bar &amp;Width</source>
        <translation>&amp;Schmalste Balkenbreite</translation>
    </message>
    <message>
        <source>&amp;Auto Size (10.0 mils)</source>
        <translation>A&amp;utomatisch (10,0 mils)</translation>
    </message>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Eigene</translation>
    </message>
    <message>
        <source>Custom width in dots</source>
        <translation>Eigene Breite in Punkten</translation>
    </message>
    <message>
        <source>Graphic Format</source>
        <translation>Grafikformat</translation>
    </message>
    <message>
        <source>&amp;FileName</source>
        <translation>Datei&amp;name</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>Durc&amp;hsuchen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
</context>
<context>
    <name>TFSeqSettings</name>
    <message>
        <source>Sequence Settings</source>
        <translation>Nummernfolge</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Präfix</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>-&gt;  Maximum</source>
        <translation>-&gt;  Maximum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Min Size</source>
        <translation>Mindestlänge</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Suffix</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TestPage</name>
    <message>
        <source>Alpha Numeric Barcodes</source>
        <translation>Alphanumerische Barcodes</translation>
    </message>
    <message>
        <source>UPC Family - Numeric Only</source>
        <translation>UPC-Familie - nur Ziffern</translation>
    </message>
    <message>
        <source>Other Formats - Numeric Only</source>
        <translation>Andere Formate - nur Ziffern</translation>
    </message>
    <message>
        <source>Tallyrune - Barcode Test Page</source>
        <translation>Tallyrune - Barcode-Testseite</translation>
    </message>
</context>
<context>
    <name>TiffLayout</name>
    <message>
        <source>Cannot save a TIFF file of a picture %1 x %2 pixels: %3</source>
        <translation>Eine TIFF-Datei eines Bildes von %1 x %2 Pixeln kann nicht gespeichert werden: %3</translation>
    </message>
    <message>
        <source>Cannot save a TIFF file with %1 bits per pixel</source>
        <translation>Eine TIFF-Datei mit %1 Bit pro Pixel kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>TIFF allows 1 to 65535 each way</source>
        <translation>TIFF erlaubt 1 bis 65535 in jeder Richtung</translation>
    </message>
    <message>
        <source>the file would pass the 4 GiB a TIFF file can hold</source>
        <translation>die Datei überschritte die 4 GiB, die eine TIFF-Datei fassen kann</translation>
    </message>
</context>
<context>
    <name>TiffWriter</name>
    <message>
        <source>Cannot save a 4-bit TIFF file of a picture that uses colour %1: it holds colours 0 to 15</source>
        <translation>Eine 4-Bit-TIFF-Datei eines Bildes mit der Farbe %1 kann nicht gespeichert werden: Sie fasst die Farben 0 bis 15</translation>
    </message>
    <message>
        <source>There is no picture to save as a TIFF file</source>
        <translation>Es gibt kein Bild, das als TIFF-Datei gespeichert werden kann</translation>
    </message>
    <message>
        <source>Cannot save a TIFF file of a picture of %1 bits per pixel in this format: TIFF export takes palette pictures of 1 or 8 bits and RGB pictures of 24 or 32 bits</source>
        <translation>Eine TIFF-Datei eines Bildes mit %1 Bit pro Pixel in diesem Format kann nicht gespeichert werden: Der TIFF-Export nimmt Palettenbilder mit 1 oder 8 Bit und RGB-Bilder mit 24 oder 32 Bit</translation>
    </message>
    <message>
        <source>Cannot save a TIFF file at %1 dots per inch</source>
        <translation>Eine TIFF-Datei mit %1 Punkten pro Zoll kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>the TIFF stream</source>
        <translation>der TIFF-Datenstrom</translation>
    </message>
</context>
<context>
    <name>ToolbarRules</name>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
</context>
<context>
    <name>ui::SpinButton</name>
    <message>
        <source>Up</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Verringern</translation>
    </message>
</context>
<context>
    <name>ui::TFAbout</name>
    <message>
        <source>About Tallyrune</source>
        <translation>Über Tallyrune</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A barcode and label designer: eighteen linear symbologies drawn as you type, saved as .TLR documents, copied, exported as pictures and printed on sheets of labels with running numbers.</source>
        <translation>Ein Gestalter für Barcodes und Etiketten: achtzehn lineare Symbologien, beim Tippen gezeichnet, als .TLR-Dokumente gespeichert, kopiert, als Bilder exportiert und auf Etikettenbögen mit laufenden Nummern gedruckt.</translation>
    </message>
    <message>
        <source>&amp;Okay!</source>
        <translation>&amp;Okay!</translation>
    </message>
</context>
<context>
    <name>ui::TFBarcode</name>
    <message>
        <source>Barcode</source>
        <translation>Barcode</translation>
    </message>
</context>
<context>
    <name>ui::TFCalibration</name>
    <message>
        <source>Printer Calibration</source>
        <translation>Druckerkalibrierung</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Drucker:</translation>
    </message>
    <message>
        <source>Horizontal offset (%1):</source>
        <translation>Waagrechter Versatz (%1):</translation>
    </message>
    <message>
        <source>Vertical offset (%1):</source>
        <translation>Senkrechter Versatz (%1):</translation>
    </message>
    <message>
        <source>Positive values move the print right and down. Print the calibration page, fold it as it says and read both offsets off its scales.</source>
        <translation>Positive Werte verschieben den Druck nach rechts und unten. Drucken Sie die Kalibrierseite, falten Sie sie wie angegeben und lesen Sie beide Versätze an ihren Skalen ab.</translation>
    </message>
    <message>
        <source>Print Calibration Page</source>
        <translation>Kalibrierseite drucken</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid offset</source>
        <translation>„%1“ ist kein gültiger Versatz</translation>
    </message>
</context>
<context>
    <name>ui::TFLabelSettings</name>
    <message>
        <source>Load Label Format</source>
        <translation>Etikettenformat laden</translation>
    </message>
    <message>
        <source>Tallyrune Format (*.fmt);;Corvane Format (*.lbf)</source>
        <translation>Tallyrune-Format (*.fmt);;Corvane-Format (*.lbf)</translation>
    </message>
    <message>
        <source>Save Label Format</source>
        <translation>Etikettenformat speichern</translation>
    </message>
    <message>
        <source>Label Format (*.fmt)</source>
        <translation>Etikettenformat (*.fmt)</translation>
    </message>
    <message>
        <source>Import gLabels Templates</source>
        <translation>gLabels-Vorlagen importieren</translation>
    </message>
    <message>
        <source>gLabels Templates (*.template *.xml);;All Files (*)</source>
        <translation>gLabels-Vorlagen (*.template *.xml);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>ui::TFMain</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
</context>
<context>
    <name>ui::TFPrintIt</name>
    <message>
        <source>Open Data File</source>
        <translation>Datendatei öffnen</translation>
    </message>
    <message>
        <source>Data Files (*.csv *.txt);;All Files (*)</source>
        <translation>Datendateien (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
</context>
<context>
    <name>ui::TFPrintProgress</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>ui::TFSaveBarcode</name>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
</context>
</TS>
