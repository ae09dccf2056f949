; The peer installer: the same five files with a license page, a directory page and a details
; log. x86 is ANSI like the product; amd64 ships only as Unicode.
; makensis -DPAYLOAD=<folder> -DLICENSE=<file> -DOUTFILE=<exe> [-DAMD64] [-DNO_FILES]
!ifdef AMD64
  Target amd64-unicode
!else
  Target x86-ansi
!endif
SetCompressor /SOLID lzma
Name "Quorrel"
OutFile "${OUTFILE}"
InstallDir "C:\PureBasic"
RequestExecutionLevel user
LicenseData "${LICENSE}"
ShowInstDetails show

Page license
Page directory
Page instfiles

Section
!ifndef NO_FILES
  SetOutPath "$INSTDIR\purelibraries\userlibraries"
  File "${PAYLOAD}/Quorrel_400"
  SetOutPath "$INSTDIR\help"
  File "${PAYLOAD}/Quorrel400.chm"
  SetOutPath "$INSTDIR\examples\ZentLibs"
  File "${PAYLOAD}/ostrel.pb"
  File "${PAYLOAD}/ostrel_using_sample.pb"
  SetOutPath "$INSTDIR\examples\ZentLibs\Bilder"
  File "${PAYLOAD}/printer_image.jpg"
!endif
SectionEnd
