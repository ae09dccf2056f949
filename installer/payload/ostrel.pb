; Testprogramm
End
