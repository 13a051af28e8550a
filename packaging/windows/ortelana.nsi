; The Windows installer: the program, its help and licence in the user's own
; programs folder, a Start menu entry «Ортелана» and an uninstaller, all for the one
; user, so no administrator rights are asked for.
;     makensis -INPUTCHARSET UTF8 -DVERSION=4.1 -DSOURCE=FOLDER -DOUTFILE=SETUP.exe ortelana.nsi
; FOLDER holds ortelana.exe, Справка.html, LICENSE and ortelana.ico.
; A 64-bit installer for the 64-bit program; it also runs where Wine has no 32-bit part.
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
; No file dates in the installer: two builds of one commit give the same bytes.
SetDateSave off

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ortelana"
; The About window's link writes its redirect page into the current directory, at most
; this many names (0.html, 1.html...).
!define PAGES 100

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
; NSIS's Russian texts put the name in the nominative wherever it stands; these
; say it in its case.  Every text that names the program is here, the pages this
; installer leaves out included, and the two that end a page in the same quotes.
LangString ^ClickInstall ${LANG_RUSSIAN} "Нажмите «Установить», чтобы установить её."
LangString ^ClickUninstall ${LANG_RUSSIAN} "Нажмите «Удалить», чтобы удалить её."
LangString ^SetupCaption ${LANG_RUSSIAN} "Установка Ортеланы"
LangString ^UninstallCaption ${LANG_RUSSIAN} "Удаление Ортеланы"
LangString ^DirText ${LANG_RUSSIAN} "Ортелана будет установлена в эту папку. Чтобы установить её в другую, нажмите «Обзор» и выберите папку. $_CLICK"
LangString ^DirBrowseText ${LANG_RUSSIAN} "Выберите папку для установки Ортеланы:"
LangString ^UnDirText ${LANG_RUSSIAN} "Ортелана будет удалена из этой папки. Чтобы удалить её из другой, нажмите «Обзор» и выберите папку. $_CLICK"
LangString ^UnDirBrowseText ${LANG_RUSSIAN} "Выберите папку, из которой удалить Ортелану:"
LangString ^UninstallingText ${LANG_RUSSIAN} "Ортелана будет удалена с этого компьютера. $_CLICK"
LangString ^LicenseText ${LANG_RUSSIAN} "Перед установкой Ортеланы прочтите лицензионное соглашение. Если вы принимаете его условия, нажмите «Принимаю»."
LangString ^LicenseTextCB ${LANG_RUSSIAN} "Перед установкой Ортеланы прочтите лицензионное соглашение. Если вы принимаете его условия, отметьте флажок ниже. $_CLICK"
LangString ^LicenseTextRB ${LANG_RUSSIAN} "Перед установкой Ортеланы прочтите лицензионное соглашение. Если вы принимаете его условия, выберите первый вариант ниже. $_CLICK"
LangString ^UnLicenseText ${LANG_RUSSIAN} "Перед удалением Ортеланы прочтите лицензионное соглашение. Если вы принимаете его условия, нажмите «Принимаю»."
LangString ^UnLicenseTextCB ${LANG_RUSSIAN} "Перед удалением Ортеланы прочтите лицензионное соглашение. Если вы принимаете его условия, отметьте флажок ниже. $_CLICK"
LangString ^UnLicenseTextRB ${LANG_RUSSIAN} "Перед удалением Ортеланы прочтите лицензионное соглашение. Если вы принимаете его условия, выберите первый вариант ниже. $_CLICK"

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
    ; A shortcut starts the program in the folder the output path names: the user's
    ; documents, where the About window's redirect page belongs, not the program's
    ; folder.
    SetOutPath "$DOCUMENTS"
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
    ; The pages the link wrote when the program was started in its own folder (from
    ; the folder itself rather than the shortcut): by their names only, so that
    ; nothing else a user put there is taken.
    StrCpy $0 0
    pages:
        Delete "$INSTDIR\$0.html"
        IntOp $0 $0 + 1
        IntCmp $0 ${PAGES} 0 pages
    RMDir "$INSTDIR"
    ; The per-user programs folder, when the install made it and nothing else is in it.
    RMDir "$LOCALAPPDATA\Programs"
    DeleteRegKey HKCU "${KEY}"
SectionEnd
