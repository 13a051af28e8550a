; The Windows installer: the program, its help and licence in the user's own
; programs folder, a Start menu entry «Ортелана» and an uninstaller, all for the one
; user, so no administrator rights are asked for.
;     makensis -INPUTCHARSET UTF8 -DVERSION=4.1 -DSOURCE=FOLDER -DOUTFILE=SETUP.exe ortelana.nsi
; FOLDER holds ortelana.exe, Справка.html and LICENSE.
; A 64-bit installer for the 64-bit program; it also runs where Wine has no 32-bit part.
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ortelana"

Name "Ортелана"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Ortelana"
InstallDirRegKey HKCU "${KEY}" "InstallLocation"
Icon "${SOURCE}\ortelana.ico"
UninstallIcon "${SOURCE}\ortelana.ico"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1049 "ProductName" "Ортелана"
VIAddVersionKey /LANG=1049 "FileDescription" "Установка Ортеланы"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "Лицензия MIT"

LoadLanguageFile "${NSISDIR}\Contrib\Language files\Russian.nlf"
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
    SetOutPath "$INSTDIR"
    File "${SOURCE}\ortelana.exe"
    File "${SOURCE}\Справка.html"
    File "${SOURCE}\LICENSE"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Ортелана.lnk" "$INSTDIR\ortelana.exe"
    WriteRegStr HKCU "${KEY}" "DisplayName" "Ортелана"
    WriteRegStr HKCU "${KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${KEY}" "Publisher" "Команда Ортеланы"
    WriteRegStr HKCU "${KEY}" "DisplayIcon" "$INSTDIR\ortelana.exe"
    WriteRegStr HKCU "${KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Ортелана.lnk"
    Delete "$INSTDIR\ortelana.exe"
    Delete "$INSTDIR\Справка.html"
    Delete "$INSTDIR\LICENSE"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    ; The per-user programs folder, when the install made it and nothing else is in it.
    RMDir "$LOCALAPPDATA\Programs"
    DeleteRegKey HKCU "${KEY}"
SectionEnd
