; GlimmerfallSetup.exe: one installer for 32- and 64-bit Windows that puts the
; screen saver where Screen Saver Settings finds it, for one user or for the
; whole machine.
;
;   makensis -DWIN32_DIR=<bundle> -DWIN64_DIR=<bundle> -DICON=<.ico>
;            -DOUTFILE=<exe> [-DSTUB=amd64-unicode] glimmerfall.nsi
;
; makensis works in this script's folder: give it absolute paths.
; Each bundle folder holds Snow.scr, Rimesetup.exe, Data1.Bin and Data2.Bin.
; The shipped installer is a 32-bit program (it must start on 32-bit
; Windows); STUB=amd64-unicode builds the same installer as a 64-bit program
; for hosts that run only 64-bit code.
;
; Command line: /S silent, /CurrentUser (default) or /AllUsers, /D=<folder>,
; /KeepScreenSaver to leave the current screen saver alone. The uninstaller
; takes /S, and /RemoveWindSetting to drop the stored wind setting when
; silent (it asks otherwise).

!ifndef WIN32_DIR | WIN64_DIR | ICON | OUTFILE
  !error "usage: makensis -DWIN32_DIR=... -DWIN64_DIR=... -DICON=... -DOUTFILE=... glimmerfall.nsi"
!endif

!ifdef STUB
  Target ${STUB}
  ; A 64-bit installer knows it runs on 64-bit Windows: the 32-bit branches
  ; are dead code there.
  !pragma warning disable 6012
!else
  Unicode true
!endif

; Names and version come from the sources the programs are built from.
!define SOURCE_ROOT ".."
!searchparse /file "${SOURCE_ROOT}/cmake/version.cmake" `set(GLIMMERFALL_VERSION "` VERSION `")`
!searchparse /file "${SOURCE_ROOT}/cmake/version.cmake" `set(GLIMMERFALL_VERSION_SHORT "` VERSION_SHORT `")`
!searchparse /file "${SOURCE_ROOT}/common/product.h" `#define GLIMMERFALL_PRODUCT_NAME "` PRODUCT_NAME `"`
!searchparse /file "${SOURCE_ROOT}/common/product.h" `#define GLIMMERFALL_MAKER_NAME "` MAKER_NAME `"`
!searchparse /file "${SOURCE_ROOT}/common/product.h" `#define GLIMMERFALL_MAKER_WEB "` MAKER_WEB `"`
!searchparse /file "${SOURCE_ROOT}/common/product.h" `#define GLIMMERFALL_MAKER_EMAIL "` MAKER_EMAIL `"`
!searchparse /file "${SOURCE_ROOT}/common/product.h" `#define GLIMMERFALL_LEGAL_NOTICE "` LEGAL_NOTICE `"`
!searchparse /file "${SOURCE_ROOT}/common/wind_store.cpp" `WindKeyName = "` WIND_KEY `"`
!searchparse /file "${SOURCE_ROOT}/common/wind_store.cpp" `WindValueName = "` WIND_VALUE `"`

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT_NAME}"
!define DESKTOP_KEY "Control Panel\Desktop"
!define UNINSTALLER "Uninstall.exe"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATEINIFILE_SENDCHANGE 3

Name "${PRODUCT_NAME}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT_NAME} ${VERSION_SHORT}"
SetCompressor /SOLID lzma
ManifestDPIAware true

; Per user by default, without administrator rights; an administrator may
; choose the whole machine (page or /AllUsers).
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT_NAME}"
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_FUNCTION OnInstallMode
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include x64.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Open Screen Saver Settings"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenScreenSaverSettings
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT_NAME} ${VERSION_SHORT} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${MAKER_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${LEGAL_NOTICE}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "Comments" "${MAKER_WEB}"

; The programs and pictures that travel together; Snow.scr finds the others
; beside itself.
!macro ForEachBundled MACRO ARG
  !insertmacro ${MACRO} `${ARG}` "Snow.scr"
  !insertmacro ${MACRO} `${ARG}` "Rimesetup.exe"
  !insertmacro ${MACRO} `${ARG}` "Data1.Bin"
  !insertmacro ${MACRO} `${ARG}` "Data2.Bin"
!macroend
!macro PackFrom DIR NAME
  File "${DIR}/${NAME}"
!macroend
!macro DeleteFrom DIR NAME
  Delete /REBOOTOK "${DIR}\${NAME}"
!macroend

Var FolderFromCommandLine

; The bundle that fits this Windows goes into the program folder and, for
; all users, into the system folder too: Screen Saver Settings lists the
; screen savers found there (the 64-bit one for 64-bit programs), and
; Snow.scr wants its pictures and Rimesetup.exe beside itself.
; SelectBundle picks the sections, so that the space required is right.
Section "-64-bit programs" SecPrograms64
  SetOutPath "$INSTDIR"
  !insertmacro ForEachBundled PackFrom "${WIN64_DIR}"
SectionEnd

Section "-64-bit programs in the system folder" SecSystem64
  ${DisableX64FSRedirection}
  SetOutPath "$SYSDIR"
  !insertmacro ForEachBundled PackFrom "${WIN64_DIR}"
  ${EnableX64FSRedirection}
SectionEnd

Section "-32-bit programs" SecPrograms32
  SetOutPath "$INSTDIR"
  !insertmacro ForEachBundled PackFrom "${WIN32_DIR}"
SectionEnd

Section "-32-bit programs in the system folder" SecSystem32
  SetOutPath "$SYSDIR"
  !insertmacro ForEachBundled PackFrom "${WIN32_DIR}"
SectionEnd

Section "-Registration"
  SetOutPath "$INSTDIR"
  File "ReadMe.txt"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION_SHORT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${MAKER_NAME}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${MAKER_WEB}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Contact" "${MAKER_EMAIL}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Snow.scr,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Make it my screen saver" SecCurrent
  Call ScreenSaverPath
  Pop $0
  ReadRegStr $1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${DisableX64FSRedirection}
  GetFullPathName /SHORT $3 $1
  ${EnableX64FSRedirection}
  ; A reinstall must not remember this screen saver as the one it replaced.
  ${If} $3 != $0
  ${AndIf} $1 != $0
    ReadRegStr $2 HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "PreviousScreenSaver" $1
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "PreviousScreenSaveActive" $2
  ${EndIf}
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $0
  ; Writes ScreenSaveActive and tells the running desktop.
  System::Call 'user32::SystemParametersInfo(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_UPDATEINIFILE_SENDCHANGE})'
SectionEnd

; Pushes the short full path of the Snow.scr that Screen Saver Settings
; lists, the form in which Windows itself stores SCRNSAVE.EXE.
Function ScreenSaverPath
  ${If} $MultiUser.InstallMode == "AllUsers"
    StrCpy $0 "$SYSDIR\Snow.scr"
  ${Else}
    StrCpy $0 "$INSTDIR\Snow.scr"
  ${EndIf}
  ${DisableX64FSRedirection}
  GetFullPathName /SHORT $1 $0
  ${EnableX64FSRedirection}
  ${If} $1 == ""
    StrCpy $1 $0
  ${EndIf}
  Push $1
FunctionEnd

; Runs whenever the install mode is set, at start and on the mode page.
Function OnInstallMode
  ; /D= has set $INSTDIR before .onInit; the mode would replace it.
  ${If} $FolderFromCommandLine != ""
    StrCpy $INSTDIR $FolderFromCommandLine
  ${EndIf}
  Call SelectBundle
FunctionEnd

Function SelectBundle
  !insertmacro UnselectSection ${SecPrograms64}
  !insertmacro UnselectSection ${SecSystem64}
  !insertmacro UnselectSection ${SecPrograms32}
  !insertmacro UnselectSection ${SecSystem32}
  ${If} ${RunningX64}
    !insertmacro SelectSection ${SecPrograms64}
    ${If} $MultiUser.InstallMode == "AllUsers"
      !insertmacro SelectSection ${SecSystem64}
    ${EndIf}
  ${Else}
    !insertmacro SelectSection ${SecPrograms32}
    ${If} $MultiUser.InstallMode == "AllUsers"
      !insertmacro SelectSection ${SecSystem32}
    ${EndIf}
  ${EndIf}
FunctionEnd

Function OpenScreenSaverSettings
  ; The native control panel, so that a 64-bit Windows lists 64-bit savers.
  ${DisableX64FSRedirection}
  Exec '"$SYSDIR\control.exe" desk.cpl,,@screensaver'
  ${EnableX64FSRedirection}
FunctionEnd

Function .onInit
  StrCpy $FolderFromCommandLine $INSTDIR
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
  !insertmacro MULTIUSER_INIT
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/KeepScreenSaver" $1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecCurrent}
  ${EndIf}
FunctionEnd

; --- Uninstaller ----------------------------------------------------------

Function un.onInit
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
  !insertmacro MULTIUSER_UNINIT
  ; Started from its folder rather than from Programs and Features, it has no
  ; mode switch: the machine-wide entry tells whether this is that install.
  ${un.GetParameters} $0
  ClearErrors
  ${un.GetOptions} $0 "/AllUsers" $1
  ${IfNot} ${Errors}
    Return
  ${EndIf}
  ${un.GetOptions} $0 "/CurrentUser" $1
  ${If} ${Errors}
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $1 == $INSTDIR
      Call un.MultiUser.InstallMode.AllUsers
      ${If} $MultiUser.InstallMode != "AllUsers"
        MessageBox MB_OK|MB_ICONSTOP "$(^Name) was installed for all users; removing it needs administrator rights." /SD IDOK
        Quit
      ${EndIf}
    ${EndIf}
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.RestorePreviousScreenSaver

  !insertmacro ForEachBundled DeleteFrom "$INSTDIR"
  Delete "$INSTDIR\ReadMe.txt"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir /REBOOTOK "$INSTDIR"
  ${If} $MultiUser.InstallMode == "AllUsers"
    ${DisableX64FSRedirection}
    !insertmacro ForEachBundled DeleteFrom "$SYSDIR"
    ${EnableX64FSRedirection}
  ${EndIf}

  Call un.OfferToRemoveWindSetting
  ; Last, so that an uninstall that stops half-way can be run again.
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd

; When this screen saver is the current one, put back the one it replaced
; (or none), so that Windows does not point at a deleted file.
Function un.RestorePreviousScreenSaver
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} $0 == ""
    Return
  ${EndIf}
  ${DisableX64FSRedirection}
  GetFullPathName /SHORT $1 $0
  GetFullPathName /SHORT $2 "$INSTDIR\Snow.scr"
  GetFullPathName /SHORT $3 "$SYSDIR\Snow.scr"
  ${EnableX64FSRedirection}
  ${If} $1 == ""
    Return
  ${EndIf}
  StrCpy $6 0
  ${If} $1 == $2
    StrCpy $6 1
  ${ElseIf} $MultiUser.InstallMode == "AllUsers"
  ${AndIf} $1 == $3
    StrCpy $6 1
  ${EndIf}
  ${If} $6 == 1
    ReadRegStr $4 SHCTX "${UNINSTALL_KEY}" "PreviousScreenSaver"
    ReadRegStr $5 SHCTX "${UNINSTALL_KEY}" "PreviousScreenSaveActive"
    ${If} $4 == ""
      DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${Else}
      WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $4
    ${EndIf}
    ${If} $5 != "1"
      System::Call 'user32::SystemParametersInfo(i ${SPI_SETSCREENSAVEACTIVE}, i 0, p 0, i ${SPIF_UPDATEINIFILE_SENDCHANGE})'
    ${EndIf}
  ${EndIf}
FunctionEnd

; The wind setting belongs to the user, not to the install: ask before
; removing it, and keep it in a silent uninstall unless told otherwise.
Function un.OfferToRemoveWindSetting
  StrCpy $1 0
  ${Do}
    EnumRegValue $0 HKCU "${WIND_KEY}" $1
    ${If} $0 == ""
      Return
    ${EndIf}
    IntOp $1 $1 + 1
  ${LoopUntil} $0 == "${WIND_VALUE}"

  ${If} ${Silent}
    ${un.GetParameters} $0
    ClearErrors
    ${un.GetOptions} $0 "/RemoveWindSetting" $1
    ${If} ${Errors}
      Return
    ${EndIf}
  ${ElseIf} ${Cmd} `MessageBox MB_YESNO|MB_ICONQUESTION "Also remove your wind setting?$\r$\n$\r$\nIf you keep it, a later install of $(^Name) starts with the same wind." IDNO`
    Return
  ${EndIf}
  DeleteRegValue HKCU "${WIND_KEY}" "${WIND_VALUE}"
  DeleteRegKey /ifempty HKCU "${WIND_KEY}"
FunctionEnd
