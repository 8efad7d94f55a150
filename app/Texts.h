// Every text the program shows or writes, as Windows-1252 bytes.
// A literal is split where a hex digit follows an escape ("\xFC" "ber").
#pragma once

constexpr char kProgramName[] = "Lumarel";
constexpr char kMenuConfiguration[] = "Konfiguration";
constexpr char kMenuQuit[] = "Beenden";
constexpr char kPopupTitle[] = "Popup";
constexpr char kConfigTitle[] = "Lumarel - Konfiguration";
constexpr char kSettingsFileName[] = "\\Lumarel.ini";
constexpr char kAppDataVariable[] = "appdata";

constexpr char kSettingsGroup[] = "Lumarel-Einstellungen";
constexpr char kKeyWidth[] = "Breite";
constexpr char kKeyItemHeight[] = "ItemH\xF6he";
constexpr char kKeySeparatorHeight[] = "TrennstrichH\xF6he";
constexpr char kKeyFont[] = "Font";
constexpr char kKeyFontStyle[] = "FontStyle";
constexpr char kKeyFontSize[] = "Fontgr\xF6sse";
constexpr char kKeyPath[] = "Pfad";
constexpr char kKeyItemKind[] = "ItemArt";

constexpr char kPageItems[] = "Items";
constexpr char kPageView[] = "Ansicht";
constexpr char kColumnName[] = "Name";
constexpr char kButtonAddFile[] = "Datei hinzuf\xFCgen";
constexpr char kButtonAddFolder[] = "Pfad hinzuf\xFCgen";
constexpr char kButtonAddSeparator[] = "Trennstrich";
constexpr char kButtonRemove[] = "Entfernen";
constexpr char kButtonMoveUp[] = "Nach oben";
constexpr char kButtonMoveDown[] = "Nach unten";
constexpr char kLabelItemHeight[] = "Itemh\xF6he";
constexpr char kLabelSeparatorHeight[] = "Trennstrichh\xF6he";
constexpr char kLabelWidth[] = "Breite der Liste";
constexpr char kLabelFont[] = "Schriftart";
constexpr char kButtonFont[] = "...";
constexpr char kRowSeparatorPrefix[] = "Trennstrich: ";

constexpr char kDialogChooseFile[] = "Datei ausw\xE4hlen";
constexpr char kDialogChooseFolder[] = "Pfad ausw\xE4hlen";
constexpr char kDialogSeparatorTitle[] = "Trennstrich";
constexpr char kDialogSeparatorPrompt[] = "Name f\xFCr Trennstrich eingeben";
constexpr char kDialogOk[] = "OK";

constexpr char kStyleStandard[] = "Standard";
constexpr char kStyleBold[] = "Fett";
constexpr char kStyleItalic[] = "/Kursiv";

// Written only where a group header or a Pfad line cannot carry an entry's
// name or path unchanged; both hold the escaped text (EscapeText).
constexpr char kKeyItemName[] = "ItemName";
constexpr char kKeyItemPath[] = "ItemPfad";
