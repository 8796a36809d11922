; A real bootstrapper, built at test time: it starts a second program with
; Exec (which does not wait) and ends at once, as many installers' first
; stage does. The launcher must wait for the second one when asked to.
;   makensis -DOUT=FILE -DTARGET=x86-unicode|amd64-unicode bootstrap.nsi
; (the probe beside FILE is the second program)
Target ${TARGET}
Name "Bootstrap"
OutFile "${OUT}"
RequestExecutionLevel user
SilentInstall silent
Section
  Exec '"$EXEDIR\probe.exe" 0 2500 bootstrap-child.txt'
SectionEnd
