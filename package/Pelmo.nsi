; Pelmo's installer: a per-user install that needs no administrator rights.
;   makensis -DVERSION=2.32 -DSTAGE=<folder> -DOUTFILE=<setup.exe> [-DTARGET=amd64-unicode] Pelmo.nsi
; STAGE holds ReadMe.txt and the folders 32-bit and 64-bit, each with Pelmo.exe and pelmo-cli.exe.
; The release uses the default 32-bit stub, which runs on every Windows; TARGET picks another
; stub (a host that runs 64-bit code only can start just the amd64 one).
; The program keeps its item files next to Pelmo.exe and its INI file in the Windows directory,
; so it goes into a folder the user can write (Windows puts a non-administrator's INI into the
; user's VirtualStore).
!ifdef TARGET
Target ${TARGET}
!else
Unicode true
!endif
!include x64.nsh
SetCompressor /SOLID lzma
RequestExecutionLevel user

Name "Pelmo ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Pelmo"
InstallDirRegKey HKCU "Software\Pelmo" "InstallDir"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Pelmo"
VIAddVersionKey "FileDescription" "Pelmo ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "The Pelmo developers"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pelmo"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Page components
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Pelmo" SecProgram
  SectionIn RO
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  ; The 64-bit program on 64-bit Windows, the 32-bit one elsewhere, under the same names in the
  ; same folder: they share the files, so a user who moves between them keeps everything.
  ${If} ${RunningX64}
    File "/oname=Pelmo.exe" "${STAGE}\64-bit\Pelmo.exe"
    File "/oname=pelmo-cli.exe" "${STAGE}\64-bit\pelmo-cli.exe"
  ${Else}
    File "/oname=Pelmo.exe" "${STAGE}\32-bit\Pelmo.exe"
    File "/oname=pelmo-cli.exe" "${STAGE}\32-bit\pelmo-cli.exe"
  ${EndIf}
  File "${STAGE}\ReadMe.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Pelmo.lnk" "$INSTDIR\Pelmo.exe"
  WriteRegStr HKCU "Software\Pelmo" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Pelmo"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Pelmo.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "Start with Windows" SecAutostart
  WriteRegStr HKCU "${RUN_KEY}" "Pelmo" '"$INSTDIR\Pelmo.exe"'
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$INSTDIR\Pelmo.exe"
  Delete "$INSTDIR\pelmo-cli.exe"
  Delete "$INSTDIR\ReadMe.txt"
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\Pelmo.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "Pelmo"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\Pelmo"
  ; The history and the settings are the user's: removed only when asked (kept when silent).
  MessageBox MB_YESNO|MB_ICONQUESTION \
      "Remove your Pelmo history, ClipBook, Quick Replace pairs and settings too?" \
      /SD IDNO IDNO keep
  Delete "$INSTDIR\Pelmo.clp"
  Delete "$INSTDIR\Pelmo.qrp"
  Delete "$INSTDIR\Pelmo.clc"
  Delete "$INSTDIR\Pelmo.clp.damaged"
  Delete "$INSTDIR\Pelmo.qrp.damaged"
  Delete "$INSTDIR\linx.htm"
  Delete "$WINDIR\Pelmo.INI"
  Delete "$LOCALAPPDATA\VirtualStore\Windows\Pelmo.INI"
keep:
  RMDir "$INSTDIR"
SectionEnd
