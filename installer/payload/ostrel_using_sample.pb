; Testprogramm Drucken
End
