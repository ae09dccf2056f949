; Testprogramm
; Quorrel 1.06 - Beispiel 1: eine einfache Seite
;
; Ein Fenster mit einem Eingabefeld für die Überschrift und einer Schaltfläche.
; "Drucken" öffnet den Druckerdialog und druckt eine Seite mit Rahmen,
; Überschrift, ein paar Textzeilen und einer Fußzeile mit dem Datum.
;
; Benötigt die UserLibrary Quorrel_400 (PureBasic 4.00 bis 4.02).

Enumeration
  #Fenster_Haupt
EndEnumeration

Enumeration
  #Text_Titel
  #Eingabe_Titel
  #Knopf_Drucken
  #Knopf_Ende
EndEnumeration

#Rand = 15.0            ; Abstand des Textes vom Rahmen in Millimetern

Procedure DruckeTestseite(Titel$)
  Protected Breite.f, Hoehe.f, y.f, Zeile.f

  If QuorrelStart("Quorrel Testseite", #Quorrel_Requester) = 0
    ProcedureReturn #False   ; kein Drucker oder Dialog abgebrochen
  EndIf

  Breite = QuorrelPageWidth()
  Hoehe  = QuorrelPageHeight()

  ; Rahmen um den ganzen bedruckbaren Bereich
  QuorrelBox(0, 0, Breite, Hoehe, 0.5)

  ; Überschrift, zentriert
  QuorrelColor(RGB(0, 0, 128))
  QuorrelFont("Arial", 18, #Quorrel_Bold)
  QuorrelText(Breite / 2, #Rand, Titel$, #Quorrel_Center)
  y = #Rand + QuorrelTextHeight() + 2
  QuorrelLine(#Rand, y, Breite - #Rand, y, 0.3)

  ; ein paar Zeilen in verschiedenen Schriften
  QuorrelColor(RGB(0, 0, 0))
  y + 8
  QuorrelFont("Arial", 11)
  Zeile = QuorrelTextHeight() * 1.4
  QuorrelText(#Rand, y, "Diese Seite wurde mit der Quorrel-Library gedruckt.") : y + Zeile
  QuorrelText(#Rand, y, "Alle Maße werden in Millimetern angegeben.") : y + Zeile
  QuorrelText(#Rand, y, "Bedruckbarer Bereich: " + StrF(Breite, 1) + " x " + StrF(Hoehe, 1) + " mm") : y + Zeile * 2

  QuorrelFont("Times New Roman", 12, #Quorrel_Italic)
  QuorrelText(#Rand, y, "Kursive Schrift: Franz jagt im komplett verwahrlosten Taxi quer durch Bayern.") : y + Zeile
  QuorrelFont("Courier New", 10)
  QuorrelText(#Rand, y, "Feste Breite:    0123456789 ÄÖÜ äöü ß") : y + Zeile
  QuorrelFont("Arial", 11, #Quorrel_Bold | #Quorrel_Underline)
  QuorrelText(#Rand, y, "Fett und unterstrichen") : y + Zeile * 2

  ; rechtsbündig gesetzte Zahlen
  QuorrelFont("Arial", 11)
  QuorrelText(#Rand, y, "Summe netto:")
  QuorrelText(Breite - #Rand, y, "1.234,50 EUR", #Quorrel_Right) : y + Zeile
  QuorrelText(#Rand, y, "zuzüglich 19 % MwSt.:")
  QuorrelText(Breite - #Rand, y, "234,56 EUR", #Quorrel_Right) : y + Zeile
  QuorrelLine(Breite - #Rand - 40, y, Breite - #Rand, y)
  y + 1
  QuorrelFont("Arial", 11, #Quorrel_Bold)
  QuorrelText(#Rand, y, "Gesamt:")
  QuorrelText(Breite - #Rand, y, "1.469,06 EUR", #Quorrel_Right)

  ; ein grau gefülltes Feld
  QuorrelBox(#Rand, Hoehe / 2, Breite - 2 * #Rand, 30, 0.3, RGB(230, 230, 230))
  QuorrelFont("Arial", 10)
  QuorrelText(Breite / 2, Hoehe / 2 + 12, "Graues Feld mit dünnem Rahmen", #Quorrel_Center)

  ; Fußzeile
  QuorrelFont("Arial", 8)
  QuorrelText(#Rand, Hoehe - #Rand, "Gedruckt am " + FormatDate("%dd.%mm.%yyyy um %hh:%ii Uhr", Date()))
  QuorrelText(Breite - #Rand, Hoehe - #Rand, "Seite " + Str(QuorrelPage()), #Quorrel_Right)

  QuorrelStop()
  ProcedureReturn #True
EndProcedure

If OpenWindow(#Fenster_Haupt, 0, 0, 320, 110, "Quorrel - Testprogramm", #PB_Window_SystemMenu | #PB_Window_ScreenCentered)
  If CreateGadgetList(WindowID(#Fenster_Haupt))
    TextGadget(#Text_Titel, 10, 12, 80, 20, "Überschrift:")
    StringGadget(#Eingabe_Titel, 90, 10, 220, 20, "Quorrel Testseite")
    ButtonGadget(#Knopf_Drucken, 90, 60, 105, 28, "Drucken")
    ButtonGadget(#Knopf_Ende, 205, 60, 105, 28, "Ende")
  EndIf

  Repeat
    Ereignis = WaitWindowEvent()
    If Ereignis = #PB_Event_Gadget
      Select EventGadget()
        Case #Knopf_Drucken
          If DruckeTestseite(GetGadgetText(#Eingabe_Titel)) = #False
            MessageRequester("Quorrel", "Es wurde nichts gedruckt.", #MB_ICONINFORMATION)
          EndIf
        Case #Knopf_Ende
          Ereignis = #PB_Event_CloseWindow
      EndSelect
    EndIf
  Until Ereignis = #PB_Event_CloseWindow
EndIf

End
