; Markast's installer for 64-bit Windows. scripts/windows makes it with
;   makensis -DVERSION=... -DSTAGE=<install folder> -DFILES=<folder of the file lists> markast.nsi
; where the file lists name every file of the install folder, so that the uninstaller removes
; exactly what the installer put in. Per machine into Program Files when run by an
; administrator, else per user into the user's programs folder; /AllUsers and /CurrentUser
; choose, /S installs silently, /D=<folder> names the folder. The operator's settings (the
; registry's "VB and VBA Program Settings\Markast") stay when Markast is removed.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define PRODUCT "Markast"
!define PUBLISHER "Veltrom Marking Technology"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Markast"
!define PROGID "Markast.plt"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
!define MUI_ICON "${STAGE}/markast.ico"
!define MUI_UNICON "${STAGE}/markast.ico"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\markast.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}"

Var GivenFolder

Function .onInit
    ; MultiUser sets the folder of the install mode; a folder given with /D wins over it.
    StrCpy $GivenFolder $INSTDIR
    !insertmacro MULTIUSER_INIT
    StrCmp $GivenFolder "" +2
    StrCpy $INSTDIR $GivenFolder
FunctionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Markast"
    SetOutPath "$INSTDIR"
    !include "${FILES}\install-files.nsh"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\markast.exe" "" \
        "$INSTDIR\markast.exe" 0

    ; "Open with Markast" for HPGL plot files, without taking the file type over.
    WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "HPGL Plot File"
    WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\markast.exe,0"
    WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" \
        '"$INSTDIR\markast.exe" "%1"'
    WriteRegStr SHCTX "Software\Classes\.plt\OpenWithProgids" "${PROGID}" ""
    WriteRegStr SHCTX "Software\Classes\Applications\markast.exe\SupportedTypes" ".plt" ""
    WriteRegStr SHCTX "Software\Classes\Applications\markast.exe\shell\open\command" "" \
        '"$INSTDIR\markast.exe" "%1"'

    ; Apps and features.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\markast.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
        '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
        '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0

    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
    !include "${FILES}\uninstall-files.nsh"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegKey SHCTX "Software\Classes\${PROGID}"
    DeleteRegValue SHCTX "Software\Classes\.plt\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty SHCTX "Software\Classes\.plt\OpenWithProgids"
    DeleteRegKey /ifempty SHCTX "Software\Classes\.plt"
    DeleteRegKey SHCTX "Software\Classes\Applications\markast.exe"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"

    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
