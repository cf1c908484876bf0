' Writes one entry of each type through the Scribbet control, as an
' application's script would.
'   cscript //nologo write_events.vbs [SOURCE-NAME]
Option Explicit
Dim control, source, message, kind, result, defaultName
Set control = CreateObject("ScribbetLib.Scribbet")

source = "Scribbet Demo"
If WScript.Arguments.Count > 0 Then source = WScript.Arguments(0)

Sub Report(text, passed, name)
  Dim typeVariable
  message = text
  typeVariable = passed
  result = control.WriteEvent(message, typeVariable, name)
  WScript.Echo "WriteEvent(""" & text & """, " & passed & ", """ & name & """) = " & result & _
               "   (type variable now " & typeVariable & ")"
End Sub

Report "The nightly backup could not reach the file server.", 1, source
Report "Disk D: is 91% full.", 2, source
defaultName = ""
Report "Scribbet demo finished its run.", 3, defaultName
WScript.Echo "The empty name variable now holds """ & defaultName & """."
