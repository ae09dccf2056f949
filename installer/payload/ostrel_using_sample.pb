; Testprogramm Drucken
; Quorrel 1.06 - Beispiel 2: mehrseitiger Druck mit Bild
;
; Druckt eine Artikelliste über mehrere Seiten. Die erste Seite zeigt das Bild
; "Bilder\printer_image.jpg"; jede Seite bekommt Kopf- und Fußzeile mit
; Seitennummer. Ist eine Seite voll, beginnt QuorrelNewPage() die nächste.
;
; Das Programm aus seinem eigenen Ordner starten, damit der relative Pfad zum
; Bild stimmt. Benötigt die UserLibrary Quorrel_400 (PureBasic 4.00 bis 4.02).

EnableExplicit

UseJPEGImageDecoder()

#Bild_Drucker = 0
#Bilddatei$   = "Bilder\printer_image.jpg"

#Rand       = 15.0     ; Seitenrand in Millimetern
#Kopfhoehe  = 22.0     ; Platz für Kopfzeile und Spaltenköpfe
#Fusshoehe  = 15.0     ; Platz für die Fußzeile

; Spalten der Tabelle: linke Kante in Millimetern ab dem Rand
#Spalte_Nummer      = 0.0
#Spalte_Bezeichnung = 22.0
#Spalte_Menge       = 120.0   ; rechtsbündig: rechte Kante
#Spalte_Preis       = 150.0   ; rechtsbündig: rechte Kante
#Spalte_Summe       = 180.0   ; rechtsbündig: rechte Kante

Structure Artikel
  Nummer$
  Bezeichnung$
  Menge.l
  Preis.f
EndStructure

Global NewList Artikel.Artikel()
Global Seitenbreite.f, Seitenhoehe.f, Zeilenhoehe.f
Global Dokument$ = "Quorrel Artikelliste"

; Beispieldaten: ein paar feste Artikel und viele erzeugte, damit der Druck
; über mehrere Seiten läuft.
Procedure FuelleArtikelliste()
  Protected i.l
  Restore Artikeldaten
  Repeat
    AddElement(Artikel())
    Read Artikel()\Nummer$
    If Artikel()\Nummer$ = ""
      DeleteElement(Artikel())
      Break
    EndIf
    Read Artikel()\Bezeichnung$
    Read Artikel()\Menge
    Read Artikel()\Preis
  ForEver

  For i = 1 To 60
    AddElement(Artikel())
    Artikel()\Nummer$      = "Z-" + RSet(Str(i), 4, "0")
    Artikel()\Bezeichnung$ = "Zubehörteil Nr. " + Str(i)
    Artikel()\Menge        = 1 + (i * 7) % 12
    Artikel()\Preis        = 0.95 + (i % 9) * 1.15
  Next
EndProcedure

; Formatiert einen Betrag mit Komma und zwei Nachkommastellen.
Procedure.s Betrag(Wert.f)
  ProcedureReturn ReplaceString(StrF(Wert, 2), ".", ",") + " €"
EndProcedure

; Spaltenköpfe der Tabelle, grau hinterlegt
Procedure DruckeSpaltenkoepfe(y.f)
  QuorrelColor(RGB(0, 0, 0))
  QuorrelFont("Arial", 9, #Quorrel_Bold)
  QuorrelBox(#Rand, y - 1, Seitenbreite - 2 * #Rand, Zeilenhoehe + 1, 0, RGB(220, 228, 240))
  QuorrelText(#Rand + #Spalte_Nummer, y, "Nummer")
  QuorrelText(#Rand + #Spalte_Bezeichnung, y, "Bezeichnung")
  QuorrelText(#Rand + #Spalte_Menge, y, "Menge", #Quorrel_Right)
  QuorrelText(#Rand + #Spalte_Preis, y, "Einzelpreis", #Quorrel_Right)
  QuorrelText(#Rand + #Spalte_Summe, y, "Summe", #Quorrel_Right)
  QuorrelFont("Arial", 9)
EndProcedure

Procedure DruckeKopfzeile()
  Protected y.f = #Rand
  QuorrelColor(RGB(0, 0, 128))
  QuorrelFont("Arial", 14, #Quorrel_Bold)
  QuorrelText(#Rand, y, "Artikelliste")
  QuorrelFont("Arial", 9)
  QuorrelText(Seitenbreite - #Rand, y + 2, "Stand: " + FormatDate("%dd.%mm.%yyyy", Date()), #Quorrel_Right)
  QuorrelLine(#Rand, y + 9, Seitenbreite - #Rand, y + 9, 0.4)

  DruckeSpaltenkoepfe(y + 12)
EndProcedure

Procedure DruckeFusszeile()
  Protected y.f = Seitenhoehe - #Rand
  QuorrelLine(#Rand, y - 2, Seitenbreite - #Rand, y - 2, 0.2)
  QuorrelFont("Arial", 8, #Quorrel_Italic)
  QuorrelText(#Rand, y, Dokument$ + " - gedruckt mit Quorrel 1.06")
  QuorrelText(Seitenbreite - #Rand, y, "Seite " + Str(QuorrelPage()), #Quorrel_Right)
  QuorrelFont("Arial", 9)
EndProcedure

; Erste Seite: Bild und eine kurze Beschreibung über der Tabelle.
; Gibt die y-Position zurück, an der die Tabelle beginnt.
Procedure.f DruckeTitelbereich(y.f)
  Protected Bildbreite.f = 60, Bildhoehe.f
  If IsImage(#Bild_Drucker)
    ; Seitenverhältnis des Bildes beibehalten
    Bildhoehe = Bildbreite * ImageHeight(#Bild_Drucker) / ImageWidth(#Bild_Drucker)
    QuorrelImage(ImageID(#Bild_Drucker), #Rand, y, Bildbreite, Bildhoehe)
    QuorrelBox(#Rand, y, Bildbreite, Bildhoehe, 0.2)
  Else
    Bildhoehe = 20
    QuorrelText(#Rand, y + 8, "(Bild nicht gefunden: " + #Bilddatei$ + ")")
  EndIf

  QuorrelFont("Arial", 12, #Quorrel_Bold)
  QuorrelText(#Rand + Bildbreite + 8, y, "Drucken mit PureBasic")
  QuorrelFont("Arial", 10)
  QuorrelText(#Rand + Bildbreite + 8, y + 8, "Dieses Beispiel zeigt Bilder, Tabellen,")
  QuorrelText(#Rand + Bildbreite + 8, y + 13, "Kopf- und Fußzeilen und den Seitenumbruch.")
  QuorrelText(#Rand + Bildbreite + 8, y + 18, "Artikel in der Liste: " + Str(CountList(Artikel())))
  QuorrelFont("Arial", 9)
  ProcedureReturn y + Bildhoehe + 8
EndProcedure

Procedure DruckeArtikelzeile(y.f, Nummer.l)
  Protected Summe.f = Artikel()\Menge * Artikel()\Preis
  If Nummer % 2 = 0
    ; jede zweite Zeile hellgrau hinterlegen, das liest sich leichter
    QuorrelBox(#Rand, y - 0.5, Seitenbreite - 2 * #Rand, Zeilenhoehe, 0, RGB(244, 244, 244))
  EndIf
  QuorrelText(#Rand + #Spalte_Nummer, y, Artikel()\Nummer$)
  QuorrelText(#Rand + #Spalte_Bezeichnung, y, Artikel()\Bezeichnung$)
  QuorrelText(#Rand + #Spalte_Menge, y, Str(Artikel()\Menge), #Quorrel_Right)
  QuorrelText(#Rand + #Spalte_Preis, y, Betrag(Artikel()\Preis), #Quorrel_Right)
  QuorrelText(#Rand + #Spalte_Summe, y, Betrag(Summe), #Quorrel_Right)
EndProcedure

Procedure DruckeListe()
  Protected y.f, Tabellenende.f, Zeile.l, Gesamt.f

  If QuorrelStart(Dokument$, #Quorrel_Requester) = 0
    MessageRequester("Quorrel", "Druck abgebrochen.", #MB_ICONINFORMATION)
    ProcedureReturn
  EndIf

  Seitenbreite = QuorrelPageWidth()
  Seitenhoehe  = QuorrelPageHeight()
  QuorrelFont("Arial", 9)
  Zeilenhoehe  = QuorrelTextHeight() * 1.3
  Tabellenende = Seitenhoehe - #Rand - #Fusshoehe

  ; Auf der ersten Seite stehen die Spaltenköpfe unter dem Titelbereich.
  y = DruckeTitelbereich(#Rand)
  DruckeSpaltenkoepfe(y)
  y + Zeilenhoehe + 1

  ForEach Artikel()
    If y + Zeilenhoehe > Tabellenende
      DruckeFusszeile()
      QuorrelNewPage()
      DruckeKopfzeile()
      y = #Rand + #Kopfhoehe
    EndIf
    Zeile + 1
    DruckeArtikelzeile(y, Zeile)
    Gesamt + Artikel()\Menge * Artikel()\Preis
    y + Zeilenhoehe
  Next

  ; Gesamtsumme unter der letzten Zeile; passt sie nicht mehr, auf eine neue Seite
  If y + 2 * Zeilenhoehe > Tabellenende
    DruckeFusszeile()
    QuorrelNewPage()
    DruckeKopfzeile()
    y = #Rand + #Kopfhoehe
  EndIf
  QuorrelLine(#Rand + #Spalte_Preis, y + 1, #Rand + #Spalte_Summe, y + 1, 0.3)
  QuorrelFont("Arial", 9, #Quorrel_Bold)
  QuorrelText(#Rand + #Spalte_Preis, y + 2, "Gesamt:", #Quorrel_Right)
  QuorrelText(#Rand + #Spalte_Summe, y + 2, Betrag(Gesamt), #Quorrel_Right)

  DruckeFusszeile()
  QuorrelStop()
EndProcedure

; --- Hauptprogramm ---

FuelleArtikelliste()

If LoadImage(#Bild_Drucker, #Bilddatei$) = 0
  MessageRequester("Quorrel", "Das Bild " + #Bilddatei$ + " wurde nicht gefunden." + Chr(13) + "Es wird ohne Bild gedruckt.", #MB_ICONWARNING)
EndIf

If MessageRequester("Quorrel - Testprogramm Drucken", "Artikelliste mit " + Str(CountList(Artikel())) + " Zeilen drucken?", #PB_MessageRequester_YesNo) = #PB_MessageRequester_Yes
  DruckeListe()
EndIf

If IsImage(#Bild_Drucker)
  FreeImage(#Bild_Drucker)
EndIf

End

DataSection
  Artikeldaten:
  Data.s "D-1000", "Tintenstrahldrucker A4"
  Data.l 2
  Data.f 89.90
  Data.s "D-1010", "Laserdrucker A4, schwarzweiß"
  Data.l 1
  Data.f 149.00
  Data.s "D-1020", "Farblaserdrucker A4"
  Data.l 1
  Data.f 329.00
  Data.s "P-2000", "Kopierpapier A4, 500 Blatt"
  Data.l 10
  Data.f 4.49
  Data.s "P-2010", "Fotopapier glänzend, 50 Blatt"
  Data.l 3
  Data.f 12.95
  Data.s "P-2020", "Etiketten 70 x 36 mm, 100 Bogen"
  Data.l 2
  Data.f 18.50
  Data.s "T-3000", "Tintenpatrone schwarz"
  Data.l 6
  Data.f 17.99
  Data.s "T-3010", "Tintenpatrone farbig"
  Data.l 4
  Data.f 21.49
  Data.s "T-3020", "Tonerkartusche schwarz"
  Data.l 2
  Data.f 64.00
  Data.s "K-4000", "Druckerkabel USB, 3 m"
  Data.l 3
  Data.f 5.95
  Data.s "K-4010", "Parallelkabel (Centronics), 2 m"
  Data.l 1
  Data.f 7.50
  Data.s "S-5000", "Papierfach für 250 Blatt"
  Data.l 1
  Data.f 59.00
  Data.s "S-5010", "Duplexeinheit"
  Data.l 1
  Data.f 89.00
  Data.s "R-6000", "Reinigungsset für Druckköpfe"
  Data.l 2
  Data.f 9.90
  Data.s ""
EndDataSection
