// Texts the product shows that none of its headers names, as the tests expect them (line ends
// as LF): the one place for them, so that no test keeps a copy of its own.
#pragma once

namespace shown {

constexpr const char* kChooserPrompt = "Wählen Sie einen Pfad aus, angezeigt wird der gefundene "
                                       "Pfad zur aktuell aktiven Version von PureBasic";
constexpr const char* kNoPureBasicWarning =
    "Im angegebenen Pfad befindet sich keine PureBasic.exe.\n"
    "Möglicherweise wird die Installation unvollständig ausgeführt.";
constexpr const char* kAgreementIntro =
    "Diese Programm ist unter deutschem Recht entstanden. Bei Problemen und Wünschen wenden Sie "
    "sich bitte an den Autor der Software.";
constexpr const char* kChooseAnOption = "Bitte eine Option wählen ...";
constexpr const char* kNoPicture = "kein Bild geladen";

} // namespace shown
