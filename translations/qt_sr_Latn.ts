<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_Latn">
<context>
    <name>Print Device Input Slot</name>
    <message>
        <source>Automatic</source>
        <translation>Automatski</translation>
    </message>
</context>
<context>
    <name>Print Device Output Bin</name>
    <message>
        <source>Automatic</source>
        <translation>Automatski</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Alias</source>
        <translation>Prečica</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datoteka</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Fascikla</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Fascikla</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Prečica</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nepoznato</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Izaberi sve</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Korak nagore</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>Korak &amp;nadole</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>&amp;Add to Custom Colors</source>
        <translation>&amp;Dodaj u posebne boje</translation>
    </message>
    <message>
        <source>&amp;Basic colors</source>
        <translation>&amp;Osnovne boje</translation>
    </message>
    <message>
        <source>&amp;Custom colors</source>
        <translation>Pose&amp;bne boje</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>&amp;Zelena:</translation>
    </message>
    <message>
        <source>&amp;HTML:</source>
        <translation>&amp;HTML:</translation>
    </message>
    <message>
        <source>&amp;Pick Screen Color</source>
        <translation>Uzmi boju sa &amp;ekrana</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>C&amp;rvena:</translation>
    </message>
    <message>
        <source>&amp;Sat:</source>
        <translation>Za&amp;sićenost:</translation>
    </message>
    <message>
        <source>&amp;Val:</source>
        <translation>&amp;Vrednost:</translation>
    </message>
    <message>
        <source>A&amp;lpha channel:</source>
        <translation>Alfa &amp;kanal:</translation>
    </message>
    <message>
        <source>Bl&amp;ue:</source>
        <translation>P&amp;lava:</translation>
    </message>
    <message>
        <source>Cursor at %1, %2
Press ESC to cancel</source>
        <translation>Pokazivač na %1, %2
Pritisnite ESC za odustajanje</translation>
    </message>
    <message>
        <source>Cursor at %1, %2, color: %3
Press ESC to cancel</source>
        <translation>Pokazivač na %1, %2, boja: %3
Pritisnite ESC za odustajanje</translation>
    </message>
    <message>
        <source>Hu&amp;e:</source>
        <translation>&amp;Nijansa:</translation>
    </message>
    <message>
        <source>Pick Screen Color</source>
        <translation>Uzmi boju sa ekrana</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Izbor boje</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Banner Pages</source>
        <translation>Naslovne strane</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Podaci za naplatu:</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>Tajno</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Poverljivo</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Danju (06:00 do 17:59)</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Kraj:</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Zadrži do daljeg</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Posao</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Upravljanje poslom</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Prvenstvo posla:</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Noću (18:00 do 05:59)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Bez</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Štampaj odmah</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Zakazana štampa:</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Druga smena (16:00 do 23:59)</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Tajno</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>U zadato vreme</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardno</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Početak:</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Treća smena (00:00 do 07:59)</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Strogo poverljivo</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Nije poverljivo</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Vikend (subota i nedelja)</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>What's This?</source>
        <translation>Šta je ovo?</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Otkaži</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zatvori</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;U redu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Snimi</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Prekini</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Primeni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Zatvori bez snimanja</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odbaci</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoć</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Zanemari</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;e za sve</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvori</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Vrati</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Vrati podrazumevano</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Pokušaj ponovo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Snimi</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Snimi sve</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Da za &amp;sve</translation>
    </message>
</context>
<context>
    <name>QFile</name>
    <message>
        <source>Cannot create %1 for output: %2</source>
        <translation>%1 ne može da se napravi za upis: %2</translation>
    </message>
    <message>
        <source>Cannot open %1 for input</source>
        <translation>%1 ne može da se otvori za čitanje</translation>
    </message>
    <message>
        <source>Cannot open for output: %1</source>
        <translation>Ne može da se otvori za upis: %1</translation>
    </message>
    <message>
        <source>Destination file exists</source>
        <translation>Odredišna datoteka postoji</translation>
    </message>
    <message>
        <source>Error while renaming: %1</source>
        <translation>Greška pri preimenovanju: %1</translation>
    </message>
    <message>
        <source>Source file does not exist.</source>
        <translation>Izvorna datoteka ne postoji.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Fascikla nije pronađena.
Proverite da li je ime fascikle ispravno.</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Datoteka nije pronađena.
Proverite da li je ime datoteke ispravno.</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Datoteka %1</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 već postoji.
Da li želite da je zamenite?</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Izaberi</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Obriši</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Nova fascikla</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otvori</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Preimenuj</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Snimi</translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>„%1” je zaštićena od upisa.
Da li ipak želite da je obrišete?</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alijas</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Sve datoteke (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Sve datoteke (*)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Da li zaista želite da obrišete „%1”?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazad</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Prikaz sa pojedinostima</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Prikaz u obliku spiska</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Fascikla nije mogla biti obrisana.</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Napravi novu fasciklu</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Napravi novu fasciklu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Obriši</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Pojedinosti</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Fascikle</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Fascikla:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datoteka</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Ime datoteke:</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Fascikla</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Datoteke</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Vrsta datoteka:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Pronađi fasciklu</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Fascikla</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Napred</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Idi nazad</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Idi napred</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Idi u nadređenu fasciklu</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Spisak</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Spisak mesta i obeleživača</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Traži u:</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Moj računar</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nova fascikla</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvori</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Nadređena fascikla</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Skorašnja mesta</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ukloni</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Snimi kao</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Prečica</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Prikaži </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Prikaži &amp;skrivene datoteke</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bočna traka</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nepoznato</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bajtova</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; can not be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuations marks.</source>
        <translation>&lt;b&gt;Ime „%1” ne može da se koristi.&lt;/b&gt;&lt;p&gt;Pokušajte sa drugim imenom, kraćim ili bez znakova interpunkcije.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</source>
        <translation>&lt;b&gt;Ime „%1” ne može da se koristi.&lt;/b&gt;&lt;p&gt;Pokušajte sa drugim imenom, kraćim ili bez znakova interpunkcije.</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Računar</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Izmenjena</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Neispravno ime datoteke</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Vrsta</translation>
    </message>
    <message>
        <source>Kind</source>
        <comment>Match OS X Finder</comment>
        <translation>Vrsta</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Moj računar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ime</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Veličina</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Vrsta</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>Vrsta</translation>
    </message>
</context>
<context>
    <name>QFontDatabase</name>
    <message>
        <source>Any</source>
        <translation>Bilo koje</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arapsko</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Jermensko</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengalsko</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Crno</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Podebljano</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Ćirilica</translation>
    </message>
    <message>
        <source>Demi</source>
        <translation>Polu</translation>
    </message>
    <message>
        <source>Demi Bold</source>
        <translation>Polupodebljano</translation>
    </message>
    <message>
        <source>Devanagari</source>
        <translation>Devanagari</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Ekstra</translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <translation>Veoma podebljano</translation>
    </message>
    <message>
        <source>Extra Light</source>
        <translation>Veoma svetlo</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Gruzijsko</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grčko</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>Gudžarati</translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation>Gurmuki</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebrejsko</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kurziv</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japansko</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>Khmer</source>
        <translation>Kmersko</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korejsko</translation>
    </message>
    <message>
        <source>Lao</source>
        <translation>Laosko</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Latinica</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Svetlo</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>Malajalam</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Srednje</translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translation>Mjanmarsko</translation>
    </message>
    <message>
        <source>N'Ko</source>
        <translation>Nko</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Obično</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>The Normal or Regular font weight</comment>
        <translation>Obično</translation>
    </message>
    <message>
        <source>Oblique</source>
        <translation>Koso</translation>
    </message>
    <message>
        <source>Ogham</source>
        <translation>Ogamsko</translation>
    </message>
    <message>
        <source>Oriya</source>
        <translation>Orija</translation>
    </message>
    <message>
        <source>Runic</source>
        <translation>Runsko</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Pojednostavljeno kinesko</translation>
    </message>
    <message>
        <source>Sinhala</source>
        <translation>Sinhalsko</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simboli</translation>
    </message>
    <message>
        <source>Syriac</source>
        <translation>Sirijsko</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>Tamilsko</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>Telugu</translation>
    </message>
    <message>
        <source>Thaana</source>
        <translation>Tana</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tajlandsko</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Tanko</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>Tibetansko</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Tradicionalno kinesko</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vijetnamsko</translation>
    </message>
</context>
<context>
    <name>QFontDialog</name>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Font</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Veličina</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>Po&amp;dvučeno</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efekti</translation>
    </message>
    <message>
        <source>Font st&amp;yle</source>
        <translation>&amp;Stil fonta</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Uzorak</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Izbor fonta</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Precrtano</translation>
    </message>
    <message>
        <source>Wr&amp;iting System</source>
        <translation>&amp;Pismo</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Otkaži</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zatvori</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;U redu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Snimi</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Zatvori bez snimanja</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>Device or resource busy</source>
        <translation>Uređaj je zauzet</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Prekoračena je dozvoljena količina prostora na disku</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Datoteka već postoji</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Ime datoteke je predugačko</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Greška pri čitanju ili upisu</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Neispravan argument</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>U pitanju je fascikla</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Na uređaju nema više mesta</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>Nema takvog uređaja ili adrese</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Nema takve datoteke ili fascikle</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Nije fascikla</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Radnja nije dozvoljena</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Pristup nije dozvoljen</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistem datoteka je samo za čitanje</translation>
    </message>
    <message>
        <source>Text file busy</source>
        <translation>Datoteka je u upotrebi</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Previše nivoa simboličkih veza</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Previše otvorenih datoteka</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nepoznata greška</translation>
    </message>
    <message>
        <source>database disk image is malformed</source>
        <translation>datoteka baze je oštećena</translation>
    </message>
    <message>
        <source>database is locked</source>
        <translation>baza je zaključana</translation>
    </message>
    <message>
        <source>disk I/O error</source>
        <translation>greška pri čitanju diska</translation>
    </message>
    <message>
        <source>file is not a database</source>
        <translation>datoteka nije baza podataka</translation>
    </message>
    <message>
        <source>file to open is a directory</source>
        <translation>datoteka koju treba otvoriti je fascikla</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nema dovoljno memorije</translation>
    </message>
    <message>
        <source>unable to open database file</source>
        <translation>datoteka baze ne može da se otvori</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Nalepi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponovi</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Opozovi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>I&amp;seci</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Obriši</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izaberi sve</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;O Qt-u&lt;/h3&gt;&lt;p&gt;Ovaj program koristi Qt, izdanje %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>O Qt-u</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoć</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Sakrij pojedinosti...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>Prikaži pojedinosti...</translation>
    </message>
</context>
<context>
    <name>QPageSetupDialog</name>
    <message>
        <source>Page Setup</source>
        <translation>Podešavanje strane</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Centimeters (cm)</source>
        <translation>Centimetri (cm)</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Po izboru</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Dido (DD)</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Visina:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Inči (in)</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Položeno</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margine</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimetri (mm)</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Položaj</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Raspored strana</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Redosled strana:</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Veličina strane:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Strana po listu:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papir</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Izvor papira:</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pika (P̸)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Tačke (pt)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Uspravno</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Obrnuto položeno</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Obrnuto uspravno</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Širina:</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>donja margina</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>leva margina</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>desna margina</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>gornja margina</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>Custom</source>
        <translation>Po izboru</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>Po izboru (%1CC x %2CC)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>Po izboru (%1DD x %2DD)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>Po izboru (%1in x %2in)</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>Po izboru (%1mm x %2mm)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>Po izboru (%1pc x %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>Po izboru (%1pt x %2pt)</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Dvostruka dopisnica</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>Koverat B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>Koverat B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>Koverat B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>Koverat C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>Koverat C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>Koverat C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>Koverat C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Koverat C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>Koverat C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Koverat C6</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>Koverat C65</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>Koverat C7</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>Koverat Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>Koverat Chou 4</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Koverat DL</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>Koverat Invite</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>Koverat Italian</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>Koverat Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>Koverat Kaku 3</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>Koverat Monarch</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>Koverat PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>Koverat PRC 10</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>Koverat PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>Koverat PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>Koverat PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>Koverat PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>Koverat PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>Koverat PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>Koverat PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>Koverat PRC 9</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>Koverat Personal</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>Koverat US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>Koverat US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>Koverat US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>Koverat US 14</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>Koverat US 9</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>Koverat You 4</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Beleška</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Dopisnica</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Otkaži</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zatvori</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;U redu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Snimi</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Prekini</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Primeni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Zatvori bez snimanja</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odbaci</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoć</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Zanemari</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;e za sve</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvori</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Vrati</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Vrati podrazumevano</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Pokušaj ponovo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Snimi</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Snimi sve</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Da za &amp;sve</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 već postoji.
Da li želite da je zamenite?</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 nije ispravno zapisano. Strane i opsege razdvojte znakom „,”, opseg zadajte znakom „-” i pazite da se opsezi ne preklapaju.</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 je fascikla.
Izaberite drugo ime datoteke.</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Mogućnosti &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Mogućnosti &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Š&amp;tampaj</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Sve strane</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatski</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Odozdo nagore, sleva nadesno</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Odozdo nagore, zdesna nalevo</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Po izboru</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Sukob podešavanja obostrane štampe</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Parne strane</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>U datoteku %1 ne može da se upisuje.
Izaberite drugo ime datoteke.</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Neispravno zadate strane</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Sleva nadesno, odozdo nagore</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Sleva nadesno, odozgo nadole</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Datoteka na ovom računaru</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Neparne strane</translation>
    </message>
    <message>
        <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
        <translation>Mogućnosti „Strana po listu” i „Strane” ne mogu se koristiti zajedno.
Isključite jednu od njih.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Štampanje</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Štampaj u datoteku...</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Štampaj u datoteku (PDF)</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Zdesna nalevo, odozdo nagore</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Zdesna nalevo, odozgo nadole</translation>
    </message>
    <message>
        <source>The 'From' value cannot be greater than the 'To' value.</source>
        <translation>Vrednost „od” ne može biti veća od vrednosti „do”.</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Podešavanja obostrane štampe se međusobno isključuju. Da li želite da ih ispravite?</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Odozgo nadole, sleva nadesno</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Odozgo nadole, zdesna nalevo</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Upiši PDF datoteku</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Izvezi u PDF</translation>
    </message>
    <message>
        <source>Export to PostScript</source>
        <translation>Izvezi u PostScript</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Prva strana</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Cela strana</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Puna širina</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Položeno</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Poslednja strana</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Sledeća strana</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Podešavanje strane</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Podešavanje strane</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Uspravno</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Prethodna strana</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Štampaj</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Pregled pre štampe</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>Prikaži susedne strane</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>Prikaži sve strane</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>Prikaži jednu stranu</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Uvećaj</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Umanji</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Sukob naprednih mogućnosti</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Mogućnosti posla</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Sukob podešavanja strane</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>Svojstva štampača</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Neka podešavanja strane se međusobno isključuju. Da li želite da ih ispravite?</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Neke napredne mogućnosti se međusobno isključuju. Da li želite da ih ispravite?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Napredno</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Strana</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Neke mogućnosti se međusobno isključuju. Ispravite ih.</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Collate</source>
        <translation>Sortiraj primerke</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>U boji</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Boja</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Primerci</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Primeraka:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Tekuća strana</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Obostrana štampa</translation>
    </message>
    <message>
        <source>Duplex Printing</source>
        <translation>Obostrana štampa</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Nijanse sive</translation>
    </message>
    <message>
        <source>Long side</source>
        <translation>Duža ivica</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Povez po dužoj ivici</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ništa</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Isključeno</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Mogućnosti</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Podešavanje izlaza</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Strane:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strane</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Strane od</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Štampaj sve</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Opseg štampe</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Obrnutim redom</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Izabrano</translation>
    </message>
    <message>
        <source>Short side</source>
        <translation>Kraća ivica</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Povez po kraćoj ivici</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Navedite strane ili opsege razdvojene zarezima. Opseg čine dva broja razdvojena crticom. Na primer, 3,5-7,9 štampa strane 3, 5, 6, 7 i 9.</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Ime:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Obrazac</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Mesto:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>Izlazna &amp;datoteka:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Svojstva</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pregled</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Štampač</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Vrsta:</translation>
    </message>
</context>
<context>
    <name>QSaveFile</name>
    <message>
        <source>Existing file %1 is not writable</source>
        <translation>U postojeću datoteku %1 ne može da se upisuje</translation>
    </message>
    <message>
        <source>Filename refers to a directory</source>
        <translation>Ime datoteke je ime fascikle</translation>
    </message>
    <message>
        <source>Writing canceled by application</source>
        <translation>Program je prekinuo upis</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Bottom</source>
        <translation>Dno</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Leva ivica</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Strana nadole</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Strana nalevo</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Strana nadesno</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Strana nagore</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Desna ivica</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Pomeri nadole</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>Pomeri ovde</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Pomeri nalevo</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Pomeri nadesno</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Pomeri nagore</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Vrh</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Umetni kontrolni znak Unikoda</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Nalepi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponovi</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Opozovi</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Kopiraj &amp;adresu veze</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>I&amp;seci</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Obriši</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izaberi sve</translation>
    </message>
</context>
</TS>
